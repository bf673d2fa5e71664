#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The command line that starts the program registered for HTML files is
// assembled in a buffer of this many bytes, its terminating NUL included.
inline constexpr std::size_t kCommandLineBufferBytes = 520;

// Builds the command line that opens target with the registered HTML command:
// the command is cut where its placeholder begins (the quoted "%1" with its
// opening quote if present, else a bare %1, else nothing is cut), then one
// blank and the target, unquoted, are appended. Returns nothing when the result
// would not fit the buffer: a longer line is refused, never cut or overrun.
std::optional<std::string> BuildHtmlCommandLine(std::string_view registeredCommand,
                                                std::string_view target);

// Turns the Exec line of a desktop entry into the registered-command form: the
// first file or URL field code (%f %F %u %U) becomes the %1 placeholder, the
// other field codes are dropped and %% stands for a percent sign.
std::string DesktopExecToCommand(std::string_view exec);

// The desktop entry (e.g. "browser.desktop") that mimeapps.list files under the
// given folders name as the default application for text/html, searched in
// order; empty if none does.
QString DefaultHtmlDesktopEntry(const QStringList& mimeappsFolders);

// The Exec line of a desktop entry's [Desktop Entry] group; empty if none.
std::string DesktopEntryExec(const QString& desktopFile);

// The command registered on this system for opening HTML files, in the
// registered-command form; nothing if none is registered.
std::optional<std::string> RegisteredHtmlCommand();

enum class OpenLinkResult {
    Opened,          // the desktop's own handler took the target
    FallbackStarted, // the registered HTML program was started with it
    Failed,
};

// Opens a file path or web address with the desktop; if that fails, starts the
// program registered for HTML files with the target as its argument.
OpenLinkResult OpenLink(const QString& target);
