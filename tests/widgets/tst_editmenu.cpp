// The select tool driven by real mouse events on the canvas, and the Edit menu,
// its shortcuts and the toolbar's Cut, Copy and Paste through the main window.
#include "GridText.h"
#include "MainWindowFixture.h"
#include "core/model/UndoStep.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/document/CanvasWidget.h"
#include "ui/document/TChildForm.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>

class TestEditMenu : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void selectAndDragWithTheMouse();
    void editMenuEnablingAndCaptions();
    void toolbarAndShortcuts();
    void undoDepthIsChosenAndRemembered();

private:
    // The Edit menu's commands as they show when it opens: each item's caption, and "-" for a
    // disabled one (the undo depth submenu aside).
    QString editMenu();

    TChildForm* m_child = nullptr;
};

void TestEditMenu::initTestCase() {
    setupApplication(*qApp);
}

void TestEditMenu::init() {
    QVERIFY(start());
    m_child = m_main->activeChild();
    m_child->drawing().GridWidth = 6;
    m_child->drawing().GridHeight = 4;
    m_child->drawing().ReDrawAll();
}

void TestEditMenu::cleanup() {
    finish();
}

QString TestEditMenu::editMenu() {
    QMenu* edit = menu("E1");
    Q_EMIT edit->aboutToShow();
    QStringList items;
    for (QAction* a : edit->actions())
        if (!a->isSeparator() && !a->menu()) items << (a->isEnabled() ? a->text() : QStringLiteral("-"));
    Q_EMIT edit->aboutToHide();
    return items.join(QLatin1Char(' '));
}

void TestEditMenu::selectAndDragWithTheMouse() {
    setGridText(m_child->drawing().CurGrid, QStringLiteral("AABB\nCCDD"));
    m_child->drawing().ReDrawAll();
    const QImage before = m_child->canvas().picture();
    // The select tool's arrow points from its top-left pixel: the cell centres themselves.
    m_mouse.stroke({{0, 0}, {1, 1}, {2, 2}});
    QCOMPARE(m_child->drawing().selection.SelRect, (CellRect{0, 0, 2, 2}));
    QCOMPARE(m_main->statusText(),
             QStringLiteral("如果拖动时想保留原来位置的内容，请在刚开始拖动时按住Ctrl键"));
    // The frame is blue on the canvas and on screen; the band left nothing behind.
    const QImage framed = m_child->canvas().picture();
    QVERIFY(framed.pixel(10, 0) == qRgb(0, 0, 255) || framed.pixel(10, 1) == qRgb(0, 0, 255));
    QVERIFY(framed.pixel(35, 10) == qRgb(0, 0, 255) || framed.pixel(36, 10) == qRgb(0, 0, 255));
    QCOMPARE(framed.pixel(60, 60), before.pixel(60, 60));

    // Ctrl at the press leaves a copy; Alt at the release makes the block see-through.
    m_mouse.stroke({{1, 1}, {2, 2}, {3, 2}}, Qt::ControlModifier, Qt::AltModifier);
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("区域拖动"));
    QCOMPARE(m_child->drawing().selection.PasteActive, true);
    QCOMPARE(m_child->drawing().selection.PasteTransparent, true);
    QCOMPARE(m_child->drawing().selection.SelRect, (CellRect{2, 1, 4, 3}));
    QCOMPARE(gridText(m_child->drawing().CurGrid, 6, 3),
             QStringLiteral("AABB        \nCCDD        \n            "));
    QCOMPARE(gridText(m_child->drawing().ShownGrid, 6, 3),
             QStringLiteral("AABB        \nCCDDAABB    \n    CCDD    "));
    // A press outside with the select tool commits it and starts a new band.
    m_mouse.stroke({{5, 0}, {5, 0}, {5, 0}});
    QCOMPARE(m_child->drawing().selection.PasteActive, false);
    QCOMPARE(m_child->drawing().selection.SelRect, CellRect{});
    QCOMPARE(gridText(m_child->drawing().CurGrid, 6, 3),
             QStringLiteral("AABB        \nCCDDAABB    \n    CCDD    "));
    QVERIFY(m_child->drawing().ShownGrid.sameArea(m_child->drawing().CurGrid, 6, 4));
}

void TestEditMenu::editMenuEnablingAndCaptions() {
    // Nothing selected, nothing on the clipboard.
    QCOMPARE(editMenu(), QStringLiteral("- - - - - - 全选(&A) - 清空(&L)"));
    m_platform.clipboard = QStringLiteral("xy");
    QCOMPARE(editMenu(), QStringLiteral("- - - - 粘贴(&P) - 全选(&A) - 清空(&L)"));
    action("A1")->trigger();
    QCOMPARE(m_child->drawing().selection.SelRect, (CellRect{0, 0, 6, 4}));
    QCOMPARE(editMenu(),
             QStringLiteral("- - 剪切(&T) 复制(&C) 粘贴(&P) 删除(&D) 全选(&A) 不选(&N) 清空(&L)"));
    action("C1")->trigger();
    QCOMPARE(editMenu(), QStringLiteral("撤消剪切(&U) - - - 粘贴(&P) - 全选(&A) - 清空(&L)"));
    action("U1")->trigger();
    QCOMPARE(editMenu(), QStringLiteral("- 重复剪切(&R) - - 粘贴(&P) - 全选(&A) - 清空(&L)"));
    action("N26")->trigger();
    QCOMPARE(editMenu(), QStringLiteral("撤消剪切(&U) - - - 粘贴(&P) - 全选(&A) - 清空(&L)"));
    // A floating block counts as a selection.
    QCOMPARE(m_platform.clipboard, QStringLiteral("            \r\n").repeated(4)); // what Cut took
    m_platform.clipboard = QStringLiteral("xy");
    action("P1")->trigger();
    QCOMPARE(editMenu(),
             QStringLiteral("撤消粘贴(&U) - 剪切(&T) 复制(&C) 粘贴(&P) 删除(&D) 全选(&A) 不选(&N) 清空(&L)"));
    action("N27")->trigger();
    QCOMPARE(gridText(m_child->drawing().CurGrid, 1, 1), QStringLiteral("xy"));
    // No drawing at all: everything disabled, the plain captions.
    markAllSaved();
    QVERIFY(closeAllDrawings());
    QCOMPARE(editMenu(), QStringLiteral("- - - - - - - - -"));
    QCOMPARE(action("U1")->text(), QStringLiteral("撤消(&U)"));
    QCOMPARE(action("N26")->text(), QStringLiteral("重复(&R)"));
}

void TestEditMenu::toolbarAndShortcuts() {
    QVERIFY(activate());
    QWidget* canvas = m_child->Image1;
    canvas->setFocus();
    setGridText(m_child->drawing().CurGrid, QStringLiteral("ab中"));
    m_child->drawing().ReDrawAll();
    // The toolbar's Cut with nothing selected still takes its snapshot; the menu's shortcut does nothing.
    QTest::keyClick(canvas, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(m_child->drawing().undo.UndoState, UndoStep::State::Nothing);
    button("SpeedButton9")->click();
    QCOMPARE(m_child->drawing().undo.UndoState, UndoStep::State::CanUndo);
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("剪切"));
    QCOMPARE(gridText(m_child->drawing().CurGrid, 2, 1), QStringLiteral("ab中"));
    // Ctrl+A, Ctrl+C, then Del; Ctrl+V brings the cells back as a block.
    QTest::keyClick(canvas, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(canvas, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(m_platform.clipboard.startsWith(QStringLiteral("ab中　　")));
    QCOMPARE(m_platform.clipboard.count(QStringLiteral("\r\n")), 4);
    QTest::keyClick(canvas, Qt::Key_Delete);
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("删除"));
    QCOMPARE(gridText(m_child->drawing().CurGrid, 2, 1), QStringLiteral("    "));
    QTest::keyClick(canvas, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("粘贴"));
    QCOMPARE(gridText(m_child->drawing().ShownGrid, 2, 1), QStringLiteral("ab中"));
    QCOMPARE(gridText(m_child->drawing().CurGrid, 2, 1), QStringLiteral("    "));
    // The toolbar's Copy and Paste call the same commands.
    m_platform.clipboard.clear();
    button("SpeedButton8")->click();
    QVERIFY(m_platform.clipboard.startsWith(QStringLiteral("ab中")));
    button("SpeedButton7")->click(); // the select tool is current: the old block is written
    QCOMPARE(gridText(m_child->drawing().CurGrid, 2, 1), QStringLiteral("ab中"));
    // With no drawing, the toolbar buttons do nothing.
    markAllSaved();
    QVERIFY(closeAllDrawings());
    m_platform.clipboard = QStringLiteral("keep");
    for (const char* b : {"SpeedButton9", "SpeedButton8", "SpeedButton7"}) button(b)->click();
    QCOMPARE(m_platform.clipboard, QStringLiteral("keep"));
    QVERIFY(m_main->children().isEmpty());
}

void TestEditMenu::undoDepthIsChosenAndRemembered() {
    // The submenu after Repeat: the classic single step checked at first.
    QMenu* edit = menu("E1");
    const QList<QAction*> items = edit->actions();
    const qsizetype repeatAt = items.indexOf(action("N26"));
    QCOMPARE(items.value(repeatAt + 1)->menu(), menu("UndoDepth1"));
    QCOMPARE(items.value(repeatAt + 1)->text(), QStringLiteral("撤消步数"));
    QStringList captions;
    for (QAction* a : menu("UndoDepth1")->actions()) captions << a->text() + (a->isChecked() ? "*" : "");
    QCOMPARE(captions, QStringList({"1（经典）*", "10", "100"}));
    QCOMPARE(UndoStep::depth(), 1);

    // Ten steps: two operations undone one after the other, the second can be repeated.
    action("UndoDepth10")->trigger();
    QVERIFY(!action("UndoDepthClassic")->isChecked());
    Drawing& d = m_child->drawing();
    setGridText(d.CurGrid, QStringLiteral("ab"));
    action("A1")->trigger();  // Select all
    editMenu();               // the menu opens: Delete is enabled, as there is a selection now
    action("L1")->trigger();  // Delete: 删除
    action("N21")->trigger(); // Clear: 清空
    QCOMPARE(editMenu().section(QLatin1Char(' '), 0, 1), QStringLiteral("撤消清空(&U) -"));
    action("U1")->trigger();
    QCOMPARE(editMenu().section(QLatin1Char(' '), 0, 1), QStringLiteral("撤消删除(&U) 重复清空(&R)"));
    action("U1")->trigger();
    QCOMPARE(gridText(d.CurGrid, 1, 1), QStringLiteral("ab"));

    // Remembered for the next run.
    QVERIFY(restart());
    QVERIFY(action("UndoDepth10")->isChecked());
    QCOMPARE(UndoStep::depth(), 10);
    action("UndoDepthClassic")->trigger();
    QCOMPARE(UndoStep::depth(), 1);
}

QTEST_MAIN(TestEditMenu)
#include "tst_editmenu.moc"
