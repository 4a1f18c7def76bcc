// Canvas painting: grid-line geometry, cell text placement, incremental repaint.
#include "GridText.h"
#include "core/model/ChildDocument.h"
#include "core/render/Canvas.h"
#include "core/text/GbkText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kMarker = qRgb(0, 255, 0);

QRgb px(const Canvas& c, int x, int y) {
    return c.picture().pixel(x, y) | 0xFF000000u;
}

// Which pixels of the cell interior (all but the grid lines) are not white.
QList<QPoint> inkIn(const Canvas& c, int col, int row) {
    QList<QPoint> ink;
    for (int y = 18 * row + 1; y < 18 * row + 18; ++y)
        for (int x = 18 * col + 1; x < 18 * col + 18; ++x)
            if (px(c, x, y) != kWhite) ink << QPoint(x, y);
    return ink;
}

void mark(Canvas& c, int col, int row) {
    // Something drawn over the cell, in a colour the canvas can hold.
    c.picture().setPixel(18 * col + 9, 18 * row + 9, uint(c.picture().colorTable().indexOf(kMarker)));
}
bool marked(const Canvas& c, int col, int row) {
    return px(c, 18 * col + 9, 18 * row + 9) == kMarker;
}

} // namespace

class TestCanvas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gridLineGeometry_data();
    void gridLineGeometry();
    void textPlacement();
    void reDrawPaintsExactlyTheDifferingCells();
    void cellsOutsideTheAreaAreNeverPainted();
    void blankingACellLeavesNoInk();
    void badBytesStillPaint();
    void symbolsFillTheirDoubleCell();
    void cellsAtOtherZoomsAndDensities_data();
    void cellsAtOtherZoomsAndDensities();
    void fewDoubleByteCharactersAreNarrow();
    void narrowCharactersAreCentred();
};

void TestCanvas::gridLineGeometry_data() {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::newRow("1x1") << 1 << 1;
    QTest::newRow("50x50") << 50 << 50;
    QTest::newRow("100x100") << 100 << 100;
    QTest::newRow("7x3") << 7 << 3;
}

void TestCanvas::gridLineGeometry() {
    QFETCH(int, w);
    QFETCH(int, h);
    ChildDocument doc;
    doc.GridWidth = w;
    doc.GridHeight = h;
    Canvas canvas;
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, w, h);
    QCOMPARE(canvas.picture().size(), QSize(18 * w, 18 * h));

    // Vertical lines: exactly the columns 18i for i in 1..w-1 are red at the top row (no line at y = 0).
    QList<int> redColumns, redRows;
    for (int x = 0; x < 18 * w; ++x)
        if (px(canvas, x, 1) == kRed) redColumns << x;
    for (int y = 0; y < 18 * h; ++y)
        if (px(canvas, 1, y) == kRed) redRows << y;
    QCOMPARE(redColumns.size(), w - 1);
    QCOMPARE(redRows.size(), h - 1);
    for (int i = 0; i < redColumns.size(); ++i) QCOMPARE(redColumns[i], 18 * (i + 1));
    for (int j = 0; j < redRows.size(); ++j) QCOMPARE(redRows[j], 18 * (j + 1));

    // Dotted: three on, three off along a line; nothing red on the outer edges.
    if (w > 1) {
        QCOMPARE(px(canvas, 18, 0), kRed);
        QCOMPARE(px(canvas, 18, 2), kRed);
        QCOMPARE(px(canvas, 18, 3), kWhite);
        QCOMPARE(px(canvas, 18, 5), kWhite);
        QCOMPARE(px(canvas, 18, 6), kRed);
    }
    for (int x = 0; x < 18 * w; ++x) QVERIFY(px(canvas, x, 18 * h - 1) != kRed || x % 18 == 0);
    int reds = 0;
    for (int y = 0; y < 18 * h; ++y)
        for (int x = 0; x < 18 * w; ++x) reds += px(canvas, x, y) == kRed;
    if (w == 1 && h == 1) QCOMPARE(reds, 0);

    // The shown grid now equals the current grid: an immediate ReDraw paints nothing.
    const qint64 painted = canvas.paintedCells();
    QVERIFY(canvas.reDraw(doc.CurGrid, doc.ShownGrid, w, h).isEmpty());
    QCOMPARE(canvas.paintedCells(), painted);
}

void TestCanvas::textPlacement() {
    ChildDocument doc;
    doc.GridWidth = doc.GridHeight = 4;
    setGridText(doc.CurGrid, QStringLiteral("画ab\n  a "));
    Canvas canvas;
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 4, 4);

    // The glyph of 画 is drawn in the 16-pixel square at (+2, +2) of the cell, as the font draws it there.
    const CanvasFace& face = canvas.cellPainter().face();
    QImage expected(16, 16, QImage::Format_RGB32);
    expected.fill(kWhite);
    {
        QPainter p(&expected);
        p.setFont(face.wide);
        p.setPen(Qt::black);
        p.drawText((16 - QFontMetrics(face.wide).horizontalAdvance(QStringLiteral("画"))) / 2,
                   face.baseline(), QStringLiteral("画"));
    }
    int inkPixels = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            QCOMPARE(px(canvas, 2 + x, 2 + y), expected.pixel(x, y) | 0xFF000000u);
            inkPixels += expected.pixel(x, y) != kWhite;
        }
    QVERIFY(inkPixels > 20);

    // Two single-byte characters take 8 pixels each; a blank cell has no ink; a single byte uses the left
    // half.
    const QList<QPoint> ab = inkIn(canvas, 1, 0);
    QVERIFY(!ab.isEmpty());
    bool leftHalf = false, rightHalf = false;
    for (const QPoint& p : ab) {
        leftHalf |= p.x() < 18 + 10;
        rightHalf |= p.x() >= 18 + 10;
    }
    QVERIFY(leftHalf && rightHalf);
    QVERIFY(inkIn(canvas, 0, 1).isEmpty());
    const QList<QPoint> a = inkIn(canvas, 1, 1);
    QVERIFY(!a.isEmpty());
    for (const QPoint& p : a) QVERIFY(p.x() < 18 + 10);
}

void TestCanvas::reDrawPaintsExactlyTheDifferingCells() {
    ChildDocument doc;
    Canvas canvas;
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 50, 50);
    for (int col : {0, 3, 49})
        for (int row : {0, 4, 49}) mark(canvas, col, row);

    doc.CurGrid.at(3, 4) = CharCell::of(0xBB, 0xAD); // 画
    doc.CurGrid.at(49, 49) = CharCell::of('x', 'y');
    const qint64 before = canvas.paintedCells();
    const QRect dirty = canvas.reDraw(doc.CurGrid, doc.ShownGrid, 50, 50);
    QCOMPARE(canvas.paintedCells() - before, qint64(2));
    QCOMPARE(dirty, canvas.cellRect(3, 4) | canvas.cellRect(49, 49));
    QVERIFY(!marked(canvas, 3, 4));
    QVERIFY(!marked(canvas, 49, 49));
    // Unchanged cells are not touched, even with something else drawn over them.
    QVERIFY(marked(canvas, 0, 0));
    QVERIFY(marked(canvas, 3, 0));
    QVERIFY(marked(canvas, 49, 4));
    QVERIFY(doc.ShownGrid.sameArea(doc.CurGrid, 50, 50));

    // A cell whose text changed back is repainted again; a second ReDraw paints nothing.
    doc.CurGrid.at(3, 4) = CharCell::blank();
    QCOMPARE(canvas.reDraw(doc.CurGrid, doc.ShownGrid, 50, 50), canvas.cellRect(3, 4));
    QVERIFY(inkIn(canvas, 3, 4).isEmpty());
    QVERIFY(canvas.reDraw(doc.CurGrid, doc.ShownGrid, 50, 50).isEmpty());
}

void TestCanvas::cellsOutsideTheAreaAreNeverPainted() {
    ChildDocument doc;
    doc.GridWidth = 10;
    doc.GridHeight = 5;
    for (int x = 0; x < kGridMax; ++x)
        for (int y = 0; y < kGridMax; ++y) doc.CurGrid.at(x, y) = CharCell::of('#', '#');
    Canvas canvas;
    canvas.reset(10, 5);
    const QRect dirty = canvas.reDraw(doc.CurGrid, doc.ShownGrid, 10, 5);
    QCOMPARE(dirty, QRect(0, 0, 180, 90));
    QCOMPARE(canvas.paintedCells(), qint64(50));
    // The shown grid keeps its spaces outside the area in use.
    QCOMPARE(doc.ShownGrid.at(10, 0), CharCell::blank());
    QCOMPARE(doc.ShownGrid.at(0, 5), CharCell::blank());
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 10, 5);
    QCOMPARE(canvas.picture().size(), QSize(180, 90));
    QCOMPARE(doc.ShownGrid.at(99, 99), CharCell::blank());
}

void TestCanvas::blankingACellLeavesNoInk() {
    // The font inks the last column and row of its 16-pixel box, which lie outside the
    // 16 x 16 box cleared before the text; blanking a cell must still leave it clean.
    ChildDocument doc;
    Canvas canvas;
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 50, 50);
    for (const QString& text :
         {QStringLiteral("画"), QStringLiteral("鑫"), QStringLiteral("|y"), QStringLiteral("龍")}) {
        setGridText(doc.CurGrid, text);
        canvas.reDraw(doc.CurGrid, doc.ShownGrid, 50, 50);
        QVERIFY(!inkIn(canvas, 0, 0).isEmpty());
        doc.CurGrid.at(0, 0) = CharCell::blank();
        canvas.reDraw(doc.CurGrid, doc.ShownGrid, 50, 50);
        QVERIFY2(inkIn(canvas, 0, 0).isEmpty(), qPrintable(text));
    }
}

void TestCanvas::badBytesStillPaint() {
    ChildDocument doc;
    doc.CurGrid.at(0, 0) = CharCell::of(0xD6, ' ');  // lead byte without its trail
    doc.CurGrid.at(1, 0) = CharCell::of(0xFF, 0xFF); // never valid
    doc.CurGrid.at(2, 0) = CharCell::of('a', 0);     // one-byte brush
    doc.CurGrid.at(3, 0) = CharCell::of(0, 'z');     // a first byte of 0 ends the text at once
    Canvas canvas;
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 50, 50);
    QVERIFY(!inkIn(canvas, 0, 0).isEmpty());
    QVERIFY(!inkIn(canvas, 1, 0).isEmpty());
    QVERIFY(!inkIn(canvas, 2, 0).isEmpty());
    QVERIFY(inkIn(canvas, 3, 0).isEmpty());
}

namespace {

// Where the ink of the text square of cell (col, row) lies: its leftmost and rightmost columns,
// counted from the square's left edge (-1, -1 without ink).
std::pair<int, int> inkColumns(const Canvas& c, int col, int row) {
    int left = -1, right = -1;
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            if (px(c, 18 * col + 2 + x, 18 * row + 2 + y) != kWhite) {
                if (left < 0) left = x;
                right = x;
                break;
            }
    return {left, right};
}

} // namespace

void TestCanvas::symbolsFillTheirDoubleCell() {
    // The symbols character art is made of take the width of a Chinese character, centred.
    const QString shapes = QStringLiteral("■□●○◆◇▲△★☆※");
    ChildDocument doc;
    setGridText(doc.CurGrid, shapes);
    Canvas canvas;
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 50, 50);
    for (int i = 0; i < shapes.size(); ++i) {
        const auto [left, right] = inkColumns(canvas, i, 0);
        const QString where = QStringLiteral("%1: %2..%3").arg(shapes[i]).arg(left).arg(right);
        QVERIFY2(left >= 0 && right - left + 1 >= 12, qPrintable(where));
        QVERIFY2(std::abs(left + right - 15) <= 3, qPrintable(where)); // centred
    }

    // Lines meet the lines of the cells beside them: each reaches the side it leads to, and a
    // vertical stroke runs down the middle.
    struct Line {
        QString text;
        bool toLeft, toRight, middle;
    };
    const QList<Line> lines{
        {QStringLiteral("─"), true, true, false}, {QStringLiteral("│"), false, false, true},
        {QStringLiteral("┌"), false, true, true}, {QStringLiteral("┐"), true, false, true},
        {QStringLiteral("└"), false, true, true}, {QStringLiteral("┘"), true, false, true},
        {QStringLiteral("├"), false, true, true}, {QStringLiteral("┤"), true, false, true},
        {QStringLiteral("┬"), true, true, true},  {QStringLiteral("┴"), true, true, true},
        {QStringLiteral("┼"), true, true, true},
    };
    QString row;
    for (const Line& l : lines) row += l.text;
    setGridText(doc.CurGrid, row);
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 50, 50);
    for (int i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        const auto [left, right] = inkColumns(canvas, i, 0);
        const QString where = QStringLiteral("%1: %2..%3").arg(l.text).arg(left).arg(right);
        QVERIFY2(left >= 0, qPrintable(where));
        QVERIFY2((left == 0) == l.toLeft, qPrintable(where));
        QVERIFY2((right == 15) == l.toRight, qPrintable(where));
        if (l.middle) {
            // The square's middle column, or the one left of it, carries ink from top to bottom half.
            bool stroke = false;
            for (int x : {7, 8}) {
                int inked = 0;
                for (int y = 0; y < 16; ++y) inked += px(canvas, 18 * i + 2 + x, 2 + y) != kWhite;
                stroke |= inked >= 7;
            }
            QVERIFY2(stroke, qPrintable(where));
        }
    }
}

void TestCanvas::cellsAtOtherZoomsAndDensities_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("density");
    QTest::addColumn<QList<int>>("edges"); // where the grid lines before cells 1, 2 and 3 lie
    QTest::addColumn<int>("em");           // the text square's side
    QTest::addColumn<int>("frame");        // the selection frame's width
    QTest::newRow("75%") << 0.75 << 1.0 << QList<int>{14, 27, 41} << 11 << 2;
    QTest::newRow("200%") << 2.0 << 1.0 << QList<int>{36, 72, 108} << 32 << 2;
    QTest::newRow("100% at density 2") << 1.0 << 2.0 << QList<int>{36, 72, 108} << 32 << 4;
    QTest::newRow("400%") << 4.0 << 1.0 << QList<int>{72, 144, 216} << 64 << 2;
}

void TestCanvas::cellsAtOtherZoomsAndDensities() {
    QFETCH(double, zoom);
    QFETCH(double, density);
    QFETCH(QList<int>, edges);
    QFETCH(int, em);
    QFETCH(int, frame);
    ChildDocument doc;
    doc.GridWidth = doc.GridHeight = 3;
    setGridText(doc.CurGrid, QStringLiteral("画"));
    Canvas canvas;
    canvas.setGeometry(CellGeometry(zoom, density));
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 3, 3);
    const int side = edges[2];
    QCOMPARE(canvas.picture().size(), QSize(side, side));
    QCOMPARE(canvas.cellPainter().face().em, em);
    QCOMPARE(canvas.cellPainter().face().wide.pixelSize(), em);

    // Grid lines one device pixel wide at the edges, dotted three on, three off; nothing red elsewhere.
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const bool onLine =
                (y > 0 && edges.contains(y)) || (x > 0 && edges.contains(x) && !edges.contains(y));
            const bool dot = edges.contains(y) && y > 0 ? x % 6 < 3 : y % 6 < 3;
            if (px(canvas, x, y) == kRed)
                QVERIFY2(onLine && dot, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            else if (onLine && dot && x > 0 && y > 0)
                QFAIL(qPrintable(QStringLiteral("no dot at %1, %2").arg(x).arg(y)));
        }

    // 画 drawn by the font at the square's size, not a scaled picture of the 16-pixel glyph.
    const CanvasFace& face = canvas.cellPainter().face();
    QImage expected(em, em, QImage::Format_RGB32);
    expected.fill(kWhite);
    {
        QPainter p(&expected);
        p.setFont(face.wide);
        p.setPen(Qt::black);
        p.drawText((em - QFontMetrics(face.wide).horizontalAdvance(QStringLiteral("画"))) / 2,
                   face.baseline(), QStringLiteral("画"));
    }
    const int origin = 1 + canvas.geometry().textOffset();
    int ink = 0;
    for (int y = 0; y < em; ++y)
        for (int x = 0; x < em; ++x) {
            QCOMPARE(px(canvas, origin + x, origin + y), expected.pixel(x, y) | 0xFF000000u);
            ink += expected.pixel(x, y) != kWhite;
        }
    QVERIFY(ink > em * 2);

    // The selection frame around cell (1, 1): two screen pixels wide on its grid lines.
    canvas.drawFrame({1, 1, 2, 2});
    const QRgb blue = qRgb(0, 0, 255);
    for (int k = 0; k < frame; ++k) {
        QCOMPARE(px(canvas, edges[0] - k, edges[0] + 3), blue);
        QCOMPARE(px(canvas, edges[1] - 1 + k, edges[0] + 3), blue);
    }
    QVERIFY(px(canvas, edges[0] - frame, edges[0] + 3) != blue);
    QVERIFY(px(canvas, edges[0] + 1, edges[0] + 3) != blue);
}

void TestCanvas::fewDoubleByteCharactersAreNarrow() {
    // Over every GBK double-byte character: those the canvas face draws narrower than 90 % of 中
    // are letters of other alphabets and single marks, and there are few of them.
    Canvas canvas;
    const QFontMetrics metrics(canvas.cellPainter().face().wide);
    const int full = metrics.horizontalAdvance(QStringLiteral("中"));
    int characters = 0;
    QString narrow, unexpected;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const char bytes[2] = {char(lead), char(trail)};
            bool ok = false;
            const QString text = gbkToUnicode(QByteArrayView(bytes, 2), &ok);
            if (!ok || text.size() != 1 || text[0].isNull() || text[0].category() == QChar::Other_PrivateUse)
                continue;
            ++characters;
            if (metrics.horizontalAdvance(text) * 10 >= full * 9) continue;
            narrow += text;
            // Never narrow: Chinese characters and their punctuation, kana, full-width forms, and the
            // blocks character art is drawn with (lines, blocks, shapes, symbols, circled numbers, arrows).
            const char16_t u = text[0].unicode();
            const bool art = (u >= 0x2190 && u <= 0x21FF) || (u >= 0x2460 && u <= 0x27BF) ||
                             (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
                             (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF01 && u <= 0xFF60) ||
                             (u >= 0xFFE0 && u <= 0xFFE6);
            if (art) unexpected += text;
        }
    QVERIFY2(characters > 21000, qPrintable(QString::number(characters)));
    QVERIFY2(narrow.size() < 160, qPrintable(QStringLiteral("%1: %2").arg(narrow.size()).arg(narrow)));
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void TestCanvas::narrowCharactersAreCentred() {
    // α stays narrow in a Chinese face: it sits in the middle of the character's 16 pixels.
    ChildDocument doc;
    setGridText(doc.CurGrid, QStringLiteral("α"));
    Canvas canvas;
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 50, 50);
    const auto [left, right] = inkColumns(canvas, 0, 0);
    QVERIFY2(left >= 3 && right <= 12 && std::abs(left + right - 15) <= 2,
             qPrintable(QStringLiteral("%1..%2").arg(left).arg(right)));

    // Painted directly over another glyph (as the pencil does), the whole square is the new text.
    doc.CurGrid.at(1, 0) = CharCell::of(0xBB, 0xAD);
    canvas.reDraw(doc.CurGrid, doc.ShownGrid, 50, 50);
    canvas.cellPainter().paintText(canvas.picture(), 1, 0, doc.CurGrid.at(0, 0));
    for (int y = 2; y < 18; ++y)
        for (int x = 2; x < 18; ++x) QCOMPARE(px(canvas, 18 + x, y), px(canvas, x, y));
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
