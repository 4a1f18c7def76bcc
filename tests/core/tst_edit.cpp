// The select tool, the floating block and the Edit commands on a bare drawing:
// pointer events with their modifiers, the clipboard text, and the pastes.
#include "CanvasDrawing.h"
#include "GridText.h"
#include "MemoryPlatform.h"
#include "core/commands/EditCommands.h"
#include "core/commands/PlaceBlock.h"
#include "core/commands/UndoRepeat.h"
#include "core/text/ClipboardText.h"

#include <QTest>

namespace {

constexpr ToolId kSelect = ToolId::Select;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const Qt::KeyboardModifiers kAlt = Qt::AltModifier;

QString rows(const CharGrid& g, int w, int h) {
    return gridText(g, w, h);
}

QString lines(std::initializer_list<const char*> rs) {
    QStringList out;
    for (const char* r : rs) out << QString::fromUtf8(r);
    return out.join(QLatin1Char('\n'));
}

// A drawing with text in it, repainted.
void fill(CanvasDrawing& d, const char* text) {
    setGridText(d.CurGrid, QString::fromUtf8(text));
    d.ReDrawAll();
}

// "AABB" over "CCDD" with the cell AA selected, lifted and dropped at `to` to float there.
void floatAA(CanvasDrawing& d, QPoint to, Qt::KeyboardModifiers atRelease = {}) {
    fill(d, "AABB\nCCDD");
    d.stroke(kSelect, {{0, 0}, {1, 1}, {1, 1}});
    d.hover(kSelect, {0, 0});
    d.press(kSelect, {0, 0});
    d.drag(kSelect, to);
    d.release(kSelect, to, Qt::LeftButton, atRelease);
}

} // namespace

class TestEdit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rubberBandSelects();
    void liftMoveAndCopy();
    void altDecidesTransparencyAtTheRelease();
    void blocksPastTheEdgesComeBack();
    void copyAndCutText();
    void cutAndDeleteWithNothingSelected();
    void floatingBlockCommands();
    void flowPastes();
    void blockPastes();
    void pasteWhileABlockFloats();
    void transparentCommitKeepsTheGrid();
    void copyThenPasteGivesTheCellsBack();
    void undoRightAfterPaste();
    void foreignClipboardText();
    void toolCommitsNeverWriteTheBlock();
    void replacedBlocksAreCommitted();
    void blocksNeverSplitACharacter();
    void theWholeClipboardDecides();
};

void TestEdit::rubberBandSelects() {
    CanvasDrawing d(10, 10);
    const QImage blank = d.canvas().picture();
    // Press and release in one cell, or along one row or column: no selection.
    d.stroke(kSelect, {{2, 2}});
    QCOMPARE(d.selection.SelRect, CellRect{});
    d.stroke(kSelect, {{2, 2}, {4, 4}, {6, 2}});
    QCOMPARE(d.selection.SelRect, CellRect{});
    QVERIFY(d.canvas().picture() == blank); // the band was erased and no frame drawn
    QCOMPARE(d.tools.banding(), false);
    // While the band is out, the canvas shows it.
    d.hover(kSelect, {2, 3});
    d.press(kSelect, {2, 3});
    d.drag(kSelect, {5, 7});
    QVERIFY(d.canvas().picture() != blank);
    QCOMPARE(d.tools.banding(), true);
    d.release(kSelect, {5, 7});
    QCOMPARE(d.selection.SelRect, (CellRect{2, 3, 5, 7})); // columns 2..4, rows 3..6
    QCOMPARE(d.status, QStringLiteral("如果拖动时想保留原来位置的内容，请在刚开始拖动时按住Ctrl键"));
    QCOMPARE(d.undo.UndoState, UndoStep::State::Nothing);
    // Dragged up and left: the release cell's column and row are in, the pressed cell's out.
    d.stroke(kSelect, {{6, 8}, {3, 3}, {1, 2}});
    QCOMPARE(d.selection.SelRect, (CellRect{1, 2, 6, 8}));
    // Dragged far past the corner: the band reaches the last column and row but holds neither.
    CanvasDrawing e(10, 10);
    e.hover(kSelect, {1, 1});
    e.press(kSelect, {1, 1});
    e.tools.move({3000, 3000}, Qt::LeftButton, {});
    e.tools.release({3000, 3000}, Qt::LeftButton, {});
    QCOMPARE(e.selection.SelRect, (CellRect{1, 1, 9, 9}));
}

void TestEdit::liftMoveAndCopy() {
    CanvasDrawing d(6, 4);
    fill(d, "AABBCC\nDDEEFF");
    const QString base = lines({"AABBCC      ", "DDEEFF      ", "            ", "            "});
    d.stroke(kSelect, {{0, 0}, {1, 1}, {2, 2}});
    QCOMPARE(d.selection.SelRect, (CellRect{0, 0, 2, 2}));
    // A press on column Right and row Bottom is inside: it lifts rather than starting a band.
    const int changes = d.ChangeCount;
    d.press(kSelect, {2, 2});
    QCOMPARE(d.selection.PasteActive, true);
    QCOMPARE(d.undo.UndoName, QStringLiteral("区域拖动"));
    QCOMPARE(d.ChangeCount, changes + 1);
    QCOMPARE(d.status, QStringLiteral("如果要让拖动内容和底图以透明的方式合并，请在拖动过程中按“Alt”键"));
    QCOMPARE(rows(d.undo.UndoGrid, 6, 4), base);
    QCOMPARE(d.selection.PasteLines, (QList<QByteArray>{"AABB", "DDEE"}));
    // The block follows the pointer; between events the drawing holds only the hole it left.
    const QString hole = lines({"    CC      ", "    FF      ", "            ", "            "});
    for (QPoint p : {QPoint(3, 2), QPoint(4, 3), QPoint(5, 3)}) {
        d.drag(kSelect, p);
        QCOMPARE(rows(d.CurGrid, 6, 4), hole);
    }
    QCOMPARE(rows(d.ShownGrid, 6, 4),
             lines({"    CC      ", "    FFAABB  ", "      DDEE  ", "            "}));
    d.release(kSelect, {5, 3});
    QCOMPARE(d.selection.SelRect, (CellRect{3, 1, 5, 3}));
    QCOMPARE(rows(d.CurGrid, 6, 4), hole);
    QCOMPARE(rows(d.ShownGrid, 6, 4),
             lines({"    CC      ", "    FFAABB  ", "      DDEE  ", "            "}));
    // A press with another tool commits it where it is shown.
    d.hover(ToolId::Pencil, {0, 3});
    d.press(ToolId::Pencil, {0, 3});
    d.release(ToolId::Pencil, {0, 3});
    QCOMPARE(d.selection.PasteActive, false);
    QCOMPARE(d.selection.SelRect, CellRect{});
    QCOMPARE(rows(d.CurGrid, 6, 4), lines({"    CC      ", "    FFAABB  ", "      DDEE  ", "画          "}));

    // Ctrl at the lift leaves a copy behind; Ctrl during the drag changes nothing.
    CanvasDrawing c(6, 4);
    fill(c, "AABBCC\nDDEEFF");
    c.stroke(kSelect, {{0, 0}, {1, 1}, {2, 2}});
    c.hover(kSelect, {1, 1});
    c.press(kSelect, {1, 1}, Qt::LeftButton, kCtrl);
    c.drag(kSelect, {3, 2}, kCtrl);
    c.release(kSelect, {3, 2});
    edit::selectNone(c);
    QCOMPARE(rows(c.CurGrid, 6, 4), lines({"AABBCC      ", "DDEEAABB    ", "    DDEE    ", "            "}));
    CanvasDrawing m(6, 4);
    fill(m, "AABBCC\nDDEEFF");
    m.stroke(kSelect, {{0, 0}, {1, 1}, {2, 2}});
    m.hover(kSelect, {1, 1});
    m.press(kSelect, {1, 1});
    m.drag(kSelect, {3, 2}, kCtrl);
    m.release(kSelect, {3, 2}, Qt::LeftButton, kCtrl);
    edit::selectNone(m);
    QCOMPARE(rows(m.CurGrid, 6, 4), lines({"    CC      ", "    AABB    ", "    DDEE    ", "            "}));
}

void TestEdit::altDecidesTransparencyAtTheRelease() {
    CanvasDrawing d(4, 3);
    fill(d, "AA  \n  BB");
    d.stroke(kSelect, {{0, 0}, {1, 1}, {2, 2}});
    d.hover(kSelect, {0, 0});
    d.press(kSelect, {0, 0});
    // The lifted cells become blank; write something under where the block will go.
    setGridText(d.CurGrid, QStringLiteral("    xxxx\n    xxxx"));
    d.ReDraw();
    d.drag(kSelect, {2, 0}, kAlt); // Alt while dragging: the block's blank cells show the drawing
    QCOMPARE(rows(d.ShownGrid, 4, 2), QStringLiteral("    AAxx\n    xxBB"));
    d.drag(kSelect, {2, 1}); // without Alt: opaque
    d.drag(kSelect, {2, 0});
    QCOMPARE(rows(d.ShownGrid, 4, 2), QStringLiteral("    AA  \n      BB"));
    d.release(kSelect, {2, 0}); // released without Alt: opaque
    QCOMPARE(d.selection.PasteTransparent, false);
    QCOMPARE(rows(d.ShownGrid, 4, 2), QStringLiteral("    AA  \n      BB"));
    // A click inside without moving leaves the block where it is, with Alt at the release deciding again.
    d.press(kSelect, {3, 1});
    d.release(kSelect, {3, 1}, Qt::LeftButton, kAlt);
    QCOMPARE(d.selection.SelRect, (CellRect{2, 0, 4, 2}));
    QCOMPARE(d.selection.PasteTransparent, true);
    QCOMPARE(rows(d.ShownGrid, 4, 2), QStringLiteral("    AAxx\n    xxBB"));
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("    xxxx\n    xxxx"));
    edit::selectNone(d);
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("    AAxx\n    xxBB"));
}

void TestEdit::blocksPastTheEdgesComeBack() {
    CanvasDrawing d(4, 3);
    fill(d, "AABB\nCCDD");
    d.stroke(kSelect, {{0, 0}, {1, 1}, {2, 2}});
    d.hover(kSelect, {1, 1});
    d.press(kSelect, {1, 1});
    d.drag(kSelect, {0, 0});
    d.release(kSelect, {0, 0});
    QCOMPARE(d.selection.SelRect, (CellRect{-1, -1, 1, 1})); // kept beyond the edges
    QCOMPARE(rows(d.ShownGrid, 4, 3), QStringLiteral("DD      \n        \n        "));
    // Pressed inside (the drawing's corner), dragged back: the hidden cells reappear.
    d.press(kSelect, {0, 0});
    d.drag(kSelect, {1, 1});
    QCOMPARE(rows(d.ShownGrid, 4, 3), QStringLiteral("AABB    \nCCDD    \n        "));
    d.drag(kSelect, {2, 2});
    d.release(kSelect, {2, 2});
    QCOMPARE(d.selection.SelRect, (CellRect{1, 1, 3, 3}));
    QCOMPARE(rows(d.ShownGrid, 4, 3), QStringLiteral("        \n  AABB  \n  CCDD  "));
    // A right-button click moves the block by the distance from the last left press.
    d.press(kSelect, {2, 2});
    d.release(kSelect, {2, 2});
    d.press(kSelect, {1, 2}, Qt::RightButton);
    d.release(kSelect, {1, 2}, Qt::RightButton);
    QCOMPARE(d.selection.SelRect, (CellRect{0, 1, 2, 3}));
    QCOMPARE(rows(d.ShownGrid, 4, 3), QStringLiteral("        \nAABB    \nCCDD    "));
    QCOMPARE(rows(d.CurGrid, 4, 3), QStringLiteral("        \n        \n        "));
}

void TestEdit::copyAndCutText() {
    MemoryPlatform p;
    CanvasDrawing d(6, 3);
    fill(d, "ab  中\na  b");
    d.selection.SelRect = {0, 0, 3, 1};
    edit::copy(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("ab　中\r\n"));
    QCOMPARE(d.undo.UndoState, UndoStep::State::Nothing);
    QCOMPARE(d.selection.SelRect, (CellRect{0, 0, 3, 1}));
    // The pairing runs byte by byte across cells: "a " then " b" gives a, 　, b.
    d.selection.SelRect = {0, 0, 2, 2};
    edit::copy(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("ab　\r\na　b\r\n"));
    // A row of four blank cells: four ideographic spaces copied, eight spaces cut.
    d.selection.SelRect = {2, 2, 6, 3};
    edit::copy(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("　　　　\r\n"));
    edit::cut(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("        \r\n"));
    // Cut leaves the cells blank and the selection gone.
    d.selection.SelRect = {0, 0, 3, 1};
    edit::cut(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("ab  中\r\n"));
    QCOMPARE(rows(d.CurGrid, 6, 2), QStringLiteral("            \na  b        "));
    QCOMPARE(rows(d.ShownGrid, 6, 2), QStringLiteral("            \na  b        "));
    QCOMPARE(d.selection.SelRect, CellRect{});
    QCOMPARE(d.undo.UndoName, QStringLiteral("剪切"));
    // A zero byte ends its line.
    d.CurGrid.at(1, 1) = CharCell::of('z', 0);
    d.selection.SelRect = {0, 1, 3, 2};
    edit::copy(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("a z\r\n"));
}

void TestEdit::cutAndDeleteWithNothingSelected() {
    MemoryPlatform p;
    p.clipboard = QStringLiteral("keep");
    CanvasDrawing d(4, 2);
    fill(d, "abcd");
    for (auto [name, run] :
         {std::pair<QString, std::function<void()>>{QStringLiteral("剪切"), [&] { edit::cut(d, p); }},
          {QStringLiteral("删除"), [&] { edit::remove(d); }}}) {
        d.selection.SelRect = {7, 0, 9, 2}; // beyond the drawing: nothing to act on
        const int changes = d.ChangeCount;
        run();
        QCOMPARE(d.undo.UndoState, UndoStep::State::CanUndo);
        QCOMPARE(d.undo.UndoName, name);
        QCOMPARE(d.ChangeCount, changes + 1);
        QCOMPARE(d.selection.SelRect, (CellRect{7, 0, 9, 2}));
        QCOMPARE(rows(d.CurGrid, 4, 1), QStringLiteral("abcd    "));
        QCOMPARE(p.clipboard, QStringLiteral("keep"));
    }
    d.selection.SelRect = {};
    edit::copy(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("keep"));
    // Delete of a selection blanks it without touching the clipboard.
    d.selection.SelRect = {1, 0, 2, 1};
    edit::remove(d);
    QCOMPARE(rows(d.CurGrid, 4, 1), QStringLiteral("ab      "));
    QCOMPARE(p.clipboard, QStringLiteral("keep"));
}

void TestEdit::floatingBlockCommands() {
    MemoryPlatform p;
    CanvasDrawing d(4, 2);
    fill(d, "AABB\nCCDD");
    auto lift = [&] {
        d.stroke(kSelect, {{0, 0}, {1, 1}, {1, 1}});
        d.hover(kSelect, {0, 0});
        d.press(kSelect, {0, 0}, Qt::LeftButton, kCtrl);
        d.drag(kSelect, {2, 0});
        d.release(kSelect, {2, 0});
        QCOMPARE(d.selection.PasteActive, true);
    };
    lift();
    // Copy takes the block's lines and leaves it floating.
    edit::copy(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("AA\r\n"));
    QCOMPARE(d.selection.PasteActive, true);
    // Cut takes them too, and the block is gone; the cells under it stay as they were.
    edit::cut(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("AA\r\n"));
    QCOMPARE(d.selection.PasteActive, false);
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("AABB    \nCCDD    "));
    QCOMPARE(rows(d.ShownGrid, 4, 2), QStringLiteral("AABB    \nCCDD    "));
    // Select all commits a floating block first; then Cut acts on the whole drawing.
    lift();
    edit::selectAll(d);
    QCOMPARE(d.selection.PasteActive, false);
    QCOMPARE(d.selection.SelRect, (CellRect{0, 0, 4, 2}));
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("AABBAA  \nCCDD    "));
    edit::cut(d, p);
    QCOMPARE(p.clipboard, QStringLiteral("AABBAA  \r\nCCDD    \r\n"));
    // Clear drops a floating block unwritten.
    fill(d, "AABB\nCCDD");
    lift();
    edit::clear(d);
    QCOMPARE(d.selection.PasteActive, false);
    QCOMPARE(d.selection.SelRect, CellRect{});
    QCOMPARE(d.undo.UndoName, QStringLiteral("清空"));
    QCOMPARE(rows(d.ShownGrid, 4, 2), QStringLiteral("        \n        "));
    // Undo of a lift-and-drop commits the block, then brings back the drawing from before the lift.
    fill(d, "AABB\nCCDD");
    lift();
    undoLastOperation(d);
    d.ReDrawAll();
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("AABB    \nCCDD    "));
    repeatLastOperation(d);
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("AABBAA  \nCCDD    "));
}

void TestEdit::flowPastes() {
    MemoryPlatform p;
    CanvasDrawing d(8, 5);
    p.clipboard = QStringLiteral("Hello world\r\nHi\r\n");
    edit::paste(d, p);
    QCOMPARE(d.selection.SelRect, (CellRect{0, 0, 5, 3}));
    QCOMPARE(d.selection.PasteActive, true);
    QCOMPARE(d.undo.UndoName, QStringLiteral("粘贴"));
    QCOMPARE(rows(d.ShownGrid, 5, 3), lines({"Hello worl", "d         ", "Hi        "}));
    QCOMPARE(rows(d.CurGrid, 8, 5), rows(CharGrid(), 8, 5)); // floating, not in the drawing
    QCOMPARE(d.selection.PasteLines, (QList<QByteArray>{"Hello worl", "d         ", "Hi        "}));

    CanvasDrawing e(3, 4);
    p.clipboard = QStringLiteral("ab\nc");
    edit::paste(e, p);
    QCOMPARE(e.selection.SelRect, (CellRect{0, 0, 1, 3}));
    QCOMPARE(rows(e.ShownGrid, 1, 3), lines({"ab", "  ", "c "}));

    // A single-byte character before a double-byte one gets a cell of its own.
    CanvasDrawing f(3, 5);
    p.clipboard = QStringLiteral("a中\r\nx");
    edit::paste(f, p);
    QCOMPARE(f.selection.SelRect, (CellRect{0, 0, 1, 4}));
    QCOMPARE(rows(f.ShownGrid, 1, 4), lines({"a ", "中", "  ", "x "}));

    // More rows than the drawing has: cut off at its last row.
    CanvasDrawing g(2, 2);
    p.clipboard = QStringLiteral("aaaa\nb\ncccc\n");
    edit::paste(g, p);
    QCOMPARE(g.selection.SelRect, (CellRect{0, 0, 2, 2}));
    QCOMPARE(rows(g.ShownGrid, 2, 2), lines({"aaaa", "    "})); // the wrap after a full line leaves a row
}

void TestEdit::blockPastes() {
    MemoryPlatform p;
    // Every line three bytes long, but a block one cell wide would split the character: flowed.
    CanvasDrawing d(3, 3);
    p.clipboard = QStringLiteral("a中\r\na中\r\n");
    edit::paste(d, p);
    QCOMPARE(d.selection.SelRect, (CellRect{0, 0, 1, 3}));
    edit::selectNone(d);
    QCOMPARE(rows(d.CurGrid, 2, 3), lines({"a   ", "中  ", "    "})); // a full row, then the next line

    // Odd lengths lose their last byte; lines longer than the drawing are kept whole in the block.
    CanvasDrawing e(3, 2);
    p.clipboard = QStringLiteral("abcdefghi\r\nABCDEFGHI\r\n123456789\r\n");
    edit::paste(e, p);
    QCOMPARE(e.selection.SelRect, (CellRect{0, 0, 3, 2}));
    QCOMPARE(rows(e.ShownGrid, 3, 2), lines({"abcdef", "ABCDEF"}));
    QCOMPARE(e.selection.PasteLines.size(), 3);
    QCOMPARE(e.selection.PasteLines[0], QByteArray("abcdefghi"));
    // Dragged left, the columns beyond the edge come into view, and never the odd byte.
    e.hover(kSelect, {2, 1});
    e.press(kSelect, {2, 1});
    e.drag(kSelect, {0, 0});
    e.release(kSelect, {0, 0});
    QCOMPARE(e.selection.SelRect, (CellRect{-2, -1, 1, 1}));
    QCOMPARE(rows(e.ShownGrid, 3, 2), lines({"EF    ", "      "}));
    // A single-byte block would have no width: it is pasted as one padded cell.
    CanvasDrawing f(2, 2);
    p.clipboard = QStringLiteral("x");
    edit::paste(f, p);
    QCOMPARE(f.selection.SelRect, (CellRect{0, 0, 1, 1}));
    QCOMPARE(rows(f.ShownGrid, 2, 1), QStringLiteral("x   "));
    // Only line ends: nothing to paste, no undo step.
    CanvasDrawing g(2, 2);
    p.clipboard = QStringLiteral("\r\n\r\n");
    edit::paste(g, p);
    QCOMPARE(g.undo.UndoState, UndoStep::State::Nothing);
    QCOMPARE(g.selection.PasteActive, false);
}

void TestEdit::pasteWhileABlockFloats() {
    MemoryPlatform p;
    CanvasDrawing d(4, 2);
    p.clipboard = QStringLiteral("XX\r\n");
    edit::paste(d, p);
    d.hover(kSelect, {0, 0});
    d.press(kSelect, {0, 0});
    d.drag(kSelect, {2, 1});
    d.release(kSelect, {2, 1});
    // With the select tool current, the old block is written where it floats.
    p.clipboard = QStringLiteral("YY\r\n");
    edit::paste(d, p);
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("        \n    XX  "));
    QCOMPARE(rows(d.ShownGrid, 4, 2), QStringLiteral("YY      \n    XX  "));
    // With another tool too: a block the new one replaces is never thrown away.
    p.clipboard = QStringLiteral("ZZ\r\n");
    edit::paste(d, p);
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("YY      \n    XX  "));
    QCOMPARE(rows(d.ShownGrid, 4, 2), QStringLiteral("ZZ      \n    XX  "));
    QCOMPARE(d.selection.PasteTransparent, false);
}

void TestEdit::transparentCommitKeepsTheGrid() {
    MemoryPlatform p;
    CanvasDrawing d(4, 1);
    fill(d, "xxxxxxxx");
    // An ideographic space from the clipboard is a blank cell of the block, and see-through.
    p.clipboard = QStringLiteral("A　B\r\n");
    edit::paste(d, p);
    QCOMPARE(rows(d.ShownGrid, 4, 1), QStringLiteral("A  Bxxxx"));
    d.hover(kSelect, {0, 0});
    d.press(kSelect, {0, 0});
    d.release(kSelect, {0, 0}, Qt::LeftButton, kAlt);
    QCOMPARE(d.selection.PasteTransparent, true);
    // Judged by the first byte: "A " is written whole, " B" left out whole.
    QCOMPARE(rows(d.ShownGrid, 4, 1), QStringLiteral("A xxxxxx"));
    edit::selectNone(d);
    QCOMPARE(rows(d.CurGrid, 4, 1), QStringLiteral("A xxxxxx"));
}

void TestEdit::copyThenPasteGivesTheCellsBack() {
    MemoryPlatform p;
    CanvasDrawing d(6, 2);
    const QString art = QStringLiteral("啊。ab  \n中a  b ");
    setGridText(d.CurGrid, art);
    d.ReDrawAll();
    d.selection.SelRect = {0, 0, 5, 2};
    edit::copy(d, p);
    CanvasDrawing e(6, 2);
    edit::paste(e, p);
    edit::selectNone(e);
    QCOMPARE(rows(e.CurGrid, 5, 2), rows(d.CurGrid, 5, 2));
    QCOMPARE(rows(e.CurGrid, 5, 2), QStringLiteral("啊。ab    \n中a  b    "));
}

void TestEdit::undoRightAfterPaste() {
    MemoryPlatform p;
    CanvasDrawing d(4, 1);
    fill(d, "xxxxxxxx");
    p.clipboard = QStringLiteral("ab\r\n");
    edit::paste(d, p);
    undoLastOperation(d);
    d.ReDrawAll();
    QCOMPARE(d.selection.PasteActive, false);
    QCOMPARE(d.selection.SelRect, CellRect{});
    QCOMPARE(rows(d.ShownGrid, 4, 1), QStringLiteral("xxxxxxxx"));
    repeatLastOperation(d);
    d.ReDrawAll();
    QCOMPARE(rows(d.ShownGrid, 4, 1), QStringLiteral("abxxxxxx"));
}

void TestEdit::foreignClipboardText() {
    MemoryPlatform p;
    // Any line end ends a line, and a character GBK lacks is one "?" in its place: the columns stay.
    CanvasDrawing d(3, 4);
    p.clipboard = QString::fromUtf8("ab\rcd\nef\r\ngh");
    edit::paste(d, p);
    QCOMPARE(rows(d.ShownGrid, 1, 4), lines({"ab", "cd", "ef", "gh"}));
    CanvasDrawing e(3, 2);
    p.clipboard = QString::fromUtf8("x\xF0\x9F\x98\x80yz\r\nabcd\r\n");
    edit::paste(e, p);
    QCOMPARE(e.selection.SelRect, (CellRect{0, 0, 2, 2}));
    QCOMPARE(rows(e.ShownGrid, 2, 2), lines({"x?yz", "abcd"}));
}

void TestEdit::toolCommitsNeverWriteTheBlock() {
    // A right click with a shape tool began no gesture: its release commits nothing.
    for (ToolId tool : {ToolId::Line, ToolId::Rectangle, ToolId::FilledEllipse, ToolId::Curve}) {
        CanvasDrawing d(4, 2);
        floatAA(d, {2, 0}); // the drawing holds the hole it left
        QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("  BB    \nCCDD    "));
        d.hover(tool, {3, 1});
        d.press(tool, {3, 1}, Qt::RightButton);
        d.release(tool, {3, 1}, Qt::RightButton);
        QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("  BB    \nCCDD    "));
        // Dragged on, the block leaves no copy behind.
        d.hover(kSelect, {2, 0});
        d.press(kSelect, {2, 0});
        d.drag(kSelect, {3, 1});
        d.release(kSelect, {3, 1});
        edit::selectNone(d);
        QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("  BB    \nCCDD  AA"));
    }
    // A block pasted while a line is dragged stays floating: the release writes the line alone.
    MemoryPlatform p;
    p.clipboard = QStringLiteral("XX\r\n");
    CanvasDrawing d(4, 2);
    d.hover(ToolId::Line, {0, 1});
    d.press(ToolId::Line, {0, 1});
    d.drag(ToolId::Line, {3, 1});
    edit::paste(d, p);
    d.release(ToolId::Line, {3, 1});
    QCOMPARE(d.selection.PasteActive, true);
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("        \n画画画  "));
}

void TestEdit::replacedBlocksAreCommitted() {
    // A lifted block is in no grid but its own lines; whatever replaces it writes it first,
    // and Undo of that step brings back the drawing as it was shown.
    MemoryPlatform p;
    p.clipboard = QStringLiteral("ZZ\r\n");
    CanvasDrawing d(4, 2);
    floatAA(d, {3, 1});
    edit::paste(d, p);
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("  BB    \nCCDD  AA"));
    undoLastOperation(d);
    d.ReDrawAll();
    QCOMPARE(rows(d.CurGrid, 4, 2), QStringLiteral("  BB    \nCCDD  AA"));
    QCOMPARE(d.selection.PasteActive, false);
    repeatLastOperation(d); // the pasted block, written in by the Undo
    d.ReDrawAll();
    QCOMPARE(rows(d.ShownGrid, 4, 2), QStringLiteral("ZZBB    \nCCDD  AA"));

    // A block placed by a dialog (a banner, an import) does the same, and takes over the
    // old block's see-through choice.
    CanvasDrawing e(4, 2);
    floatAA(e, {3, 1}, kAlt);
    placeNewBlock(e, QStringLiteral("文字"), {0, 0, 1, 1}, {QByteArray("QQ")});
    QCOMPARE(e.undo.UndoName, QStringLiteral("文字"));
    QCOMPARE(e.selection.PasteTransparent, true);
    QCOMPARE(rows(e.CurGrid, 4, 2), QStringLiteral("  BB    \nCCDD  AA"));
    QCOMPARE(rows(e.ShownGrid, 4, 2), QStringLiteral("QQBB    \nCCDD  AA"));
    undoLastOperation(e);
    e.ReDrawAll();
    QCOMPARE(rows(e.CurGrid, 4, 2), QStringLiteral("  BB    \nCCDD  AA"));
}

void TestEdit::blocksNeverSplitACharacter() {
    MemoryPlatform p;
    // Equally long lines, but pairing their bytes would cut 你 and 世 in two: flowed instead.
    CanvasDrawing d(4, 5);
    p.clipboard = QStringLiteral("a你好\r\nb世界\r\n");
    edit::paste(d, p);
    QCOMPARE(d.selection.SelRect, (CellRect{0, 0, 2, 4}));
    QCOMPARE(rows(d.ShownGrid, 2, 4), lines({"a 你", "好  ", "b 世", "界  "}));
    // Characters on cell boundaries: a block, as it stands.
    CanvasDrawing e(4, 2);
    p.clipboard = QStringLiteral("ab中\r\n世cd\r\n");
    edit::paste(e, p);
    QCOMPARE(e.selection.SelRect, (CellRect{0, 0, 2, 2}));
    QCOMPARE(rows(e.ShownGrid, 2, 2), lines({"ab中", "世cd"}));
    QCOMPARE(e.selection.PasteLines, (QList<QByteArray>{"ab\xD6\xD0", "\xCA\xC0"
                                                                      "cd"}));
}

void TestEdit::theWholeClipboardDecides() {
    MemoryPlatform p;
    // 100 equal lines and a shorter one after them: not a block.
    CanvasDrawing d(2, 5);
    p.clipboard = QStringLiteral("abcd\r\n").repeated(100) + QStringLiteral("xy\r\n");
    edit::paste(d, p);
    QCOMPARE(d.selection.PasteLines.size(), 5); // the flowed cells, not the clipboard's lines
    QCOMPARE(rows(d.ShownGrid, 2, 5), lines({"abcd", "    ", "abcd", "    ", "abcd"}));
    // A block keeps all its lines, so Copy gives back what was pasted.
    CanvasDrawing e(3, 3);
    p.clipboard = QStringLiteral("ab\r\n").repeated(120);
    edit::paste(e, p);
    QCOMPARE(e.selection.PasteLines.size(), 120);
    p.clipboard.clear();
    edit::copy(e, p);
    QCOMPARE(p.clipboard, QStringLiteral("ab\r\n").repeated(120));
    // A line longer than a drawing could ever show is kept whole too.
    CanvasDrawing f(3, 3);
    p.clipboard =
        QStringLiteral("x").repeated(30000) + QStringLiteral("\r\n") + QStringLiteral("y").repeated(30000);
    edit::paste(f, p);
    QCOMPARE(f.selection.PasteLines.first().size(), 30000);
    // Past the limit nothing is pasted and nothing changes: the caller tells the user.
    CanvasDrawing g(3, 3);
    p.clipboard = QString(kClipboardMaxChars + 1, QLatin1Char('z'));
    QCOMPARE(edit::paste(g, p), edit::PasteResult::TooLarge);
    QCOMPARE(g.undo.UndoState, UndoStep::State::Nothing);
    QCOMPARE(g.selection.PasteActive, false);
    p.clipboard = QString(kClipboardMaxChars, QLatin1Char('z'));
    QCOMPARE(edit::paste(g, p), edit::PasteResult::Pasted);
    p.clipboard = QStringLiteral("\r\n");
    QCOMPARE(edit::paste(g, p), edit::PasteResult::Nothing);
}

QTEST_MAIN(TestEdit)
#include "tst_edit.moc"
