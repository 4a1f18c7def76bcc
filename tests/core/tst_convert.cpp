// Pictures to cells: the grey value, the threshold and the gradient, inverting,
// the brush and article fills, the automatic threshold, the stretch, and loading
// real picture files made here, broken ones included.
#include "SamplePictures.h"
#include "core/convert/CellConversion.h"
#include "core/convert/Conversion.h"
#include "core/convert/ImagePixels.h"
#include "core/convert/Picture.h"
#include "core/render/ShapeGlyphs.h"
#include "core/text/GbkText.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace convert;

Q_DECLARE_METATYPE(ConversionSettings)

namespace {

// A 100 x 100 picture whose first `n` pixels of row 0 have these greys.
QImage greys(std::initializer_list<int> values) {
    QImage p = blankPicture();
    int x = 0;
    for (int g : values) p.setPixel(x++, 0, qRgb(g, g, g));
    return p;
}

// A 100 x 100 picture, white but for these rows of greys at its top left.
QImage picture(std::initializer_list<std::initializer_list<int>> rows) {
    QImage p = blankPicture();
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (int g : row) p.setPixel(x++, y, qRgb(g, g, g));
        ++y;
    }
    return p;
}

// Shades for every rule: 149, 150 and 151 about the default threshold; 255 and 30 the most frequent.
QImage shades() {
    return picture({{0, 60, 120, 150, 200, 255}, {255, 255, 30, 30, 149, 151}});
}

// Ink as the text banner draws it: exactly black on white.
QImage ink() {
    return picture({{255, 255, 255, 255, 255}, {255, 0, 255, 255, 255}, {255, 0, 0, 255, 255}});
}

QByteArray row(const QList<QByteArray>& lines, int y = 0) {
    return lines.value(y);
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A picture with a black left half and a white right half, with one red pixel at (1, 1).
QImage halves(int w, int h) {
    QImage p(w, h, QImage::Format_RGB32);
    p.fill(Qt::white);
    QPainter painter(&p);
    painter.fillRect(0, 0, w / 2, h, Qt::black);
    painter.end();
    p.setPixel(1, 1, qRgb(255, 0, 0));
    return p;
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return buffer.data();
}

QByteArray le(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
    return out;
}

// An uncompressed bitmap of w x h pixels, `bits` each (a black and white palette for 1 bit),
// with `rows` bytes of pixels behind its header, however many its rows would take.
QByteArray bitmap(quint32 w, quint32 h, int bits, qsizetype rows) {
    const QByteArray palette = bits == 1 ? QByteArray("\0\0\0\0\xFF\xFF\xFF\0", 8) : QByteArray();
    const quint32 offset = 14 + 40 + quint32(palette.size());
    return "BM" + le(offset + quint32(rows), 4) + le(0, 4) + le(offset, 4) + le(40, 4) + le(w, 4) + le(h, 4) +
           le(1, 2) + le(quint32(bits), 2) + le(0, 4) + le(quint32(rows), 4) + le(2835, 4) + le(2835, 4) +
           le(palette.isEmpty() ? 0 : 2, 4) + le(0, 4) + palette + QByteArray(rows, '\0');
}

// PNG's checksum of a chunk (CRC-32), bit by bit.
quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFF;
    for (char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (crc & 1 ? 0xEDB88320 : 0);
    }
    return ~crc;
}

void putBigEndian(QByteArray& bytes, qsizetype at, quint32 value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = char((value >> (8 * (size - 1 - i))) & 0xFF);
}

// The picture's bytes with the size its header gives changed: the PNG header's fields (its
// checksum made right, so that the header reads as valid) or the JPEG frame's.
QByteArray claiming(QByteArray bytes, quint32 w, quint32 h) {
    if (bytes.startsWith("\x89PNG")) {
        putBigEndian(bytes, 16, w, 4);
        putBigEndian(bytes, 20, h, 4);
        putBigEndian(bytes, 29, crc32(bytes.mid(12, 17)), 4); // over "IHDR" and its 13 bytes
    } else {
        const qsizetype sof = bytes.indexOf("\xFF\xC0");
        putBigEndian(bytes, sof + 5, h, 2);
        putBigEndian(bytes, sof + 7, w, 2);
    }
    return bytes;
}

} // namespace

class TestConvert : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void greyValues();
    void thresholdAndBrush();
    void gradientSteps();
    void ditheringKeepsTheGreyLevel();
    void invertTwiceGivesItBack();
    void articleWalks();
    void automaticThreshold();
    void inkBoundsCountOnlyBlack();
    void stretchTakesOnePixelEach();
    void pictureFilesOfEachKind();
    void brokenAndHugePicturesAreRefused();
    void headersClaimingMoreThanTheBytesHoldAreDamaged_data();
    void headersClaimingMoreThanTheBytesHoldAreDamaged();
    void sampledJpegMatchesTheFullDecode();
    void cmykJpegGoesToTheFullDecoder();
    void pixelViewsFollowTheirRows();
    void conversion_data();
    void conversion();
    void conversionShowsItsEffect();
    void shapesFollowTheCellsPicture();
    void shapesKeepBroadShades();
};

void TestConvert::greyValues() {
    QCOMPARE(grey(qRgb(255, 255, 254)), 254);
    QCOMPARE(grey(qRgb(1, 1, 0)), 0);
    QCOMPARE(grey(qRgb(3, 3, 3)), 3);
    QCOMPARE(grey(qRgb(30, 60, 91)), 60);
}

void TestConvert::thresholdAndBrush() {
    QImage effect = blankPicture();
    twoColour(constPixels(greys({150, 149, 255, 0})), pixels(effect), 4, 1, kDefaultThreshold);
    Fill brush;
    brush.brush = QByteArray("\xBB\xAD"); // 画
    QCOMPARE(row(cells(constPixels(effect), 4, 1, Mode::TwoColour, brush)),
             QByteArray("\xBB\xAD  \xBB\xAD  "));
    // A white picture is ink everywhere, a black one background everywhere.
    QImage white = blankPicture(), black = blankPicture();
    black.fill(Qt::black);
    twoColour(constPixels(white), pixels(effect), 3, 2, 150);
    QCOMPARE(cells(constPixels(effect), 3, 2, Mode::TwoColour, brush),
             (QList<QByteArray>{"\xBB\xAD\xBB\xAD\xBB\xAD", "\xBB\xAD\xBB\xAD\xBB\xAD"}));
    twoColour(constPixels(black), pixels(effect), 3, 2, 150);
    QCOMPARE(cells(constPixels(effect), 3, 2, Mode::TwoColour, brush),
             (QList<QByteArray>{"      ", "      "}));
    // A threshold of 0 makes every pixel ink; of 255 only pure white.
    twoColour(constPixels(greys({0, 254, 255})), pixels(effect), 3, 1, 0);
    QCOMPARE(row(cells(constPixels(effect), 3, 1, Mode::TwoColour, brush)),
             QByteArray("\xBB\xAD\xBB\xAD\xBB\xAD"));
    twoColour(constPixels(greys({0, 254, 255})), pixels(effect), 3, 1, 255);
    QCOMPARE(row(cells(constPixels(effect), 3, 1, Mode::TwoColour, brush)), QByteArray("    \xBB\xAD"));
    // A one-byte brush is completed with a space; its preview pairs spaces across cells.
    twoColour(constPixels(greys({255, 0})), pixels(effect), 2, 1, 150);
    brush.brush = "a";
    const QList<QByteArray> lines = cells(constPixels(effect), 2, 1, Mode::TwoColour, brush);
    QCOMPARE(lines, QList<QByteArray>{"a   "});
    QCOMPARE(previewBytes(lines), QByteArray("a\xA1\xA1 \r\n"));
}

void TestConvert::gradientSteps() {
    QImage effect = blankPicture();
    gradient(constPixels(greys({0, 25, 26, 233, 234, 255, 130})), pixels(effect), 7, 1);
    QCOMPARE(row(cells(constPixels(effect), 7, 1, Mode::Gradient, Fill())), QByteArray("@@@@%%..    !!"));
}

void TestConvert::ditheringKeepsTheGreyLevel() {
    // Flat greys of 0, 25, 50, 75 and 100 %: ink (the light side, as with the threshold) on that
    // share of the cells, within three points, whatever the threshold.
    Fill brush;
    brush.brush = QByteArray("\xBB\xAD"); // 画
    for (int threshold : {128, 150, 90})
        for (const auto& [grey, percent] : {std::pair{0, 0}, {64, 25}, {128, 50}, {191, 75}, {255, 100}}) {
            QImage flat = blankPicture();
            flat.fill(qRgb(grey, grey, grey));
            const Conversion c = convertPicture(
                constPixels(flat),
                {.size = {100, 100}, .mode = Mode::Dither, .threshold = threshold, .fill = brush});
            int inked = 0;
            for (const QByteArray& line : c.lines) inked += line.count("\xBB\xAD");
            const QString what =
                QStringLiteral("grey %1, threshold %2: %3 of 10000").arg(grey).arg(threshold).arg(inked);
            QVERIFY2(std::abs(inked - percent * 100) <= 300, qPrintable(what));
        }

    // Half grey is spread evenly: every 10 x 10 block holds about half ink, not rows of it.
    QImage half = blankPicture();
    half.fill(qRgb(128, 128, 128));
    QImage effect = blankPicture();
    dither(constPixels(half), pixels(effect), 100, 100, kDefaultThreshold);
    for (int by = 0; by < 100; by += 10)
        for (int bx = 0; bx < 100; bx += 10) {
            int inked = 0;
            for (int y = by; y < by + 10; ++y)
                for (int x = bx; x < bx + 10; ++x) inked += effect.pixel(x, y) == qRgb(0, 0, 0);
            QVERIFY2(inked >= 35 && inked <= 65,
                     qPrintable(QStringLiteral("%1 at %2, %3").arg(inked).arg(bx).arg(by)));
        }

    // A ramp from black to white: the ink grows from band to band of ten columns.
    QImage ramp = blankPicture();
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) ramp.setPixel(x, y, qRgb(x * 255 / 99, x * 255 / 99, x * 255 / 99));
    dither(constPixels(ramp), pixels(effect), 100, 100, kDefaultThreshold);
    int before = -1;
    for (int band = 0; band < 100; band += 10) {
        int inked = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = band; x < band + 10; ++x) inked += effect.pixel(x, y) == qRgb(0, 0, 0);
        QVERIFY2(inked > before,
                 qPrintable(QStringLiteral("band %1: %2 after %3").arg(band).arg(inked).arg(before)));
        before = inked;
    }

    // Inverted, ink and background change places as in the threshold mode.
    const Conversion inverted =
        convertPicture(constPixels(greys({255, 255, 255})),
                       {.size = {3, 1}, .mode = Mode::Dither, .invert = true, .fill = brush});
    QCOMPARE(row(inverted.lines), QByteArray("      "));
}

void TestConvert::invertTwiceGivesItBack() {
    QImage effect = blankPicture();
    twoColour(constPixels(greys({200, 10, 200})), pixels(effect), 3, 1, 150);
    const QImage before = effect;
    invert(pixels(effect), 3, 1, Mode::TwoColour);
    QCOMPARE(row(cells(constPixels(effect), 3, 1, Mode::TwoColour, Fill{"xx", false, {}})),
             QByteArray("  xx  "));
    invert(pixels(effect), 3, 1, Mode::TwoColour);
    QCOMPARE(effect, before);
    gradient(constPixels(greys({0, 26, 130, 255})), pixels(effect), 4, 1);
    const QImage levels = effect;
    invert(pixels(effect), 4, 1, Mode::Gradient);
    QCOMPARE(row(cells(constPixels(effect), 4, 1, Mode::Gradient, Fill())), QByteArray("  ..||@@"));
    invert(pixels(effect), 4, 1, Mode::Gradient);
    QCOMPARE(effect, levels);
}

void TestConvert::articleWalks() {
    auto walk = [](const QByteArray& article, int n) {
        ArticleWalk w(article);
        QList<QByteArray> out;
        for (int i = 0; i < n; ++i) {
            const CharCell c = w.next();
            out << QByteArray(1, char(c.b0)) + char(c.b1);
        }
        return out;
    };
    QCOMPARE(walk("ab\xD6\xD0"
                  "c",
                  7),
             (QList<QByteArray>{"ab", "\xD6\xD0", "ca", "b ", "\xD6\xD0", "ca", "b "}));
    QCOMPARE(walk("ab\r\ncd", 5), (QList<QByteArray>{"ab", "  ", "cd", "ab", "  "}));
    // An article that starts with a double-byte character: its last single byte gets a space.
    QCOMPARE(walk("\xD6\xD0x", 3), (QList<QByteArray>{"\xD6\xD0", "x ", "\xD6\xD0"}));
    QCOMPARE(walk("", 2), (QList<QByteArray>{"  ", "  "}));
    // Laid over the ink cells in reading order; background cells take nothing.
    QImage effect = blankPicture();
    twoColour(constPixels(greys({255, 0, 255})), pixels(effect), 3, 1, 150);
    QImage second = effect;
    QCOMPARE(row(cells(constPixels(effect), 3, 1, Mode::TwoColour, Fill{"  ", true, "abcd"})),
             QByteArray("ab  cd"));
}

void TestConvert::automaticThreshold() {
    QImage p = blankPicture();
    // Mean of 0, 100, 200 and 255 over a 4 x 1 area.
    p.setPixel(0, 0, qRgb(0, 0, 0));
    p.setPixel(1, 0, qRgb(100, 100, 100));
    p.setPixel(2, 0, qRgb(200, 200, 200));
    QCOMPARE(autoThreshold(constPixels(p), 4, 1, ThresholdMethod::Mean), std::optional<int>(138));
    // Most frequent: white, in a picture mostly white; a tie goes to the lowest grey.
    QCOMPARE(autoThreshold(constPixels(blankPicture()), 10, 10, ThresholdMethod::MostFrequent),
             std::optional<int>(255));
    QCOMPARE(autoThreshold(constPixels(p), 2, 1, ThresholdMethod::MostFrequent), std::optional<int>(0));
    QCOMPARE(autoThreshold(constPixels(p), 0, 5, ThresholdMethod::Mean), std::nullopt);
}

void TestConvert::inkBoundsCountOnlyBlack() {
    QImage p = blankPicture();
    QCOMPARE(inkBounds(constPixels(p), 100, 100), QRect());
    p.setPixel(12, 7, qRgb(0, 0, 0));
    p.setPixel(15, 9, qRgb(0, 0, 0));
    p.setPixel(3, 3, qRgb(1, 1, 1));   // nearly black is background
    p.setPixel(40, 40, qRgb(0, 0, 0)); // outside the area looked at
    QCOMPARE(inkBounds(constPixels(p), 30, 20), QRect(12, 7, 4, 3));
    // The box's cells: the brush on black, two spaces elsewhere, as many lines as rows.
    QCOMPARE(cellsIn(constPixels(p), QRect(12, 7, 4, 3), Mode::TwoColour, Fill{"ab", false, {}}),
             (QList<QByteArray>{"ab      ", "        ", "      ab"}));
}

void TestConvert::stretchTakesOnePixelEach() {
    // Four columns of greys 10, 20, 30, 40 squeezed to two: every other column, never a blend.
    QImage source(4, 1, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) source.setPixel(x, 0, qRgb(10 * (x + 1), 10 * (x + 1), 10 * (x + 1)));
    const QImage two = Picture::fromImage(source).scaled(2, 1);
    QCOMPARE(two.pixel(0, 0), qRgb(20, 20, 20));
    QCOMPARE(two.pixel(1, 0), qRgb(40, 40, 40));
    QCOMPARE(two.pixel(2, 0), qRgb(255, 255, 255)); // outside the stretch: white
    const QImage eight = Picture::fromImage(source).scaled(8, 2);
    for (int x = 0; x < 8; ++x) QCOMPARE(qRed(eight.pixel(x, 1)), 10 * (x / 2 + 1));
    // 300 x 200 at 150 x 100: the 100 x 100 picture holds the left two thirds at full height.
    const QImage cut = Picture::fromImage(halves(300, 200)).scaled(150, 100);
    QCOMPARE(cut.size(), QSize(100, 100));
    QCOMPARE(cut.pixel(74, 99), qRgb(0, 0, 0));
    QCOMPARE(cut.pixel(75, 0), qRgb(255, 255, 255));
    QCOMPARE(cut.pixel(99, 99), qRgb(255, 255, 255));
    // A zero or negative size stretches nothing.
    QCOMPARE(Picture::fromImage(source).scaled(0, 5), blankPicture());
}

void TestConvert::pictureFilesOfEachKind() {
    QTemporaryDir dir;
    const QImage art = halves(40, 30);
    for (const char* format : {"jpg", "bmp", "ico", "png"}) {
        const QString path = dir.filePath(QStringLiteral("art.") + QLatin1String(format));
        QVERIFY2(art.save(path, format), format);
        PictureError error;
        const Picture p = Picture::load(path, &error);
        QVERIFY2(!p.isNull(), qPrintable(QLatin1String(format) + QLatin1Char(' ') + error.detail));
        QCOMPARE(p.size(), QSize(40, 30));
        QVERIFY(!p.isVector());
        // The black half stays dark and the white half light, whatever the format's losses.
        QVERIFY2(grey(p.image().pixel(5, 20)) < 60, format);
        QVERIFY2(grey(p.image().pixel(35, 20)) > 200, format);
    }
    // GIF has no writer here: a one-pixel white GIF, byte by byte.
    writeBytes(dir.filePath(QStringLiteral("dot.gif")),
               QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                          ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                          35));
    PictureError gifError;
    const Picture gif = Picture::load(dir.filePath(QStringLiteral("dot.gif")), &gifError);
    QVERIFY2(!gif.isNull(), qPrintable(gifError.detail));
    QCOMPARE(gif.size(), QSize(1, 1));
    // A transparent PNG shows white where it is clear.
    QImage clear(10, 10, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QVERIFY(clear.save(dir.filePath(QStringLiteral("clear.png"))));
    PictureError error;
    QCOMPARE(Picture::load(dir.filePath(QStringLiteral("clear.png")), &error).image().pixel(3, 3),
             qRgb(255, 255, 255));
    // SVG is drawn anew at the size asked: a black left half of exactly 5 of 10 columns, and of 50 of 100.
    writeBytes(
        dir.filePath(QStringLiteral("art.svg")),
        "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10' viewBox='0 0 20 10'>"
        "<rect width='20' height='10' fill='white'/><rect width='10' height='10' fill='black'/></svg>");
    const Picture svg = Picture::load(dir.filePath(QStringLiteral("art.svg")), &error);
    QVERIFY2(!svg.isNull(), qPrintable(error.detail));
    QVERIFY(svg.isVector());
    QCOMPARE(svg.size(), QSize(20, 10));
    const QImage small = svg.scaled(10, 4);
    QCOMPARE(small.pixel(4, 2), qRgb(0, 0, 0));
    QCOMPARE(small.pixel(5, 2), qRgb(255, 255, 255));
    const QImage large = svg.scaled(1000, 400); // only the top-left 100 x 100 is made: all black
    QCOMPARE(large.pixel(99, 99), qRgb(0, 0, 0));
    // The same from bytes, as from a stream.
    QVERIFY(!Picture::fromBytes(fileBytes(dir.filePath(QStringLiteral("art.png"))), &error).isNull());
}

void TestConvert::brokenAndHugePicturesAreRefused() {
    QTemporaryDir dir;
    PictureError error;
    QVERIFY(Picture::load(dir.filePath(QStringLiteral("missing.jpg")), &error).isNull());
    QCOMPARE(error.kind, PictureError::Kind::CannotOpen);
    // A JPEG with its data garbled, and one cut off half way.
    QImage detailed(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) detailed.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(detailed.save(&buffer, "jpg"));
    const QByteArray jpeg = buffer.data();
    QByteArray garbled = jpeg.left(20) + QByteArray(jpeg.size() - 20, '\x5A');
    error = {};
    QVERIFY(Picture::fromBytes(garbled, &error).isNull());
    QCOMPARE(error.kind, PictureError::Kind::Damaged);
    QVERIFY(!error.detail.isEmpty()); // libjpeg's own reason
    error = {};
    QVERIFY(Picture::fromBytes(jpeg.left(jpeg.size() * 3 / 4), &error).isNull());
    QCOMPARE(error.kind, PictureError::Kind::Truncated);
    // A black bitmap cut off after its first two rows (the bottom ones): the rows that never
    // came are white, whatever memory held before.
    QImage black(5, 6, QImage::Format_RGB32);
    black.fill(Qt::black);
    QBuffer cut;
    cut.open(QIODevice::WriteOnly);
    QVERIFY(black.save(&cut, "bmp"));
    const QByteArray whole = cut.data();
    const qsizetype pixelsAt = qsizetype(quint8(whole[10])) | qsizetype(quint8(whole[11])) << 8;
    const Picture partial = Picture::fromBytes(whole.left(pixelsAt + 2 * 16), &error);
    QVERIFY2(!partial.isNull(), qPrintable(error.detail));
    QStringList rows;
    for (int y = 0; y < 6; ++y) {
        QString row;
        for (int x = 0; x < 5; ++x) row += partial.image().pixel(x, y) == qRgb(0, 0, 0) ? u'#' : u'.';
        rows << row;
    }
    QCOMPARE(rows, (QStringList{".....", ".....", ".....", ".....", "#####", "#####"}));
    // Not a picture at all.
    error = {};
    QVERIFY(Picture::fromBytes("hello, not a picture", &error).isNull());
    QCOMPARE(error.kind, PictureError::Kind::NotAPicture);
}

void TestConvert::headersClaimingMoreThanTheBytesHoldAreDamaged_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PictureError::Kind>("kind");
    QTest::addColumn<QSize>("size"); // the picture's size, or the one its header claims
    using Kind = PictureError::Kind;
    QImage detailed(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) detailed.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    const QByteArray png = encoded(halves(10, 10), "png");
    QTest::newRow("text after a PNG signature") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR garbage\n", 25)
                                                << Kind::ImplausibleSize << QSize(543646066, 1650550629);
    // Within the limits, but it would have had 324 MB set aside for it.
    QTest::newRow("a 10 x 10 PNG claiming 9000 x 9000")
        << claiming(png, 9000, 9000) << Kind::ImplausibleSize << QSize(9000, 9000);
    QTest::newRow("a 256 x 256 JPEG claiming 40000 x 40000")
        << claiming(encoded(detailed, "jpg"), 40000, 40000) << Kind::ImplausibleSize << QSize(40000, 40000);
    QTest::newRow("a GIF of one pixel claiming 65535 x 65535")
        << QByteArray("GIF89a\xFF\xFF\xFF\xFF\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                      ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                      35)
        << Kind::ImplausibleSize << QSize(65535, 65535);
    QTest::newRow("a bitmap of 50000 x 50000 with 8 x 8 pixels behind it")
        << bitmap(50000, 50000, 24, 8 * 24) << Kind::ImplausibleSize << QSize(50000, 50000);
    QTest::newRow("a bitmap of 2000 x 2000 with no pixels behind it")
        << bitmap(2000, 2000, 24, 0) << Kind::ImplausibleSize << QSize(2000, 2000);
    // Real pictures, large and packed as tightly as their formats go.
    // All its bytes zero once inflated: deflate's best case, near 1032 to 1.
    QImage zeros(4000, 3000, QImage::Format_Mono);
    zeros.fill(0);
    QTest::newRow("a 4000 x 3000 PNG of one bit a pixel, deflated as far as it goes")
        << encoded(zeros, "png", 0) << Kind::None << QSize(4000, 3000);
    QImage grey(6000, 4000, QImage::Format_Grayscale8);
    grey.fill(200);
    QTest::newRow("a 6000 x 4000 JPEG of one grey")
        << encoded(grey, "jpg") << Kind::None << QSize(6000, 4000);
    QTest::newRow("a 12000 x 9000 bitmap of one bit a pixel, all there")
        << bitmap(12000, 9000, 1, 1500 * 9000) << Kind::TooLarge << QSize(12000, 9000);
}

void TestConvert::headersClaimingMoreThanTheBytesHoldAreDamaged() {
    QFETCH(QByteArray, bytes);
    QFETCH(PictureError::Kind, kind);
    QFETCH(QSize, size);
    PictureError error;
    QSize source;
    const QImage scaled = scaledPicture(
        bytes,
        [&](QSize s) {
            source = s;
            return QSize(10, 10);
        },
        &error);
    QCOMPARE(error.kind, kind);
    QCOMPARE(scaled.isNull(), kind != PictureError::Kind::None);
    QCOMPARE(kind == PictureError::Kind::None ? source : error.size, size);
}

void TestConvert::sampledJpegMatchesTheFullDecode() {
    // A detailed picture in the layouts a camera or Qt writes: colour subsampled or not, grey.
    QImage detailed(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            detailed.setPixel(x, y, qRgb(x * 255 / 639, (x ^ y) & 0xFF, y * 255 / 479));
    const QImage grey = detailed.convertToFormat(QImage::Format_Grayscale8);
    for (const QImage& source : {detailed, grey}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(source.save(&buffer, "jpg", 85));
        const QByteArray jpeg = buffer.data();
        PictureError error;
        const Picture full = Picture::fromBytes(jpeg, &error);
        QVERIFY(!full.isNull());
        for (QSize target :
             {QSize(100, 75), QSize(64, 48), QSize(150, 100), QSize(7, 300), QSize(640, 480)}) {
            QSize chosen;
            const QImage sampled = scaledPicture(
                jpeg, [&](QSize) { return target; }, &error, &chosen);
            QCOMPARE(chosen, target);
            QCOMPARE(sampled, full.scaled(target.width(), target.height()));
        }
        // The size chosen from the picture's own: the proposal of the import dialog.
        QSize chosen;
        scaledPicture(
            jpeg, [](QSize s) { return *proposedSize(s); }, &error, &chosen);
        QCOMPARE(chosen, QSize(91, 68)); // 640 x 480 divided by 7
    }
    // A damaged grey JPEG that libjpeg decodes past with warnings: skipping its rows would read
    // the damage otherwise, so it stretches as the whole decode does.
    const QByteArray damaged = QByteArray::fromHex(
        "ffd8ffe000104a46494608010100000100010000ffdb00430006040506050406060506070100007810ffffff7661140e"
        "0f0c1017141818171416161a941d251f1a231c1616202c20232627292a29191f2d302d283024252829ffc0000b080011"
        "001701011300ffc4001600010101000000000000000000000000000700051121310712225108131561237181ffda0008"
        "010100003f0051be73398b35a25dc65baa57ffd9");
    PictureError damage;
    const Picture whole = Picture::fromBytes(damaged, &damage);
    QVERIFY(!whole.isNull());
    QCOMPARE(scaledPicture(
                 damaged, [](QSize) { return QSize(36, 5); }, &damage),
             whole.scaled(36, 5));
    // Proposals: 250 x 180 by 3, 101 x 10 by 2, a fitting picture as it is, none for a very long one.
    QCOMPARE(proposedSize(QSize(250, 180)), std::optional<QSize>(QSize(83, 60)));
    QCOMPARE(proposedSize(QSize(101, 10)), std::optional<QSize>(QSize(50, 5)));
    QCOMPARE(proposedSize(QSize(100, 100)), std::optional<QSize>(QSize(100, 100)));
    QCOMPARE(proposedSize(QSize(200000, 1)), std::nullopt);
    // A side that the division would make 0 keeps one cell: a thin line is still a picture.
    QCOMPARE(proposedSize(QSize(1, 1000)), std::optional<QSize>(QSize(1, 100)));
    QCOMPARE(proposedSize(QSize(150, 1)), std::optional<QSize>(QSize(75, 1)));
}

void TestConvert::cmykJpegGoesToTheFullDecoder() {
    // Qt's reader gives its colours, for the whole decode and the stretch alike.
    const QByteArray cmyk = cmykJpeg();
    PictureError error;
    QVERIFY(decodeJpeg(cmyk, &error).isNull());
    QCOMPARE(error.kind, PictureError::Kind::UnsupportedJpeg);
    error = {};
    const Picture whole = Picture::fromBytes(cmyk, &error);
    QVERIFY2(!whole.isNull(), qPrintable(error.detail));
    QCOMPARE(whole.size(), QSize(16, 8));
    QVERIFY(grey(whole.image().pixel(2, 4)) < 30);
    QVERIFY(grey(whole.image().pixel(13, 4)) > 225);
    QSize chosen;
    const QImage stretched = scaledPicture(
        cmyk, [](QSize) { return QSize(4, 2); }, &error, &chosen);
    QCOMPARE(chosen, QSize(4, 2));
    QCOMPARE(stretched, whole.scaled(4, 2));
}

void TestConvert::pixelViewsFollowTheirRows() {
    // Rows of 28 bytes: a view of the right four columns of a 7 x 3 picture starts each row at its column 3.
    QImage p(7, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) p.setPixel(x, y, qRgb(10 * y, x, 0));
    const ConstPixels whole = constPixels(p);
    QCOMPARE(whole.bytesPerLine(), qsizetype(28));
    const ConstPixels right(whole.row(0) + 3, whole.bytesPerLine(), 4, 3);
    QCOMPARE(right.row(2)[1], qRgb(20, 4, 0));
    // Copied into a raster of 5 x 2: as much as both hold.
    RgbRaster raster(5, 2);
    copyPixels(right, raster.pixels());
    QCOMPARE(raster.constPixels().row(1)[3], qRgb(10, 6, 0));
    QCOMPARE(raster.constPixels().row(1)[4], qRgb(255, 255, 255));
    // Written through a view, a picture detaches from its copies.
    const QImage copy = p;
    pixels(p).row(0)[0] = qRgb(1, 2, 3);
    QCOMPARE(copy.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(p.pixel(0, 0), qRgb(1, 2, 3));
}

void TestConvert::conversion_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<ConversionSettings>("settings");
    QTest::addColumn<QList<QByteArray>>("lines");
    const QByteArray hua("\xBB\xAD"), zhong("\xD6\xD0"); // 画, 中 in GBK
    const Fill ab{"ab", false, {}};
    using M = ThresholdMethod;
    QTest::newRow("threshold") << shades() << ConversionSettings{.size = {6, 2}, .fill = ab}
                               << QList<QByteArray>{"      ababab", "abab      ab"};
    QTest::newRow("threshold 0: every pixel ink")
        << shades() << ConversionSettings{.size = {6, 2}, .threshold = 0, .fill = ab}
        << QList<QByteArray>{"abababababab", "abababababab"};
    QTest::newRow("automatic, the mean: 137")
        << shades() << ConversionSettings{.size = {6, 2}, .automatic = M::Mean, .fill = ab}
        << QList<QByteArray>{"      ababab", "abab    abab"};
    QTest::newRow("automatic, the most frequent: 255")
        << shades() << ConversionSettings{.size = {6, 2}, .automatic = M::MostFrequent, .fill = ab}
        << QList<QByteArray>{"          ab", "abab        "};
    QTest::newRow("gradient") << shades() << ConversionSettings{.size = {6, 2}, .mode = Mode::Gradient}
                              << QList<QByteArray>{"@@&&||!!,,  ", "    %%%%!!!!"};
    QTest::newRow("gradient, inverted")
        << shades() << ConversionSettings{.size = {6, 2}, .mode = Mode::Gradient, .invert = true}
        << QList<QByteArray>{"  ,,!!||&&@@", "@@@@....||||"};
    QTest::newRow("threshold, inverted")
        << shades() << ConversionSettings{.size = {6, 2}, .invert = true, .fill = ab}
        << QList<QByteArray>{"ababab      ", "    ababab  "};
    QTest::newRow("a Chinese brush") << shades()
                                     << ConversionSettings{.size = {6, 2}, .fill = {hua, false, {}}}
                                     << QList<QByteArray>{"      " + hua + hua + hua,
                                                          hua + hua + "      " + hua};
    QTest::newRow("a one-byte brush, completed with a space")
        << shades() << ConversionSettings{.size = {6, 2}, .fill = {"x", false, {}}}
        << QList<QByteArray>{"      x x x ", "x x       x "};
    QTest::newRow("an article, walked on from row to row")
        << shades() << ConversionSettings{.size = {6, 2}, .fill = {"  ", true, "ab" + zhong + "c"}}
        << QList<QByteArray>{"      ab" + zhong + "ca", "b " + zhong + "      ca"};
    QTest::newRow("the top-left part")
        << shades() << ConversionSettings{.size = {4, 1}, .fill = ab} << QList<QByteArray>{"      ab"};
    QTest::newRow("no columns") << shades() << ConversionSettings{.size = {0, 2}, .fill = ab}
                                << QList<QByteArray>{};
    QTest::newRow("a banner's ink, cropped to it")
        << ink()
        << ConversionSettings{.size = {5, 3}, .source = Source::Effect, .fill = ab, .cropToInk = true}
        << QList<QByteArray>{"ab  ", "abab"};
    QTest::newRow("a banner's ink, inverted and cropped")
        << ink()
        << ConversionSettings{.size = {5, 3},
                              .source = Source::Effect,
                              .invert = true,
                              .fill = ab,
                              .cropToInk = true}
        << QList<QByteArray>{"ababababab", "ab  ababab", "ab    abab"};
    QTest::newRow("an effect picture read as a gradient")
        << ink() << ConversionSettings{.size = {3, 3}, .mode = Mode::Gradient, .source = Source::Effect}
        << QList<QByteArray>{"      ", "  @@  ", "  @@@@"};
}

void TestConvert::conversion() {
    QFETCH(QImage, picture);
    QFETCH(ConversionSettings, settings);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(convertPicture(constPixels(picture), settings).lines, lines);
    // The same from the command line's own pictures.
    RgbRaster raster;
    copyPixels(constPixels(picture), raster.pixels());
    QCOMPARE(convertPicture(raster.constPixels(), settings).lines, lines);
}

void TestConvert::conversionShowsItsEffect() {
    // Ink black, background white, and white beyond the size.
    Conversion c =
        convertPicture(constPixels(shades()), {.size = {5, 2}, .automatic = ThresholdMethod::Mean});
    QCOMPARE(c.automaticThreshold, std::optional<int>(124)); // (530 + 719) div 10
    QCOMPARE(c.area, QRect(0, 0, 5, 2));
    const QImage effect = toImage(c.effect.constPixels());
    QCOMPARE(effect.size(), QSize(100, 100));
    QCOMPARE(effect.pixel(2, 0), qRgb(255, 255, 255));
    QCOMPARE(effect.pixel(3, 0), qRgb(0, 0, 0));
    QCOMPARE(effect.pixel(4, 1), qRgb(0, 0, 0));
    QCOMPARE(effect.pixel(5, 0), qRgb(255, 255, 255)); // 255, beyond the size
    // Grey levels for the gradient; nothing to count in an empty size.
    c = convertPicture(constPixels(shades()),
                       {.size = {6, 0}, .mode = Mode::Gradient, .automatic = ThresholdMethod::Mean});
    QCOMPARE(c.automaticThreshold, std::nullopt);
    c = convertPicture(constPixels(shades()), {.size = {6, 2}, .mode = Mode::Gradient});
    QCOMPARE(c.automaticThreshold, std::nullopt);
    QCOMPARE(toImage(c.effect.constPixels()).pixel(1, 0), qRgb(52, 52, 52));
    QCOMPARE(toImage(c.effect.constPixels()).pixel(4, 1), qRgb(130, 130, 130));
    // An effect picture given stays as it is beyond the size; the ink's bounds, or none.
    QImage given = ink();
    given.setPixel(50, 50, qRgb(0, 0, 0));
    c = convertPicture(constPixels(given), {.size = {5, 3}, .source = Source::Effect, .invert = true});
    QCOMPARE(toImage(c.effect.constPixels()).pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(toImage(c.effect.constPixels()).pixel(50, 50), qRgb(0, 0, 0));
    QCOMPARE(convertPicture(constPixels(given), {.size = {5, 3}, .source = Source::Effect, .cropToInk = true})
                 .area,
             QRect(1, 1, 2, 2));
    c = convertPicture(constPixels(blankPicture()),
                       {.size = {5, 3}, .source = Source::Effect, .cropToInk = true});
    QCOMPARE(c.area, QRect());
    QCOMPARE(c.lines, QList<QByteArray>{});
}

namespace {

// A picture of `cells` cells of 18 x 18 pixels, white, with what `draw` paints in black.
Picture cellPicture(QSize cells, const std::function<void(QPainter&)>& draw) {
    QImage image(cells * 18, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    draw(p);
    p.end();
    return Picture::fromImage(image);
}

QByteArray shapesOf(const Picture& picture, QSize cells, bool invert = false) {
    return convertShapes(picture.shapeSamples(cells.width(), cells.height()), canvasGlyphMasks(), invert)
        .lines.join('\n');
}

QByteArray gbk(const QString& text) {
    return unicodeToGbk(text);
}

} // namespace

void TestConvert::shapesFollowTheCellsPicture() {
    const QSize one(1, 1);
    const Picture black = cellPicture(one, [](QPainter& p) { p.drawRect(0, 0, 18, 18); });
    QCOMPARE(shapesOf(black, one), gbk(QStringLiteral("█")));
    QCOMPARE(shapesOf(black, one, true), QByteArray("  "));
    QCOMPARE(shapesOf(cellPicture(one, [](QPainter&) {}), one), QByteArray("  "));
    QCOMPARE(shapesOf(cellPicture(one, [](QPainter&) {}), one, true), gbk(QStringLiteral("█")));
    QCOMPARE(shapesOf(cellPicture(one, [](QPainter& p) { p.drawRect(0, 9, 18, 9); }), one),
             gbk(QStringLiteral("▄")));
    QCOMPARE(shapesOf(cellPicture(one, [](QPainter& p) { p.drawRect(0, 0, 9, 18); }), one),
             gbk(QStringLiteral("▌")));
    const Picture diagonal = cellPicture(one, [](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(0, 17, 17, 0);
    });
    QCOMPARE(shapesOf(diagonal, one), gbk(QStringLiteral("╱")));
    const Picture falling = cellPicture(one, [](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(0, 0, 17, 17);
    });
    QCOMPARE(shapesOf(falling, one), gbk(QStringLiteral("╲")));
    // A stroke down the middle of one half is a single-byte character there, and a space beside it.
    const QByteArray leftStroke =
        shapesOf(cellPicture(one, [](QPainter& p) { p.drawRect(4, 2, 2, 14); }), one);
    QVERIFY2(leftStroke.size() == 2 && leftStroke[0] > ' ' && uchar(leftStroke[0]) < 0x80 &&
                 leftStroke[1] == ' ',
             leftStroke.constData());
    const QByteArray rightStroke =
        shapesOf(cellPicture(one, [](QPainter& p) { p.drawRect(13, 2, 2, 14); }), one);
    QVERIFY2(rightStroke.size() == 2 && rightStroke[0] == ' ' && rightStroke[1] > ' ' &&
                 uchar(rightStroke[1]) < 0x80,
             rightStroke.constData());
    // Across cells: black from the middle of the first row down.
    const QSize six(3, 2);
    QCOMPARE(shapesOf(cellPicture(six, [](QPainter& p) { p.drawRect(0, 9, 54, 27); }), six),
             gbk(QStringLiteral("▄▄▄\n███")));
    // The picture is stretched to the cells as the other modes stretch it.
    QCOMPARE(shapesOf(cellPicture(QSize(2, 2), [](QPainter& p) { p.drawRect(0, 18, 36, 18); }), QSize(1, 1)),
             gbk(QStringLiteral("▄")));
}

void TestConvert::shapesKeepBroadShades() {
    // A flat grey takes one glyph throughout, of about that grey.
    for (const int grey : {191, 128, 64}) {
        QImage flat(QSize(20, 20) * 18, QImage::Format_RGB32);
        flat.fill(qRgb(grey, grey, grey));
        const ShapeMatch m =
            matchShapes(Picture::fromImage(flat).shapeSamples(20, 20), canvasGlyphMasks(), false);
        QCOMPARE(m.lines.size(), 20);
        for (const QByteArray& line : m.lines) QCOMPARE(line, QByteArray(line.left(2).repeated(20)));
        const double wanted = 1.0 - grey / 255.0;
        QVERIFY2(std::abs(m.ink[0] - wanted) < 0.07, qPrintable(QStringLiteral("grey %1: %2, ink %3")
                                                                    .arg(grey)
                                                                    .arg(gbkToUnicode(m.lines[0].left(2)))
                                                                    .arg(m.ink[0])));
    }
    // Black beside white.
    const Picture halves = cellPicture(QSize(8, 4), [](QPainter& p) { p.drawRect(0, 0, 72, 72); });
    QCOMPARE(shapesOf(halves, QSize(8, 4)),
             gbk(QStringLiteral("████        \n████        \n████        \n████        ")));
}

QTEST_MAIN(TestConvert)
#include "tst_convert.moc"
