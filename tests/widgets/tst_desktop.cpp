// What people expect of a desktop editor today: UTF-8 text files, a drawing exported as a
// picture, files dropped on the window and the recent files list.
#include "FakePlatform.h"
#include "GridText.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/document/TChildForm.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

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

class TestDesktop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void utf8FilesOpenAndSaveAsUtf8();
    void reopeningInTheOtherEncoding();
    void saveAsOffersTheEncoding();
    void recentFiles();

private:
    QAction* action(const char* name) { return m_main->findChild<QAction*>(QLatin1String(name)); }
    TChildForm* active() { return m_main->activeChild(); }
    QString path(const char* name) { return m_dir->filePath(QLatin1String(name)); }
    QString encodingShown() { return m_main->findChild<QLabel*>(QStringLiteral("EncodingLabel"))->text(); }
    // The File menu as it opens: enabling and captions brought up to date.
    void openFileMenu() { Q_EMIT m_main->findChild<QMenu*>(QStringLiteral("N1"))->aboutToShow(); }
    void edit(TChildForm* child, const QString& text) {
        child->takeUndoSnapshot(QStringLiteral("铅笔"));
        setGridText(child->CurGrid, text);
        child->ReDraw();
    }

    FakePlatform m_platform;
    std::unique_ptr<TMainForm> m_main;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDesktop::initTestCase() {
    setupApplication(*qApp);
}

void TestDesktop::init() {
    m_platform = FakePlatform();
    m_dir = std::make_unique<QTemporaryDir>();
    m_main = createMainWindow(m_platform);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestDesktop::cleanup() {
    for (TChildForm* c : m_main->children()) c->SavedCount = c->ChangeCount;
    m_main.reset();
    m_dir.reset();
}

void TestDesktop::utf8FilesOpenAndSaveAsUtf8() {
    QCOMPARE(encodingShown(), QStringLiteral("GBK")); // the start-up drawing
    writeFile(path("utf8.txt"), QStringLiteral("中文ab\r\n画　cd\r\n").toUtf8());
    m_main->openFiles({path("utf8.txt")});
    TChildForm* c = active();
    QCOMPARE(c->GridWidth, 3);
    QCOMPARE(c->GridHeight, 2);
    QCOMPARE(gridText(c->CurGrid, 3, 2), QStringLiteral("中文ab\n画  cd"));
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
    active()->takeUndoSnapshot(QStringLiteral("铅笔"));
    active()->CurGrid.at(0, 0) = CharCell::of(0xD6, ' ');
    active()->ReDraw();
    m_platform.answers << MessageAnswer::No;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("半个汉字")));
    QCOMPARE(readFile(path("bom.txt")), "\xEF\xBB\xBF" + QStringLiteral("cd画\r\n").toUtf8());
    QVERIFY(active()->SavedCount < active()->ChangeCount);
    m_platform.answers << MessageAnswer::Yes;
    action("S1")->trigger();
    QCOMPARE(readFile(path("bom.txt")), "\xEF\xBB\xBF" + QStringLiteral("? 画\r\n").toUtf8());
    QCOMPARE(active()->SavedCount, active()->ChangeCount);
}

void TestDesktop::reopeningInTheOtherEncoding() {
    // 图片 in GBK is also valid UTF-8, of two characters GBK does not have.
    writeFile(path("short.txt"), "\xCD\xBC\xC6\xAC\r\n");
    m_main->openFiles({path("short.txt")});
    TChildForm* c = active();
    QCOMPARE(encodingShown(), QStringLiteral("UTF-8"));
    QCOMPARE(gridText(c->CurGrid, c->GridWidth, c->GridHeight), QStringLiteral("??"));
    openFileMenu();
    QAction* reopen = action("ReopenEncoding1");
    QVERIFY(reopen->isEnabled());
    QCOMPARE(reopen->text(), QStringLiteral("以 GBK 重新打开(&R)"));
    const int windows = m_main->children().size();
    reopen->trigger();
    // The same window, now 2 x 1 cells of the GBK text.
    QCOMPARE(m_main->children().size(), windows);
    QCOMPARE(active(), c);
    QCOMPARE(c->GridWidth, 2);
    QCOMPARE(c->GridHeight, 1);
    QCOMPARE(gridText(c->CurGrid, 2, 1), QStringLiteral("图片"));
    QCOMPARE(c->windowTitle(), path("short.txt"));
    QCOMPARE(encodingShown(), QStringLiteral("GBK"));
    QCOMPARE(c->UndoState, 0);
    openFileMenu();
    QCOMPARE(reopen->text(), QStringLiteral("以 UTF-8 重新打开(&R)"));

    // Unsaved changes are not thrown away without asking.
    edit(c, QStringLiteral("xy"));
    m_platform.answers << MessageAnswer::No;
    reopen->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(gridText(c->CurGrid, 2, 1), QStringLiteral("xy片"));
    QCOMPARE(encodingShown(), QStringLiteral("GBK"));
    // A drawing without a file has nothing to reopen.
    c->SavedCount = c->ChangeCount;
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
}

void TestDesktop::recentFiles() {
    auto items = [this] {
        QMenu* menu = m_main->findChild<QMenu*>(QStringLiteral("RecentFilesMenu"));
        Q_EMIT menu->aboutToShow();
        QStringList out;
        for (QAction* a : menu->actions())
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
    QCOMPARE(items(), (QStringList{QStringLiteral("&1 ") + path("a.txt"), QStringLiteral("&2 ") + path("new.txt"),
                                   QStringLiteral("&3 ") + path("b.txt"), QStringLiteral("清除列表(&C)")}));
    // Kept between runs; a file gone since shows greyed, with its path as the hint.
    QVERIFY(QFile::remove(path("b.txt")));
    for (TChildForm* c : m_main->children()) c->SavedCount = c->ChangeCount;
    m_main.reset();
    m_main = createMainWindow(m_platform);
    m_main->show();
    QCOMPARE(items()[2], QStringLiteral("(off) &3 ") + path("b.txt"));
    QCOMPARE(action("RecentFile3")->toolTip(), QStringLiteral("找不到文件：") + path("b.txt"));
    QCOMPARE(action("RecentFile1")->toolTip(), path("a.txt"));
    // Choosing one opens it.
    const int windows = m_main->children().size();
    action("RecentFile2")->trigger();
    QCOMPARE(m_main->children().size(), windows + 1);
    QCOMPARE(active()->FileName, path("new.txt"));
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

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
