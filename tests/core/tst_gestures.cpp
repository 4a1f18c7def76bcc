// The tools on a bare canvas: cursors and their hot spots, the shapes' rules, and
// the dispatch to gestures, without any widget.
#include "CanvasDrawing.h"
#include "GridText.h"
#include "ToolOffsets.h"

#include <QTest>

#include <utility>

class TestGestures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cursorsAndHotSpots_data();
    void cursorsAndHotSpots();
    void roundedCornersAreHalfTheShape();
    void freehandInkComesFromTheRow();
    void cancelVisitsOnlyUnfinishedShapes();
    void textToolsOpenTheirBoxes();
    void reentrantMovesAreDropped();
};

void TestGestures::cursorsAndHotSpots_data() {
    QTest::addColumn<int>("tool");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("select") << int(ToolId::Select) << 0 << QPoint(0, 0);
    QTest::newRow("pencil") << int(ToolId::Pencil) << 3 << QPoint(10, 16);
    QTest::newRow("line") << int(ToolId::Line) << 1 << QPoint(0, 0);
    QTest::newRow("text") << int(ToolId::Text) << 7 << QPoint(0, 0);
    QTest::newRow("rectangle") << int(ToolId::Rectangle) << 1 << QPoint(0, 0);
    QTest::newRow("filled rounded rectangle") << int(ToolId::FilledRoundRect) << 1 << QPoint(0, 0);
    QTest::newRow("filled polygon") << int(ToolId::FilledPolygon) << 1 << QPoint(0, 0);
    QTest::newRow("modify text") << int(ToolId::ModifyText) << 6 << QPoint(0, 10);
    QTest::newRow("spray") << int(ToolId::Spray) << 4 << QPoint(10, 16);
    QTest::newRow("eraser") << int(ToolId::Eraser) << 5 << QPoint(0, 0);
    QTest::newRow("eyedropper") << int(ToolId::Eyedropper) << 2 << QPoint(0, 16);
    QTest::newRow("curve") << int(ToolId::Curve) << 1 << QPoint(0, 0);
}

void TestGestures::cursorsAndHotSpots() {
    QFETCH(int, tool);
    QFETCH(int, slot);
    QFETCH(QPoint, offset);
    CanvasDrawing d;
    // Until the pointer moves, the arrow's offset (none) applies.
    QCOMPARE(d.tools.cellAt({17, 35}), QPoint(0, 1));
    d.tools.setTool(ToolId(tool));
    d.tools.move({100, 100}, Qt::NoButton, Qt::NoModifier);
    QCOMPARE(int(d.tools.cursorShown()), slot);
    QCOMPARE(hotSpotOffset(CursorSlot(slot)), offset);
    QCOMPARE(d.tools.cellAt({17, 35}), QPoint((17 + offset.x()) / 18, (35 + offset.y()) / 18));
    QCOMPARE(expectedHotSpot(ToolId(tool)), offset); // the helpers the other tests drive with agree
}

void TestGestures::roundedCornersAreHalfTheShape() {
    // Dragged 12 x 8 cells: corners rounded by an ellipse of 6 x 4, as the raster draws it.
    CanvasDrawing d;
    d.stroke(ToolId::RoundRect, {{0, 0}, {5, 5}, {12, 8}});
    QCOMPARE(gridText(d.CurGrid, 13, 9),
             art({".##########..", "#..........#.", "#..........#.", "#..........#.", "#..........#.",
                  "#..........#.", "#..........#.", ".##########..", "............."}));
    // Odd spans are halved towards zero: 31 x 21 takes corners of 15 x 10.
    CanvasDrawing odd;
    odd.stroke(ToolId::FilledRoundRect, {{31, 21}, {5, 5}, {0, 0}}); // dragged up and left
    CellRaster expected;
    expected.roundRect({0, 0}, {31, 21}, 15, 10, true);
    CharGrid grid;
    expected.stamp(grid, 50, 50, CharCell::of(0xBB, 0xAD));
    QCOMPARE(gridText(odd.CurGrid, 33, 23), gridText(grid, 33, 23));
    // A flat drag: a corner only one cell high rounds nothing off the short sides.
    CanvasDrawing flat;
    flat.stroke(ToolId::RoundRect, {{0, 0}, {10, 2}});
    QCOMPARE(gridText(flat.CurGrid, 11, 3), art({"##########.", "##########.", "..........."}));
}

void TestGestures::freehandInkComesFromTheRow() {
    CanvasDrawing d(8, 3);
    d.CurGrid.fillArea(8, 3, CharCell::of('x', 'x'));
    d.ReDrawAll();
    // The eraser leaves blanks and does not fill the cells a fast drag skips.
    d.stroke(ToolId::Eraser, {{0, 0}, {3, 0}, {7, 0}});
    QCOMPARE(gridText(d.CurGrid, 8, 1), QStringLiteral("  xxxx  xxxxxx  "));
    QCOMPARE(d.undo.UndoName, QStringLiteral("橡皮擦"));
    // The pencil writes the brush and keeps the stroke connected.
    d.stroke(ToolId::Pencil, {{0, 1}, {4, 1}});
    QCOMPARE(gridText(d.CurGrid, 8, 2).section(QLatin1Char('\n'), 1), QStringLiteral("画画画画画xxxxxx"));
    // The spray paints nothing at the press; it wants its timer until the release.
    const QString before = gridText(d.CurGrid, 8, 3);
    d.hover(ToolId::Spray, {4, 2});
    d.press(ToolId::Spray, {4, 2});
    QVERIFY(d.spraying);
    QCOMPARE(gridText(d.CurGrid, 8, 3), before);
    QCOMPARE(d.undo.UndoName, QStringLiteral("喷枪"));
    d.release(ToolId::Spray, {4, 2});
    QVERIFY(!d.spraying);
    // The eyedropper takes a cell's text as the brush and says so once.
    d.hover(ToolId::Eyedropper, {5, 0});
    d.press(ToolId::Eyedropper, {5, 0});
    QCOMPARE(d.BrushText, QStringLiteral("xx"));
    QCOMPARE(d.brushesTaken, QStringList{QStringLiteral("xx")});
}

void TestGestures::cancelVisitsOnlyUnfinishedShapes() {
    CanvasDrawing d(20, 10);
    // A curve waiting for its second drag, then a polygon tool moved over the canvas.
    d.stroke(ToolId::Curve, {{1, 1}, {8, 1}});
    QCOMPARE(d.tools.curve().stage(), 1);
    QVERIFY(!d.ShownGrid.at(4, 1).isBlank());
    d.hover(ToolId::Polygon, {3, 3});
    QCOMPARE(d.tools.curve().stage(), 0);
    QVERIFY(d.ShownGrid.at(4, 1).isBlank());
    // The polygon keeps its vertices while its own tool moves, and loses them to the right button.
    d.press(ToolId::Polygon, {3, 3});
    d.release(ToolId::Polygon, {3, 3});
    d.hover(ToolId::Polygon, {9, 3});
    QCOMPARE(d.tools.polygon().count(), 1);
    QVERIFY(!d.ShownGrid.at(6, 3).isBlank());
    d.press(ToolId::Polygon, {9, 3}, Qt::RightButton);
    QCOMPARE(d.tools.polygon().count(), 0);
    QVERIFY(d.ShownGrid.sameArea(d.CurGrid, 20, 10));
    QVERIFY(d.CurGrid.sameArea(CharGrid(), 20, 10));
}

void TestGestures::textToolsOpenTheirBoxes() {
    CanvasDrawing d(5, 5);
    // The text tool opens the banner for the pressed cell and takes no snapshot of its own.
    d.stroke(ToolId::Text, {{1, 1}, {3, 3}});
    QCOMPARE(d.banners, (QList<QPoint>{{1, 1}}));
    QVERIFY(d.CurGrid.sameArea(CharGrid(), 5, 5));
    QCOMPARE(d.undo.UndoState, UndoStep::State::Nothing);
    // The modify-text tool opens the edit box over the pressed cell, under one snapshot.
    d.stroke(ToolId::ModifyText, {{2, 1}, {3, 3}});
    QCOMPARE(d.editBoxes, (QList<QPoint>{{2, 1}}));
    QCOMPARE(d.undo.UndoName, QStringLiteral("修改文字"));
    QCOMPARE(d.tools.anchor(), QPoint(2, 1));
}

void TestGestures::reentrantMovesAreDropped() {
    // A repaint that lets another move event in while a move is handled: that move is dropped,
    // so the line is previewed to the outer move's cell only.
    CanvasDrawing d(8, 3);
    d.hover(ToolId::Line, {1, 1});
    d.press(ToolId::Line, {1, 1});
    bool nested = false;
    d.onReDraw = [&] {
        if (std::exchange(nested, true)) return;
        d.drag(ToolId::Line, {1, 2});
    };
    d.drag(ToolId::Line, {6, 1});
    QVERIFY(nested);
    QCOMPARE(gridText(d.ShownGrid, 8, 3), art({"........", ".#####..", "........"}));
    // Once it is handled, the next move is taken.
    d.onReDraw = nullptr;
    d.drag(ToolId::Line, {1, 2});
    QCOMPARE(gridText(d.ShownGrid, 8, 3), art({"........", ".#......", "........"}));
    d.release(ToolId::Line, {1, 2});
}

QTEST_MAIN(TestGestures)
#include "tst_gestures.moc"
