#include "QuillmarkApp.h"
#include "Translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Menus, dialogs and messages in the user's language, Qt's dialogs too.
    const Translations translations;
    // The desktop entry's name, by which the desktop matches the window to its
    // menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.corvane.Quillmark"));
    CQuillmarkApp app;
    if (!app.InitInstance()) {
        return 1;
    }
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
