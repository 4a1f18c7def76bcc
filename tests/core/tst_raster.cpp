// The cell raster's primitives, as pictures of the pixels they set.
#include "core/tools/CellRaster.h"

#include <QTest>

namespace {

// The top-left w x h pixels as rows of '#' (black) and '.' (white).
QString picture(const CellRaster& r, int w, int h) {
    QStringList rows;
    for (int y = 0; y < h; ++y) {
        QString row;
        for (int x = 0; x < w; ++x) row += r.isSet(x, y) ? QLatin1Char('#') : QLatin1Char('.');
        rows << row;
    }
    return rows.join(QLatin1Char('\n'));
}

QString lines(std::initializer_list<const char*> rows) {
    QStringList out;
    for (const char* r : rows) out << QLatin1String(r);
    return out.join(QLatin1Char('\n'));
}

int count(const CellRaster& r) {
    int n = 0;
    for (int y = 0; y < CellRaster::kSize; ++y)
        for (int x = 0; x < CellRaster::kSize; ++x) n += r.isSet(x, y);
    return n;
}

} // namespace

class TestRaster : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linePictures_data();
    void linePictures();
    void linesInAllOctants();
    void rectangles();
    void ellipses();
    void roundRects();
    void polygons();
    void curves();
    void stampWritesTheBrushInTheAreaInUse();
};

void TestRaster::linePictures_data() {
    QTest::addColumn<QPoint>("a");
    QTest::addColumn<QPoint>("b");
    QTest::addColumn<QString>("pixels");
    QTest::newRow("shallow down-right")
        << QPoint(0, 0) << QPoint(5, 2) << lines({"##....", "..##..", "....#.", "......"});
    // Backwards it covers its own start, not its end, and the same cells otherwise.
    QTest::newRow("shallow up-left") << QPoint(5, 2) << QPoint(0, 0)
                                     << lines({".#....", "..##..", "....##", "......"});
    QTest::newRow("steep down-left") << QPoint(3, 0) << QPoint(1, 5)
                                     << lines({"...#", "...#", "..#.", "..#.", ".#..", "...."});
    QTest::newRow("steep down-right")
        << QPoint(1, 0) << QPoint(3, 5) << lines({".#..", ".#..", "..#.", "..#.", "...#", "...."});
    QTest::newRow("horizontal") << QPoint(1, 1) << QPoint(5, 1) << lines({"......", ".####.", "......"});
    QTest::newRow("vertical up") << QPoint(1, 3) << QPoint(1, 0) << lines({"...", ".#.", ".#.", ".#."});
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, 3) << lines({"#...", ".#..", "..#.", "...."});
    QTest::newRow("a point is empty") << QPoint(2, 2) << QPoint(2, 2) << lines({"...", "...", "..."});
}

void TestRaster::linePictures() {
    QFETCH(QPoint, a);
    QFETCH(QPoint, b);
    QFETCH(QString, pixels);
    CellRaster r;
    r.line(a, b);
    const int h = int(pixels.count(QLatin1Char('\n'))) + 1;
    QCOMPARE(picture(r,
                     int(pixels.indexOf(QLatin1Char('\n')) < 0 ? pixels.size()
                                                               : pixels.indexOf(QLatin1Char('\n'))),
                     h),
             pixels);
}

void TestRaster::linesInAllOctants() {
    // From the centre to every point of a 13 x 13 square: the line with its end point added is the same set
    // of pixels whichever way it is drawn (the tie-breaking makes lines reversible), it has one pixel per
    // step of its major axis, and its pixels touch.
    const QPoint c(20, 20);
    for (int dx = -6; dx <= 6; ++dx)
        for (int dy = -6; dy <= 6; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const QPoint e = c + QPoint(dx, dy);
            CellRaster forward, backward;
            forward.line(c, e);
            backward.line(e, c);
            QVERIFY(forward.isSet(c.x(), c.y()));
            QVERIFY(!forward.isSet(e.x(), e.y()));
            QVERIFY(backward.isSet(e.x(), e.y()));
            QVERIFY(!backward.isSet(c.x(), c.y()));
            QCOMPARE(count(forward), std::max(std::abs(dx), std::abs(dy)));
            forward.set(e.x(), e.y());
            backward.set(c.x(), c.y());
            QVERIFY2(picture(forward, 40, 40) == picture(backward, 40, 40),
                     qPrintable(QStringLiteral("%1,%2").arg(dx).arg(dy)));
            // Each pixel has a neighbour (8-connected) but for a line of one pixel.
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) {
                    if (!forward.isSet(x, y)) continue;
                    int neighbours = 0;
                    for (int i = -1; i <= 1; ++i)
                        for (int j = -1; j <= 1; ++j) neighbours += (i || j) && forward.isSet(x + i, y + j);
                    QVERIFY(neighbours >= 1);
                }
        }
}

void TestRaster::rectangles() {
    CellRaster r;
    r.rectangle({1, 1}, {5, 4}, false);
    QCOMPARE(picture(r, 6, 5), lines({"......", ".####.", ".#..#.", ".####.", "......"}));
    QCOMPARE(count(r), 10);
    r.clear();
    r.rectangle({5, 4}, {1, 1}, true); // corners in any order
    QCOMPARE(picture(r, 6, 5), lines({"......", ".####.", ".####.", ".####.", "......"}));
    QCOMPARE(count(r), 12);
    r.clear();
    r.rectangle({3, 3}, {3, 8}, true); // no width: nothing
    QCOMPARE(count(r), 0);
    r.rectangle({96, 96}, {99, 99}, false); // at the edge: the last column and row stay clear
    QVERIFY(!r.isSet(99, 97) && !r.isSet(97, 99) && r.isSet(98, 98));
}

void TestRaster::ellipses() {
    CellRaster r;
    r.ellipse({0, 0}, {9, 7}, false);
    QCOMPARE(picture(r, 10, 8), lines({"..#####...", ".#.....#..", "#.......#.", "#.......#.", "#.......#.",
                                       ".#.....#..", "..#####...", ".........."}));
    r.clear();
    r.ellipse({9, 7}, {0, 0}, true);
    QCOMPARE(picture(r, 10, 8), lines({"..#####...", ".#######..", "#########.", "#########.", "#########.",
                                       ".#######..", "..#####...", ".........."}));
    r.clear();
    r.ellipse({0, 0}, {3, 2}, false); // small: a block
    QCOMPARE(picture(r, 4, 3), lines({"###.", "###.", "...."}));

    // A large one is symmetric, touches its box but not the excluded edges, and its outline lies in its fill.
    CellRaster outline, fill;
    outline.ellipse({10, 20}, {71, 45}, false);
    fill.ellipse({10, 20}, {71, 45}, true);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            QCOMPARE(outline.isSet(x, y), outline.isSet(10 + 70 - x, y));
            QCOMPARE(fill.isSet(x, y), fill.isSet(x, 20 + 44 - y));
            if (outline.isSet(x, y)) QVERIFY(fill.isSet(x, y));
        }
    QVERIFY(outline.isSet(10, 32) && outline.isSet(70, 32) && outline.isSet(40, 20) && outline.isSet(40, 44));
    for (int i = 0; i < 100; ++i) QVERIFY(!fill.isSet(71, i) && !fill.isSet(i, 45));
}

void TestRaster::roundRects() {
    CellRaster r;
    // 12 x 8 with a corner ellipse of 6 x 4.
    r.roundRect({0, 0}, {12, 8}, 6, 4, false);
    QCOMPARE(picture(r, 13, 9),
             lines({".##########..", "#..........#.", "#..........#.", "#..........#.", "#..........#.",
                    "#..........#.", "#..........#.", ".##########..", "............."}));
    r.clear();
    r.roundRect({12, 8}, {0, 0}, 6, 4, true);
    QCOMPARE(picture(r, 13, 9),
             lines({".##########..", "############.", "############.", "############.", "############.",
                    "############.", "############.", ".##########..", "............."}));
    // Corners of no size: a plain rectangle; corners larger than the box: an ellipse.
    CellRaster plain, rect, big, ellipse;
    plain.roundRect({1, 1}, {5, 4}, 0, 0, false);
    rect.rectangle({1, 1}, {5, 4}, false);
    QCOMPARE(picture(plain, 8, 8), picture(rect, 8, 8));
    big.roundRect({0, 0}, {20, 10}, 200, 100, true);
    ellipse.ellipse({0, 0}, {20, 10}, true);
    QCOMPARE(picture(big, 22, 12), picture(ellipse, 22, 12));
}

void TestRaster::polygons() {
    const QPoint triangle[] = {{2, 2}, {10, 2}, {6, 8}};
    CellRaster r;
    r.polygon(triangle, false);
    QCOMPARE(picture(r, 12, 10),
             lines({"............", "............", "..#########.", "...#.....#..", "...#.....#..",
                    "....#...#...", ".....#.#....", ".....#.#....", "......#.....", "............"}));
    r.clear();
    r.polygon(triangle, true);
    // The fill reaches the outline on every row, wherever the outline's steps fall.
    QCOMPARE(picture(r, 12, 10),
             lines({"............", "............", "..#########.", "...#######..", "...#######..",
                    "....#####...", ".....###....", ".....###....", "......#.....", "............"}));
    // Even-odd: the middle of a self-crossing star stays empty, an axis-aligned square is filled with its
    // outline.
    CellRaster star;
    const QPoint points[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    star.polygon(points, true);
    QVERIFY(!star.isSet(10, 10));
    QVERIFY(star.isSet(10, 3));
    CellRaster square;
    const QPoint corners[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
    square.polygon(corners, true);
    QCOMPARE(count(square), 20);
}

void TestRaster::curves() {
    CellRaster r;
    // Control points on one line: the curve is that line, its end left out.
    r.bezier({0, 1}, {3, 1}, {6, 1}, {9, 1});
    QCOMPARE(picture(r, 10, 3), lines({"..........", "#########.", ".........."}));
    r.clear();
    r.bezier({0, 6}, {0, 0}, {12, 0}, {12, 6});
    QCOMPARE(picture(r, 13, 7), lines({".............", ".............", "...#######...", "..#.......#..",
                                       ".#.........#.", "#...........#", "#............"}));
}

void TestRaster::stampWritesTheBrushInTheAreaInUse() {
    CellRaster r;
    r.rectangle({0, 0}, {100, 100}, true);
    CharGrid grid;
    r.stamp(grid, 10, 5, CharCell::of(0xBB, 0xAD));
    QCOMPARE(grid.at(9, 4), CharCell::of(0xBB, 0xAD));
    QCOMPARE(grid.at(10, 4), CharCell::blank());
    QCOMPARE(grid.at(9, 5), CharCell::blank());
    r.clear();
    r.set(3, 3);
    r.set(200, 3); // outside the picture: ignored
    grid.fill(CharCell::of('x', 'x'));
    r.stamp(grid, 100, 100, CharCell::of('a', ' '));
    QCOMPARE(grid.at(3, 3), CharCell::of('a', ' '));
    QCOMPARE(grid.at(4, 3), CharCell::of('x', 'x'));
}

QTEST_GUILESS_MAIN(TestRaster)
#include "tst_raster.moc"
