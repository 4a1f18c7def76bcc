// Speed and memory figures, one per line as "name value unit". Not a test: run it and read the numbers.
#include "MemoryPlatform.h"
#include "core/commands/EditCommands.h"
#include "core/convert/Conversion.h"
#include "core/convert/ImagePixels.h"
#include "core/convert/JpegSampler.h"
#include "core/convert/Picture.h"
#include "core/render/Canvas.h"
#include "core/render/PaintedDrawing.h"
#include "core/render/ShapeGlyphs.h"
#include "core/text/GbkText.h"
#include "core/text/TextFile.h"
#include "core/tools/ToolController.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Median of `runs` timings of `work`, in nanoseconds; `prepare` runs untimed before each.
double medianNs(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<qint64> times;
    times.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        prepare();
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return double(times[runs / 2]);
}

void print(const char* name, double value, const char* unit) {
    std::printf("%s %.3f %s\n", name, value, unit);
}

void benchCanvas() {
    ChildDocument doc;
    doc.GridWidth = doc.GridHeight = 100;
    // A drawing full of different Chinese characters, so the glyph cache holds many tiles.
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y)
            doc.CurGrid.at(x, y) = CharCell::of(quint8(0xB0 + (x + y) % 40), quint8(0xA1 + x % 90));
    Canvas canvas;
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 100, 100); // warm the glyph cache

    print("redraw_idle_us",
          medianNs(
              2001, [] {}, [&] { canvas.reDraw(doc.CurGrid, doc.ShownGrid, 100, 100); }) /
              1e3,
          "us");
    int flip = 0;
    print("redraw_one_cell_us",
          medianNs(
              2001, [&] { doc.CurGrid.at(57, 63) = CharCell::of(0xBB, (flip++ & 1) ? 0xAD : 0xAE); },
              [&] { canvas.reDraw(doc.CurGrid, doc.ShownGrid, 100, 100); }) /
              1e3,
          "us");
    print("redrawall_ms",
          medianNs(
              201, [] {}, [&] { canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 100, 100); }) /
              1e6,
          "ms");
    // The same at 200 % and 400 %: four and sixteen times the pixels, glyphs drawn at that size.
    for (const auto& [zoom, name] :
         {std::pair{2.0, "redrawall_200_ms"}, std::pair{4.0, "redrawall_400_ms"}}) {
        canvas.setGeometry(CellGeometry(zoom));
        canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 100, 100); // the picture and the tiles at that size
        print(
            name,
            medianNs(
                zoom > 2 ? 31 : 101, [] {}, [&] { canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 100, 100); }) /
                1e6,
            "ms");
    }
}

// A field of /proc/self/status in megabytes (VmRSS, VmHWM).
double statusMb(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(strlen(field)) + 1).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

void benchFiles() {
    QTemporaryDir dir;
    // A 100 x 100 drawing of Chinese characters: open it and save it.
    CharGrid grid;
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y)
            grid.at(x, y) = CharCell::of(quint8(0xB0 + (x * 7 + y) % 40), quint8(0xA1 + y % 90));
    const QString art = dir.filePath(QStringLiteral("art.txt"));
    writeFileAtomically(art, drawingFileBytes(grid, 100, 100));
    print("open_save_100x100_ms",
          medianNs(
              101, [] {},
              [&] {
                  const OpenedText t = layoutText(scanTextFile(art));
                  writeFileAtomically(art, drawingFileBytes(t.grid, t.width, t.height));
              }) /
              1e6,
          "ms");

    // A 200 MB text file of lines of different lengths, in GBK and in UTF-8, each opened in a
    // child process so that its peak memory is its own.
    QByteArray block;
    for (int i = 0; block.size() < (1 << 20); ++i) {
        block += QByteArray("\xBB\xAD\xD6\xD0 ascii text ").repeated(1 + i % 7);
        block += "\r\n";
    }
    auto measureOpen = [&](const QByteArray& piece, const char* name) {
        const QString big = dir.filePath(QStringLiteral("big.txt"));
        {
            QFile f(big);
            if (!f.open(QIODevice::WriteOnly)) return;
            for (qint64 written = 0; written < 200LL * 1024 * 1024; written += piece.size()) f.write(piece);
        }
        int pipeFd[2];
        if (pipe(pipeFd) != 0) return;
        const pid_t pid = fork();
        if (pid == 0) {
            const double before = statusMb("VmRSS:");
            QElapsedTimer timer;
            timer.start();
            const OpenedText t = layoutText(scanTextFile(big));
            const double figures[3] = {timer.nsecsElapsed() / 1e6, statusMb("VmHWM:") - before,
                                       double(t.height)};
            (void)!write(pipeFd[1], figures, sizeof figures);
            _exit(0);
        }
        double figures[3] = {-1, -1, -1};
        (void)!read(pipeFd[0], figures, sizeof figures);
        waitpid(pid, nullptr, 0);
        print((QByteArray(name) + "_ms").constData(), figures[0], "ms");
        print((QByteArray(name) + "_peak_mb").constData(), figures[1], "MB");
    };
    measureOpen(block, "open_200mb");
    measureOpen(gbkToUnicode(block).toUtf8(), "open_200mb_utf8");
}

// The drawing tools on a canvas, without a window: what a drawing window does for them.
class BenchDrawing final : public PaintedDrawing, public ToolHost {
public:
    void showStatus(const QString&) override {}
    void openEditBox(QPoint) override {}
    void openTextBanner(QPoint) override {}
    void paintText(int col, int row, CharCell cell) override { PaintedDrawing::paintText(col, row, cell); }
    void showCursor(CursorSlot) override {}
    void runSprayTimer(bool) override {}
    void brushTaken(const QString&) override {}
    quint32 clockSeed() override { return 1; }
    bool commitEditBox() override { return false; }
};

// The pointer over the middle of a cell at a zoom.
double g_zoom = 1.0;
QPoint pixelOf(QPoint cell) {
    return QPointF(QPointF(cell * 18 + QPoint(9, 9)) * g_zoom).toPoint();
}

// The shapes' previews as the pointer moves on, at a zoom; the figures' names end in `suffix`.
void benchTools(double zoom, const char* suffix) {
    g_zoom = zoom;
    auto named = [suffix](const char* name) { return std::string(name) + suffix; };
    BenchDrawing doc;
    doc.GridWidth = doc.GridHeight = 100;
    doc.canvas().setGeometry(CellGeometry(zoom));
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y) doc.CurGrid.at(x, y) = CharCell::of(quint8(0xB0 + (x + y) % 40), 0xA1);
    doc.ReDrawAll();
    ToolController tools(doc, doc);
    tools.setZoom(zoom);
    const auto left = Qt::MouseButtons(Qt::LeftButton);

    double worst = 0;
    const struct {
        ToolId tool;
        const char* name;
    } shapes[] = {
        {ToolId::Line, "preview_step_line"},
        {ToolId::Curve, "preview_step_curve"},
        {ToolId::Rectangle, "preview_step_rectangle"},
        {ToolId::FilledRectangle, "preview_step_filled_rectangle"},
        {ToolId::Ellipse, "preview_step_ellipse"},
        {ToolId::FilledEllipse, "preview_step_filled_ellipse"},
        {ToolId::RoundRect, "preview_step_roundrect"},
        {ToolId::FilledRoundRect, "preview_step_filled_roundrect"},
    };
    for (const auto& s : shapes) {
        const ToolId t = s.tool;
        tools.setTool(t);
        QPoint at = pixelOf({2, 3});
        tools.move(at, left, {}); // the cursor for the tool
        tools.press(at, left, {});
        if (t == ToolId::Curve) { // bend it in its third stage, the costliest
            at = pixelOf({97, 96});
            tools.move(at, left, {});
            tools.release(at, Qt::LeftButton, {});
            at = pixelOf({10, 90});
            tools.press(at, left, {});
            tools.release(at, Qt::LeftButton, {});
            at = pixelOf({90, 5});
            tools.press(at, left, {});
        }
        // Every step the pointer enters a new cell, and the shape spans most of the drawing.
        int step = 0;
        const double ns = medianNs(
            301,
            [&] {
                at = pixelOf({60 + step % 38, 50 + (step / 38) % 48}), ++step;
            },
            [&] { tools.move(at, left, {}); });
        tools.release(at, Qt::LeftButton, {});
        worst = std::max(worst, ns / 1e6);
        print(named(s.name).c_str(), ns / 1e6, "ms");
    }

    // The polygon's rubber band with 19 vertices.
    tools.setTool(ToolId::Polygon);
    for (int i = 0; i < 19; ++i) {
        const QPoint at = pixelOf({5 + 4 * i, i % 2 ? 90 : 10});
        tools.move(at, left, {});
        tools.press(at, left, {});
        tools.release(at, Qt::LeftButton, {});
    }
    int step = 0;
    QPoint at;
    const double band = medianNs(
                            301,
                            [&] {
                                at = pixelOf({50 + step % 40, 40 + (step / 40) % 40}), ++step;
                            },
                            [&] { tools.move(at, Qt::NoButton, {}); }) /
                        1e6;
    worst = std::max(worst, band);
    print(named("polygon_band_step").c_str(), band, "ms");
    print(named("preview_step_max").c_str(), worst, "ms");
}

void benchBlocks() {
    BenchDrawing doc;
    doc.GridWidth = doc.GridHeight = 100;
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y)
            doc.CurGrid.at(x, y) = (x + y) % 3 ? CharCell::of(quint8(0xB0 + (x * y) % 40), 0xA2)
                                               : CharCell::of('a' + x % 26, 'A' + y % 26);
    doc.ReDrawAll();
    ToolController tools(doc, doc);
    const auto left = Qt::MouseButtons(Qt::LeftButton);
    tools.setTool(ToolId::Select);

    // The whole drawing lifted as a block and dragged one cell at a time.
    edit::selectAll(doc);
    QPoint at = pixelOf({50, 50});
    tools.move(at, Qt::NoButton, {});
    tools.press(at, left, {});
    int step = 0;
    const double drag = medianNs(
        301,
        [&] {
            at = pixelOf({50 + (step % 20) - 10, 50 + (step / 20) % 20 - 10}), ++step;
        },
        [&] { tools.move(at, left, {}); });
    tools.release(at, Qt::LeftButton, {});
    print("block_drag_step_ms", drag / 1e6, "ms");

    // A flow paste of 10,000 cells: lines of mixed Chinese and ASCII of different lengths.
    MemoryPlatform platform; // the clipboard the paste reads
    QString text;
    for (int line = 0; line < 100; ++line) {
        QString row;
        for (int cell = 0; cell < 100 - line % 2; ++cell)
            row +=
                (cell + line) % 3 ? QString(QChar(0x4E00 + (cell * 7 + line) % 2000)) : QStringLiteral("ab");
        text += row + QStringLiteral("\r\n");
    }
    platform.clipboard = text;
    const double paste = medianNs(
        101, [&] { edit::clear(doc); }, [&] { edit::paste(doc, platform); });
    print("paste_flow_100x100_ms", paste / 1e6, "ms");
}

// A photo-like picture as a JPEG: smooth gradients with some detail.
QByteArray photoJpeg(int w, int h) {
    QImage photo(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = qRgb(x * 255 / (w - 1), y * 255 / (h - 1), ((x ^ y) >> 3) & 0xFF);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "jpg", 90);
    return buffer.data();
}

// As "runeboard convert" does with a JPEG: only the rows the stretch to 100 x 75 samples are
// decoded, then two colours and cells from the brush.
QList<QByteArray> commandLineConversion(const QByteArray& jpeg) {
    convert::RgbRaster scaled;
    convert::PictureError error;
    bool fallback = false;
    convert::jpeg::sampledJpeg(
        jpeg, [](QSize) { return QSize(100, 75); }, scaled, nullptr, &error, &fallback);
    return convert::convertPicture(scaled.constPixels(), {.size = {100, 75}}).lines;
}

void benchImport() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    const QByteArray bytes = photoJpeg(4000, 3000); // 12 megapixels
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return;
    file.close();
    convert::PictureError error;
    const double decode = medianNs(
        7, [] {}, [&] { (void)convert::decodeJpeg(bytes, &error); });
    // As the dialog does: load, stretch to 100 x 75 cells, two colours, cells from the brush.
    const double import = medianNs(
        7, [] {},
        [&] {
            const convert::Picture picture = convert::Picture::load(path, &error);
            const QImage scaled = picture.scaled(100, 75);
            (void)convert::convertPicture(convert::constPixels(scaled), {.size = {100, 75}});
        });
    print("import_12mp_ms", import / 1e6, "ms");
    // What the dialog does at each change of a field once the picture is loaded: stretch the
    // kept picture to 100 x 100 cells and convert it again.
    const convert::Picture loaded = convert::Picture::load(path, &error);
    int step = 0;
    print("import_adjust_ms",
          medianNs(
              21, [] {},
              [&] {
                  const QImage scaled = loaded.scaled(100, 100);
                  (void)convert::convertPicture(convert::constPixels(scaled),
                                                {.size = {100, 100}, .threshold = 100 + step++ % 100});
              }) /
              1e6,
          "ms");
    // Shape matching, the same way: the glyphs are drawn once, at the first use, and kept.
    QElapsedTimer glyphs;
    glyphs.start();
    (void)canvasGlyphMasks();
    print("shape_glyphs_ms", double(glyphs.nsecsElapsed()) / 1e6, "ms");
    print("import_shapes_ms",
          medianNs(
              21, [] {},
              [&] {
                  (void)convert::convertShapes(loaded.shapeSamples(100, 100 + step++ % 2), canvasGlyphMasks(),
                                               false);
              }) /
              1e6,
          "ms");
    print("jpeg_decode_12mp_ms", decode / 1e6, "ms");
    print("import_over_decode_ratio", import / decode, "x");
    print("convert_12mp_ms",
          medianNs(
              21, [] {}, [&] { (void)commandLineConversion(bytes); }) /
              1e6,
          "ms");
    const QByteArray small = photoJpeg(640, 480);
    print("convert_640x480_ms",
          medianNs(
              101, [] {}, [&] { (void)commandLineConversion(small); }) /
              1e6,
          "ms");
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchCanvas();
    benchTools(1.0, "_ms");
    benchTools(4.0, "_400_ms");
    benchBlocks();
    benchImport();
    benchFiles();
    return 0;
}
