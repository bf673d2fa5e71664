// quillmark-render: the desktop program's symbols from the command line.
#include "FileCommit.h"
#include "GradeRun.h"
#include "LabelCatalog.h"
#include "LabelFace.h"
#include "LabelStore.h"
#include "MonoSurface.h"
#include "OutputFormat.h"
#include "RenderOptions.h"
#include "Runner.h"
#include "SheetLayout.h"
#include "Translations.h"
#include "VersionReader.h"

#include <QGuiApplication>
#include <QHashFunctions>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

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

// Whether an argument is one of the options a GUI application takes for
// itself and removes before the tool sees them (-platform, --display, ...).
bool IsGuiOption(const char* argument) {
    static constexpr std::array kGuiOptions{"background",
                                            "bg",
                                            "btn",
                                            "button",
                                            "cmap",
                                            "dialogs",
                                            "display",
                                            "dograb",
                                            "fg",
                                            "fn",
                                            "font",
                                            "foreground",
                                            "geometry",
                                            "icon",
                                            "im",
                                            "inputstyle",
                                            "name",
                                            "ncols",
                                            "nograb",
                                            "platform",
                                            "platformpluginpath",
                                            "platformtheme",
                                            "plugin",
                                            "qmljsdebugger",
                                            "qwindowgeometry",
                                            "qwindowicon",
                                            "qwindowtitle",
                                            "reverse",
                                            "session",
                                            "style",
                                            "stylesheet",
                                            "sync",
                                            "testability",
                                            "title",
                                            "visual",
                                            "widgetcount"};
    if (argument[0] != '-') {
        return false;
    }
    const char* name = argument + (argument[1] == '-' ? 2 : 1);
    const std::size_t length = std::strcspn(name, "=");
    return std::any_of(kGuiOptions.begin(), kGuiOptions.end(), [&](const char* option) {
        return std::strlen(option) == length && std::strncmp(option, name, length) == 0;
    });
}

// Whether the command line asks for a label design (--design or -design, with
// its file apart or after "=").
bool NamesDesign(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--") {
            return false;
        }
        for (const char* option : {"--design", "-design"}) {
            if (argument == option || argument.startsWith(QByteArray(option) + '=')) {
                return true;
            }
        }
    }
    return false;
}

// Whether the run draws one bitmap file: the case a label store can serve
// without fonts.
bool DrawsOneBitmap(const RenderOptions& options) {
    const std::optional<OutputFormat> format =
        options.format ? options.format : FormatOfPath(options.output);
    return options.mode == InputMode::Single && !options.sheet && !options.verify && format &&
           IsRaster(*format);
}

// Runs without fonts, labels from the store only, holding back the messages
// until the run is over: nullopt, with nothing written or said, when a label
// needs the fonts.
std::optional<int> RunWithoutFonts(const RenderOptions& options, CLabelStore& store) {
    char* held = nullptr;
    std::size_t size = 0;
    std::FILE* errors = open_memstream(&held, &size);
    if (errors == nullptr) {
        return std::nullopt;
    }
    const int status = RunRender(options, LabelSource{&store, false}, errors);
    std::fclose(errors);
    if (status != kRunNeedsFonts) {
        std::fwrite(held, 1, size, stderr);
    }
    std::free(held);
    return status == kRunNeedsFonts ? std::nullopt : std::optional<int>(status);
}

// Standard streams the caller closed are opened on /dev/null the wrong way
// round: no file the run opens takes their numbers (a batch written into
// the label store, say), and every use of them fails as on a closed stream.
void PlugClosedStandardStreams() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
            if (opened >= 0 && opened != fd) {
                ::dup2(opened, fd);
                ::close(opened);
            }
        }
    }
}

// The built-in stock, then the system's label catalog, each line a name and
// the layout in words; with words, only the stock whose name and description
// hold every one. What the catalog could not read goes to standard error.
void ListSheets(const QStringList& words) {
    const auto holdsAll = [&words](const QString& text) {
        return std::all_of(words.begin(), words.end(), [&text](const QString& word) {
            return text.contains(word, Qt::CaseInsensitive);
        });
    };
    for (const SheetLayout& sheet : BuiltInSheets()) {
        const QString described = QString::fromStdString(DescribeSheet(sheet));
        if (holdsAll(QString::fromStdString(sheet.name) + u' ' + described)) {
            std::fprintf(stdout, "%-14s %s\n", sheet.name.c_str(),
                         described.toLocal8Bit().constData());
        }
    }
    const LabelCatalog& catalog = SystemLabelCatalog();
    for (const CatalogStock* stock : FindStock(catalog, words)) {
        const QString line =
            QStringLiteral("%1  %2; %3")
                .arg(QString::fromStdString(stock->layout.name),
                     QString::fromStdString(DescribeSheet(stock->layout)), stock->description);
        std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
    }
    for (const QString& note : catalog.notes) {
        std::fprintf(stderr, "quillmark-render: %s\n", note.toLocal8Bit().constData());
    }
}

// Success when what was written to standard output reached it; else says
// why (a full disk, a closed stream) and fails.
int Written() {
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) {
        return kExitSuccess;
    }
    const int error = errno;
    std::fprintf(stderr, "quillmark-render: %s\n",
                 QCoreApplication::translate("main", "cannot write standard output: %1")
                     .arg(error == EBADF ? QCoreApplication::translate("main", "it is closed")
                                         : QString::fromLocal8Bit(std::strerror(error)))
                     .toLocal8Bit()
                     .constData());
    return kExitSomeFailed;
}

// What the parsed command line asks for.
int Act(const ParsedCommandLine& parsed, CLabelStore* store) {
    switch (parsed.action) {
    case CommandAction::Help:
        std::fputs(parsed.message.toLocal8Bit().constData(), stdout);
        return Written();
    case CommandAction::Version:
        std::fprintf(stdout, "%s\n", VersionLine().toLocal8Bit().constData());
        return Written();
    case CommandAction::UsageError:
        std::fprintf(stderr, "quillmark-render: %s\n", parsed.message.toLocal8Bit().constData());
        return kExitUsage;
    case CommandAction::ListSheets:
        ListSheets(parsed.words);
        return Written();
    case CommandAction::Grade:
        if (const int status = RunGrade(parsed.gradeImage, stdout, stderr);
            status != kExitSuccess) {
            return status;
        }
        return Written();
    case CommandAction::Render:
        break;
    }
    return RunRender(parsed.options, LabelSource{store, true}, stderr);
}

// Ends the process once the run is over: what is buffered is written, and
// nothing is torn down that the system does not take back anyway (the
// application objects, the label store, the libraries' own), a good part of
// a one-symbol run otherwise. Builds that look for leaks at the end go the
// long way.
[[noreturn]] void Leave(int status) {
#if defined(__SANITIZE_ADDRESS__)
    std::exit(status);
#else
    std::fflush(nullptr);
    std::_Exit(status);
#endif
}

// Labels are drawn with the platform's fonts, which need a GUI application
// object but no display: the tool runs on servers and in scripts. Its files
// are the same bytes whatever display the environment describes: it always
// draws on the offscreen platform, unscaled (a scaled display paints glyphs
// unhinted, another platform sets them with other fonts), and never needs a
// display that may not be there.
void NeutraliseDisplaySettings() {
    for (const char* setting :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_USE_PHYSICAL_DPI",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY",
          "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_DEVICE_PIXEL_RATIO", "QT_QPA_PLATFORMTHEME"}) {
        qunsetenv(setting);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int main(int argc, char* argv[]) {
    PlugClosedStandardStreams();
    qInstallMessageHandler(QuietMessages);
    NeutraliseDisplaySettings();
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
    RemoveTemporaryFileOnInterrupt();
    // Label glyphs kept from earlier runs, for the face installed.
    std::optional<CLabelStore> store;
    const QString identity = LabelFaceIdentity();
    const QString folder = LabelStoreFolder();
    if (!identity.isEmpty() && !folder.isEmpty()) {
        store.emplace(folder, identity);
    }
    bool guiOptions = false;
    for (int i = 1; i < argc; ++i) {
        guiOptions = guiOptions || IsGuiOption(argv[i]);
    }
    if (!guiOptions) {
        // First without the GUI application, whose start-up (the platform
        // layer, the fonts) is most of a one-symbol run: anything but drawing
        // needs none, and one bitmap needs none when the store has its label.
        const QCoreApplication core(argc, argv);
        const Translations translations;
        const ParsedCommandLine parsed = ParseCommandLine(QCoreApplication::arguments());
        if (parsed.action != CommandAction::Render && parsed.action != CommandAction::UsageError) {
            return Act(parsed, nullptr);
        }
        if (parsed.action == CommandAction::Render && store && DrawsOneBitmap(parsed.options)) {
            if (const std::optional<int> status = RunWithoutFonts(parsed.options, *store)) {
                Leave(*status);
            }
        }
    }
    // Only the label's face is looked up, not every font on the system; a
    // label design names its fonts, which the system's configuration finds.
    if (!NamesDesign(argc, argv)) {
        UseLabelFaceOnly();
    } else {
        // Qt's PDF engine writes a document's fonts in the order of a hash
        // table; one seed for every run keeps a design's PDF the same bytes
        // whenever it is written, as the tool's files always are.
        QHashSeed::setDeterministicGlobalSeed();
    }
    QGuiApplication application(argc, argv);
    if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
        // Another platform asked for with -platform: its glyphs are not the
        // store's to keep.
        store.reset();
    }
    // Help and messages in the user's language; under C, POSIX or English
    // they stay exactly as scripts have always read them.
    const Translations translations;
    const int status =
        Act(ParseCommandLine(QCoreApplication::arguments()), store ? &*store : nullptr);
    if (store) {
        // A store that cannot be written costs the next run its speed only.
        QString error;
        store->Save(&error);
    }
    Leave(status);
}
