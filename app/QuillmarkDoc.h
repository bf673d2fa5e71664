#pragma once

#include "CommandRoute.h"

#include <QString>

#include <vector>

// The help file, named after the executable with its extension (if any)
// replaced by "htm": in the executable's folder when it is there (the build
// tree) or when that folder is not the install's folder of programs;
// otherwise in the installed documentation folder (<prefix>/bin/quillmark
// reads <prefix>/share/doc/quillmark/quillmark.htm).
QString HelpFilePath(const QString& executablePath);

class CBarcodeView;

// The name Save suggests for a symbol: its symbology's name and its text, as
// one name safe for any file system ("Code 39 21898623818"); the symbology's
// name alone for an empty text.
QString SuggestedSaveName(const QString& symbologyName, const QString& text);

// Save opens in the folder of the last file saved, as the settings store keeps
// it, or else (none stored, or gone since) in the user's documents folder,
// and suggests the symbol's name.
void KeepSavePlace(CBarcodeView& view);

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

    std::vector<CCommandTarget*> m_views;
};
