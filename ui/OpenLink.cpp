#include "OpenLink.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>

namespace {

constexpr std::string_view kPlaceholder = "%1";
constexpr std::string_view kQuotedPlaceholder = "\"%1\"";

bool IsFileOrUrlFieldCode(char c) {
    return c == 'f' || c == 'F' || c == 'u' || c == 'U';
}

// The registered command for HTML files, cut before its placeholder: what the
// target is appended to.
std::string_view CommandBeforePlaceholder(std::string_view command) {
    std::size_t cut = command.find(kQuotedPlaceholder);
    if (cut == std::string_view::npos) {
        cut = command.find(kPlaceholder);
    }
    return cut == std::string_view::npos ? command : command.substr(0, cut);
}

// Reads the value of key in the group of an ini-style text file (desktop
// entries and mimeapps.list), without the escaping QSettings would apply.
QString IniValue(const QString& path, const QString& group, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QTextStream in(&file);
    bool inGroup = false;
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == header;
        } else if (inGroup) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq > 0 && line.left(eq).trimmed() == key) {
                return line.mid(eq + 1).trimmed();
            }
        }
    }
    return {};
}

#ifndef Q_OS_WIN
QStringList MimeappsFolders() {
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders << data + QStringLiteral("/applications");
    }
    return folders;
}
#endif

} // namespace

std::optional<std::string> BuildHtmlCommandLine(std::string_view registeredCommand,
                                                std::string_view target) {
    const std::string_view head = CommandBeforePlaceholder(registeredCommand);
    // head + blank + target + terminating NUL must fit the buffer.
    if (head.size() + 1 + target.size() + 1 > kCommandLineBufferBytes) {
        return std::nullopt;
    }
    std::string line(head);
    line += ' ';
    line += target;
    return line;
}

std::string DesktopExecToCommand(std::string_view exec) {
    std::string out;
    bool placed = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        if (exec[i] != '%' || i + 1 >= exec.size()) {
            out += exec[i];
            continue;
        }
        const char code = exec[++i];
        if (code == '%') {
            out += '%';
        } else if (IsFileOrUrlFieldCode(code) && !placed) {
            out += kPlaceholder;
            placed = true;
        }
    }
    return out;
}

QString DefaultHtmlDesktopEntry(const QStringList& mimeappsFolders) {
    for (const QString& folder : mimeappsFolders) {
        const QString value =
            IniValue(folder + QStringLiteral("/mimeapps.list"),
                     QStringLiteral("Default Applications"), QStringLiteral("text/html"));
        // The value may list several entries; the first is the default.
        QString first = value.section(QLatin1Char(';'), 0, 0).trimmed();
        if (!first.isEmpty()) {
            return first;
        }
    }
    return {};
}

std::string DesktopEntryExec(const QString& desktopFile) {
    return IniValue(desktopFile, QStringLiteral("Desktop Entry"), QStringLiteral("Exec"))
        .toStdString();
}

std::optional<std::string> RegisteredHtmlCommand() {
#ifdef Q_OS_WIN
    // The class of the .htm file type, then its open command.
    const QString type =
        QSettings(QStringLiteral("HKEY_CLASSES_ROOT\\.htm"), QSettings::NativeFormat)
            .value(QStringLiteral("Default"))
            .toString();
    if (type.isEmpty()) {
        return std::nullopt;
    }
    const QString command = QSettings(QStringLiteral("HKEY_CLASSES_ROOT\\") + type +
                                          QStringLiteral("\\shell\\open\\command"),
                                      QSettings::NativeFormat)
                                .value(QStringLiteral("Default"))
                                .toString();
    if (command.isEmpty()) {
        return std::nullopt;
    }
    return command.toStdString();
#else
    const QString entry = DefaultHtmlDesktopEntry(MimeappsFolders());
    if (entry.isEmpty()) {
        return std::nullopt;
    }
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    const std::string exec = path.isEmpty() ? std::string() : DesktopEntryExec(path);
    if (exec.empty()) {
        return std::nullopt;
    }
    return DesktopExecToCommand(exec);
#endif
}

OpenLinkResult OpenLink(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (QDesktopServices::openUrl(url)) {
        return OpenLinkResult::Opened;
    }
    const std::optional<std::string> registered = RegisteredHtmlCommand();
    if (!registered) {
        return OpenLinkResult::Failed;
    }
    const std::string utf8Target = target.toStdString();
    const std::optional<std::string> line = BuildHtmlCommandLine(*registered, utf8Target);
    if (!line) {
        return OpenLinkResult::Failed;
    }
    // The program and its own arguments come from the command before the
    // target; the target is handed over as one argument, blanks and all.
    const std::string head = line->substr(0, line->size() - utf8Target.size() - 1);
    QStringList arguments = QProcess::splitCommand(QString::fromStdString(head));
    if (arguments.isEmpty()) {
        return OpenLinkResult::Failed;
    }
    const QString program = arguments.takeFirst();
    arguments << target;
    return QProcess::startDetached(program, arguments) ? OpenLinkResult::FallbackStarted
                                                       : OpenLinkResult::Failed;
}
