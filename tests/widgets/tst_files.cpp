// File commands through the main window: open, save, save as, the close prompts, New, undo and repeat, print.
#include "GridText.h"
#include "MainWindowFixture.h"
#include "PdfText.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/dialogs/TNewForm.h"
#include "ui/dialogs/TPictureForm.h"
#include "ui/document/CanvasWidget.h"
#include "ui/document/TChildForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
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

} // namespace

class TestFiles : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void openCreatesADrawing();
    void openingAnOpenFileShowsItsWindow();
    void openFailuresOpenNothing();
    void commandLineFilesOpen();
    void commandLinePicturesOpenTheImportDialog();
    void cutFileAsksBeforeReplacing();
    void zeroByteAndFlowedOverflowAreReported();
    void charactersGbkLacksAreToldAndAskedAbout();
    void saveUntitledAndCancel();
    void saveAsAndOverwrite();
    void failedSaveKeepsTheDrawingModified();
    void chineseTextSurvivesSaveAndOpen();
    void closePrompt_data();
    void closePrompt();
    void closingTheMainWindowAsksForEachDrawing();
    void fileMenuEnabling();
    void newFromClipboard();
    void newValidation_data();
    void newValidation();
    void undoRepeatFromTheMenu();
    void shortcutsAskTheCommandsFirst();
    void printToPdf();

private:
    TNewForm* newForm() { return m_main->findChild<TNewForm*>(); }
    // Marks the drawing changed as an editing operation would.
    void edit(TChildForm* child, const QString& text) {
        child->drawing().takeUndoSnapshot(QStringLiteral("铅笔"));
        setGridText(child->drawing().CurGrid, text);
        child->drawing().ReDraw();
    }
};

void TestFiles::initTestCase() {
    setupApplication(*qApp);
}

void TestFiles::init() {
    QVERIFY(start());
}

void TestFiles::cleanup() {
    finish();
}

void TestFiles::openCreatesADrawing() {
    writeFile(path("rect.txt"), "\xBB\xAD\xA1\xA1"
                                "ab\r\nxyz\xA1\xA1"
                                "c\r\n");
    m_platform.openNames << path("rect.txt");
    action("O1")->trigger();
    QCOMPARE(m_platform.openDialogs, 1);
    QCOMPARE(m_main->children().size(), 2);
    TChildForm* c = active();
    QCOMPARE(c->drawing().FileName, path("rect.txt"));
    QCOMPARE(c->windowTitle(), path("rect.txt"));
    QCOMPARE(m_main->newDocSize().width(), 3);
    QCOMPARE(m_main->newDocSize().height(), 2);
    QCOMPARE(c->drawing().GridWidth, 3);
    QCOMPARE(c->drawing().GridHeight, 2);
    QCOMPARE(gridText(c->drawing().CurGrid, 3, 2), QStringLiteral("画  ab\nxyz  c"));
    QVERIFY(c->drawing().ShownGrid.sameArea(c->drawing().CurGrid, 3, 2)); // painted
    QCOMPARE(c->Image1->size(), QSize(54, 36));
    QCOMPARE(c->drawing().ChangeCount, 0);
    QCOMPARE(c->drawing().SavedCount, 0);
    QCOMPARE(c->drawing().undo.UndoState, UndoStep::State::Nothing);

    // Cancelling the dialog opens nothing.
    action("O1")->trigger();
    QCOMPARE(m_main->children().size(), 2);
}

void TestFiles::openingAnOpenFileShowsItsWindow() {
    writeFile(path("one.txt"), "abcd\r\n");
    writeFile(path("two.txt"), "wxyz\r\n");
    QVERIFY(QFile::link(path("one.txt"), path("link.txt")));
    m_platform.openNames << path("one.txt") << path("two.txt");
    action("O1")->trigger();
    TChildForm* one = active();
    edit(one, QStringLiteral("zz")); // unsaved work that a second copy would lose on save
    action("O1")->trigger();
    const int windows = int(m_main->children().size());
    QVERIFY(active() != one);
    one->showMinimized();
    // The same file, by its name, another spelling of it, or a link to it: its window comes forward.
    for (const QString& name :
         {path("one.txt"), m_dir->path() + QStringLiteral("/./one.txt"), path("link.txt")}) {
        m_main->mdiArea()->setActiveSubWindow(m_main->children().last());
        m_platform.openNames << name;
        action("O1")->trigger();
        QCOMPARE(m_main->children().size(), windows);
        QCOMPARE(active(), one);
        QVERIFY(!one->isMinimized());
        QCOMPARE(gridText(one->drawing().CurGrid, 2, 1), QStringLiteral("zzcd"));
    }
    QVERIFY(m_platform.messages.isEmpty());
    // A name given by Save As counts too.
    m_main->mdiArea()->setActiveSubWindow(m_main->children().last());
    TChildForm* two = active();
    m_platform.saveNames << path("three.txt");
    action("N4")->trigger();
    m_main->mdiArea()->setActiveSubWindow(one);
    m_main->openFiles({path("three.txt")});
    QCOMPARE(active(), two);
    QCOMPARE(m_main->children().size(), windows);
    one->drawing().SavedCount = one->drawing().ChangeCount;
}

void TestFiles::openFailuresOpenNothing() {
    writeFile(path("empty.txt"), "");
    writeFile(path("narrow.txt"), "a\r\n\r\nb\r\n");
    m_platform.openNames << path("missing.txt") << path("empty.txt") << path("narrow.txt") << m_dir->path();
    for (int i = 0; i < 4; ++i) action("O1")->trigger();
    QCOMPARE(m_main->children().size(), 1);
    QCOMPARE(m_platform.messages.size(), 4);
    QVERIFY(m_platform.messages[0].text.contains(path("missing.txt")));
    QVERIFY(m_platform.messages[1].text.contains(QStringLiteral("文件为空，无法打开")));
    QVERIFY(m_platform.messages[2].text.contains(QStringLiteral("无法打开")));
    for (const auto& m : m_platform.messages) QCOMPARE(m.buttons, MessageButtons::Ok);
}

void TestFiles::commandLineFilesOpen() {
    writeFile(path("a.txt"), "AB\r\nABCD\r\nA\r\n");
    writeFile(path("b.txt"), "xy\r\n");
    auto startWith = [&](const QStringList& files) {
        m_platform.messages.clear();
        return restartWith(files);
    };
    // Two files: just those two, without the empty drawing.
    QList<TChildForm*> all = startWith({path("a.txt"), path("b.txt")});
    QCOMPARE(all.size(), 2);
    QCOMPARE(all[0]->windowTitle(), path("a.txt"));
    QCOMPARE(gridText(all[0]->drawing().CurGrid, all[0]->drawing().GridWidth, all[0]->drawing().GridHeight),
             QStringLiteral("AB  \nABCD\n    \nA   "));
    QCOMPARE(all[1]->drawing().FileName, path("b.txt"));
    QCOMPARE(m_platform.openDialogs, 0);

    // One file that opens and one that does not: the one, and a message about the other.
    all = startWith({path("missing.txt"), path("b.txt")});
    QCOMPARE(all.size(), 1);
    QCOMPARE(all[0]->drawing().FileName, path("b.txt"));
    QCOMPARE(m_platform.messages.size(), 1);

    // None that opens: the empty start-up drawing.
    all = startWith({path("missing.txt")});
    QCOMPARE(all.size(), 1);
    QCOMPARE(all[0]->windowTitle(), QStringLiteral("新建"));
    all = startWith({});
    QCOMPARE(all.size(), 1);
    QCOMPARE(all[0]->drawing().FileName, QString());
    QVERIFY(m_platform.messages.isEmpty());

    // A relative name is taken from the working folder and kept in full.
    const QString here = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    all = startWith({QStringLiteral("a.txt")});
    QDir::setCurrent(here);
    QCOMPARE(all.size(), 1);
    QCOMPARE(all[0]->drawing().FileName, path("a.txt"));
    QCOMPARE(all[0]->windowTitle(), path("a.txt"));
}

void TestFiles::commandLinePicturesOpenTheImportDialog() {
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QVERIFY(picture.save(path("p.png")));
    QVERIFY(picture.save(path("q.JPG")));
    writeFile(path("broken.gif"), "GIF89a, but nothing more");
    writeFile(path("a.txt"), "AB\r\n");
    // The import dialog as it opens: the picture it shows and the drawing it would land in.
    QStringList loaded;
    QList<TChildForm*> targets;
    m_platform.onDialog = [&](QDialog& dialog) {
        if (auto* form = qobject_cast<TPictureForm*>(&dialog)) {
            loaded << form->Edit1->text();
            targets << active();
        }
        return int(QDialog::Rejected);
    };
    auto startWith = [&](const QStringList& files) {
        m_platform.messages.clear();
        loaded.clear();
        targets.clear();
        // The dialog comes once the frame is up.
        return restartWith(files);
    };
    // A picture alone: the empty start-up drawing, and the dialog over it with the picture loaded.
    QList<TChildForm*> all = startWith({path("p.png")});
    QCOMPARE(loaded, QStringList{QDir::toNativeSeparators(path("p.png"))});
    QCOMPARE(all.size(), 1);
    QCOMPARE(all[0]->windowTitle(), QStringLiteral("新建"));
    QCOMPARE(targets, all);
    QVERIFY(m_platform.messages.isEmpty());

    // With a text file: the text opens as a drawing (no empty one), the picture in the dialog.
    all = startWith({path("q.JPG"), path("a.txt")});
    QCOMPARE(loaded, QStringList{QDir::toNativeSeparators(path("q.JPG"))});
    QCOMPARE(all.size(), 1);
    QCOMPARE(all[0]->drawing().FileName, path("a.txt"));
    QCOMPARE(gridText(all[0]->drawing().CurGrid, 1, 1), QStringLiteral("AB"));
    QVERIFY(m_platform.messages.isEmpty());

    // One picture at a time, as on a drop: the first is loaded, the others named.
    all = startWith({path("p.png"), path("q.JPG")});
    QCOMPARE(loaded, QStringList{QDir::toNativeSeparators(path("p.png"))});
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].text, QStringLiteral("一次只导入一张图片，没有导入：\n\n· %1")
                                              .arg(QDir::toNativeSeparators(path("q.JPG"))));

    // A relative name is taken from the working folder, as a text file's is.
    const QString here = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    startWith({QStringLiteral("p.png")});
    QDir::setCurrent(here);
    QCOMPARE(loaded, QStringList{QDir::toNativeSeparators(path("p.png"))});

    // A picture that cannot be read: said so, no dialog, the empty drawing to draw in.
    all = startWith({path("broken.gif")});
    QVERIFY(loaded.isEmpty());
    QCOMPARE(all.size(), 1);
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY2(m_platform.messages[0].text.startsWith(
                 QStringLiteral("无法导入图片“%1”").arg(QDir::toNativeSeparators(path("broken.gif")))),
             qPrintable(m_platform.messages[0].text));
}

void TestFiles::cutFileAsksBeforeReplacing() {
    // 120 lines of 250 bytes: the drawing holds 100 x 100 cells of it.
    QByteArray big;
    for (int i = 0; i < 120; ++i) big += QByteArray(250, char('a' + i % 26)) + "\r\n";
    writeFile(path("big.txt"), big);
    m_platform.openNames << path("big.txt");
    action("O1")->trigger();
    TChildForm* c = active();
    QCOMPARE(c->drawing().GridWidth, 100);
    QCOMPARE(c->drawing().GridHeight, 100);
    QCOMPARE(m_platform.messages.size(), 1);
    const QString notice = m_platform.messages[0].text;
    QVERIFY2(notice.contains(QStringLiteral("第 100 行以后的 20 行")), qPrintable(notice));
    QVERIFY2(notice.contains(QStringLiteral("每行第 200 个字节以后的内容")), qPrintable(notice));
    QVERIFY2(notice.contains(QStringLiteral("替换")), qPrintable(notice));
    QCOMPARE(m_platform.messages[0].buttons, MessageButtons::Ok);

    // Cancel: nothing written, the drawing stays unsaved.
    m_platform.messages.clear();
    m_platform.answers << MessageAnswer::Cancel;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].caption, QStringLiteral("请确认"));
    QCOMPARE(m_platform.messages[0].buttons, MessageButtons::WriteSaveAsCancel);
    QVERIFY(m_platform.messages[0].text.contains(path("big.txt")));
    QCOMPARE(readFile(path("big.txt")), big);
    QCOMPARE(m_platform.saveDialogs, 0);

    // No: Save As; the original stays as it was, and the new file takes no question.
    m_platform.answers << MessageAnswer::No;
    m_platform.saveNames << path("part.txt");
    action("S1")->trigger();
    QCOMPARE(m_platform.saveDialogs, 1);
    QCOMPARE(c->drawing().FileName, path("part.txt"));
    QCOMPARE(readFile(path("part.txt")).size(), 100 * 202);
    QCOMPARE(readFile(path("big.txt")), big);
    m_platform.messages.clear();
    edit(c, QStringLiteral("zz"));
    action("S1")->trigger();
    QVERIFY(m_platform.messages.isEmpty());
    QVERIFY(readFile(path("part.txt")).startsWith("zz"));

    // Opened again and saved with Yes: replaced, and later saves ask nothing.
    m_platform.openNames << path("big.txt");
    action("O1")->trigger();
    c = active();
    m_platform.messages.clear();
    m_platform.answers << MessageAnswer::Yes;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(readFile(path("big.txt")).size(), 100 * 202);
    edit(c, QStringLiteral("yy"));
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(readFile(path("big.txt")).startsWith("yy"));

    // Save As to another name asks only about names, never about the cut.
    m_platform.openNames << path("big.txt");
    action("O1")->trigger();
    m_platform.messages.clear();
    m_platform.saveNames << path("copy.txt");
    action("N4")->trigger();
    QVERIFY(m_platform.messages.isEmpty());
    QVERIFY(QFile::exists(path("copy.txt")));

    // A file that fitted is saved without any question.
    writeFile(path("small.txt"), "abcd\r\nefgh\r\n");
    m_platform.openNames << path("small.txt");
    action("O1")->trigger();
    edit(active(), QStringLiteral("zz"));
    action("S1")->trigger();
    QVERIFY(m_platform.messages.isEmpty());
    QCOMPARE(readFile(path("small.txt")), QByteArray("zzcd\r\nefgh\r\n"));
}

void TestFiles::zeroByteAndFlowedOverflowAreReported() {
    // A binary file: everything after the first zero byte is left out, and saving asks.
    writeFile(path("binary.txt"), QByteArray("abcd\0efgh\r\nmore", 15));
    m_platform.openNames << path("binary.txt");
    action("O1")->trigger();
    TChildForm* c = active();
    QCOMPARE(gridText(c->drawing().CurGrid, c->drawing().GridWidth, c->drawing().GridHeight),
             QStringLiteral("abcd"));
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY2(m_platform.messages[0].text.contains(QStringLiteral("零字节")),
             qPrintable(m_platform.messages[0].text));
    m_platform.answers << MessageAnswer::Cancel;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 2);
    QCOMPARE(readFile(path("binary.txt")), QByteArray("abcd\0efgh\r\nmore", 15));

    // Flowed lines that fill more than 100 rows.
    QByteArray flowed;
    for (int i = 0; i < 150; ++i) flowed += QByteArray(i % 2 ? 4 : 6, 'x') + "\n";
    writeFile(path("flowed.txt"), flowed);
    m_platform.messages.clear();
    m_platform.openNames << path("flowed.txt");
    action("O1")->trigger();
    QCOMPARE(active()->drawing().GridHeight, 100);
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("排满 100 行以后的内容")));

    // Exactly 100 rows, and odd lines, are told apart: a full fit says nothing, an odd byte is named.
    // 99 rows of one cell, then a line that fills the last row: the wrap after it loses nothing.
    QByteArray exact = QByteArray("ab\r\n").repeated(99) + "abcd\r\n";
    writeFile(path("exact.txt"), exact);
    writeFile(path("odd.txt"), "abc\r\ndef\r\n");
    m_platform.messages.clear();
    m_platform.openNames << path("exact.txt") << path("odd.txt");
    action("O1")->trigger();
    QVERIFY(m_platform.messages.isEmpty());
    QCOMPARE(active()->drawing().GridHeight, 100);
    QCOMPARE(gridText(active()->drawing().CurGrid, 2, 100).right(4), QStringLiteral("abcd"));
    action("O1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("每行末尾单出的一个字节")));
}

void TestFiles::charactersGbkLacksAreToldAndAskedAbout() {
    const QByteArray original = QStringLiteral("ab😀\r\ncd中\r\n한ef\r\n").toUtf8();
    writeFile(path("emoji.txt"), original);
    m_platform.openNames << path("emoji.txt");
    action("O1")->trigger();
    TChildForm* c = active();
    QCOMPARE(gridText(c->drawing().CurGrid, 2, 3), QStringLiteral("ab??\ncd中\n??ef"));
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].text,
             QStringLiteral("文件“%1”中有 2 个字符无法用 GBK 表示，画板中显示为“?”：\n\n"
                            "· 第 1 行：😀\n· 第 3 行：한\n\n如果保存到这个文件，这些字符将变成“?”。\n\n"
                            "如果这是一个 GBK 文件，可以用“文件 → 以 GBK 重新打开”重新读入。")
                 .arg(path("emoji.txt")));
    QCOMPARE(m_platform.messages[0].buttons, MessageButtons::Ok);

    // The first save over the file asks; Cancel writes nothing.
    m_platform.messages.clear();
    m_platform.answers << MessageAnswer::Cancel;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].caption, QStringLiteral("请确认"));
    QCOMPARE(m_platform.messages[0].buttons, MessageButtons::WriteSaveAsCancel);
    QVERIFY2(m_platform.messages[0].text.contains(QStringLiteral("2 个字符无法用 GBK 表示")),
             qPrintable(m_platform.messages[0].text));
    QCOMPARE(readFile(path("emoji.txt")), original);
    // Save as: another file, no question, and the original stays.
    m_platform.answers << MessageAnswer::No;
    m_platform.saveNames << path("other.txt");
    action("S1")->trigger();
    QCOMPARE(c->drawing().FileName, path("other.txt"));
    QCOMPARE(readFile(path("other.txt")), QStringLiteral("ab??\r\ncd中\r\n??ef\r\n").toUtf8());
    QCOMPARE(readFile(path("emoji.txt")), original);
    // Written over: the question once, then saves as usual.
    m_platform.openNames << path("emoji.txt");
    action("O1")->trigger();
    m_platform.messages.clear();
    m_platform.answers << MessageAnswer::Yes;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(readFile(path("emoji.txt")), QStringLiteral("ab??\r\ncd中\r\n??ef\r\n").toUtf8());
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);

    // Cut at open and characters lost: one notice, one question naming both.
    QByteArray big;
    for (int i = 0; i < 120; ++i)
        big += (i == 3 ? QStringLiteral("😀ab") : QStringLiteral("abcd")).toUtf8() + "\n";
    writeFile(path("bigemoji.txt"), big);
    m_platform.messages.clear();
    m_platform.openNames << path("bigemoji.txt");
    action("O1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    const QString notice = m_platform.messages[0].text;
    QVERIFY2(notice.contains(QStringLiteral("第 100 行以后的 20 行")), qPrintable(notice));
    QVERIFY2(notice.contains(QStringLiteral("其中有 1 个字符无法用 GBK 表示")), qPrintable(notice));
    QVERIFY2(notice.contains(QStringLiteral("· 第 4 行：😀")), qPrintable(notice));
    m_platform.answers << MessageAnswer::Cancel;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 2);
    QVERIFY2(
        m_platform.messages[1].text.contains(QStringLiteral("只读入了画板能容纳的部分，其中还有 1 个字符")),
        qPrintable(m_platform.messages[1].text));
    QCOMPARE(readFile(path("bigemoji.txt")), big);
}

void TestFiles::saveUntitledAndCancel() {
    TChildForm* c = active();
    c->drawing().GridWidth = 3; // a small drawing: 3 x 2
    c->drawing().GridHeight = 2;
    edit(c, QStringLiteral("a  b  \n画画画"));
    const int changes = c->drawing().ChangeCount;

    action("S1")->trigger(); // the dialog is cancelled
    QCOMPARE(m_platform.saveDialogs, 1);
    QCOMPARE(c->windowTitle(), QStringLiteral("新建"));
    QCOMPARE(c->drawing().FileName, QString());
    QCOMPARE(c->drawing().SavedCount, 0);
    QCOMPARE(c->drawing().ChangeCount, changes);

    m_platform.saveNames << path("art.txt");
    action("S1")->trigger();
    QCOMPARE(c->drawing().FileName, path("art.txt"));
    QCOMPARE(c->windowTitle(), path("art.txt"));
    QCOMPARE(c->drawing().SavedCount, changes);
    QCOMPARE(readFile(path("art.txt")), QByteArray("a\xA1\xA1"
                                                   "b\xA1\xA1\r\n\xBB\xAD\xBB\xAD\xBB\xAD\r\n"));

    // Saved once, Save writes to the file without a dialog or question; the toolbar button does the same.
    edit(c, QStringLiteral("zz"));
    QMetaObject::invokeMethod(m_main->findChild<QObject*>(QStringLiteral("SpeedButton10")), "click");
    QCOMPARE(m_platform.saveDialogs, 2);
    QVERIFY(m_platform.messages.isEmpty());
    QVERIFY(readFile(path("art.txt")).startsWith("zz b\xA1\xA1"));
    QCOMPARE(c->drawing().SavedCount, c->drawing().ChangeCount);
}

void TestFiles::saveAsAndOverwrite() {
    TChildForm* c = active();
    writeFile(path("taken.txt"), "keep me");
    edit(c, QStringLiteral("xy"));

    m_platform.saveNames << path("taken.txt");
    m_platform.answers << MessageAnswer::No;
    action("N4")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].text, QStringLiteral("此文件已经存在，是否覆盖?"));
    QCOMPARE(m_platform.messages[0].caption, QStringLiteral("请确认"));
    QCOMPARE(m_platform.messages[0].buttons, MessageButtons::YesNo);
    QCOMPARE(readFile(path("taken.txt")), QByteArray("keep me"));
    QCOMPARE(c->drawing().FileName, QString());
    QVERIFY(c->drawing().SavedCount < c->drawing().ChangeCount);

    m_platform.saveNames << path("taken.txt");
    m_platform.answers << MessageAnswer::Yes;
    action("N4")->trigger();
    QCOMPARE(c->drawing().FileName, path("taken.txt"));
    QCOMPARE(readFile(path("taken.txt")).size(), 50 * 102);
    QCOMPARE(c->drawing().SavedCount, c->drawing().ChangeCount);

    // Save As always asks for a name, even for a drawing that has one.
    m_platform.saveNames << path("other.txt");
    action("N4")->trigger();
    QCOMPARE(c->windowTitle(), path("other.txt"));
    QVERIFY(QFile::exists(path("other.txt")));
    QCOMPARE(m_platform.saveDialogs, 3);
}

void TestFiles::failedSaveKeepsTheDrawingModified() {
    TChildForm* c = active();
    edit(c, QStringLiteral("xy"));
    const QString bad = path("no/such/folder/art.txt");
    m_platform.saveNames << bad;
    action("S1")->trigger();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].kind, MessageKind::Error);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("无法保存")));
    QCOMPARE(c->drawing().FileName, bad); // the name chosen stays set
    QVERIFY(c->drawing().SavedCount < c->drawing().ChangeCount);
}

void TestFiles::chineseTextSurvivesSaveAndOpen() {
    TChildForm* c = active();
    c->drawing().GridWidth = 4;
    c->drawing().GridHeight = 1;
    edit(c, QStringLiteral("啊。啊  "));
    m_platform.saveNames << path("ah.txt");
    action("S1")->trigger();
    QCOMPARE(readFile(path("ah.txt")), QByteArray("\xB0\xA1\xA1\xA3\xB0\xA1\xA1\xA1\r\n"));
    m_platform.openNames << path("ah.txt");
    action("O1")->trigger();
    QCOMPARE(
        gridText(active()->drawing().CurGrid, active()->drawing().GridWidth, active()->drawing().GridHeight),
        QStringLiteral("啊。啊  "));
    QCOMPARE(active()->drawing().GridWidth, 4);
}

void TestFiles::closePrompt_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");     // MessageAnswer
    QTest::addColumn<QString>("saveTo"); // "" cancels the save dialog, "bad" fails the write
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("saved: no question") << false << -1 << QString() << true << false;
    QTest::newRow("modified, No") << true << int(MessageAnswer::No) << QString() << true << false;
    QTest::newRow("modified, Cancel") << true << int(MessageAnswer::Cancel) << QString() << false << false;
    QTest::newRow("modified, Yes, saved")
        << true << int(MessageAnswer::Yes) << QStringLiteral("ok") << true << true;
    QTest::newRow("modified, Yes, dialog cancelled")
        << true << int(MessageAnswer::Yes) << QString() << false << false;
    QTest::newRow("modified, Yes, write fails")
        << true << int(MessageAnswer::Yes) << QStringLiteral("bad") << false << false;
}

void TestFiles::closePrompt() {
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(QString, saveTo);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    TChildForm* c = active();
    if (modified) edit(c, QStringLiteral("画"));
    const int changes = c->drawing().ChangeCount;
    const UndoStep::State undo = c->drawing().undo.UndoState;
    if (answer >= 0) m_platform.answers << MessageAnswer(answer);
    if (saveTo == QStringLiteral("ok")) m_platform.saveNames << path("closing.txt");
    if (saveTo == QStringLiteral("bad")) m_platform.saveNames << path("no/folder/closing.txt");

    QPointer<TChildForm> watch(c);
    c->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(watch.isNull(), closes);
    QCOMPARE(QFile::exists(path("closing.txt")), written);
    if (modified) {
        QCOMPARE(m_platform.messages.first().text, QStringLiteral("是否保存当前文档"));
        QCOMPARE(m_platform.messages.first().caption, QStringLiteral("?"));
        QCOMPARE(m_platform.messages.first().buttons, MessageButtons::YesNoCancel);
    } else {
        QVERIFY(m_platform.messages.isEmpty());
    }
    if (!closes) {
        // Kept open with its drawing, counters and undo state untouched.
        QCOMPARE(c->drawing().ChangeCount, changes);
        QCOMPARE(c->drawing().undo.UndoState, undo);
        QCOMPARE(gridText(c->drawing().CurGrid, 1, 1), QStringLiteral("画"));
        QVERIFY(c->drawing().SavedCount < c->drawing().ChangeCount);
    }
}

void TestFiles::closingTheMainWindowAsksForEachDrawing() {
    TChildForm* first = active();
    edit(first, QStringLiteral("ab"));
    m_main->createChild(); // unmodified: no question
    TChildForm* third = m_main->createChild();
    edit(third, QStringLiteral("cd"));

    m_platform.answers << MessageAnswer::No << MessageAnswer::Cancel;
    QVERIFY(!m_main->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_main->isVisible());
    QCOMPARE(m_platform.messages.size(), 2);
    QCOMPARE(m_main->children().size(), 1); // the first and second closed, the cancelled third stays
    QCOMPARE(m_main->children().first(), third);

    m_platform.answers << MessageAnswer::No;
    action("Q1")->trigger(); // Exit asks the same way
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_main->isVisible());
    QVERIFY(m_main->children().isEmpty());
}

void TestFiles::fileMenuEnabling() {
    QMenu* file = menu("N1");
    Q_EMIT file->aboutToShow();
    for (const char* name : {"S1", "N4", "P2", "N3", "O1", "E2", "Q1"})
        QVERIFY2(action(name)->isEnabled(), name);
    QVERIFY(closeAllDrawings());
    Q_EMIT file->aboutToShow();
    for (const char* name : {"S1", "N4", "P2"}) QVERIFY2(!action(name)->isEnabled(), name);
    for (const char* name : {"N3", "O1", "E2", "Q1"}) QVERIFY2(action(name)->isEnabled(), name);
    // The commands do nothing without a drawing, however they are reached.
    for (CommandId id : {CommandId::Save, CommandId::SaveAs, CommandId::Print, CommandId::Undo})
        m_main->run(id);
    QCOMPARE(m_platform.saveDialogs + m_platform.printDialogs, 0);
}

void TestFiles::newFromClipboard() {
    // Three lines of 10 bytes: the dialog proposes 5 x 3 and the clipboard choice.
    m_platform.clipboard = QStringLiteral("画画画画画\r\nabcdefghij\r\n　　xyzuvw\r\n");
    QString proposed;
    m_platform.onDialog = [&](QDialog&) {
        TNewForm* f = newForm();
        proposed = QStringLiteral("%1 %2 %3 %4")
                       .arg(f->RadioButton2->isChecked())
                       .arg(f->RadioButton2->isEnabled())
                       .arg(f->Edit1->text(), f->Edit2->text());
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        return f->result();
    };
    action("N3")->trigger();
    QCOMPARE(proposed, QStringLiteral("1 1 5 3"));
    TChildForm* c = active();
    QCOMPARE(c->drawing().GridWidth, 5);
    QCOMPARE(c->drawing().GridHeight, 3);
    QCOMPARE(c->windowTitle(), QStringLiteral("新建"));
    QCOMPARE(gridText(c->drawing().CurGrid, 5, 3), QStringLiteral("画画画画画\nabcdefghij\n    xyzuvw"));
    QVERIFY(c->drawing().ShownGrid.sameArea(c->drawing().CurGrid, 5, 3));
    QCOMPARE(c->drawing().ChangeCount, 0);
    QCOMPARE(c->drawing().undo.UndoState, UndoStep::State::Nothing);

    // The user narrows it to 2 and adds rows: only the first 4 bytes of each line, rows below stay empty.
    m_platform.onDialog = [&](QDialog&) {
        TNewForm* f = newForm();
        f->Edit1->setText(QStringLiteral("2"));
        f->Edit2->setText(QStringLiteral("4"));
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        return f->result();
    };
    action("N3")->trigger();
    QCOMPARE(gridText(active()->drawing().CurGrid, 2, 4), QStringLiteral("画画\nabcd\n    \n    "));

    // Lines of different lengths, the clipboard choice left on: flowed at 4 x 2, the rest dropped.
    m_platform.clipboard = QStringLiteral("abcdefghijk\nxy\nlonger line\n");
    m_platform.onDialog = [&](QDialog&) {
        TNewForm* f = newForm();
        proposed =
            QStringLiteral("%1 %2").arg(f->RadioButton2->isChecked()).arg(f->RadioButton2->isEnabled());
        f->Edit1->setText(QStringLiteral("4"));
        f->Edit2->setText(QStringLiteral("2"));
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        return f->result();
    };
    action("N3")->trigger();
    QCOMPARE(proposed, QStringLiteral("1 1"));
    QCOMPARE(gridText(active()->drawing().CurGrid, 4, 2), QStringLiteral("abcdefgh\nijk     "));

    // Equally long lines whose pairing into cells would cut characters: no block is proposed,
    // and the text flows whole characters into the cells.
    m_platform.clipboard = QStringLiteral("a你好\r\nb世界\r\nc再见\r\n");
    m_platform.onDialog = [&](QDialog&) {
        TNewForm* f = newForm();
        proposed = QStringLiteral("%1 %2").arg(f->Edit1->text(), f->Edit2->text());
        f->Edit2->setText(QStringLiteral("3"));
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        return f->result();
    };
    action("N3")->trigger();
    QCOMPARE(proposed, QStringLiteral("4 2"));
    QCOMPARE(gridText(active()->drawing().CurGrid, 4, 3), QStringLiteral("a 你好  \nb 世界  \nc 再见  "));

    // Two lines only: the clipboard choice is disabled and the drawing starts empty.
    m_platform.clipboard = QStringLiteral("ab\ncd\n");
    m_platform.onDialog = [&](QDialog&) {
        TNewForm* f = newForm();
        proposed =
            QStringLiteral("%1 %2").arg(f->RadioButton1->isChecked()).arg(f->RadioButton2->isEnabled());
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        return f->result();
    };
    action("N3")->trigger();
    QCOMPARE(proposed, QStringLiteral("1 0"));
    QCOMPARE(gridText(active()->drawing().CurGrid, 2, 1), QStringLiteral("    "));

    // Cancel creates nothing.
    const qsizetype count = m_main->children().size();
    m_platform.onDialog = [&](QDialog&) {
        QTest::mouseClick(newForm()->Button1, Qt::LeftButton);
        return newForm()->result();
    };
    action("N3")->trigger();
    QCOMPARE(newForm()->Accepted, 0);
    QCOMPARE(m_main->children().size(), count);
}

void TestFiles::newValidation_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("letters") << QStringLiteral("abc") << QStringLiteral("5")
                             << QStringLiteral("请输入一个整数") << QStringLiteral("Edit1");
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("5")
                          << QStringLiteral("你输入的数据有误，请修改") << QStringLiteral("Edit1");
    QTest::newRow("101") << QStringLiteral("101") << QStringLiteral("5")
                         << QStringLiteral("你输入的数据有误，请修改") << QStringLiteral("Edit1");
    QTest::newRow("width first") << QStringLiteral("x") << QStringLiteral("y")
                                 << QStringLiteral("请输入一个整数") << QStringLiteral("Edit1");
    QTest::newRow("height letters") << QStringLiteral("100") << QStringLiteral("1.5")
                                    << QStringLiteral("请输入一个整数") << QStringLiteral("Edit2");
    QTest::newRow("height range") << QStringLiteral("100") << QStringLiteral("-3")
                                  << QStringLiteral("你输入的数据有误，请修改") << QStringLiteral("Edit2");
    QTest::newRow("100 by 1 accepted")
        << QStringLiteral("100") << QStringLiteral(" +1 ") << QString() << QString();
}

void TestFiles::newValidation() {
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QString focused;
    int accepted = -1;
    m_platform.onDialog = [&](QDialog& d) {
        TNewForm* f = newForm();
        d.activateWindow();
        f->Edit1->setText(width);
        f->Edit2->setText(height);
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        accepted = f->Accepted;
        if (QWidget* w = d.focusWidget()) focused = w->objectName();
        if (f->isVisible() && accepted == 0) QTest::mouseClick(f->Button1, Qt::LeftButton);
        return f->result();
    };
    const qsizetype count = m_main->children().size();
    action("N3")->trigger();
    if (message.isEmpty()) {
        QCOMPARE(accepted, 1);
        QCOMPARE(active()->drawing().GridWidth, 100);
        QCOMPARE(active()->drawing().GridHeight, 1);
        QVERIFY(m_platform.messages.isEmpty());
    } else {
        QCOMPARE(accepted, 0);
        QCOMPARE(m_platform.messages.size(), 1);
        QCOMPARE(m_platform.messages[0].text, message);
        QCOMPARE(focused, focus);
        QCOMPARE(m_main->children().size(), count);
    }
}

void TestFiles::undoRepeatFromTheMenu() {
    TChildForm* c = active();
    QMenu* edit = menu("E1");
    Q_EMIT edit->aboutToShow();
    QVERIFY(!action("U1")->isEnabled());
    QVERIFY(!action("N26")->isEnabled());

    setGridText(c->drawing().CurGrid, QStringLiteral("画画"));
    c->drawing().ReDrawAll();
    c->drawing().takeUndoSnapshot(QStringLiteral("清空"));
    c->drawing().CurGrid.fillArea(c->drawing().GridWidth, c->drawing().GridHeight, CharCell::blank());
    c->drawing().ReDrawAll();
    m_platform.saveNames << path("u.txt");
    action("S1")->trigger();
    QCOMPARE(c->drawing().SavedCount, c->drawing().ChangeCount);

    Q_EMIT edit->aboutToShow();
    QCOMPARE(action("U1")->text(), QStringLiteral("撤消清空(&U)"));
    QVERIFY(action("U1")->isEnabled());
    Q_EMIT edit->aboutToHide();
    action("U1")->trigger();
    QCOMPARE(gridText(c->drawing().ShownGrid, 2, 1), QStringLiteral("画画"));
    Q_EMIT edit->aboutToShow();
    QCOMPARE(action("U1")->text(), QStringLiteral("撤消(&U)"));
    QVERIFY(!action("U1")->isEnabled());
    QCOMPARE(action("N26")->text(), QStringLiteral("重复清空(&R)"));
    QVERIFY(action("N26")->isEnabled());
    Q_EMIT edit->aboutToHide();
    // Undo after a save counts as a change: closing now asks rather than losing the undone state.
    QVERIFY(c->drawing().SavedCount < c->drawing().ChangeCount);

    action("U1")->trigger(); // nothing to undo now: Ctrl+Z does nothing
    QCOMPARE(gridText(c->drawing().ShownGrid, 2, 1), QStringLiteral("画画"));
    action("N26")->trigger();
    QCOMPARE(gridText(c->drawing().ShownGrid, 2, 1), QStringLiteral("    "));
    QCOMPARE(c->drawing().undo.UndoState, UndoStep::State::CanUndo);
}

void TestFiles::shortcutsAskTheCommandsFirst() {
    QVERIFY(activate());
    TChildForm* c = active();
    QWidget* canvas = c->Image1;
    canvas->setFocus();
    // Nothing to undo, and no menu opened since: Ctrl+Z does nothing.
    QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(c->drawing().undo.UndoState, UndoStep::State::Nothing);
    // An edit made since the menu was last seen: the shortcut finds Undo enabled.
    setGridText(c->drawing().CurGrid, QStringLiteral("ab"));
    c->drawing().ReDrawAll();
    edit(c, QStringLiteral("画画"));
    QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(c->drawing().undo.UndoState, UndoStep::State::CanRepeat);
    QCOMPARE(gridText(c->drawing().ShownGrid, 2, 1), QStringLiteral("ab  "));
    // Undone: Ctrl+Z again does nothing, F4 repeats.
    QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(gridText(c->drawing().ShownGrid, 2, 1), QStringLiteral("ab  "));
    QTest::keyClick(canvas, Qt::Key_F4);
    QCOMPARE(gridText(c->drawing().ShownGrid, 2, 1), QStringLiteral("画画"));
    QCOMPARE(c->drawing().undo.UndoState, UndoStep::State::CanUndo);

    // With no drawing open, Ctrl+S and Ctrl+P do nothing.
    c->drawing().SavedCount = c->drawing().ChangeCount;
    QVERIFY(closeAllDrawings());
    QTest::keyClick(m_main.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(m_main.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(m_platform.saveDialogs + m_platform.printDialogs, 0);
    // Ctrl+O still opens the dialog.
    QTest::keyClick(m_main.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_platform.openDialogs, 1);
}

void TestFiles::printToPdf() {
    TChildForm* c = active();
    c->drawing().GridWidth = 6;
    c->drawing().GridHeight = 3;
    edit(c, QStringLiteral("RUNE画\n  板板  \nxyz "));

    action("P2")->trigger(); // print dialog cancelled
    QCOMPARE(m_platform.printDialogs, 1);

    const QString pdf = path("out.pdf");
    m_platform.printAnswers << true;
    m_platform.printPdf = pdf;
    action("P2")->trigger();
    QVERIFY(QFile::exists(pdf));
    action("E2")->trigger();
    QCOMPARE(m_platform.printerSetups, 1);

    const QString text = pdfText(pdf);
    if (text.isEmpty()) QSKIP("pdftotext is not installed");
    QVERIFY2(text.contains(QStringLiteral("RUNE画")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("板板")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("xyz")), qPrintable(text));
    QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page, no empty page after it
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
