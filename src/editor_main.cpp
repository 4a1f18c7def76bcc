// The editor's program: the converter for every picture format and for text, or the
// editor itself with its main window and dialogs.
#include "cli/FullBackend.h"
#include "cli/InstallCheck.h"
#include "core/text/CandidateFile.h"
#include "ui/app/AppStartup.h"
#include "ui/app/Links.h"
#include "ui/app/TMainForm.h"
#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    if (const cli::Result r = cli::run(argc, argv, cli::fullBackend()); !r.editor) return r.exitCode;
    QApplication app(argc, argv);
    setupApplication(app);
    QtPlatform platform;
    const QStringList arguments = app.arguments().mid(1);
    const bool checkInstall = arguments.value(0) == QLatin1String("--check-install");
    if (checkInstall) {
        // Looked for before the window is made: a candidate file that cannot be read would stop the
        // start at a message box that no one off screen answers.
        const QString dir = platform.programDir();
        if (const int status =
                cli::checkInstall(dir + links::kHelpPage, dir + QLatin1Char('/') + candidates::kFileName))
            return status;
    }
    auto mainForm = createMainWindow(platform);
    // Files named on the command line open as if chosen in the Open dialog.
    mainForm->setStartupFiles(checkInstall ? QStringList() : arguments);
    mainForm->show();
    if (checkInstall) {
        // Started as without files: once the events flow, the check is done.
        QTimer::singleShot(0, &app, [] {
            cli::sayStarted();
            QApplication::exit(0);
        });
    }
    return app.exec();
}
