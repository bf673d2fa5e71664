#pragma once

#include "CommandRoute.h"

#include <QPrinter>
#include <QString>

#include <memory>

class CBarcodeMainView;
class CMainFrame;
class CQuillmarkDoc;
class QSettings;

// The application: settings, the document, the main window and its views, and
// the commands that belong to the program as a whole.
class CQuillmarkApp : public CCommandTarget {
public:
    CQuillmarkApp();
    ~CQuillmarkApp() override;
    CQuillmarkApp(const CQuillmarkApp&) = delete;
    CQuillmarkApp& operator=(const CQuillmarkApp&) = delete;

    // Start-up: settings store, profile reader, document, frame and views;
    // shows the main window. False if the window could not be made.
    bool InitInstance(bool show = true);
    // Writes back the settings kept while running.
    void ExitInstance();

    CMainFrame* MainFrame() const { return m_pFrame.get(); }
    CQuillmarkDoc* Document() const { return m_pDoc.get(); }
    CBarcodeMainView* MainView() const { return m_pMainView; }
    // The printer that Print and Print Setup share.
    QPrinter& Printer() { return m_printer; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    void OnAbout();
    void OnPrintSetup();

    std::unique_ptr<CQuillmarkDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    CBarcodeMainView* m_pMainView = nullptr; // owned by the frame
    // At the printer's own resolution: bars go on its grid of dots, never on
    // a 96-dpi grid scaled up.
    QPrinter m_printer{QPrinter::HighResolution};
    int m_nPreviewPages = 0;
};
