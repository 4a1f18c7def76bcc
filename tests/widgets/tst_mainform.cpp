// The main frame driven headless: start state, palette, View and Window menus, wheel, Help and About.
#include "MainWindowFixture.h"
#include "ui/app/AppStartup.h"
#include "ui/app/BakedIcons.h"
#include "ui/app/SvgImage.h"
#include "ui/app/TMainForm.h"
#include "ui/document/CanvasWidget.h"
#include "ui/document/TChildForm.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest/qtestspontaneevent.h>

class TestMainForm : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startState();
    void menuItems_data();
    void menuItems();
    void menusAndToolbar();
    void toolbarPictures();
    void bakedIconsAreTheirPictures();
    void brushButtonWritesInSongti();
    void paletteButtons_data();
    void paletteButtons();
    void lineThenCurve();
    void viewToggles();
    void windowMenuFollowsTheDrawings();
    void tiling();
    void wheelScrollsTheActiveDrawing();
    void helpHomePageMailAndAbout();
    void dialogsAreMadeOnceWhenFirstShown();
    void drawingWindowsStayInsideTheFrame();
    void maximisedDrawingsStayMaximised();
    void windowMenuListsTheDrawings();
    void exitShowsEachDrawingItAsksAbout();
    void placementAndViewsAreRemembered();
    void qtDialogsSpeakChinese();
};

void TestMainForm::initTestCase() {
    setupApplication(*qApp);
}

void TestMainForm::init() {
    QVERIFY(start());
}

void TestMainForm::cleanup() {
    finish();
}

void TestMainForm::startState() {
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Runeboard(符阵画板) V2.0 "));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Runeboard"));
    QCOMPARE(m_main->size(), QSize(624, 450)); // not grown to fit its first drawing
    QCOMPARE(m_main->currentTool(), ToolId::Select);
    QCOMPARE(m_main->newDocSize(), QSize(50, 50));
    QVERIFY(button("SpeedButton13")->isChecked());
    QCOMPARE(m_main->statusText(), QString());
    QCOMPARE(button("SpeedButton17")->text(), QStringLiteral("画"));
    QCOMPARE(button("SpeedButton17")->toolTip(), QStringLiteral("画笔文本 单击修改"));

    const QList<TChildForm*> drawings = m_main->children();
    QCOMPARE(drawings.size(), 1);
    TChildForm* child = drawings.first();
    QCOMPARE(m_main->activeChild(), child);
    QCOMPARE(child->windowTitle(), QStringLiteral("新建"));
    QCOMPARE(child->drawing().GridWidth, 50);
    QCOMPARE(child->drawing().GridHeight, 50);
    QCOMPARE(child->drawing().FileName, QString());
    QCOMPARE(child->drawing().FontName, QStringLiteral("Fixedsys"));
    QCOMPARE(child->drawing().FontSize, 10);
    QCOMPARE(child->drawing().BrushText, QStringLiteral("画"));
    QCOMPARE(QByteArray(child->drawing().BrushBytes.data()), QByteArray("\xBB\xAD"));
    QCOMPARE(child->drawing().ChangeCount, 0);
    QCOMPARE(child->drawing().SavedCount, 0);
    QCOMPARE(child->drawing().undo.UndoState, UndoStep::State::Nothing);
    QCOMPARE(child->drawing().CurGrid.at(0, 0), CharCell::blank());
    QCOMPARE(child->Image1->objectName(), QStringLiteral("Image1"));
    QCOMPARE(child->Image1->size(), QSize(900, 900));
    QCOMPARE(child->canvas().picture().size(), QSize(900, 900));
    QVERIFY(!child->Edit1->isVisible());
    QVERIFY(!child->Timer1->isActive());

    // The window is freed on close, not hidden.
    QPointer<TChildForm> watch(child);
    child->close();
    QTRY_VERIFY(watch.isNull());
}

void TestMainForm::menuItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    // Each item's caption and shortcut, as the menus show them.
    auto row = [](const char* name, const QString& caption, const QString& shortcut = QString()) {
        QTest::newRow(name) << QString::fromLatin1(name) << caption << shortcut;
    };
    row("N3", QStringLiteral("新建(&N)"), QStringLiteral("Ctrl+N"));
    row("O1", QStringLiteral("打开(&O)"), QStringLiteral("Ctrl+O"));
    row("N17", QStringLiteral("导入图片(&D)"));
    row("S1", QStringLiteral("保存(&S)"), QStringLiteral("Ctrl+S"));
    row("N4", QStringLiteral("另存为(&A)"));
    row("E2", QStringLiteral("打印设置(&E)"));
    row("P2", QStringLiteral("打印(&P)"), QStringLiteral("Ctrl+P"));
    row("Q1", QStringLiteral("退出(&X)"));
    row("U1", QStringLiteral("撤消(&U)"), QStringLiteral("Ctrl+Z"));
    row("N26", QStringLiteral("重复(&R)"), QStringLiteral("F4"));
    row("C1", QStringLiteral("剪切(&T)"), QStringLiteral("Ctrl+X"));
    row("C2", QStringLiteral("复制(&C)"), QStringLiteral("Ctrl+C"));
    row("P1", QStringLiteral("粘贴(&P)"), QStringLiteral("Ctrl+V"));
    row("L1", QStringLiteral("删除(&D)"), QStringLiteral("Del"));
    row("A1", QStringLiteral("全选(&A)"), QStringLiteral("Ctrl+A"));
    row("N27", QStringLiteral("不选(&N)"));
    row("N21", QStringLiteral("清空(&L)"));
    row("N18", QStringLiteral("标准工具栏(&S)"));
    row("N19", QStringLiteral("作图工具箱(&T)"));
    row("N29", QStringLiteral("状态栏(&Z)"));
    row("ZoomIn1", QStringLiteral("放大(&I)"), QStringLiteral("Ctrl+="));
    row("ZoomOut1", QStringLiteral("缩小(&O)"), QStringLiteral("Ctrl+-"));
    row("ZoomReset1", QStringLiteral("实际大小(&A)"), QStringLiteral("Ctrl+0"));
    row("N9", QStringLiteral("层叠(&C)"));
    row("N10", QStringLiteral("水平平铺(&H)"));
    row("N11", QStringLiteral("竖直平铺(&V)"));
    row("N12", QStringLiteral("排列图标(&A)"));
    row("N16", QStringLiteral("最小化(&M)"));
    row("N14", QStringLiteral("关于(&A)"));
    row("N13", QStringLiteral("帮助(&H)"));
    row("N23", QStringLiteral("软件主页(&W)"));
    row("N24", QStringLiteral("联系作者(&E)"));
}

void TestMainForm::menuItems() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QAction* a = m_main->findChild<QAction*>(name);
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcut(), QKeySequence(shortcut));
}

void TestMainForm::menusAndToolbar() {
    for (const char* sep : {"N6", "N5", "N15", "N7", "N20", "N22", "ZoomSeparator1"}) QVERIFY2(action(sep)->isSeparator(), sep);
    const QStringList menus{QStringLiteral("文件(&F)"), QStringLiteral("编辑(&E)"),
                            QStringLiteral("视图(&V)"), QStringLiteral("窗口(&W)"),
                            QStringLiteral("帮助(&H)")};
    QStringList shown;
    for (QAction* a : m_main->menuBar()->actions()) shown << a->text();
    QCOMPARE(shown, menus);

    // The toolbar: eleven buttons in five groups, each group preceded by a separator.
    QToolBar* bar = m_main->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    QStringList layout;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator())
            layout << QStringLiteral("|");
        else if (auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
            layout << b->objectName() + QLatin1Char(':') + b->toolTip();
    }
    QCOMPARE(
        layout.join(QLatin1Char(' ')),
        QStringLiteral("| SpeedButton12:新建 SpeedButton11:打开 SpeedButton10:保存 | SpeedButton6:打印 | "
                       "SpeedButton29:导入图片 | SpeedButton9:剪切 SpeedButton8:复制 SpeedButton7:粘贴 | "
                       "SpeedButton4:访问软件主页 SpeedButton3:发EMAIL给作者 SpeedButton2:帮助"));
}

void TestMainForm::toolbarPictures() {
    // Save's picture at the size the toolbar shows it: the blue of its body left of the label, and
    // the style's greyed variant of it while the button is disabled.
    QToolButton* save = button("SpeedButton10");
    const QSize shown = m_main->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->iconSize();
    QCOMPARE(shown, QSize(24, 24));
    const QImage normal = save->icon().pixmap(shown).toImage();
    QCOMPARE(normal.size(), QSize(24, 24));
    QCOMPARE(normal.pixel(5, 11), qRgb(0x2f, 0x6f, 0xd6));
    QCOMPARE(qAlpha(normal.pixel(0, 0)), 0);
    const QImage disabled = save->icon().pixmap(shown, QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), QSize(24, 24));
    QVERIFY(disabled.pixel(5, 11) != normal.pixel(5, 11));
    QCOMPARE(qAlpha(disabled.pixel(0, 0)), 0);
    // A size the build did not draw is drawn from the SVG: the same body at 20 pixels.
    const QImage small = save->icon().pixmap(QSize(20, 20)).toImage();
    QCOMPARE(small.size(), QSize(20, 20));
    QCOMPARE(small.pixel(4, 9), qRgb(0x2f, 0x6f, 0xd6));
    // The frame's picture, as the title bars show it.
    QCOMPARE(m_main->windowIcon().pixmap(QSize(16, 16)).size(), QSize(16, 16));
    QCOMPARE(m_main->activeChild()->windowIcon().cacheKey(), m_main->windowIcon().cacheKey());
}

void TestMainForm::bakedIconsAreTheirPictures() {
    // What the build drew is what the SVG draws now: every button at both sizes, and the program's
    // picture at its five when the font of its text is installed (here as where it was built).
    const bool pictureText = QFontDatabase::hasFamily(QStringLiteral("WenQuanYi Micro Hei"));
    QCOMPARE(bakedIcons().size(), size_t(pictureText ? 59 : 54));
    QStringList seen;
    for (const BakedIcon& icon : bakedIcons()) {
        const QString resource = QLatin1String(icon.resource);
        const QSize size(icon.side, icon.side);
        QCOMPARE(bakedIcon(resource, size), svgImage(resource, size));
        seen << QStringLiteral("%1@%2").arg(resource).arg(icon.side);
    }
    QVERIFY(seen.contains(QStringLiteral(":/icons/save.svg@24")));
    QVERIFY(seen.contains(QStringLiteral(":/icons/tool-pencil.svg@20")));
    QCOMPARE(seen.contains(QStringLiteral(":/icons/runeboard.svg@18")), pictureText);
    QVERIFY(bakedIcon(QStringLiteral(":/icons/save.svg"), QSize(16, 16)).isNull());
    QVERIFY(bakedIcon(QStringLiteral(":/icons/runeboard.svg"), QSize(24, 24)).isNull());
    QVERIFY(bakedIcon(QStringLiteral(":/icons/save.svg"), QSize(24, 20)).isNull());
}

void TestMainForm::brushButtonWritesInSongti() {
    // The brush button's caption is drawn as "宋体" at 13 pixels draws it, whichever font serves that name.
    auto drawn = [](const QFont& font) {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(2, 16, QStringLiteral("画★a"));
        return image;
    };
    QFont songti(QStringLiteral("宋体"));
    songti.setPixelSize(13);
    const QFont shown = button("SpeedButton17")->font();
    QCOMPARE(shown.pixelSize(), 13);
    QCOMPARE(QFontInfo(shown).family().toLower(), QFontInfo(songti).family().toLower());
    QCOMPARE(drawn(shown), drawn(songti));
    QVERIFY(drawn(shown) != drawn(QFont(QStringLiteral("Unifont"))));
}

void TestMainForm::paletteButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("help");
    const QString drag = QStringLiteral("作图区按下鼠标左键，拖动到另外一处松开鼠标左键");
    const QString polygon =
        QStringLiteral("作图区单击鼠标左键作出多边形的一个顶点，依次在其它位置单击左键就作出其它"
                       "顶点。再次单击第一个顶点或双击左键结束");
    auto row = [](const char* name, int tool, const QString& hint, const QString& help) {
        QTest::newRow(name) << QString::fromLatin1(name) << tool << hint << help;
    };
    row("SpeedButton13", 0, QStringLiteral("选中工具"),
        QStringLiteral(
            "作图区按下鼠标左键，拖动到另外一处松开鼠标左键，这样就选定了此区域。选定后可拖动或编辑"));
    row("SpeedButton26", 12, QStringLiteral("修改文字工具"),
        QStringLiteral("在作图区需要修改文字的地方单击鼠标左键，这样在此位置会出现一个编辑框用于修改"));
    row("SpeedButton14", 1, QStringLiteral("铅笔"),
        QStringLiteral("按住鼠标左键，拖动鼠标就可以实现铅笔作图"));
    row("SpeedButton15", 2, QStringLiteral("直线工具"), drag);
    row("SpeedButton18", 4, QStringLiteral("画框工具"), drag);
    row("SpeedButton19", 5, QStringLiteral("画实心框工具"), drag);
    row("SpeedButton20", 6, QStringLiteral("画椭圆工具"), drag);
    row("SpeedButton21", 7, QStringLiteral("画实心椭圆工具"), drag);
    row("SpeedButton22", 8, QStringLiteral("画圆角矩形工具"), drag);
    row("SpeedButton23", 9, QStringLiteral("画实心圆角椭圆工具"), drag);
    row("SpeedButton24", 10, QStringLiteral("画多边形工具"), polygon);
    row("SpeedButton27", 11, QStringLiteral("画实心多边形工具"), polygon);
    row("SpeedButton28", 14, QStringLiteral("橡皮擦"),
        QStringLiteral("作图区按住鼠标左键，拖动鼠标就可以实现擦除"));
    row("SpeedButton25", 13, QStringLiteral("喷枪"),
        QStringLiteral("在作图区按住鼠标左键，拖动鼠标就可以实现喷枪作图"));
    row("SpeedButton16", 3, QStringLiteral("文字"), QStringLiteral("作图区单击鼠标左键"));
    row("SpeedButton30", 15, QStringLiteral("取色"),
        QStringLiteral("在作图区单击鼠标左键，画笔文字会被设置成当前位置的文本内容"));
    row("SpeedButton31", 16, QStringLiteral("曲线"),
        QStringLiteral("先作一条直线，单击一个弧所在的位置拖动调整曲线形状。第二个弧线操作相同"));
}

void TestMainForm::paletteButtons() {
    QFETCH(QString, name);
    QFETCH(int, tool);
    QFETCH(QString, hint);
    QFETCH(QString, help);
    QToolButton* b = m_main->findChild<QToolButton*>(name);
    QVERIFY(b);
    QCOMPARE(b->toolTip(), hint);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(int(m_main->currentTool()), tool);
    QCOMPARE(m_main->statusText(), help);
    // Exactly one palette button is down: this one.
    int down = 0;
    for (const ToolRow& row : toolTable()) {
        QToolButton* other = button(row.button);
        QVERIFY(other->isCheckable());
        down += other->isChecked();
        QCOMPARE(other->isChecked(), other == b);
    }
    QCOMPARE(down, 1);
    // Clicking it again keeps it down.
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(b->isChecked());
    QVERIFY(!button("SpeedButton17")->isCheckable());
}

void TestMainForm::lineThenCurve() {
    QTest::mouseClick(button("SpeedButton15"), Qt::LeftButton);
    QTest::mouseClick(button("SpeedButton31"), Qt::LeftButton);
    QCOMPARE(m_main->currentTool(), ToolId::Curve);
    QCOMPARE(m_main->statusText(),
             QStringLiteral("先作一条直线，单击一个弧所在的位置拖动调整曲线形状。第二个弧线操作相同"));
    QVERIFY(!button("SpeedButton15")->isChecked());
    QCOMPARE(button("SpeedButton26")->text(), QStringLiteral("A|"));
}

void TestMainForm::viewToggles() {
    const struct {
        const char* item;
        QWidget* bar;
    } toggles[] = {
        {"N18", m_main->findChild<QToolBar*>(QStringLiteral("ToolBar1"))},
        {"N19", m_main->findChild<QWidget*>(QStringLiteral("CoolBar1"))},
        {"N29", m_main->findChild<QStatusBar*>(QStringLiteral("StatusBar1"))},
    };
    for (const auto& t : toggles) {
        QAction* item = action(t.item);
        QVERIFY(item->isCheckable());
        QVERIFY(item->isChecked());
        QVERIFY(t.bar->isVisible());
        item->trigger();
        QVERIFY(!item->isChecked());
        QVERIFY(!t.bar->isVisible());
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(t.bar->isVisible());
    }
}

void TestMainForm::windowMenuFollowsTheDrawings() {
    const char* items[] = {"N9", "N10", "N11", "N12", "N16"};
    for (const char* name : items) QVERIFY2(action(name)->isEnabled(), name);

    QVERIFY(closeAllDrawings());
    QCOMPARE(m_main->activeChild(), nullptr);
    for (const char* name : items) QVERIFY2(!action(name)->isEnabled(), name);
    // Triggering them with nothing open does nothing harmful.
    action("WindowCascade1")->trigger();

    m_main->createChild();
    for (const char* name : items) QVERIFY2(action(name)->isEnabled(), name);

    action("N16")->trigger();
    for (TChildForm* c : m_main->children()) QVERIFY(c->isMinimized());
    action("N12")->trigger();
    for (TChildForm* c : m_main->children())
        QCOMPARE(c->geometry().bottom(), m_main->mdiArea()->viewport()->rect().bottom());
}

void TestMainForm::tiling() {
    m_main->setNewDocSize(QSize(10, 8));
    TChildForm* second = m_main->createChild();
    QCOMPARE(second->drawing().GridWidth, 10);
    QCOMPARE(second->drawing().GridHeight, 8);
    QCOMPARE(second->Image1->size(), QSize(180, 144));
    const QRect area = m_main->mdiArea()->viewport()->rect();

    action("N10")->trigger(); // horizontally: one above the other, full width
    QList<TChildForm*> c = m_main->children();
    QCOMPARE(c.size(), 2);
    QCOMPARE(c[0]->geometry().width(), area.width());
    QCOMPARE(c[1]->geometry().width(), area.width());
    QCOMPARE(c[0]->geometry().top(), 0);
    QCOMPARE(c[1]->geometry().top(), c[0]->geometry().bottom() + 1);

    action("N11")->trigger(); // vertically: side by side, full height
    QCOMPARE(c[0]->geometry().height(), area.height());
    QCOMPARE(c[1]->geometry().left(), c[0]->geometry().right() + 1);

    action("N9")->trigger(); // cascade
    QVERIFY(c[0]->geometry().topLeft() != c[1]->geometry().topLeft());
}

void TestMainForm::wheelScrollsTheActiveDrawing() {
    TChildForm* child = m_main->activeChild();
    QScrollBar* bar = child->verticalScrollBar();
    QVERIFY(bar->maximum() > 30);
    QCOMPARE(bar->value(), 0);
    QWidget* target = child->Image1;
    const QPoint at(20, 20);
    auto wheel = [&](QWidget* w, int delta) {
        QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        // Delivered as a real wheel turn would be, so that it propagates from the canvas upwards.
        QSpontaneKeyEvent::setSpontaneous(&e);
        qApp->notify(w, &e);
    };
    wheel(target, -120); // towards the user: down
    QCOMPARE(bar->value(), 10);
    wheel(target, -240);
    QCOMPARE(bar->value(), 30);
    wheel(target, 120);
    QCOMPARE(bar->value(), 20);
    // Half notches add up to a whole step.
    wheel(target, -60);
    QCOMPARE(bar->value(), 20);
    wheel(target, -60);
    QCOMPARE(bar->value(), 30);
    // Over the frame's empty area too.
    wheel(m_main->mdiArea()->viewport(), -120);
    QCOMPARE(bar->value(), 40);
    // Shift turns it sideways, by the same steps; a wheel that tilts does the same.
    QScrollBar* across = child->horizontalScrollBar();
    QVERIFY(across->maximum() > 30);
    auto shiftWheel = [&](int delta) {
        QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::ShiftModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&e);
        qApp->notify(target, &e);
    };
    shiftWheel(-120);
    QCOMPARE(across->value(), 10);
    QCOMPARE(bar->value(), 40);
    shiftWheel(-240);
    QCOMPARE(across->value(), 30);
    shiftWheel(120);
    QCOMPARE(across->value(), 20);
    QWheelEvent tilt(at, target->mapToGlobal(at), QPoint(), QPoint(-120, 0), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&tilt);
    qApp->notify(target, &tilt);
    QCOMPARE(across->value(), 30);

    QVERIFY(closeAllDrawings());
    wheel(m_main->mdiArea()->viewport(), -120); // nothing to scroll: nothing happens
    QCOMPARE(m_main->activeChild(), nullptr);
}

void TestMainForm::helpHomePageMailAndAbout() {
    // Help is shown by the program itself: no browser is asked for.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("help")));
    QFile page(dir.filePath(QStringLiteral("help/index.htm")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>\xe5\xb8\xae\xe5\x8a\xa9</h1><a href=\"#tools\">tools</a>"
               "<a href=\"https://example.org/\">web</a><h2 id=\"tools\">T</h2></body></html>");
    page.close();
    m_platform.programDirectory = dir.path();
    m_platform.canOpen = false; // a system without a browser
    action("N13")->trigger();
    auto* help = m_main->findChild<QWidget*>(QStringLiteral("HelpForm"));
    QVERIFY(help);
    QVERIFY(help->isVisible());
    auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("TextBrowser1"));
    QCOMPARE(browser->source(), QUrl::fromLocalFile(dir.filePath(QStringLiteral("help/index.htm"))));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("帮助")));
    QVERIFY(m_platform.opened.isEmpty());
    QVERIFY(m_platform.messages.isEmpty());
    // The toolbar button shows the same window again.
    help->hide();
    button("SpeedButton2")->click();
    QVERIFY(help->isVisible());
    QCOMPARE(m_main->findChildren<QTextBrowser*>().size(), 1);
    // A link to the web goes to the system, which says it cannot: the address is shown.
    Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    QCOMPARE(m_platform.opened.size(), 1);
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("https://example.org/")));
    help->close();

    // Home page and e-mail: the system's programs, and the address when they cannot.
    m_platform.opened.clear();
    m_platform.messages.clear();
    action("N23")->trigger();
    action("N24")->trigger();
    QCOMPARE(m_platform.opened.size(), 2);
    QCOMPARE(m_platform.opened[0].scheme(), QStringLiteral("https"));
    QCOMPARE(m_platform.opened[1].scheme(), QStringLiteral("mailto"));
    QCOMPARE(m_platform.messages.size(), 2);
    QVERIFY(m_platform.messages[0].text.contains(m_platform.opened[0].toString()));
    QVERIFY(m_platform.messages[1].text.contains(m_platform.opened[1].path())); // the mailbox itself
    QVERIFY(!m_platform.messages[1].text.contains(QStringLiteral("mailto:")));
    m_platform.canOpen = true;
    button("SpeedButton4")->click();
    button("SpeedButton3")->click();
    QCOMPARE(m_platform.opened.size(), 4);
    QCOMPARE(m_platform.opened[2], m_platform.opened[0]);
    QCOMPARE(m_platform.opened[3], m_platform.opened[1]);
    QCOMPARE(m_platform.messages.size(), 2);

    // Without the help file: a message names it.
    m_platform.programDirectory = dir.filePath(QStringLiteral("elsewhere"));
    action("N13")->trigger();
    QCOMPARE(m_platform.messages.size(), 3);
    QVERIFY(m_platform.messages[2].text.contains(QStringLiteral("index.htm")));
    QCOMPARE(m_platform.opened.size(), 4);

    QString product, version, okCaption;
    m_platform.onDialog = [&](QDialog& d) {
        product = d.findChild<QLabel*>(QStringLiteral("ProductName"))->text();
        version = d.findChild<QLabel*>(QStringLiteral("Version"))->text();
        auto* ok = d.findChild<QPushButton*>(QStringLiteral("Button1"));
        okCaption = ok->text();
        QTest::mouseClick(ok, Qt::LeftButton);
        return d.result();
    };
    action("N14")->trigger();
    QCOMPARE(m_platform.dialogsShown.size(), 1);
    QCOMPARE(product, QStringLiteral("符阵画板"));
    QCOMPARE(version, QStringLiteral("V2.0"));
    QCOMPARE(okCaption, QStringLiteral("确定(&Y)"));
    QCOMPARE(m_platform.dialogsShown.first()->result(), int(QDialog::Accepted));

    // Exit closes the main window.
    action("Q1")->trigger();
    QVERIFY(!m_main->isVisible());
}

void TestMainForm::dialogsAreMadeOnceWhenFirstShown() {
    // None at start: each is made when its command first shows it.
    QVERIFY(m_main->findChildren<QDialog*>().isEmpty());
    m_platform.onDialog = [](QDialog& d) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        return d.result();
    };
    action("N14")->trigger();
    QCOMPARE(m_main->findChildren<QDialog*>().size(), 1);
    QCOMPARE(m_platform.dialogsShown.size(), 1);
    QCOMPARE(m_platform.dialogsShown[0]->objectName(), QStringLiteral("AboutForm"));
    // The second showing is the same window, as it was left.
    action("N14")->trigger();
    QCOMPARE(m_platform.dialogsShown.size(), 2);
    QCOMPARE(m_platform.dialogsShown[1], m_platform.dialogsShown[0]);
    QCOMPARE(m_main->findChildren<QDialog*>().size(), 1);
    // The brush chooser keeps what was typed into its memo for the next opening.
    m_platform.onDialog = [](QDialog& d) {
        d.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(QStringLiteral("★"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        return d.result();
    };
    button("SpeedButton17")->click();
    QString memo;
    m_platform.onDialog = [&memo](QDialog& d) {
        memo = d.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        return d.result();
    };
    button("SpeedButton17")->click();
    QCOMPARE(memo, QStringLiteral("★"));
    QCOMPARE(m_platform.dialogsShown.size(), 4);
    QCOMPARE(m_platform.dialogsShown[3], m_platform.dialogsShown[2]);
    QCOMPARE(m_main->findChildren<QDialog*>().size(), 2);
}

void TestMainForm::drawingWindowsStayInsideTheFrame() {
    const QSize frame = m_main->size();
    const QRect area = m_main->mdiArea()->viewport()->rect();
    QList<QPoint> corners;
    for (int i = 0; i < 12; ++i) {
        m_main->setNewDocSize(i % 4 == 3 ? QSize(100, 100) : QSize(12, 6));
        TChildForm* c = m_main->createChild();
        QCoreApplication::processEvents();
        QCOMPARE(m_main->size(), frame); // the frame never grows for a drawing
        QVERIFY2(area.contains(c->geometry()), qPrintable(QStringLiteral("window %1 at %2,%3 %4x%5")
                                                              .arg(i)
                                                              .arg(c->x())
                                                              .arg(c->y())
                                                              .arg(c->width())
                                                              .arg(c->height())));
        corners << c->pos();
    }
    // Small drawings cascade: each one further down and right than the one before, until the wrap.
    QVERIFY(corners[1].x() > corners[0].x() && corners[1].y() > corners[0].y());
    QVERIFY(corners[2].x() > corners[1].x());
    QVERIFY(std::any_of(corners.begin() + 1, corners.end(), [](QPoint p) { return p == QPoint(0, 0); }));
}

void TestMainForm::maximisedDrawingsStayMaximised() {
    TChildForm* first = m_main->activeChild();
    first->showMaximized();
    QCoreApplication::processEvents();
    QCOMPARE(first->geometry(), m_main->mdiArea()->viewport()->rect());
    QCOMPARE(first->Image1->pos(), QPoint(0, 0)); // the canvas at the top left of the filled frame
    m_main->setNewDocSize(QSize(5, 5));
    TChildForm* second = m_main->createChild();
    QCoreApplication::processEvents();
    QVERIFY(second->isMaximized());
    QCOMPARE(m_main->activeChild(), second);
    QCOMPARE(second->Image1->pos(), QPoint(0, 0));
    second->showNormal();
    TChildForm* third = m_main->createChild();
    QVERIFY(!third->isMaximized());
}

void TestMainForm::windowMenuListsTheDrawings() {
    TChildForm* first = m_main->activeChild();
    m_main->setNewDocSize(QSize(4, 4));
    TChildForm* second = m_main->createChild();
    second->setWindowTitle(QStringLiteral("/tmp/二.txt"));
    QMenu* windowMenu = menu("N8");
    auto listed = [&] {
        Q_EMIT windowMenu->aboutToShow();
        QStringList out;
        bool past = false;
        for (QAction* a : windowMenu->actions()) {
            if (a->objectName() == QLatin1String("WindowListSeparator")) past = true;
            if (past && !a->isSeparator())
                out << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
        }
        Q_EMIT windowMenu->aboutToHide();
        return out;
    };
    QCOMPARE(listed(), (QStringList{QStringLiteral("&1 新建"), QStringLiteral("&2 /tmp/二.txt *")}));
    QCOMPARE(listed().size(), 2); // opened again, the list is not repeated
    // The commands come first, then a separator, then the drawings.
    QCOMPARE(windowMenu->actions().first()->objectName(), QStringLiteral("N9"));
    Q_EMIT windowMenu->aboutToShow();
    action("WindowItem1")->trigger();
    QCOMPARE(m_main->activeChild(), first);
    QCOMPARE(listed(), (QStringList{QStringLiteral("&1 新建 *"), QStringLiteral("&2 /tmp/二.txt")}));
    QVERIFY(closeAllDrawings());
    QVERIFY(listed().isEmpty());
}

void TestMainForm::exitShowsEachDrawingItAsksAbout() {
    TChildForm* first = m_main->activeChild();
    m_main->createChild();
    TChildForm* third = m_main->createChild();
    TChildForm* fourth = m_main->createChild();
    for (TChildForm* c : {first, third}) c->drawing().takeUndoSnapshot(QStringLiteral("铅笔"));
    QList<TChildForm*> askedWhileActive;
    m_platform.onMessage = [&](const FakePlatform::Message&) { askedWhileActive << m_main->activeChild(); };
    m_platform.answers << MessageAnswer::No << MessageAnswer::No;
    third->showMinimized();
    m_main->mdiArea()->setActiveSubWindow(fourth); // neither drawing asked about is in front
    m_main->close();
    QCOMPARE(askedWhileActive, (QList<TChildForm*>{first, third}));
    QVERIFY(!third->isMinimized());
}

void TestMainForm::placementAndViewsAreRemembered() {
    // The first start: 624 x 450, nothing remembered yet.
    QVERIFY(m_platform.settings.isEmpty());
    m_main->resize(700, 500);
    action("N19")->trigger(); // the palette hidden
    m_main->close();
    QVERIFY(m_platform.settings.contains(QStringLiteral("window/geometry")));
    QCOMPARE(m_platform.settings.value(QStringLiteral("view/palette")).toBool(), false);
    QCOMPARE(m_platform.settings.value(QStringLiteral("view/toolbar")).toBool(), true);

    QVERIFY(restart());
    QCOMPARE(m_main->size(), QSize(700, 500));
    QVERIFY(!action("N19")->isChecked());
    QVERIFY(!m_main->findChild<QWidget*>(QStringLiteral("CoolBar1"))->isVisible());
    QVERIFY(action("N18")->isChecked());
    QVERIFY(m_main->findChild<QWidget*>(QStringLiteral("ToolBar1"))->isVisible());
}

void TestMainForm::qtDialogsSpeakChinese() {
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("文件名称(&N)："));
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
