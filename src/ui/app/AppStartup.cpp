// Application start-up.
#include "AppStartup.h"

#include "FrameDialogs.h"
#include "TMainForm.h"
#include "core/render/CanvasFont.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setupApplication(QApplication& app) {
    // No display name: Qt would append it to every window's title, and the captions are the program's own.
    QApplication::setApplicationName(QStringLiteral("Runeboard"));
    QApplication::setApplicationVersion(QStringLiteral(RUNEBOARD_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Runeboard"));
    // Qt's own dialogs and standard buttons speak Chinese like the rest of the program.
    const QLocale china(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(china); // dates and file types in the file dialogs too
    auto* qtChinese = new QTranslator(&app);
    if (qtChinese->load(china, QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtChinese);
    installFontStandIns();
    // An explicit size: without one, menus elided their items.
    QFont ui(kChineseFamily);
    ui.setPointSize(9);
    app.setFont(ui);
}

std::unique_ptr<TMainForm> createMainWindow(UiPlatform& platform) {
    auto main = std::make_unique<TMainForm>(platform);
    main->setDialogs(std::make_unique<FrameDialogs>(platform, *main));
    return main;
}
