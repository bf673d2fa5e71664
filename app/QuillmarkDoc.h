#pragma once

#include "CommandRoute.h"

#include <QString>

#include <vector>

// The address of the support forum that Online Support opens.
inline constexpr const char* kOnlineSupportAddress =
    "https://support.corvane.example/forum/quillmark";

// The help file, named after the executable with its extension (if any)
// replaced by "htm": in the executable's folder when it is there (the build
// tree) or when that folder is not the install's folder of programs;
// otherwise in the installed documentation folder (<prefix>/bin/quillmark
// reads <prefix>/share/doc/quillmark/quillmark.htm).
QString HelpFilePath(const QString& executablePath);

// The one document. It holds no data; it knows its views and answers the two
// help commands, saying so in a message box when they cannot be carried out.
class CQuillmarkDoc : public CCommandTarget {
public:
    void AddView(CCommandTarget* view) { m_views.push_back(view); }
    const std::vector<CCommandTarget*>& Views() const { return m_views; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    void OnHelpTopics();
    void OnOnlineSupport();

    std::vector<CCommandTarget*> m_views;
};
