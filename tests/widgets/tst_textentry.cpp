// Typing into cells with the modify-text tool, through real keys, mouse events and
// input-method events, and the brush chooser with its candidate file.
#include "GridText.h"
#include "MainWindowFixture.h"
#include "core/text/CandidateFile.h"
#include "ui/app/AppStartup.h"
#include "ui/app/FrameDialogs.h"
#include "ui/app/TMainForm.h"
#include "ui/dialogs/THBXZForm.h"
#include "ui/document/CanvasWidget.h"
#include "ui/document/TChildForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include <unistd.h>

class TestTextEntry : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void boxOpensOverTheCellWithItsTextSelected();
    void arrowsMoveAndWrap();
    void enterAndPressesWriteTheCell();
    void twoBytesAtMost();
    void inputMethodCommitsOnly();
    void undoCoversOneOpening();
    void untouchedCellsKeepTheirBytes();
    void boxTakesTheKeyboardBack();
    void chooserPicksAndApplies();
    void chooserTakesTypingAtOnce();
    void candidatesAreSavedAndReadBack();
    void candidatesAreNotSavedThroughSomeoneElsesLink();

private:
    // The frame as the user types into it, over a small drawing of known cells.
    void prepare();
    // The program's next run, prepared the same way.
    void startAgain();
    void key(Qt::Key k, int times = 1);
    QLineEdit* box() const { return m_child->Edit1; }
    QPoint boxCell() const { return m_child->editBox().cell; }
    QString row(int y) const {
        return gridText(m_child->drawing().CurGrid, m_child->drawing().GridWidth, y + 1).section('\n', y);
    }

    TChildForm* m_child = nullptr;
};

void TestTextEntry::initTestCase() {
    setupApplication(*qApp);
}

void TestTextEntry::init() {
    QVERIFY(start());
    prepare();
}

void TestTextEntry::prepare() {
    QVERIFY(activate());
    m_child = m_main->activeChild();
    m_child->drawing().GridWidth = 4;
    m_child->drawing().GridHeight = 3;
    setGridText(m_child->drawing().CurGrid, QStringLiteral("ab中xy\ncdABCDEF\n画  gh"));
    m_child->drawing().ReDrawAll();
}

void TestTextEntry::startAgain() {
    QVERIFY(restart());
    prepare();
}

void TestTextEntry::cleanup() {
    finish();
}

void TestTextEntry::key(Qt::Key k, int times) {
    for (int i = 0; i < times; ++i) QTest::keyClick(box(), k);
}

void TestTextEntry::boxOpensOverTheCellWithItsTextSelected() {
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({1, 0});
    QVERIFY(box()->isVisible());
    QCOMPARE(box()->geometry(), QRect(19, 1, 17, 17)); // inside the cell's grid lines
    QCOMPARE(box()->text(), QStringLiteral("中"));
    QCOMPARE(box()->selectedText(), QStringLiteral("中"));
    QVERIFY(box()->hasFocus());
    QCOMPARE(box()->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("修改文字"));
    QCOMPARE(boxCell(), QPoint(1, 0));
    // Left moves at once; Right first goes to the end of the text, then on.
    key(Qt::Key_Left);
    QCOMPARE(boxCell(), QPoint(0, 0));
    QCOMPARE(box()->text(), QStringLiteral("ab"));
    QCOMPARE(box()->selectedText(), QStringLiteral("ab")); // selected again once the key is up
    QCOMPARE(box()->geometry().topLeft(), QPoint(1, 1));
    key(Qt::Key_Right);
    QCOMPARE(boxCell(), QPoint(0, 0));
    key(Qt::Key_Right);
    QCOMPARE(boxCell(), QPoint(1, 0));
    // A single single-byte character: the caret never reaches the second byte, so Right stays.
    box()->selectAll();
    QTest::keyClicks(box(), QStringLiteral("z"));
    key(Qt::Key_Right, 3);
    QCOMPARE(boxCell(), QPoint(1, 0));
    key(Qt::Key_Down);
    QCOMPARE(boxCell(), QPoint(1, 1));
    QCOMPARE(row(0), QStringLiteral("abz xy  "));
    key(Qt::Key_Up);
    QCOMPARE(boxCell(), QPoint(1, 0));
}

void TestTextEntry::arrowsMoveAndWrap() {
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({0, 1});
    key(Qt::Key_Left); // the first cell of a row continues in the last cell of the row above
    QCOMPARE(boxCell(), QPoint(3, 0));
    key(Qt::Key_Right, 2); // the last cell of a row continues in the first of the next
    QCOMPARE(boxCell(), QPoint(0, 1));
    key(Qt::Key_Up);
    key(Qt::Key_Left); // (0, 0): written, but the box stays
    QCOMPARE(boxCell(), QPoint(0, 0));
    QVERIFY(box()->isVisible());
    key(Qt::Key_Up);
    QCOMPARE(boxCell(), QPoint(0, 0));
    m_mouse.moveAndClick({3, 2});
    key(Qt::Key_Right, 3); // the last cell of the last row: stays
    QCOMPARE(boxCell(), QPoint(3, 2));
    key(Qt::Key_Down);
    QCOMPARE(boxCell(), QPoint(3, 2));
    QCOMPARE(gridText(m_child->drawing().CurGrid, 4, 3), QStringLiteral("ab中xy  \ncdABCDEF\n画  gh  "));
}

void TestTextEntry::enterAndPressesWriteTheCell() {
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({2, 0});
    QTest::keyClicks(box(), QStringLiteral("a"));
    key(Qt::Key_Return);
    QVERIFY(!box()->isVisible());
    QCOMPARE(row(0), QStringLiteral("ab中a   "));
    QCOMPARE(m_child->drawing().ShownGrid.at(2, 0), CharCell::of('a', ' '));
    // An emptied box stores two spaces.
    m_mouse.moveAndClick({0, 1});
    key(Qt::Key_Backspace);
    QCOMPARE(box()->text(), QString());
    key(Qt::Key_Enter);
    QCOMPARE(row(1), QStringLiteral("  ABCDEF"));
    // A press with another tool writes the open box first, then acts.
    m_mouse.moveAndClick({1, 2});
    QTest::keyClicks(box(), QStringLiteral("Q"));
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.moveAndClick({3, 2});
    QVERIFY(!box()->isVisible());
    QCOMPARE(row(2), QStringLiteral("画Q gh画"));
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("铅笔"));
}

void TestTextEntry::twoBytesAtMost() {
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({3, 0});
    QTest::keyClicks(box(), QStringLiteral("abc"));
    QCOMPARE(box()->text(), QStringLiteral("ab"));
    box()->selectAll();
    // Typed as a keyboard would deliver a Chinese character.
    QKeyEvent chinese(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("中"));
    QApplication::sendEvent(box(), &chinese);
    QCOMPARE(box()->text(), QStringLiteral("中"));
    QTest::keyClicks(box(), QStringLiteral("x"));
    QCOMPARE(box()->text(), QStringLiteral("中")); // a third byte is refused
    key(Qt::Key_Return);
    QCOMPARE(row(0), QStringLiteral("ab中xy中"));
}

void TestTextEntry::inputMethodCommitsOnly() {
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({0, 2});
    // A composition in progress is not text yet.
    QInputMethodEvent composing(QStringLiteral("hua"), {});
    QApplication::sendEvent(box(), &composing);
    QCOMPARE(box()->text(), QString()); // the selected text was replaced by the composition
    key(Qt::Key_Return);
    QCOMPARE(row(2), QStringLiteral("    gh  "));
    // A committed string goes in as typed keys would.
    m_mouse.moveAndClick({1, 2});
    QInputMethodEvent preedit(QStringLiteral("zhong"), {});
    QApplication::sendEvent(box(), &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("中"));
    QApplication::sendEvent(box(), &commit);
    QCOMPARE(box()->text(), QStringLiteral("中"));
    // A commit that would exceed two bytes is refused whole.
    QInputMethodEvent more;
    more.setCommitString(QStringLiteral("文"));
    QApplication::sendEvent(box(), &more);
    QCOMPARE(box()->text(), QStringLiteral("中"));
    key(Qt::Key_Return);
    QCOMPARE(row(2), QStringLiteral("  中gh  "));
}

void TestTextEntry::undoCoversOneOpening() {
    const QString before = gridText(m_child->drawing().CurGrid, 4, 3);
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({0, 0});
    QTest::keyClicks(box(), QStringLiteral("11"));
    key(Qt::Key_Right);
    QTest::keyClicks(box(), QStringLiteral("22"));
    key(Qt::Key_Down);
    QTest::keyClicks(box(), QStringLiteral("33"));
    key(Qt::Key_Return);
    QCOMPARE(gridText(m_child->drawing().CurGrid, 4, 3), QStringLiteral("1122xy  \ncd33CDEF\n画  gh  "));
    m_main->run(CommandId::Undo);
    QCOMPARE(gridText(m_child->drawing().CurGrid, 4, 3), before);
}

void TestTextEntry::untouchedCellsKeepTheirBytes() {
    // Half a character (after a block paste of "a中", say) shows as something else in the box;
    // passing through without typing must not write that back.
    m_child->drawing().CurGrid.at(0, 0) = CharCell::of('a', 0xD6);
    m_child->drawing().CurGrid.at(1, 0) = CharCell::of(0xD0, 'b');
    m_child->drawing().ReDrawAll();
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({0, 0});
    key(Qt::Key_Return);
    QCOMPARE(m_child->drawing().CurGrid.at(0, 0), CharCell::of('a', 0xD6));
    m_mouse.moveAndClick({0, 0});
    key(Qt::Key_Right, 2);
    QCOMPARE(boxCell(), QPoint(1, 0));
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.moveAndClick({3, 2}); // the press writes the open box back
    QCOMPARE(m_child->drawing().CurGrid.at(0, 0), CharCell::of('a', 0xD6));
    QCOMPARE(m_child->drawing().CurGrid.at(1, 0), CharCell::of(0xD0, 'b'));
    QCOMPARE(row(1), QStringLiteral("cdABCDEF"));
    // What is typed is written, also over half a character.
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({1, 0});
    QTest::keyClicks(box(), QStringLiteral("z"));
    key(Qt::Key_Return);
    QCOMPARE(m_child->drawing().CurGrid.at(1, 0), CharCell::of('z', ' '));
}

void TestTextEntry::boxTakesTheKeyboardBack() {
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({1, 1});
    QTest::keyClicks(box(), QStringLiteral("q"));
    // A dialog of its own takes the keyboard; once it is gone, typing goes on into the box.
    QWidget dialog;
    auto* field = new QLineEdit(&dialog);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    field->setFocus();
    dialog.hide();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QTRY_COMPARE(QApplication::focusWidget(), box());
    // So does another drawing made active and left again.
    TChildForm* second = m_main->createChild();
    m_main->mdiArea()->setActiveSubWindow(second);
    second->setFocus();
    QVERIFY(!box()->hasFocus());
    m_main->mdiArea()->setActiveSubWindow(m_child);
    QTRY_COMPARE(QApplication::focusWidget(), box());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("e"));
    QCOMPARE(box()->text(), QStringLiteral("qe"));
    key(Qt::Key_Return);
    QCOMPARE(row(1), QStringLiteral("cdqeCDEF"));
    second->drawing().SavedCount = second->drawing().ChangeCount;
}

void TestTextEntry::chooserPicksAndApplies() {
    auto* form = &m_main->dialogs().brush();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("画笔选择"));
    // Started from the candidate file beside the program, without a word.
    QCOMPARE(form->memoLines().first(), QStringLiteral("↖↗↘↙∈∏∑∕√∝∞∟∠∣∥∧∨∩∪∫∮"));
    QVERIFY(m_platform.messages.isEmpty());
    auto* b17 = button("SpeedButton17");
    QString shownAtOpen;
    // Opens the chooser, selects `length` characters of a memo line from `from` and releases the
    // mouse there, types `typed` if given, and closes with OK or Cancel.
    auto chooseBrush = [&](int line, int from, int length, const QString& typed, bool ok) {
        m_platform.onDialog = [&, line, from, length, typed, ok](QDialog&) {
            shownAtOpen = form->Edit1->text();
            if (length > 0) {
                QPlainTextEdit* memo = form->Memo1;
                QTextCursor c(memo->document()->findBlockByNumber(line));
                c.setPosition(c.position() + from);
                c.setPosition(c.position() + length, QTextCursor::KeepAnchor);
                memo->setTextCursor(c);
                QTest::mouseRelease(memo->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            }
            if (!typed.isNull()) form->Edit1->setText(typed);
            QTest::mouseClick(ok ? form->Button2 : form->Button1, Qt::LeftButton);
            return form->result();
        };
        b17->click();
    };
    // A pick taken, then Cancel: nothing changes.
    chooseBrush(2, 0, 3, QString(), false);
    QCOMPARE(shownAtOpen, QStringLiteral("画"));
    QCOMPARE(form->Edit1->text(), QStringLiteral("①")); // the first character of the selection
    QCOMPARE(b17->text(), QStringLiteral("画"));
    QCOMPARE(m_child->drawing().BrushText, QStringLiteral("画"));
    // Picked and confirmed: the palette and the active drawing take it.
    chooseBrush(0, 1, 1, QString(), true);
    QCOMPARE(b17->text(), QStringLiteral("↗"));
    QCOMPARE(m_child->drawing().BrushText, QStringLiteral("↗"));
    QCOMPARE(QByteArray(m_child->drawing().BrushBytes.data()), QByteArray("\xA8\x4A"));
    // One single-byte character: the missing byte is a space, so cells stay pairs.
    chooseBrush(0, 0, 0, QStringLiteral("a"), true);
    QCOMPARE(QByteArray(m_child->drawing().BrushBytes.data()), QByteArray("a "));
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.moveAndClick({0, 2});
    QCOMPARE(m_child->drawing().CurGrid.at(0, 2), CharCell::of('a', ' '));
    // Two drawings keep their own brushes: only the active one takes the new brush.
    TChildForm* second = m_main->createChild();
    QCOMPARE(second->drawing().BrushText, QStringLiteral("a"));
    m_main->mdiArea()->setActiveSubWindow(m_child);
    chooseBrush(0, 0, 0, QStringLiteral("中"), true);
    QCOMPARE(m_child->drawing().BrushText, QStringLiteral("中"));
    QCOMPARE(second->drawing().BrushText, QStringLiteral("a"));
    // With no drawing open, the palette keeps the brush for the next new drawing.
    markAllSaved();
    QVERIFY(closeAllDrawings());
    chooseBrush(0, 0, 0, QStringLiteral("画"), true);
    QCOMPARE(b17->text(), QStringLiteral("画"));
    QCOMPARE(m_main->createChild()->drawing().BrushText, QStringLiteral("画"));
}

void TestTextEntry::chooserTakesTypingAtOnce() {
    auto* form = &m_main->dialogs().brush();
    auto* b17 = button("SpeedButton17");
    // Opens the chooser and types into its window as the keyboard would: the keys go wherever the
    // focus is. A click on a button instead of typing, when `click` is given.
    auto open = [&](const QByteArray& typed, QPushButton* click = nullptr) {
        m_platform.onDialog = [&, typed, click](QDialog& d) {
            if (!QTest::qWaitForWindowActive(&d)) return int(QDialog::Rejected);
            if (click) {
                QTest::mouseClick(click, Qt::LeftButton);
                return d.result();
            }
            for (char c : typed) QTest::keyClick(d.windowHandle(), c);
            QTest::keyClick(d.windowHandle(), Qt::Key_Return);
            return d.result();
        };
        b17->click();
    };
    // The full box takes typing at once (its text selected), and Enter is OK.
    open("xy");
    QCOMPARE(b17->text(), QStringLiteral("xy"));
    QCOMPARE(m_child->drawing().BrushText, QStringLiteral("xy"));
    // After Cancel was clicked, the box has the keys again and Enter is still OK.
    open({}, form->Button1);
    QCOMPARE(b17->text(), QStringLiteral("xy"));
    open("#");
    QCOMPARE(b17->text(), QStringLiteral("#"));
    QCOMPARE(QByteArray(m_child->drawing().BrushBytes.data()), QByteArray("# "));
    // And after OK was clicked.
    open({}, form->Button2);
    open("ab");
    QCOMPARE(b17->text(), QStringLiteral("ab"));
}

void TestTextEntry::candidatesAreSavedAndReadBack() {
    QTemporaryDir dir;
    auto saveFrom = [&](const QStringList& lines) {
        auto* form = &m_main->dialogs().brush();
        bool stayedOpen = false;
        m_platform.onDialog = [&](QDialog&) {
            form->Memo1->setPlainText(lines.join(QLatin1Char('\n')));
            QTest::mouseClick(form->Button3, Qt::LeftButton);
            stayedOpen = form->isVisible();
            QTest::mouseClick(form->Button1, Qt::LeftButton);
            return form->result();
        };
        button("SpeedButton17")->click();
        return stayedOpen;
    };
    auto nextRun = [&] {
        m_platform.messages.clear();
        startAgain();
        return m_main->dialogs().brush().memoLines();
    };
    const QStringList defaults{QStringLiteral("↖↗↘↙∈∏∑∕√∝∞∟∠∣∥∧∨∩∪∫∮"),
                               QStringLiteral("∴∵∶∷∽≈≌≒≠≡≤≥≦≧≮≯⊕⊙⊥⊿⌒"), QStringLiteral("①②③④⑤⑥⑦⑧⑨⑩⑴⑵⑶⑷")};

    // A program folder without the file: one message, and the default lines.
    m_platform.programDirectory = dir.filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(m_platform.programDirectory));
    QCOMPARE(nextRun(), defaults);
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("pentext.txt")));
    // Saved beside the program as GBK with CR LF, and read back at the next start.
    QVERIFY(saveFrom({QStringLiteral("★☆"), QStringLiteral("ab")}));
    QFile saved(m_platform.programDirectory + QStringLiteral("/pentext.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("\xA1\xEF\xA1\xEE\r\nab\r\n"));
    saved.close();
    QCOMPARE(nextRun(), (QStringList{QStringLiteral("★☆"), QStringLiteral("ab")}));
    QVERIFY(m_platform.messages.isEmpty());

    // A failed save says so, and the dialog stays open with its contents.
    QVERIFY(QFile::remove(saved.fileName()));
    QVERIFY(QDir().mkpath(saved.fileName())); // a folder where the file should go
    m_platform.messages.clear();
    QVERIFY(saveFrom({QStringLiteral("lost?")}));
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].kind, MessageKind::Error);
    QCOMPARE(m_main->dialogs().brush().memoLines(), QStringList{QStringLiteral("lost?")});

    // An installed program whose folder cannot be written: the user's own copy instead.
    m_platform.programDirectory = dir.filePath(QStringLiteral("readonly/missing"));
    m_platform.userDirectory = dir.filePath(QStringLiteral("user"));
    nextRun();
    m_platform.messages.clear();
    QVERIFY(saveFrom({QStringLiteral("mine")}));
    QVERIFY(m_platform.messages.isEmpty());
    QVERIFY(QFile::exists(m_platform.userDirectory + QStringLiteral("/pentext.txt")));
    QCOMPARE(nextRun(), QStringList{QStringLiteral("mine")});
    QVERIFY(m_platform.messages.isEmpty());
}

void TestTextEntry::candidatesAreNotSavedThroughSomeoneElsesLink() {
    // A program folder others can write: a link left at pentext.txt is not written through.
    if (::geteuid() != 0) QSKIP("making a link in another user's name takes root");
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("victim.txt"));
    QFile file(victim);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("the user's own words");
    file.close();
    m_platform.programDirectory = dir.filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(m_platform.programDirectory));
    const QString planted = m_platform.programDirectory + QStringLiteral("/pentext.txt");
    QVERIFY(QFile::link(victim, planted));
    QCOMPARE(::lchown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
    startAgain();
    m_platform.messages.clear();
    auto* form = &m_main->dialogs().brush();
    m_platform.onDialog = [&](QDialog&) {
        form->Memo1->setPlainText(QStringLiteral("★☆"));
        QTest::mouseClick(form->Button3, Qt::LeftButton);
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        return form->result();
    };
    button("SpeedButton17")->click();
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].kind, MessageKind::Error);
    QVERIFY(m_platform.messages[0].text.startsWith(QStringLiteral("无法保存画笔候选字符文件")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("the user's own words"));
}

QTEST_MAIN(TestTextEntry)
#include "tst_textentry.moc"
