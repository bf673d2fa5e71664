#include "QuillmarkApp.h"

#include "AboutBox.h"
#include "BarcodeMainView.h"
#include "BarcodeSettings.h"
#include "BarcodeView.h"
#include "DesignMenu.h"
#include "MainFrame.h"
#include "PrintSetup.h"
#include "Profile.h"
#include "QuillmarkDoc.h"
#include "ResourceIds.h"
#include "ResourceTables.h"
#include "VersionReader.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPrintDialog>
#include <QSettings>

namespace {
const QString kSettingsSection = QStringLiteral("Settings");
const QString kPreviewPagesKey = QStringLiteral("PreviewPages");

// What the views report goes to the frame's status bar; the commands of the
// barcode view's context menu take the frame's route.
void ConnectToFrame(CMainFrame& frame, CBarcodeMainView& host, CBarcodeView& view) {
    QObject::connect(&view, &CBarcodeView::StatusTextChanged, &frame, &CMainFrame::SetStatusText);
    QObject::connect(&view, &CBarcodeView::AchievedSizeChanged, &frame,
                     &CMainFrame::SetAchievedSizeText);
    QObject::connect(&view, &CBarcodeView::CommandRaised, &frame, &CMainFrame::RouteCommand);
    QObject::connect(&host, &CBarcodeMainView::ZoomShown, &frame, &CMainFrame::SetZoomIndicator);
    QObject::connect(&host, &CBarcodeMainView::ScanFieldChanged, &frame, &CMainFrame::SetScanField);
}

} // namespace

CQuillmarkApp::CQuillmarkApp() = default;

CQuillmarkApp::~CQuillmarkApp() {
    SetProfileReader({});
    // The frame owns the views, which the document only refers to.
    m_pFrame.reset();
    m_pDoc.reset();
}

bool CQuillmarkApp::InitInstance(bool show) {
    // The settings store: every read and write from here on goes to it.
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    res::RegisterResources();
    {
        const std::unique_ptr<QSettings> settings = OpenSettingsStore();
        m_nPreviewPages = ReadProfileInt(*settings, kSettingsSection, kPreviewPagesKey, 0);
    }
    SetProfileReader(SettingsStoreReader());

    // The document, the frame and, inside it, the host view with the panel and
    // the barcode view.
    m_pDoc = std::make_unique<CQuillmarkDoc>();
    m_pFrame = std::make_unique<CMainFrame>();
    m_pFrame->setWindowIcon(QIcon(QStringLiteral(":/images/appicon.svg")));
    m_pMainView = new CBarcodeMainView(m_pFrame.get());
    m_pFrame->setCentralWidget(m_pMainView);
    CBarcodeView* barcodeView = m_pMainView->BarcodeView();
    if (barcodeView == nullptr) {
        return false;
    }
    ConnectToFrame(*m_pFrame, *m_pMainView, *barcodeView);
    AddDesignMenuItems(*m_pFrame);
    barcodeView->SetPrinter(&m_printer);
    KeepSavePlace(*barcodeView);
    m_pDoc->AddView(m_pMainView);
    m_pDoc->AddView(barcodeView);
    m_pFrame->SetActiveView(barcodeView);
    m_pFrame->SetDocument(m_pDoc.get(), m_pDoc->Views());
    m_pFrame->SetApplication(this);
    barcodeView->OnInitialUpdate();
    if (const QString irregular = IrregularStoreFile(); !irregular.isEmpty()) {
        m_pFrame->SetStatusText(QCoreApplication::translate(
                                    "CQuillmarkApp", "%1 is not a plain file and is not read: the "
                                                     "default settings are used.")
                                    .arg(irregular));
    }
    m_pFrame->UpdateCommandStates();
    if (show) {
        m_pFrame->show();
    }
    return true;
}

void CQuillmarkApp::ExitInstance() {
    if (m_nPreviewPages != 0) {
        OpenSettingsStore()->setValue(kSettingsSection + QLatin1Char('/') + kPreviewPagesKey,
                                      m_nPreviewPages);
    }
}

void CQuillmarkApp::OnAbout() {
    CAboutBox about(m_pFrame.get());
    ProgramVersion version;
    about.SetVersionText(QueryVersion(QCoreApplication::applicationFilePath(), version)
                             ? VersionText(version.major, version.minor, version.build)
                             : UnknownVersionText());
    about.exec();
}

void CQuillmarkApp::OnPrintSetup() {
    MakePrintSetupDialog(m_printer, m_pFrame.get())->exec();
}

bool CQuillmarkApp::OnCommand(int id) {
    switch (id) {
    case ids::kAppAbout:
        OnAbout();
        return true;
    case ids::kFilePrintSetup:
        OnPrintSetup();
        return true;
    case ids::kAppExit:
        m_pFrame->close();
        return true;
    default:
        return false;
    }
}

bool CQuillmarkApp::OnUpdateCommand(int id, CommandState&) {
    return id == ids::kAppAbout || id == ids::kFilePrintSetup || id == ids::kAppExit;
}
