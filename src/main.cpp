// Runeboard: a desktop editor for character art.
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setupApplication(app);
    QtPlatform platform;
    auto mainForm = createMainWindow(platform);
    // Files named on the command line open as if chosen in the Open dialog.
    mainForm->setStartupFiles(app.arguments().mid(1));
    mainForm->show();
    return app.exec();
}
