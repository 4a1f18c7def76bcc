// Speed and memory figures, one per line as "name value unit". Not a test: run it and read the numbers.
#include "document/Canvas.h"
#include "document/ChildDocument.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
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

void print(const char* name, double value, const char* unit) { std::printf("%s %.3f %s\n", name, value, unit); }

void benchCanvas() {
    ChildDocument doc;
    doc.GridWidth = doc.GridHeight = 100;
    // A drawing full of different Chinese characters, so the glyph cache holds many tiles.
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y) doc.CurGrid.at(x, y) = CharCell::of(quint8(0xB0 + (x + y) % 40), quint8(0xA1 + x % 90));
    Canvas canvas;
    canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 100, 100); // warm the glyph cache

    print("redraw_idle_us",
          medianNs(2001, [] {}, [&] { canvas.reDraw(doc.CurGrid, doc.ShownGrid, 100, 100); }) / 1e3, "us");
    int flip = 0;
    print("redraw_one_cell_us",
          medianNs(
              2001,
              [&] { doc.CurGrid.at(57, 63) = CharCell::of(0xBB, (flip++ & 1) ? 0xAD : 0xAE); },
              [&] { canvas.reDraw(doc.CurGrid, doc.ShownGrid, 100, 100); }) /
              1e3,
          "us");
    print("redrawall_ms",
          medianNs(201, [] {}, [&] { canvas.reDrawAll(doc.CurGrid, doc.ShownGrid, 100, 100); }) / 1e6, "ms");
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchCanvas();
    return 0;
}
