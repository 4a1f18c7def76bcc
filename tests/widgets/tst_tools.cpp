// The drawing tools driven by real mouse events on a drawing's canvas.
#include "GridText.h"
#include "MainWindowFixture.h"
#include "PdfText.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/document/CanvasWidget.h"
#include "ui/document/TChildForm.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestTools : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void mappingFollowsTheCursorShown();
    void toolsLandInTheCellUnderThePointerAtEveryZoom_data();
    void toolsLandInTheCellUnderThePointerAtEveryZoom();
    void lineAndShapesPreviewThenCommit();
    void shapesNeverPaintTheLastColumnOrRow_data();
    void shapesNeverPaintTheLastColumnOrRow();
    void pencilFillsGapsAndFollowsTheEdge();
    void eraserLeavesGaps();
    void sprayAnglesAndBounds();
    void eyedropper();
    void oneByteBrushIsPadded();
    void polygonClosesOnTheFirstVertex();
    void polygonOfTwentyVertices();
    void polygonDoubleClick();
    void polygonCancelled();
    void curveStagesAndCancels();
    void snapshotsPerTool_data();
    void snapshotsPerTool();
    void pressCommitsAFloatingBlock();
    void savingAndPrintingShowWhatTheCanvasShows();

private:
    QString drawn(int w, int h) const { return gridText(m_child->drawing().CurGrid, w, h); }
    QString shown(int w, int h) const { return gridText(m_child->drawing().ShownGrid, w, h); }

    TChildForm* m_child = nullptr;
};

void TestTools::initTestCase() {
    setupApplication(*qApp);
}

void TestTools::init() {
    QVERIFY(start());
    m_child = m_main->activeChild();
    QVERIFY(m_child);
}

void TestTools::cleanup() {
    finish();
}

void TestTools::mappingFollowsTheCursorShown() {
    ToolController& tools = m_child->tools();
    QCOMPARE(tools.cursorShown(), ArrowCursor);
    QVERIFY(m_mouse.choose(ToolId::Line));
    // Until the pointer moves, the canvas still shows the arrow and its offset applies.
    QCOMPARE(tools.cellAt({17, 17}), QPoint(0, 0));
    m_mouse.send(QEvent::MouseMove, {40, 40}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(tools.cursorShown(), PlusCursor);
    QCOMPARE(tools.cellAt({17, 17}), QPoint(0, 0));
    QCOMPARE(m_child->Image1->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.send(QEvent::MouseMove, {40, 40}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(tools.cursorShown(), PenCursor);
    QCOMPARE(tools.cellAt({17, 17}), QPoint(1, 1)); // 27 / 18 and 33 / 18
    // A press at (17, 17) with the pen paints cell (1, 1).
    m_mouse.send(QEvent::MouseButtonPress, {17, 17}, Qt::LeftButton, Qt::LeftButton);
    m_mouse.send(QEvent::MouseButtonRelease, {17, 17}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(drawn(3, 3), art({"...", ".#.", "..."}));
    // Far outside the drawing: the nearest edge cell.
    QCOMPARE(tools.cellAt({-500, 5000}), QPoint(0, 49));
    QCOMPARE(tools.cellAt({5000, -500}), QPoint(49, 0));
    // The cursors are loaded, monochrome, with their hot spot at the top-left pixel.
    for (int slot = 1; slot <= 7; ++slot) {
        const QCursor c = m_main->cursorForSlot(slot);
        QCOMPARE(c.shape(), Qt::BitmapCursor);
        QCOMPARE(c.hotSpot(), QPoint(0, 0));
        QCOMPARE(c.bitmap().size(), QSize(32, 32));
        // Drawn once: the next ask gets the same picture.
        QCOMPARE(m_main->cursorForSlot(slot).bitmap().cacheKey(), c.bitmap().cacheKey());
    }
    QCOMPARE(m_main->cursorForSlot(0).shape(), Qt::ArrowCursor);
    QCOMPARE(m_main->cursorForSlot(8).shape(), Qt::ArrowCursor);
}

void TestTools::toolsLandInTheCellUnderThePointerAtEveryZoom_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("edge5"); // the pixel where cell 5 begins: its grid line
    QTest::newRow("50%") << 50 << 45;
    QTest::newRow("75%") << 75 << 68;
    QTest::newRow("150%") << 150 << 135;
    QTest::newRow("200%") << 200 << 180;
    QTest::newRow("400%") << 400 << 360;
}

void TestTools::toolsLandInTheCellUnderThePointerAtEveryZoom() {
    QFETCH(int, percent);
    QFETCH(int, edge5);
    QVERIFY(m_child->setZoomPercent(percent));
    m_mouse.setZoom(percent / 100.0);
    const QImage& picture = m_child->canvas().picture();
    QCOMPARE(picture.width(), int(std::lround(50 * 18 * percent / 100.0)));
    QCOMPARE(m_child->Image1->width(), picture.width());

    // The cell boundary the pointer crosses is the grid line drawn there, one pixel wide.
    ToolController& tools = m_child->tools();
    QCOMPARE(tools.cellAt({edge5 - 1, edge5 - 1}), QPoint(4, 4));
    QCOMPARE(tools.cellAt({edge5, edge5}), QPoint(5, 5));
    auto redIn = [&](int x) {
        int reds = 0;
        for (int y = 1; y < edge5; ++y) reds += picture.pixel(x, y) == qRgb(255, 0, 0);
        return reds;
    };
    QVERIFY(redIn(edge5) > edge5 / 3);
    // Beside it, only the dots where the four horizontal lines above cell 5 cross.
    QVERIFY(redIn(edge5 - 1) <= 4);
    QVERIFY(redIn(edge5 + 1) <= 4);

    // The shapes, the pen and the block land where they do at 100 %.
    QVERIFY(m_mouse.choose(ToolId::Line));
    m_mouse.stroke({{2, 5}, {5, 5}, {8, 5}});
    QVERIFY(m_mouse.choose(ToolId::Rectangle));
    m_mouse.stroke({{1, 1}, {5, 4}});
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.stroke({{8, 0}, {9, 1}});
    QCOMPARE(drawn(10, 6),
             art({"........#.", ".####....#", ".#..#.....", ".####.....", "..........", "..######.."}));
    // The rectangle lifted with the select tool and dragged three cells right and one down.
    QVERIFY(m_mouse.choose(ToolId::Select));
    m_mouse.stroke({{1, 1}, {5, 4}});
    m_mouse.stroke({{2, 2}, {4, 3}, {5, 3}});
    QVERIFY(m_mouse.choose(ToolId::Line)); // a press elsewhere commits the block
    m_mouse.stroke({{0, 9}, {1, 9}});
    QCOMPARE(drawn(10, 6),
             art({"........#.", ".........#", "....####..", "....#..#..", "....####..", "..######.."}));

    // The edit box covers the inside of the cell clicked, in a font of the zoom's size.
    QVERIFY(m_mouse.choose(ToolId::ModifyText));
    m_mouse.moveAndClick({3, 2});
    QTRY_VERIFY(m_child->Edit1->isVisible());
    const double cell = 18 * percent / 100.0;
    QCOMPARE(m_child->Edit1->geometry(), QRect(int(std::lround(3 * cell)) + 1, int(std::lround(2 * cell)) + 1,
                                               int(std::lround(cell)) - 1, int(std::lround(cell)) - 1));
    QCOMPARE(m_child->Edit1->font().pixelSize(), std::max(6, int(std::lround(16 * percent / 100.0))));
}

void TestTools::lineAndShapesPreviewThenCommit() {
    QVERIFY(m_mouse.choose(ToolId::Line));
    m_mouse.hover({2, 5});
    m_mouse.press({2, 5});
    m_mouse.drag({5, 5});
    m_mouse.drag({8, 5});
    // The preview is shown, but the drawing does not hold it before the release.
    QCOMPARE(shown(10, 6).split(QLatin1Char('\n')).last(), art({"..######.."}));
    QCOMPARE(drawn(10, 6),
             art({"..........", "..........", "..........", "..........", "..........", ".........."}));
    m_mouse.release({8, 5});
    QCOMPARE(drawn(10, 6).split(QLatin1Char('\n')).last(), art({"..######.."}));
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("直线"));

    // Dragging back to the pressed cell removes the preview; the release commits nothing.
    const QString before = drawn(10, 10);
    m_mouse.stroke({{2, 8}, {6, 8}, {2, 8}});
    QCOMPARE(drawn(10, 10), before);

    // Rectangles: 10 cells for (1,1)-(5,4), 12 filled; the brush text in every cell.
    m_child->drawing().CurGrid.fillArea(50, 50, CharCell::blank());
    m_child->drawing().ReDrawAll();
    QVERIFY(m_mouse.choose(ToolId::Rectangle));
    m_mouse.stroke({{1, 1}, {3, 3}, {5, 4}});
    QCOMPARE(drawn(7, 6), art({".......", ".####..", ".#..#..", ".####..", ".......", "......."}));
    QVERIFY(m_mouse.choose(ToolId::FilledRectangle));
    m_mouse.stroke({{6, 6}, {2, 3}}); // dragged up and left: the same block between the two cells
    QCOMPARE(drawn(7, 7), art({".......", ".####..", ".#..#..", ".#####.", "..####.", "..####.", "......."}));

    // A filled ellipse overwrites what it covers and nothing else.
    setGridText(m_child->drawing().CurGrid,
                QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    m_child->drawing().ReDrawAll();
    QVERIFY(m_mouse.choose(ToolId::FilledEllipse));
    m_mouse.stroke({{20, 0}, {24, 2}, {26, 3}});
    QCOMPARE(gridText(m_child->drawing().CurGrid, 26, 1),
             QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOP画画画画YZ"));
}

void TestTools::shapesNeverPaintTheLastColumnOrRow_data() {
    QTest::addColumn<int>("tool");
    QTest::addColumn<bool>("filled");
    QTest::newRow("line") << int(ToolId::Line) << false;
    QTest::newRow("rectangle") << int(ToolId::Rectangle) << false;
    QTest::newRow("filled rectangle") << int(ToolId::FilledRectangle) << true;
    QTest::newRow("ellipse") << int(ToolId::Ellipse) << false;
    QTest::newRow("filled ellipse") << int(ToolId::FilledEllipse) << true;
    QTest::newRow("rounded rectangle") << int(ToolId::RoundRect) << false;
    QTest::newRow("filled rounded rectangle") << int(ToolId::FilledRoundRect) << true;
}

void TestTools::shapesNeverPaintTheLastColumnOrRow() {
    QFETCH(int, tool);
    QFETCH(bool, filled);
    QVERIFY(m_mouse.choose(ToolId(tool)));
    m_mouse.hover({30, 30});
    m_mouse.press({30, 30});
    m_mouse.send(QEvent::MouseMove, {5000, 5000}, Qt::NoButton, Qt::LeftButton); // far past the corner
    m_mouse.send(QEvent::MouseButtonRelease, {5000, 5000}, Qt::LeftButton, Qt::NoButton);
    int painted = 0;
    for (int i = 0; i < 50; ++i) {
        QCOMPARE(m_child->drawing().CurGrid.at(49, i), CharCell::blank());
        QCOMPARE(m_child->drawing().CurGrid.at(i, 49), CharCell::blank());
        for (int j = 0; j < 50; ++j) painted += !m_child->drawing().CurGrid.at(i, j).isBlank();
    }
    QVERIFY(painted > 0);
    // The far corner of the shape sits in the last column and row: a filled shape reaches column and row 48,
    // and only a filled one covers the inside.
    if (filled) QVERIFY(!m_child->drawing().CurGrid.at(48, 39).isBlank());
    QCOMPARE(!m_child->drawing().CurGrid.at(40, 39).isBlank(), filled);
}

void TestTools::pencilFillsGapsAndFollowsTheEdge() {
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.stroke({{2, 2}, {6, 3}, {7, 4}});
    // The jump from (2,2) to (6,3) is filled along the raster line; the move to a diagonal neighbour paints
    // just it.
    QCOMPARE(drawn(9, 6),
             art({".........", ".........", "..###....", ".....##..", ".......#.", "........."}));
    QVERIFY(m_child->drawing().ShownGrid.sameArea(m_child->drawing().CurGrid, 50, 50));
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("铅笔"));

    // Dragged far outside, the stroke runs along the nearest edge.
    m_child->drawing().CurGrid.fillArea(50, 50, CharCell::blank());
    m_child->drawing().ReDrawAll();
    m_mouse.hover({45, 10});
    m_mouse.press({45, 10});
    m_mouse.send(QEvent::MouseMove, m_mouse.pixel({45, 10}) + QPoint(3000, 0), Qt::NoButton, Qt::LeftButton);
    m_mouse.send(QEvent::MouseButtonRelease, {3000, 10}, Qt::LeftButton, Qt::NoButton);
    for (int x = 45; x < 50; ++x) QVERIFY(!m_child->drawing().CurGrid.at(x, 10).isBlank());
}

void TestTools::eraserLeavesGaps() {
    m_child->drawing().CurGrid.fillArea(50, 50, CharCell::of('x', 'x'));
    m_child->drawing().ReDrawAll();
    QVERIFY(m_mouse.choose(ToolId::Eraser));
    m_mouse.stroke({{2, 2}, {8, 2}, {8, 3}});
    QCOMPARE(gridText(m_child->drawing().CurGrid, 10, 3).split(QLatin1Char('\n')).last(),
             QStringLiteral("xxxx  xxxxxxxxxx  xx"));
    QVERIFY(m_child->drawing().CurGrid.at(8, 3).isBlank());
    QVERIFY(m_child->drawing().ShownGrid.sameArea(m_child->drawing().CurGrid, 50, 50));
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("橡皮擦"));
}

void TestTools::sprayAnglesAndBounds() {
    QVERIFY(m_mouse.choose(ToolId::Spray));
    m_mouse.hover({10, 10});
    m_mouse.press({10, 10});
    QVERIFY(m_child->Timer1->isActive());
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("喷枪"));
    // Radius first, then the angle: 4 and 0, 90, 180, 270 degrees, then the centre itself (radius 0).
    QList<quint32> numbers{4, 0, 4, 90, 4, 180, 4, 270, 0, 77};
    m_child->tools().sprayTick([&] { return numbers.isEmpty() ? 5u * 999 : numbers.takeFirst(); });
    QStringList hit;
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 50; ++y)
            if (!m_child->drawing().CurGrid.at(x, y).isBlank()) hit << QStringLiteral("%1,%2").arg(x).arg(y);
    hit.sort();
    QCOMPARE(hit, (QStringList{QStringLiteral("10,10"), QStringLiteral("10,6"), QStringLiteral("14,10"),
                               QStringLiteral("6,9"), QStringLiteral("9,13")}));
    QVERIFY(m_child->drawing().ShownGrid.sameArea(m_child->drawing().CurGrid, 50, 50));

    // Held still with real random numbers: never farther than 4 cells; at a corner, points outside are
    // dropped.
    for (int i = 0; i < 200; ++i) m_child->tools().sprayTick();
    m_mouse.drag({0, 0});
    for (int i = 0; i < 200; ++i) m_child->tools().sprayTick();
    m_mouse.release({0, 0});
    QVERIFY(!m_child->Timer1->isActive());
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 50; ++y) {
            if (m_child->drawing().CurGrid.at(x, y).isBlank()) continue;
            const bool nearCentre = std::abs(x - 10) <= 4 && std::abs(y - 10) <= 4;
            const bool nearCorner = x <= 4 && y <= 4;
            QVERIFY2(nearCentre || nearCorner, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    QVERIFY(!m_child->drawing().CurGrid.at(0, 0).isBlank() || !m_child->drawing().CurGrid.at(1, 0).isBlank());

    // The timer drives the same tick.
    m_child->drawing().CurGrid.fillArea(50, 50, CharCell::blank());
    m_child->drawing().ReDrawAll();
    m_mouse.hover({25, 25});
    m_mouse.press({25, 25});
    QTRY_VERIFY(!m_child->drawing().CurGrid.sameArea(m_child->drawing().undo.UndoGrid, 50, 50));
    m_mouse.release({25, 25});
}

void TestTools::eyedropper() {
    setGridText(m_child->drawing().CurGrid, QStringLiteral("ab中"));
    m_child->drawing().ReDrawAll();
    QVERIFY(m_mouse.choose(ToolId::Eyedropper));
    const int changes = m_child->drawing().ChangeCount;
    m_mouse.hover({0, 0});
    m_mouse.click({0, 0});
    QCOMPARE(m_child->drawing().BrushText, QStringLiteral("ab"));
    QCOMPARE(m_main->brushCaption(), QStringLiteral("ab"));
    m_mouse.click({1, 0});
    QCOMPARE(m_child->drawing().BrushText, QStringLiteral("中"));
    QCOMPARE(QByteArray(m_child->drawing().BrushBytes.data()), QByteArray("\xD6\xD0"));
    m_mouse.click({5, 5}); // an empty cell: the brush becomes two spaces, and the pencil then erases
    QCOMPARE(m_child->drawing().BrushText, QStringLiteral("  "));
    QCOMPARE(m_child->drawing().ChangeCount, changes);
    QCOMPARE(m_child->drawing().undo.UndoState, UndoStep::State::Nothing);

    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.stroke({{0, 0}, {1, 0}});
    QCOMPARE(gridText(m_child->drawing().CurGrid, 3, 1), QStringLiteral("      "));

    // Other drawings keep their own brush; a new one starts with the palette's.
    TChildForm* other = m_main->createChild();
    QCOMPARE(other->drawing().BrushText, QStringLiteral("  "));
    QCOMPARE(m_child->drawing().BrushText, QStringLiteral("  "));
}

void TestTools::oneByteBrushIsPadded() {
    m_child->drawing().BrushBytes = {'z', 0};
    m_child->drawing().BrushText = QStringLiteral("z");
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.stroke({{0, 0}, {3, 0}});
    QVERIFY(m_mouse.choose(ToolId::Rectangle));
    m_mouse.stroke({{0, 2}, {3, 4}});
    QCOMPARE(gridText(m_child->drawing().CurGrid, 4, 4),
             QStringLiteral("z z z z \n        \nz z z   \nz z z   "));
}

void TestTools::polygonClosesOnTheFirstVertex() {
    const QString triangle =
        art({"............", "............", "..#########.", "...#.....#..", "...#.....#..", "....#...#...",
             ".....#.#....", ".....#.#....", "......#.....", "............"});
    QVERIFY(m_mouse.choose(ToolId::Polygon));
    m_mouse.hover({2, 2});
    m_mouse.click({2, 2});
    m_mouse.click({10, 2});
    m_mouse.hover({8, 5}); // the rubber band follows the pointer without a button, but only on the canvas
    QVERIFY(!m_child->drawing().ShownGrid.at(9, 3).isBlank() ||
            !m_child->drawing().ShownGrid.at(8, 4).isBlank());
    QVERIFY(m_child->drawing().CurGrid.sameArea(m_child->drawing().undo.UndoGrid, 50, 50));
    m_mouse.click({6, 8});
    QCOMPARE(m_child->tools().polygon().count(), 3);
    m_mouse.click({2, 2});
    QCOMPARE(m_child->tools().polygon().count(), 0);
    QCOMPARE(drawn(12, 10), triangle);
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("多边形"));

    m_child->drawing().CurGrid.fillArea(50, 50, CharCell::blank());
    m_child->drawing().ReDrawAll();
    QVERIFY(m_mouse.choose(ToolId::FilledPolygon));
    for (QPoint p : {QPoint(2, 2), QPoint(10, 2), QPoint(6, 8), QPoint(2, 2)}) {
        m_mouse.hover(p);
        m_mouse.click(p);
    }
    QCOMPARE(drawn(12, 10),
             art({"............", "............", "..#########.", "...#######..", "...#######..",
                  "....#####...", ".....###....", ".....###....", "......#.....", "............"}));
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("实心多边形"));

    // Clicking the first vertex as the second or third vertex just adds it.
    QVERIFY(m_mouse.choose(ToolId::Polygon));
    m_mouse.click({30, 30});
    m_mouse.click({30, 30});
    m_mouse.click({30, 30});
    QCOMPARE(m_child->tools().polygon().count(), 3);
}

void TestTools::polygonOfTwentyVertices() {
    QVERIFY(m_mouse.choose(ToolId::Polygon));
    const int changes = m_child->drawing().ChangeCount;
    for (int i = 0; i < 19; ++i) m_mouse.click({2 + 2 * i, i % 2 ? 10 : 2});
    QCOMPARE(m_child->tools().polygon().count(), 19);
    QVERIFY(m_child->drawing().CurGrid.sameArea(m_child->drawing().undo.UndoGrid, 50, 50));
    m_mouse.click({40, 40}); // the twentieth closes it
    QCOMPARE(m_child->tools().polygon().count(), 0);
    QCOMPARE(m_child->drawing().ChangeCount, changes + 1); // one snapshot for the whole polygon
    QVERIFY(!m_child->drawing().CurGrid.at(40, 40).isBlank());
    QVERIFY(!m_child->drawing().CurGrid.at(2, 2).isBlank());
}

void TestTools::polygonDoubleClick() {
    QVERIFY(m_mouse.choose(ToolId::Polygon));
    m_mouse.click({2, 2});
    m_mouse.click({10, 2});
    m_mouse.doubleClick({6, 8}); // the double-click's first click is the third vertex
    QCOMPARE(m_child->tools().polygon().count(), 0);
    QVERIFY(!m_child->drawing().CurGrid.at(6, 8).isBlank());
    QVERIFY(!m_child->drawing().CurGrid.at(4, 5).isBlank());

    // On vertex 0 the first click closes; the double-click then finds no polygon and its second click
    // starts a new one, with a snapshot of its own.
    m_mouse.click({20, 20});
    m_mouse.click({30, 20});
    m_mouse.click({25, 28});
    const int changes = m_child->drawing().ChangeCount;
    m_mouse.doubleClick({20, 20});
    QCOMPARE(m_child->tools().polygon().count(), 1);
    QCOMPARE(m_child->tools().polygon().vertex(0), QPoint(20, 20));
    QCOMPARE(m_child->drawing().ChangeCount, changes + 1);
}

void TestTools::polygonCancelled() {
    setGridText(m_child->drawing().CurGrid, QStringLiteral("ab"));
    m_child->drawing().ReDrawAll();
    const QString before = drawn(20, 20);
    QVERIFY(m_mouse.choose(ToolId::Polygon));
    m_mouse.click({2, 2});
    m_mouse.click({10, 2});
    m_mouse.hover({10, 10});
    QVERIFY(shown(20, 20) != before);
    m_mouse.press({12, 12}, Qt::RightButton);
    m_mouse.release({12, 12}, Qt::RightButton);
    QCOMPARE(m_child->tools().polygon().count(), 0);
    QCOMPARE(shown(20, 20), before);
    QCOMPARE(drawn(20, 20), before);

    // Another tool chosen and the pointer moved over the canvas: the band disappears, the drawing is as
    // before.
    m_mouse.click({2, 2});
    m_mouse.click({10, 2});
    m_mouse.hover({10, 10});
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.hover({11, 11});
    QCOMPARE(m_child->tools().polygon().count(), 0);
    QCOMPARE(shown(20, 20), before);
}

void TestTools::curveStagesAndCancels() {
    QVERIFY(m_mouse.choose(ToolId::Curve));
    const QString blank = drawn(14, 10);
    // Stage 1: a line that stays on the canvas only.
    m_mouse.stroke({{0, 6}, {6, 6}, {12, 6}});
    QCOMPARE(m_child->tools().curve().stage(), 1);
    QCOMPARE(m_child->tools().curve().point(3), QPoint(12, 6));
    QVERIFY(!m_child->drawing().ShownGrid.at(6, 6).isBlank());
    QCOMPARE(drawn(14, 10), blank);
    // Stage 2 bends it by P1, stage 3 by P2, and the last release commits.
    m_mouse.stroke({{0, 0}, {0, 1}, {0, 0}});
    QCOMPARE(m_child->tools().curve().stage(), 2);
    QCOMPARE(drawn(14, 10), blank);
    m_mouse.stroke({{12, 0}, {12, 1}, {12, 0}});
    QCOMPARE(m_child->tools().curve().stage(), 0);
    QCOMPARE(drawn(13, 7), art({".............", ".............", "...#######...", "..#.......#..",
                                ".#.........#.", "#...........#", "#............"}));
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("曲线"));
    QCOMPARE(gridText(m_child->drawing().undo.UndoGrid, 14, 10),
             blank); // every press took a snapshot of the drawing before

    // Second and third presses released without moving: the drawing stays as it was.
    const QString before = drawn(20, 20);
    m_mouse.stroke({{2, 15}, {8, 15}});
    m_mouse.click({5, 12});
    m_mouse.click({6, 18});
    QCOMPARE(m_child->tools().curve().stage(), 0);
    QCOMPARE(drawn(20, 20), before);
    QCOMPARE(shown(20, 20), before);

    // A right-button press after the first stage removes the line.
    m_mouse.stroke({{2, 15}, {8, 15}});
    m_mouse.press({1, 1}, Qt::RightButton);
    m_mouse.release({1, 1}, Qt::RightButton);
    QCOMPARE(m_child->tools().curve().stage(), 0);
    QCOMPARE(shown(20, 20), before);

    // Another tool chosen while the curve waits for its second drag: the first move removes the line.
    QVERIFY(m_mouse.choose(ToolId::Curve));
    m_mouse.stroke({{2, 15}, {8, 15}});
    QVERIFY(m_mouse.choose(ToolId::Line));
    m_mouse.hover({1, 1});
    QCOMPARE(m_child->tools().curve().stage(), 0);
    QCOMPARE(shown(20, 20), before);
}

void TestTools::snapshotsPerTool_data() {
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("name");
    QTest::newRow("pencil") << int(ToolId::Pencil) << QStringLiteral("铅笔");
    QTest::newRow("line") << int(ToolId::Line) << QStringLiteral("直线");
    QTest::newRow("rectangle") << int(ToolId::Rectangle) << QStringLiteral("矩形");
    QTest::newRow("filled rectangle") << int(ToolId::FilledRectangle) << QStringLiteral("实心矩形");
    QTest::newRow("ellipse") << int(ToolId::Ellipse) << QStringLiteral("椭圆");
    QTest::newRow("filled ellipse") << int(ToolId::FilledEllipse) << QStringLiteral("实心椭圆");
    QTest::newRow("rounded rectangle") << int(ToolId::RoundRect) << QStringLiteral("圆角矩形");
    QTest::newRow("filled rounded rectangle")
        << int(ToolId::FilledRoundRect) << QStringLiteral("实心圆角矩形");
    QTest::newRow("polygon") << int(ToolId::Polygon) << QStringLiteral("多边形");
    QTest::newRow("filled polygon") << int(ToolId::FilledPolygon) << QStringLiteral("实心多边形");
    QTest::newRow("spray") << int(ToolId::Spray) << QStringLiteral("喷枪");
    QTest::newRow("eraser") << int(ToolId::Eraser) << QStringLiteral("橡皮擦");
    QTest::newRow("curve") << int(ToolId::Curve) << QStringLiteral("曲线");
}

void TestTools::snapshotsPerTool() {
    QFETCH(int, tool);
    QFETCH(QString, name);
    setGridText(m_child->drawing().CurGrid, QStringLiteral("before"));
    m_child->drawing().ReDrawAll();
    QVERIFY(m_mouse.choose(ToolId(tool)));
    const int changes = m_child->drawing().ChangeCount;
    // A single press that may change no cell still counts.
    m_mouse.hover({20, 20});
    m_mouse.press({20, 20});
    m_mouse.release({20, 20});
    QCOMPARE(m_child->drawing().ChangeCount, changes + 1);
    QCOMPARE(m_child->drawing().undo.UndoState, UndoStep::State::CanUndo);
    QCOMPARE(m_child->drawing().undo.UndoName, name);
    QCOMPARE(gridText(m_child->drawing().undo.UndoGrid, 3, 1), QStringLiteral("before"));
}

void TestTools::pressCommitsAFloatingBlock() {
    m_child->drawing().selection.PasteActive = true;
    m_child->drawing().selection.PasteLines = {QByteArray("XXYY")};
    m_child->drawing().selection.SelRect = {1, 1, 3, 2};
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.hover({10, 10});
    m_mouse.click({10, 10});
    QCOMPARE(m_child->drawing().selection.PasteActive, false);
    QCOMPARE(m_child->drawing().selection.SelRect, CellRect{});
    QCOMPARE(gridText(m_child->drawing().CurGrid, 3, 2), QStringLiteral("      \n  XXYY"));
    QVERIFY(m_child->drawing().ShownGrid.sameArea(m_child->drawing().CurGrid, 50, 50));
}

void TestTools::savingAndPrintingShowWhatTheCanvasShows() {
    m_child->drawing().GridWidth = 6;
    m_child->drawing().GridHeight = 3;
    m_child->drawing().ReDrawAll();
    QTemporaryDir dir;
    // A polygon of two vertices with its rubber band to the pointer: not in the drawing, but on the canvas.
    QVERIFY(m_mouse.choose(ToolId::Polygon));
    m_mouse.hover({0, 0});
    m_mouse.click({0, 0});
    m_mouse.click({4, 0});
    m_mouse.hover({4, 2});
    QCOMPARE(drawn(6, 3), art({"......", "......", "......"}));
    const QString path = dir.filePath(QStringLiteral("band.txt"));
    m_platform.saveNames << path;
    action("S1")->trigger();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("\xBB\xAD\xBB\xAD\xBB\xAD\xBB\xAD\xBB\xAD\xA1\xA1\r\n"
                                     "\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xBB\xAD\xA1\xA1\r\n"
                                     "\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\r\n"));
    QCOMPARE(m_child->tools().polygon().count(), 2); // saving leaves the polygon unfinished

    // A curve's first line, printed while it waits for its second drag.
    m_mouse.press({5, 2}, Qt::RightButton);
    m_mouse.release({5, 2}, Qt::RightButton);
    QVERIFY(m_mouse.choose(ToolId::Curve));
    m_mouse.stroke({{1, 1}, {3, 1}, {5, 1}});
    QCOMPARE(m_child->tools().curve().stage(), 1);
    QCOMPARE(drawn(6, 3), art({"......", "......", "......"}));
    const QString pdf = dir.filePath(QStringLiteral("curve.pdf"));
    m_platform.printAnswers << true;
    m_platform.printPdf = pdf;
    action("P2")->trigger();
    QVERIFY(QFile::exists(pdf));
    const QString text = pdfText(pdf);
    if (text.isEmpty()) QSKIP("pdftotext is not installed");
    QVERIFY2(text.contains(QStringLiteral("画画画画")), qPrintable(text));
}

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
