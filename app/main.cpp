#include "QuillmarkApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CQuillmarkApp app;
    if (!app.InitInstance()) {
        return 1;
    }
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
