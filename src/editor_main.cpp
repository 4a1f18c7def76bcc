// The editor's program: the converter for every picture format and for text, or the
// editor itself with its main window and dialogs.
#include "cli/FullBackend.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const cli::Result r = cli::run(argc, argv, cli::fullBackend()); !r.editor) return r.exitCode;
    QApplication app(argc, argv);
    setupApplication(app);
    QtPlatform platform;
    auto mainForm = createMainWindow(platform);
    // Files named on the command line open as if chosen in the Open dialog.
    mainForm->setStartupFiles(app.arguments().mid(1));
    mainForm->show();
    return app.exec();
}
