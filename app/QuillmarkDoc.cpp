#include "QuillmarkDoc.h"

#include "BarcodeSettings.h"
#include "BarcodeView.h"
#include "Batch.h"
#include "OpenLink.h"
#include "ResourceIds.h"
#include "ResourceTables.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

// The install's folder of programs and, relative to it, its documentation
// folder, as the build sets them (GNUInstallDirs: bin and share/doc/quillmark).
constexpr const char* kInstallBinDir = QUILLMARK_INSTALL_BINDIR;
constexpr const char* kInstallDocDirFromBin = QUILLMARK_INSTALL_DOCDIR_FROM_BINDIR;

void SayCannotOpen(const QString& message) {
    QMessageBox::warning(QApplication::activeWindow(), QString::fromLatin1(kApplicationName),
                         message);
}

} // namespace

QString HelpFilePath(const QString& executablePath) {
    const QFileInfo executable(executablePath);
    const QString name = executable.completeBaseName() + QStringLiteral(".htm");
    QString beside = executable.path() + QLatin1Char('/') + name;
    // Run from the build tree (or from any folder not named like the install's
    // folder of programs), the page is beside the executable; installed, it is
    // in the documentation folder, reached from the folder of programs.
    if (QFileInfo::exists(beside) || executable.dir().dirName() != QLatin1String(kInstallBinDir)) {
        return beside;
    }
    return QDir::cleanPath(executable.path() + QLatin1Char('/') +
                           QLatin1String(kInstallDocDirFromBin) + QLatin1Char('/') + name);
}

QString SuggestedSaveName(const QString& symbologyName, const QString& text) {
    return SafeFileName(text.isEmpty() ? symbologyName : symbologyName + QLatin1Char(' ') + text);
}

void KeepSavePlace(CBarcodeView& view) {
    view.Output().SetSavePlace(
        [](const RenderRequest& symbol) {
            QString folder = ReadSaveFolder(*OpenSettingsStore());
            if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
                folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            }
            if (!QFileInfo(folder).isDir()) {
                folder = QDir::homePath();
            }
            const QString text =
                QString::fromLatin1(symbol.text.data(), static_cast<qsizetype>(symbol.text.size()));
            return SavePlace{folder,
                             SuggestedSaveName(res::Text(FactsOf(symbol.symbology).name), text)};
        },
        [](const QString& path) {
            WriteSaveFolder(*OpenSettingsStore(), QFileInfo(path).absolutePath());
        });
}

void CQuillmarkDoc::OnHelpTopics() {
    QString help = HelpFilePath(QCoreApplication::applicationFilePath());
    // The page in the user's language where there is one: the translations
    // name it.
    const QString translated = QFileInfo(help).dir().filePath(
        QCoreApplication::translate("CQuillmarkDoc", "quillmark.htm"));
    if (QFileInfo::exists(translated)) {
        help = translated;
    }
    // A missing file is said at once: a browser started on it would only show
    // an error page of its own, or nothing.
    if (!QFileInfo::exists(help)) {
        SayCannotOpen(QCoreApplication::translate(
                          "CQuillmarkDoc", "Help cannot be shown: the help file %1 was not found.")
                          .arg(QDir::toNativeSeparators(help)));
        return;
    }
    if (OpenLink(help) == OpenLinkResult::Failed) {
        SayCannotOpen(QCoreApplication::translate(
                          "CQuillmarkDoc", "Help cannot be shown: no program to open the help file "
                                           "%1 was found.")
                          .arg(QDir::toNativeSeparators(help)));
    }
}

bool CQuillmarkDoc::OnCommand(int id) {
    switch (id) {
    case ids::kHelpTopics:
        OnHelpTopics();
        return true;
    default:
        return false;
    }
}

bool CQuillmarkDoc::OnUpdateCommand(int id, CommandState&) {
    return id == ids::kHelpTopics;
}
