// Application start-up.
#include "AppStartup.h"

#include "Icons.h"
#include "TMainForm.h"
#include "core/render/CanvasFont.h"
#include "ui/dialogs/DialogPlace.h"
#include "ui/dialogs/TAboutForm.h"
#include "ui/dialogs/TExportForm.h"
#include "ui/dialogs/THBXZForm.h"
#include "ui/dialogs/TKGZForm.h"
#include "ui/dialogs/TNewForm.h"
#include "ui/dialogs/TPictureForm.h"
#include "ui/dialogs/TPictureSetForm.h"
#include "ui/dialogs/TTextForm.h"
#include "ui/platform/UiPlatform.h"

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
    main->setBrushForm(new THBXZForm(platform, main.get()));
    // In the program's fixed order: the brush chooser, the text banner, picture import and its two
    // settings dialogs (the banner shares the fill settings), New and About.
    auto* text = new TTextForm(platform, main.get());
    auto* picture = new TPictureForm(platform, *main, main.get());
    auto* fill = new TPictureSetForm(platform, main.get());
    picture->setSettingsForms(new TKGZForm(main.get()), fill);
    text->setFillForm(fill);
    main->setTextForm(text);
    main->setPictureForm(picture);
    main->setNewForm(new TNewForm(platform, main.get()));
    main->setAboutForm(
        new TAboutForm(svgPixmap(QStringLiteral(":/icons/runeboard.svg"), QSize(64, 64)), main.get()));
    main->setExportForm(new TExportForm(main.get()));
    for (QDialog* dialog : main->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) new DialogPlace(dialog);
    return main;
}
