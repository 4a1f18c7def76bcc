// What people expect of a desktop editor today: UTF-8 text files, a drawing exported as a
// picture, files dropped on the window and the recent files list.
#include "GridText.h"
#include "MainWindowFixture.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/dialogs/TExportForm.h"
#include "ui/dialogs/TPictureForm.h"
#include "ui/document/CanvasWidget.h"
#include "ui/document/TChildForm.h"
#include "ui/platform/QtPlatform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QString kGbkFilter = QStringLiteral("GBK 文本文件 (*.txt)");
const QString kUtf8Filter = QStringLiteral("UTF-8 文本文件 (*.txt)");

} // namespace

class TestDesktop : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void utf8FilesOpenAndSaveAsUtf8();
    void reopeningInTheOtherEncoding();
    void saveAsOffersTheEncoding();
    void recentFiles();
    void exportShowsTheCanvasWithoutGridLines();
    void exportFailuresAreTold();
    void zoomStepsShortcutsAndTheWheel();
    void droppedFiles();
    void dialogsOpenWhereTheyWere();
    void fileDialogsStartInTheFolderLastUsed();

private:
    QString encodingShown() { return m_main->findChild<QLabel*>(QStringLiteral("EncodingLabel"))->text(); }
    // The File menu as it opens: enabling and captions brought up to date.
    void openFileMenu() { Q_EMIT menu("N1")->aboutToShow(); }
    void edit(TChildForm* child, const QString& text) {
        child->drawing().takeUndoSnapshot(QStringLiteral("铅笔"));
        setGridText(child->drawing().CurGrid, text);
        child->drawing().ReDraw();
    }

    QTemporaryDir m_config;
};

void TestDesktop::initTestCase() {
    // The Qt platform keeps its settings in the user's configuration folder: a folder of the test's own.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    setupApplication(*qApp);
}

void TestDesktop::init() {
    QVERIFY(start());
}

void TestDesktop::cleanup() {
    finish();
}

void TestDesktop::utf8FilesOpenAndSaveAsUtf8() {
    QCOMPARE(encodingShown(), QStringLiteral("GBK")); // the start-up drawing
    writeFile(path("utf8.txt"), QStringLiteral("中文ab\r\n画　cd\r\n").toUtf8());
    m_main->openFiles({path("utf8.txt")});
    TChildForm* c = active();
    QCOMPARE(c->drawing().GridWidth, 3);
    QCOMPARE(c->drawing().GridHeight, 2);
    QCOMPARE(gridText(c->drawing().CurGrid, 3, 2), QStringLiteral("中文ab\n画  cd"));
    // The window and the status bar say how the file was read.
    QCOMPARE(c->windowTitle(), path("utf8.txt") + QStringLiteral("  [UTF-8]"));
    QCOMPARE(encodingShown(), QStringLiteral("UTF-8"));
    // Saved back as it came: UTF-8, ideographic spaces, CR LF.
    edit(c, QStringLiteral("中文xy"));
    action("S1")->trigger();
    QCOMPARE(readFile(path("utf8.txt")), QStringLiteral("中文xy\r\n画　cd\r\n").toUtf8());
    QVERIFY(m_platform.messages.isEmpty());
    // A byte-order mark read is written back.
    writeFile(path("bom.txt"), "\xEF\xBB\xBF" + QStringLiteral("ab画\r\n").toUtf8());
    m_main->openFiles({path("bom.txt")});
    edit(active(), QStringLiteral("cd"));
    action("S1")->trigger();
    QCOMPARE(readFile(path("bom.txt")), "\xEF\xBB\xBF" + QStringLiteral("cd画\r\n").toUtf8());

    // Half a character in a cell has no UTF-8: saving asks, and No leaves the file as it was.
    active()->drawing().takeUndoSnapshot(QStringLiteral("铅笔"));
    active()->drawing().CurGrid.at(0, 0) = CharCell::of(0xD6, ' ');
    active()->drawing().ReDraw();
    m_platform.answers << MessageAnswer::No;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("半个汉字")));
    QCOMPARE(readFile(path("bom.txt")), "\xEF\xBB\xBF" + QStringLiteral("cd画\r\n").toUtf8());
    QVERIFY(active()->drawing().SavedCount < active()->drawing().ChangeCount);
    m_platform.answers << MessageAnswer::Yes;
    action("S1")->trigger();
    QCOMPARE(readFile(path("bom.txt")), "\xEF\xBB\xBF" + QStringLiteral("? 画\r\n").toUtf8());
    QCOMPARE(active()->drawing().SavedCount, active()->drawing().ChangeCount);
}

void TestDesktop::reopeningInTheOtherEncoding() {
    // 图片 in GBK is also valid UTF-8, of two characters GBK does not have.
    writeFile(path("short.txt"), "\xCD\xBC\xC6\xAC\r\n");
    m_main->openFiles({path("short.txt")});
    TChildForm* c = active();
    QCOMPARE(encodingShown(), QStringLiteral("UTF-8"));
    QCOMPARE(gridText(c->drawing().CurGrid, c->drawing().GridWidth, c->drawing().GridHeight),
             QStringLiteral("??"));
    // Told at open, with the way out.
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY2(m_platform.messages[0].text.contains(QStringLiteral("“文件 → 以 GBK 重新打开”")),
             qPrintable(m_platform.messages[0].text));
    m_platform.messages.clear();
    openFileMenu();
    QAction* reopen = action("ReopenEncoding1");
    QVERIFY(reopen->isEnabled());
    QCOMPARE(reopen->text(), QStringLiteral("以 GBK 重新打开(&R)"));
    const int windows = m_main->children().size();
    reopen->trigger();
    // The same window, now 2 x 1 cells of the GBK text.
    QCOMPARE(m_main->children().size(), windows);
    QCOMPARE(active(), c);
    QCOMPARE(c->drawing().GridWidth, 2);
    QCOMPARE(c->drawing().GridHeight, 1);
    QCOMPARE(gridText(c->drawing().CurGrid, 2, 1), QStringLiteral("图片"));
    QCOMPARE(c->windowTitle(), path("short.txt"));
    QCOMPARE(encodingShown(), QStringLiteral("GBK"));
    QCOMPARE(c->drawing().undo.UndoState, UndoStep::State::Nothing);
    openFileMenu();
    QCOMPARE(reopen->text(), QStringLiteral("以 UTF-8 重新打开(&R)"));

    // GBK read as UTF-8 may leave too little to draw: it is read as GBK then.
    writeFile(path("one.txt"), "\xDB\x9A\r\n");
    m_main->openFiles({path("one.txt")});
    QVERIFY(m_platform.messages.isEmpty());
    QCOMPARE(encodingShown(), QStringLiteral("GBK"));
    QCOMPARE(active()->drawing().CurGrid.at(0, 0), CharCell::of(0xDB, 0x9A));
    active()->close();
    m_main->mdiArea()->setActiveSubWindow(c);

    // Unsaved changes are not thrown away without asking.
    edit(c, QStringLiteral("xy"));
    m_platform.answers << MessageAnswer::No;
    reopen->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(gridText(c->drawing().CurGrid, 2, 1), QStringLiteral("xy片"));
    QCOMPARE(encodingShown(), QStringLiteral("GBK"));
    // A drawing without a file has nothing to reopen.
    c->drawing().SavedCount = c->drawing().ChangeCount;
    m_main->createDrawing(5, 5);
    openFileMenu();
    QVERIFY(!reopen->isEnabled());
}

void TestDesktop::saveAsOffersTheEncoding() {
    TChildForm* c = active();
    edit(c, QStringLiteral("中  ab"));
    // A new drawing is GBK; the dialog offers both and shows GBK first.
    m_platform.saveNames << path("art.txt");
    m_platform.saveFilterChoices << kUtf8Filter;
    action("N4")->trigger();
    QCOMPARE(m_platform.saveFilterOffered, kGbkFilter + QStringLiteral(";;") + kUtf8Filter);
    QCOMPARE(m_platform.saveFilterShown, kGbkFilter);
    QCOMPARE(readFile(path("art.txt")).left(8), QStringLiteral("中　ab").toUtf8());
    QCOMPARE(c->windowTitle(), path("art.txt") + QStringLiteral("  [UTF-8]"));
    QCOMPARE(encodingShown(), QStringLiteral("UTF-8"));
    // Next time UTF-8 is shown first; choosing GBK writes the drawing file's own bytes.
    m_platform.saveNames << path("art-gbk.txt");
    m_platform.saveFilterChoices << kGbkFilter;
    action("N4")->trigger();
    QCOMPARE(m_platform.saveFilterShown, kUtf8Filter);
    QCOMPARE(readFile(path("art-gbk.txt")).left(6), QByteArray("\xD6\xD0\xA1\xA1"
                                                               "ab"));
    QCOMPARE(encodingShown(), QStringLiteral("GBK"));

    // A character that stands across two cells (as a GBK file may hold it) cannot keep its cells in
    // UTF-8, which is read back character by character: asked first, and No writes nothing.
    TChildForm* d = m_main->createChild();
    d->drawing().GridWidth = 2;
    d->drawing().GridHeight = 1;
    d->drawing().CurGrid.at(0, 0) = CharCell::of('a', 0xD6);
    d->drawing().CurGrid.at(1, 0) = CharCell::of(0xD0, 'b');
    d->drawing().ReDrawAll();
    m_platform.messages.clear();
    m_platform.saveNames << path("split.txt");
    m_platform.saveFilterChoices << kUtf8Filter;
    m_platform.answers << MessageAnswer::No;
    action("N4")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].text,
             QStringLiteral("有些汉字跨在两个格子之间。UTF-8 文件再次打开时会按整字重新排列，"
                            "这些行的格子会和现在不同。\n\n是否仍然保存？"));
    QVERIFY(!QFile::exists(path("split.txt")));
    m_platform.answers << MessageAnswer::Yes;
    action("S1")->trigger();
    QCOMPARE(readFile(path("split.txt")), QStringLiteral("a中b\r\n").toUtf8());
    d->drawing().SavedCount = d->drawing().ChangeCount;
}

void TestDesktop::recentFiles() {
    auto items = [this] {
        QMenu* recent = menu("RecentFilesMenu");
        Q_EMIT recent->aboutToShow();
        QStringList out;
        for (QAction* a : recent->actions())
            if (!a->isSeparator()) out << (a->isEnabled() ? QString() : QStringLiteral("(off) ")) + a->text();
        return out;
    };
    QCOMPARE(items(), QStringList{QStringLiteral("(off) （无）")});
    // Files opened and saved, newest first, each once.
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) writeFile(path(name), "abcd\r\n");
    m_main->openFiles({path("a.txt"), path("b.txt")});
    m_platform.saveNames << path("new.txt");
    action("N4")->trigger(); // b.txt's drawing saved under a new name
    m_main->openFiles({path("a.txt")});
    QCOMPARE(items(),
             (QStringList{QStringLiteral("&1 ") + path("a.txt"), QStringLiteral("&2 ") + path("new.txt"),
                          QStringLiteral("&3 ") + path("b.txt"), QStringLiteral("清除列表(&C)")}));
    // Kept between runs; a file gone since shows greyed, with its path as the hint.
    QVERIFY(QFile::remove(path("b.txt")));
    QVERIFY(restart());
    QCOMPARE(items()[2], QStringLiteral("(off) &3 ") + path("b.txt"));
    QCOMPARE(action("RecentFile3")->toolTip(), QStringLiteral("找不到文件：") + path("b.txt"));
    QCOMPARE(action("RecentFile1")->toolTip(), path("a.txt"));
    // Choosing one opens it.
    const int windows = m_main->children().size();
    action("RecentFile2")->trigger();
    QCOMPARE(m_main->children().size(), windows + 1);
    QCOMPARE(active()->drawing().FileName, path("new.txt"));
    QCOMPARE(items().first(), QStringLiteral("&1 ") + path("new.txt"));
    // At most eight.
    for (int i = 0; i < 10; ++i) {
        const QString name = path("c.txt") + QString::number(i);
        writeFile(name, "abcd\r\n");
        m_main->openFiles({name});
    }
    QCOMPARE(items().size(), 8 + 1);
    QCOMPARE(items().first(), QStringLiteral("&1 ") + path("c.txt") + QStringLiteral("9"));
    action("RecentFilesClear")->trigger();
    QCOMPARE(items(), QStringList{QStringLiteral("(off) （无）")});
    QCOMPARE(m_platform.settings.value(QStringLiteral("recent/files")).toStringList(), QStringList());
}

namespace {

// The picture as rows of '#' for black and '.' for white, over the given area.
QStringList pixels(const QImage& image, const QRect& area) {
    QStringList rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QString row;
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            row += p == qRgb(0, 0, 0) ? u'#' : p == qRgb(255, 255, 255) ? u'.' : u'?';
        }
        rows << row;
    }
    return rows;
}

} // namespace

void TestDesktop::exportShowsTheCanvasWithoutGridLines() {
    TChildForm* c = active();
    edit(c, QStringLiteral("画ab\n  中文"));
    c->drawing().FileName = path("art.txt");
    // The dialog: 2 x, white on black.
    QString sizeShown;
    m_platform.onDialog = [&](QDialog& dialog) {
        auto& form = static_cast<TExportForm&>(dialog);
        form.RadioButton2->setChecked(true);
        form.CheckBox1->setChecked(true);
        sizeShown = form.Label1->text();
        return int(QDialog::Accepted);
    };
    m_platform.saveNames << path("art.png") << path("art1.png");
    action("ExportPicture1")->trigger();
    QCOMPARE(sizeShown, QStringLiteral("图片大小：1800 × 1800 像素"));
    QCOMPARE(m_platform.saveFilterOffered, QStringLiteral("PNG 图片 (*.png)"));
    QImage twice(path("art.png"));
    QVERIFY(!twice.isNull());
    QCOMPARE(twice.size(), QSize(1800, 1800));

    // Pixel for pixel what the canvas shows at 200 %, grid lines turned to paper, colours swapped:
    // the cells drawn at twice the size with the font at that size, not doubled pixels.
    auto* canvasWidget = c->findChild<CanvasWidget*>(QStringLiteral("Image1"));
    const QImage shownAt100 = canvasWidget->grab().toImage();
    QVERIFY(c->setZoomPercent(200));
    const QImage shown = canvasWidget->grab().toImage();
    QVERIFY(c->setZoomPercent(100));
    QCOMPARE(shown.size(), QSize(1800, 1800));
    int ink = 0, sharper = 0;
    for (int y = 0; y < 3 * 36; ++y)
        for (int x = 0; x < 4 * 36; ++x) {
            const QRgb canvas = shown.pixel(x, y);
            const QRgb expected = canvas == qRgb(0, 0, 0) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            ink += canvas == qRgb(0, 0, 0);
            if (twice.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
            // A doubled picture has every 2 x 2 block of one colour.
            if (x % 2 == 0 && y % 2 == 0)
                sharper +=
                    twice.pixel(x, y) != twice.pixel(x + 1, y) || twice.pixel(x, y) != twice.pixel(x, y + 1);
        }
    QVERIFY(ink > 400); // the text was there to compare
    QVERIFY(sharper > 20);
    // No grid line: the corner where four cells meet is paper.
    QCOMPARE(pixels(twice, QRect(2 * 18 - 2, 2 * 18 - 2, 4, 4)), QStringList(4, QStringLiteral("####")));

    // The choices stay; back to 1 x, black on white: the top-left of 画 as on the canvas.
    bool keptChoices = false;
    m_platform.onDialog = [&](QDialog& dialog) {
        auto& form = static_cast<TExportForm&>(dialog);
        keptChoices = form.RadioButton2->isChecked() && form.CheckBox1->isChecked();
        form.RadioButton1->setChecked(true);
        form.CheckBox1->setChecked(false);
        return int(QDialog::Accepted);
    };
    action("ExportPicture1")->trigger();
    QVERIFY(keptChoices);
    const QImage once(path("art1.png"));
    QCOMPARE(once.size(), QSize(900, 900));
    QCOMPARE(
        pixels(once, QRect(0, 0, 36, 18)),
        pixels(shownAt100, QRect(0, 0, 36, 18)).replaceInStrings(QStringLiteral("?"), QStringLiteral(".")));
    QCOMPARE(pixels(once, QRect(0, 0, 18, 1)), QStringList{QStringLiteral("..................")});
}

void TestDesktop::zoomStepsShortcutsAndTheWheel() {
    QVERIFY(activate());
    TChildForm* c = active();
    auto zoomShown = [this] { return m_main->findChild<QLabel*>(QStringLiteral("ZoomLabel"))->text(); };
    auto enabled = [this](const char* name) {
        Q_EMIT menu("N2")->aboutToShow(); // the View menu refreshes its commands as it opens
        return action(name)->isEnabled();
    };
    QCOMPARE(zoomShown(), QStringLiteral("100%"));
    QVERIFY(!enabled("ZoomReset1"));

    // The steps up and down, the ends disabled, the status bar following.
    QStringList steps;
    for (int i = 0; i < 5; ++i) {
        action("ZoomIn1")->trigger();
        steps << zoomShown();
    }
    QCOMPARE(steps, QStringList({"150%", "200%", "300%", "400%", "400%"}));
    QVERIFY(!enabled("ZoomIn1"));
    action("ZoomOut1")->trigger();
    QCOMPARE(c->zoomPercent(), 300);
    QVERIFY(enabled("ZoomReset1"));
    action("ZoomReset1")->trigger();
    QCOMPARE(zoomShown(), QStringLiteral("100%"));
    action("ZoomOut1")->trigger();
    action("ZoomOut1")->trigger();
    QCOMPARE(zoomShown(), QStringLiteral("50%"));
    QVERIFY(!enabled("ZoomOut1"));
    QCOMPARE(c->Image1->size(), QSize(450, 450));

    // The shortcuts, from the canvas.
    c->Image1->setFocus();
    QTest::keyClick(c->Image1, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(c->zoomPercent(), 75);
    QTest::keyClick(c->Image1, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(c->zoomPercent(), 100);
    QTest::keyClick(c->Image1, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(c->zoomPercent(), 75);
    action("ZoomReset1")->trigger();

    // A selection stays framed through a zoom, at the new size.
    setGridText(c->drawing().CurGrid, QStringLiteral("abcd\nefgh"));
    c->drawing().ReDrawAll();
    c->drawing().selection.SelRect = {1, 0, 3, 2};
    c->drawing().drawFrame(c->drawing().selection.SelRect);
    QVERIFY(c->setZoomPercent(200));
    const QImage& picture = c->canvas().picture();
    QCOMPARE(picture.pixel(36, 40), qRgb(0, 0, 255)); // the left edge, on the grid line of column 1
    QCOMPARE(picture.pixel(35, 40), qRgb(0, 0, 255));
    QVERIFY(picture.pixel(37, 40) != qRgb(0, 0, 255));
    QVERIFY(picture.pixel(140, 40) != qRgb(0, 0, 255));
    QVERIFY(c->setZoomPercent(100));

    // Ctrl and the wheel zoom a step a notch, keeping the cell under the pointer where it is;
    // the wheel alone still scrolls ten pixels a notch.
    QScrollBar* h = c->horizontalScrollBar();
    QScrollBar* v = c->verticalScrollBar();
    h->setValue(0);
    v->setValue(0);
    QWidget* viewport = c->scrollArea()->viewport();
    auto wheel = [&](QPoint at, int notches, Qt::KeyboardModifiers mods) {
        const QPoint global = viewport->mapToGlobal(at);
        QWheelEvent e(QPointF(at), QPointF(global), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_main.get(), &e);
    };
    wheel({100, 80}, 1, Qt::ControlModifier);
    QCOMPARE(c->zoomPercent(), 150);
    QCOMPARE(QPoint(h->value(), v->value()), QPoint(50, 40)); // pixel (100, 80) at 100 % is (150, 120) now
    wheel({100, 80}, 2, Qt::ControlModifier);
    QCOMPARE(c->zoomPercent(), 300);
    QCOMPARE(QPoint(h->value(), v->value()), QPoint(200, 160));
    wheel({100, 80}, -1, Qt::NoModifier);
    QCOMPARE(QPoint(h->value(), v->value()), QPoint(200, 170));
    wheel({100, 80}, -3, Qt::ControlModifier);
    QCOMPARE(c->zoomPercent(), 100);
    QCOMPARE(QPoint(h->value(), v->value()), QPoint(0, 3)); // (100, 250 / 3) stays under the pointer
}

void TestDesktop::exportFailuresAreTold() {
    m_platform.onDialog = [](QDialog&) { return int(QDialog::Accepted); };
    // Cancelled dialog: nothing asked, nothing written.
    action("ExportPicture1")->trigger();
    QCOMPARE(m_platform.saveDialogs, 1);
    // A folder that cannot be written: the message, and the earlier file intact.
    m_platform.saveNames << QStringLiteral("/proc/art.png");
    action("ExportPicture1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.startsWith(QStringLiteral("无法导出图片“/proc/art.png”")));
    writeFile(path("old.png"), "old");
    m_platform.saveNames << path("old.png");
    m_platform.answers << MessageAnswer::No;
    action("ExportPicture1")->trigger();
    QCOMPARE(m_platform.messages.size(), 2);
    QCOMPARE(m_platform.messages[1].text, QStringLiteral("此文件已经存在，是否覆盖?"));
    QCOMPARE(readFile(path("old.png")), QByteArray("old"));
}

void TestDesktop::droppedFiles() {
    // Dropped where the user drops them: on a drawing's canvas, passed up to the frame.
    QWidget* canvas = active()->findChild<CanvasWidget*>(QStringLiteral("Image1"));
    auto drop = [&](QMimeData* mime) {
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &enter);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &dropped);
        const bool accepted = dropped.isAccepted();
        QCoreApplication::processEvents();
        delete mime;
        return accepted;
    };
    auto files = [](const QStringList& paths) {
        auto* mime = new QMimeData;
        QList<QUrl> urls;
        for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
        mime->setUrls(urls);
        return mime;
    };
    writeFile(path("one.txt"), "abcd\r\n");
    writeFile(path("two.TXT"), "efgh\r\n");
    const int windows = m_main->children().size();
    QVERIFY(drop(files({path("one.txt"), path("two.TXT")})));
    QCOMPARE(m_main->children().size(), windows + 2);
    QCOMPARE(active()->drawing().FileName, path("two.TXT"));
    QVERIFY(m_platform.messages.isEmpty());

    // A picture: the import dialog opens with it loaded.
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QVERIFY(picture.save(path("p.png")));
    QString loaded;
    m_platform.onDialog = [&](QDialog& dialog) {
        if (auto* form = qobject_cast<TPictureForm*>(&dialog)) loaded = form->Edit1->text();
        return int(QDialog::Rejected);
    };
    drop(files({path("p.png")}));
    QCOMPARE(loaded, QDir::toNativeSeparators(path("p.png")));
    QVERIFY(m_platform.messages.isEmpty());

    // Anything else: refused, with a message naming it; the text file beside it still opens.
    loaded.clear();
    writeFile(path("notes.doc"), "x");
    writeFile(path("broken.jpg"), "not a picture");
    drop(files({path("notes.doc"), path("three.txt")}));
    QCOMPARE(m_platform.messages.size(), 2); // three.txt does not exist; notes.doc cannot be used
    QVERIFY(m_platform.messages[1].text.contains(path("notes.doc")));
    QVERIFY(m_platform.messages[1].text.contains(QStringLiteral("只能放入文本文件")));
    m_platform.messages.clear();
    drop(files({path("broken.jpg")}));
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.startsWith(QStringLiteral("无法导入图片")));
    QVERIFY(loaded.isEmpty()); // no dialog for a picture that cannot be read
    m_platform.messages.clear();
    auto* text = new QMimeData;
    text->setText(QStringLiteral("画画"));
    drop(text);
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("只能放入")));
    QCOMPARE(m_main->children().size(), windows + 2);
}

void TestDesktop::dialogsOpenWhereTheyWere() {
    // The import and export dialogs, each shown four times: the window system moves the third
    // showing (as the user dragging it would), and the fourth opens where that one was left.
    const struct {
        const char* command;
        QPoint moveBy;
    } dialogs[] = {{"ExportPicture1", {37, -23}}, {"N17", {-41, 19}}};
    for (const auto& d : dialogs) {
        QList<QPoint> places;
        QPoint moved;
        m_platform.onDialog = [&](QDialog& dialog) {
            if (!QTest::qWaitForWindowExposed(&dialog)) return int(QDialog::Rejected);
            places << dialog.geometry().topLeft();
            if (places.size() == 3) {
                const QPoint to = places.last() + d.moveBy;
                dialog.windowHandle()->setPosition(dialog.windowHandle()->position() + d.moveBy);
                if (QTest::qWaitFor([&] { return dialog.geometry().topLeft() == to; }))
                    moved = dialog.geometry().topLeft();
            }
            return int(QDialog::Rejected);
        };
        for (int i = 0; i < 4; ++i) action(d.command)->trigger();
        QCOMPARE(places.size(), 4);
        QCOMPARE(places[1], places[0]);
        QCOMPARE(places[2], places[0]);
        QCOMPARE(moved, places[0] + d.moveBy);
        QCOMPARE(places[3], moved);
    }
}

void TestDesktop::fileDialogsStartInTheFolderLastUsed() {
    // The Qt platform's own file dialogs, answered as they show: the folder each starts in is
    // noted, then a file is chosen in it (a name), or the dialog is cancelled (an empty name).
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("texts")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("pictures")));
    const QString texts = path("texts"), pictures = path("pictures");
    writeFile(texts + QStringLiteral("/a.txt"), "a");
    writeFile(pictures + QStringLiteral("/p.png"), "p");
    QString startedIn;
    auto answer = [&](const QString& choice) {
        startedIn = QStringLiteral("<no file dialog>");
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&, poll, choice] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            poll->deleteLater();
            startedIn = dialog->directory().absolutePath();
            // Put into the name box (as pasted: no completion list pops up to take the Enter), then Enter.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!choice.isEmpty() && name) {
                name->setText(choice);
                QTest::keyClick(name, Qt::Key_Return);
            }
            if (dialog->isVisible()) dialog->reject(); // a cancel, or a name the dialog would not take
        });
        poll->start(10);
    };
    {
        QtPlatform run;
        answer(texts + QStringLiteral("/a.txt"));
        QCOMPARE(run.openFileName(QStringLiteral("*.txt"), QString()), texts + QStringLiteral("/a.txt"));
        // Save starts where Open ended; the picture dialog where Save ended; a cancel changes nothing.
        answer(pictures + QStringLiteral("/new.txt"));
        QCOMPARE(run.saveFileName({QStringLiteral("*.txt")}, QStringLiteral("txt"), QString()),
                 pictures + QStringLiteral("/new.txt"));
        QCOMPARE(startedIn, texts);
        answer(QString());
        QCOMPARE(run.pictureFileName(QStringLiteral("*.png")), QString());
        QCOMPARE(startedIn, pictures);
    }
    // The next run starts there too.
    QtPlatform next;
    answer(QString());
    QCOMPARE(next.openFileName(QStringLiteral("*.txt"), QString()), QString());
    QCOMPARE(startedIn, pictures);
    // A name proposed with its folder (the drawing's own file) starts in that folder instead.
    answer(QString());
    next.saveFileName({QStringLiteral("*.txt")}, QStringLiteral("txt"), texts + QStringLiteral("/a.txt"));
    QCOMPARE(startedIn, texts);

    // File types are told by their place: the one shown first, and the one the user chose.
    const QStringList types{QStringLiteral("GBK 文本文件 (*.txt)"), QStringLiteral("UTF-8 文本文件 (*.txt)")};
    QString shownFirst;
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [&, poll] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->deleteLater();
        shownFirst = dialog->selectedNameFilter();
        dialog->selectNameFilter(types[0]);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("b.txt"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    poll->start(10);
    int type = 1;
    QCOMPARE(next.saveFileName(types, QStringLiteral("txt"), texts + QStringLiteral("/a.txt"), &type),
             texts + QStringLiteral("/b.txt"));
    QCOMPARE(shownFirst, types[1]);
    QCOMPARE(type, 0);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
