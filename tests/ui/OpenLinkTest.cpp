#include "OpenLink.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace {

TEST(OpenLink, CommandLineAssembly) {
    struct Row {
        const char* name;
        std::string registered;
        std::string target;
        std::string expected;
    };
    const Row rows[] = {
        {"quoted placeholder is cut before its quote", "\"C:\\Browser\\b.exe\" \"%1\"",
         "C:\\Quill\\Quillmark.htm", "\"C:\\Browser\\b.exe\"  C:\\Quill\\Quillmark.htm"},
        {"bare placeholder", "browser %1 --new-window", "page.htm", "browser  page.htm"},
        {"no placeholder appends a blank and the target", "browser -nohome", "x.htm",
         "browser -nohome x.htm"},
        {"target with blanks stays unquoted", "browser \"%1\"", "/opt/my files/help.htm",
         "browser  /opt/my files/help.htm"},
        {"quoted form wins over an earlier bare one", "b %1x \"%1\"", "t", "b %1x  t"},
        {"empty command", "", "t", " t"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto line = BuildHtmlCommandLine(row.registered, row.target);
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(*line, row.expected);
    }
}

TEST(OpenLink, CommandLineLongerThanTheBufferIsRefused) {
    const std::string command = "browser \"%1\""; // "browser " + " " + target + NUL
    const std::size_t room = kCommandLineBufferBytes - std::string("browser  ").size() - 1;
    EXPECT_TRUE(BuildHtmlCommandLine(command, std::string(room, 'a')).has_value());
    EXPECT_EQ(BuildHtmlCommandLine(command, std::string(room, 'a'))->size(),
              kCommandLineBufferBytes - 1);
    EXPECT_FALSE(BuildHtmlCommandLine(command, std::string(room + 1, 'a')).has_value());
    EXPECT_FALSE(BuildHtmlCommandLine(std::string(600, 'c'), "t").has_value());
}

TEST(OpenLink, DesktopExecFieldCodes) {
    struct Row {
        const char* exec;
        const char* expected;
    };
    const Row rows[] = {
        {"firefox-esr %u", "firefox-esr %1"},
        {"chromium %U", "chromium %1"},
        {"viewer --name %c %i %f %F", "viewer --name   %1 "},
        {"tool --ratio 50%% %u", "tool --ratio 50% %1"},
        {"plain", "plain"},
        {"trailing %", "trailing %"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DesktopExecToCommand(row.exec), row.expected) << row.exec;
    }
}

void Write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST(OpenLink, DefaultHtmlHandlerFromMimeappsAndDesktopEntry) {
    QTemporaryDir user, system;
    ASSERT_TRUE(user.isValid() && system.isValid());
    Write(user.path() + "/mimeapps.list", "[Added Associations]\ntext/html=other.desktop;\n");
    Write(system.path() + "/mimeapps.list",
          "[Default Applications]\ntext/plain=edit.desktop\ntext/html=web.desktop;alt.desktop;\n");
    EXPECT_EQ(DefaultHtmlDesktopEntry({user.path(), system.path()}), "web.desktop");
    EXPECT_EQ(DefaultHtmlDesktopEntry({user.path()}), "");
    EXPECT_EQ(DefaultHtmlDesktopEntry({"/nonexistent"}), "");

    Write(system.path() + "/web.desktop",
          "[Desktop Entry]\nName=Web\nExec=web-browser --private %u\n"
          "[Desktop Action New]\nExec=web-browser --new\n");
    EXPECT_EQ(DesktopEntryExec(system.path() + "/web.desktop"), "web-browser --private %u");
    EXPECT_EQ(DesktopEntryExec(system.path() + "/missing.desktop"), "");
}

} // namespace
