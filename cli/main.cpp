// quillmark-render: the desktop program's symbols from the command line.
#include "FileCommit.h"
#include "LabelFace.h"
#include "RenderOptions.h"
#include "Runner.h"
#include "SheetLayout.h"
#include "Translations.h"
#include "VersionReader.h"

#include <QGuiApplication>
#include <QStringDecoder>

#include <cstdio>

namespace {

// The tool's error stream carries its own messages, one line each; the
// platform layer's notes (a missing runtime folder, say) would only bury them.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "quillmark-render: %s\n", qPrintable(message));
    }
    (void)context;
}

QString VersionLine() {
    ProgramVersion version;
    if (!QueryVersion(QCoreApplication::applicationFilePath(), version)) {
        return QCoreApplication::translate("main", "quillmark-render, version unknown");
    }
    return QCoreApplication::translate("main", "quillmark-render %1.%2, build %3")
        .arg(version.major)
        .arg(version.minor)
        .arg(version.build);
}

// The position of the first argument whose bytes are no UTF-8, or 0.
int FirstNonUtf8Argument(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(QByteArrayView(argv[i]));
        if (decoder.hasError()) {
            return i;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Labels are drawn with the platform's fonts, which need a GUI application
    // object but no display: the tool runs on servers and in scripts.
    qInstallMessageHandler(QuietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // An argument that is no UTF-8 would reach the tool with U+FFFD in it, a
    // character the user never typed: it is refused for what it is. Only a
    // core application object is made to tell it in the user's language: it
    // acts on none of the arguments, where the GUI one would read options
    // such as -platform from them first.
    if (const int bad = FirstNonUtf8Argument(argc, argv); bad != 0) {
        const QCoreApplication core(argc, argv);
        const Translations translations;
        std::fprintf(
            stderr, "quillmark-render: %s\n",
            QCoreApplication::translate("main", "argument %1 holds bytes that are not UTF-8")
                .arg(bad)
                .toLocal8Bit()
                .constData());
        return kExitUsage;
    }
    // Only the label's face is looked up, not every font on the system.
    UseLabelFaceOnly();
    QGuiApplication application(argc, argv);
    // Help and messages in the user's language; under C, POSIX or English
    // they stay exactly as scripts have always read them.
    const Translations translations;
    const ParsedCommandLine parsed = ParseCommandLine(QCoreApplication::arguments());
    switch (parsed.action) {
    case CommandAction::Help:
        std::fputs(parsed.message.toLocal8Bit().constData(), stdout);
        return kExitSuccess;
    case CommandAction::Version:
        std::fprintf(stdout, "%s\n", VersionLine().toLocal8Bit().constData());
        return kExitSuccess;
    case CommandAction::UsageError:
        std::fprintf(stderr, "quillmark-render: %s\n", parsed.message.toLocal8Bit().constData());
        return kExitUsage;
    case CommandAction::ListSheets:
        for (const SheetLayout& sheet : BuiltInSheets()) {
            std::fprintf(stdout, "%-14s %s\n", sheet.name.c_str(),
                         QString::fromStdString(DescribeSheet(sheet)).toLocal8Bit().constData());
        }
        return kExitSuccess;
    case CommandAction::Render:
        break;
    }
    RemoveTemporaryFileOnInterrupt();
    return RunRender(parsed.options, stderr);
}
