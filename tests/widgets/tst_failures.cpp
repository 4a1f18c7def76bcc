// Failures a user can cause: saving where nothing can be written, opening what
// cannot be read, and a clipboard far larger than a drawing. Each ends in a clear
// message with the drawing open and unchanged and earlier files intact.
#include "GridText.h"
#include "MainWindowFixture.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/document/TChildForm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>
#include <unistd.h>

class TestFailures : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void savingWhereNothingCanBeWritten();
    void savingAfterTheFolderVanished();
    void openingWhatCannotBeRead();
    void aHugeClipboardPastesWhatFits();

private:
    // The active drawing, changed as a pencil stroke would change it.
    TChildForm* edited(const QString& text) {
        TChildForm* c = m_main->activeChild();
        c->drawing().takeUndoSnapshot(QStringLiteral("铅笔"));
        setGridText(c->drawing().CurGrid, text);
        c->drawing().ReDraw();
        return c;
    }
    // The drawing is as it was and still counts as unsaved.
    void stillUnsaved(TChildForm* c, const QString& text) {
        QVERIFY(m_main->children().contains(c));
        QCOMPARE(gridText(c->drawing().CurGrid, 2, 1), text);
        QVERIFY(c->drawing().SavedCount < c->drawing().ChangeCount);
    }
};

void TestFailures::initTestCase() {
    setupApplication(*qApp);
}

void TestFailures::init() {
    QVERIFY(start());
}

void TestFailures::cleanup() {
    finish();
}

void TestFailures::savingWhereNothingCanBeWritten() {
    TChildForm* c = edited(QStringLiteral("abcd"));
    // A full device: it exists, so the program asks before replacing it; the write then fails.
    m_platform.saveNames << QStringLiteral("/dev/full");
    m_platform.answers << MessageAnswer::Yes;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 2);
    QCOMPARE(m_platform.messages[1].kind, MessageKind::Error);
    QVERIFY2(m_platform.messages[1].text.contains(QStringLiteral("/dev/full")),
             qPrintable(m_platform.messages[1].text));
    QVERIFY(m_platform.messages[1].text.contains(QStringLiteral("原来的文件保持不变")));
    struct stat st;
    QVERIFY(::stat("/dev/full", &st) == 0 && S_ISCHR(st.st_mode)); // still the device, not replaced by a file
    stillUnsaved(c, QStringLiteral("abcd"));

    // A folder where no file can be made: /proc takes none, whoever runs the test.
    m_platform.messages.clear();
    m_platform.saveNames << QStringLiteral("/proc/runeboard-art.txt");
    action("N4")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("无法保存")));
    stillUnsaved(c, QStringLiteral("abcd"));
    // A folder made read-only (which binds everyone but the superuser): the file there stays as it was.
    const QString locked = m_dir->filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(locked));
    QFile earlier(locked + QStringLiteral("/art.txt"));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier\r\n");
    earlier.close();
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    if (geteuid() != 0) {
        m_platform.messages.clear();
        m_platform.saveNames << earlier.fileName();
        m_platform.answers << MessageAnswer::Yes;
        action("N4")->trigger();
        QCOMPARE(m_platform.messages.size(), 2);
        QCOMPARE(m_platform.messages[1].kind, MessageKind::Error);
        stillUnsaved(c, QStringLiteral("abcd"));
    }
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    if (geteuid() != 0) QCOMPARE(earlier.readAll(), QByteArray("earlier\r\n"));
    earlier.close();
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A pipe is no file to save into: refused at once rather than waiting for a reader.
    const QString pipe = m_dir->filePath(QStringLiteral("pipe"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    m_platform.messages.clear();
    m_platform.saveNames << pipe;
    m_platform.answers << MessageAnswer::Yes;
    action("N4")->trigger();
    QCOMPARE(m_platform.messages.size(), 2);
    QVERIFY(m_platform.messages[1].text.contains(QStringLiteral("不是一个普通文件")));
    stillUnsaved(c, QStringLiteral("abcd"));
}

void TestFailures::savingAfterTheFolderVanished() {
    TChildForm* c = edited(QStringLiteral("abcd"));
    const QString folder = m_dir->filePath(QStringLiteral("gone"));
    QVERIFY(QDir().mkpath(folder));
    m_platform.saveNames << folder + QStringLiteral("/art.txt");
    action("S1")->trigger();
    QVERIFY(m_platform.messages.isEmpty());
    QCOMPARE(c->drawing().SavedCount, c->drawing().ChangeCount);
    QVERIFY(QDir(folder).removeRecursively());
    c = edited(QStringLiteral("wxyz"));
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("无法保存")));
    QCOMPARE(c->drawing().FileName, folder + QStringLiteral("/art.txt"));
    stillUnsaved(c, QStringLiteral("wxyz"));
    QVERIFY(!QFileInfo::exists(folder)); // nothing made on the way
}

void TestFailures::openingWhatCannotBeRead() {
    const int before = int(m_main->children().size());
    // A file gone between the dialog and the reading, a folder, and a pipe that nobody writes to:
    // none is waited on (a read that waits for input would hang until the test's time-out).
    const QString pipe = m_dir->filePath(QStringLiteral("pipe"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    m_platform.openNames << m_dir->filePath(QStringLiteral("vanished.txt")) << m_dir->path() << pipe
                         << QStringLiteral("/proc/self/mem");
    for (int i = 0; i < 4; ++i) action("O1")->trigger();
    QCOMPARE(m_main->children().size(), before);
    QCOMPARE(m_platform.messages.size(), 4);
    for (const auto& m : m_platform.messages) {
        QCOMPARE(m.kind, MessageKind::Error);
        QVERIFY2(m.text.contains(QStringLiteral("无法读取")), qPrintable(m.text));
    }
    QVERIFY(m_platform.messages[2].text.contains(QStringLiteral("不是一个普通文件")));
}

void TestFailures::aHugeClipboardPastesWhatFits() {
    // Eight megabytes of text: a block of 100,000 lines, of which the drawing shows its size.
    const QString line = QStringLiteral("画") + QStringLiteral("x").repeated(78) + QStringLiteral("\r\n");
    m_platform.clipboard = line.repeated(100'000);
    QToolButton* paste = button("SpeedButton7");
    paste->click();
    TChildForm* c = m_main->activeChild();
    QCOMPARE(c->drawing().selection.PasteActive, true);
    QCOMPARE(c->drawing().selection.SelRect, (CellRect{0, 0, 40, 50}));
    QCOMPARE(c->drawing().selection.PasteLines.size(), 100'000);
    QCOMPARE(c->drawing().selection.PasteLines.first().size(), 80);
    // One line of megabytes: a flowed line fills the drawing and stops there.
    m_platform.clipboard = QStringLiteral("ab").repeated(3'000'000) + QStringLiteral("\nx");
    paste->click();
    QCOMPARE(c->drawing().selection.SelRect, (CellRect{0, 0, 50, 50}));
    // Beyond what is taken in: a word, and the drawing and its block as they were.
    const int changes = c->drawing().ChangeCount;
    m_platform.clipboard = QString(16'000'001, QLatin1Char('y'));
    paste->click();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].text,
             QStringLiteral("剪贴板中的文字太长（超过 1600 万个字符），无法粘贴。"));
    QCOMPARE(c->drawing().ChangeCount, changes);
    QCOMPARE(c->drawing().selection.SelRect, (CellRect{0, 0, 50, 50}));
    QCOMPARE(c->drawing().selection.PasteLines.first(), QByteArray("ab").repeated(50));
}

QTEST_MAIN(TestFailures)
#include "tst_failures.moc"
