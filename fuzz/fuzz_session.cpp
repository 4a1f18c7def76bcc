// Whole editing sessions on a small drawing: tools chosen, pressed, moved and released with
// any button and modifier, Edit commands, pastes of any text, Undo and Repeat, in any order.
// After every step: a step that took an undo snapshot remembered the drawing as it was shown
// before it, so Undo gives that back; no cell outside the drawing is written. And a block
// lifted, dragged about among right clicks and hovers of every tool and then written in
// leaves each of its characters exactly once, where it was dropped.
#include "FuzzCheck.h"

#include "CanvasDrawing.h"
#include "MemoryPlatform.h"

#include "core/commands/EditCommands.h"
#include "core/commands/UndoRepeat.h"

#include <QGuiApplication>

#include <array>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // the canvas draws text with fonts
    return 0;
}

namespace {

const CharCell kOutside = CharCell::of('#', '#');

struct Session {
    FuzzInput& in;
    CanvasDrawing& d;
    MemoryPlatform platform;

    ToolId tool() { return ToolId(in.take() % kToolCount); }
    // A pixel at a cell, now and then past the drawing's edges, anywhere in the cell.
    QPoint pixel() {
        const int col = in.between(-2, d.GridWidth + 1), row = in.between(-2, d.GridHeight + 1);
        return {col * kCellSize + in.between(0, kCellSize - 1),
                row * kCellSize + in.between(0, kCellSize - 1)};
    }
    Qt::KeyboardModifiers modifiers() {
        const uint8_t b = in.take();
        Qt::KeyboardModifiers m;
        if (b & 1) m |= Qt::ControlModifier;
        if (b & 2) m |= Qt::AltModifier;
        if (b & 4) m |= Qt::ShiftModifier;
        return m;
    }
    Qt::MouseButton button() {
        static constexpr std::array<Qt::MouseButton, 3> kButtons{Qt::LeftButton, Qt::RightButton,
                                                                 Qt::MiddleButton};
        return kButtons[in.take() % 3];
    }
    QString text() {
        const int n = in.between(0, 40);
        QByteArray bytes;
        for (int i = 0; i < n && in.size > 0; ++i) bytes += char(in.take());
        return QString::fromUtf8(bytes);
    }
};

// The area in use as the canvas would show it: the drawing, a floating block over it.
CharGrid shownNow(const CanvasDrawing& d) {
    CharGrid g = d.CurGrid;
    if (d.selection.PasteActive)
        d.selection.write(g, d.GridWidth, d.GridHeight, d.selection.SelRect, d.selection.PasteTransparent);
    return g;
}

void checkOutsideUntouched(const CanvasDrawing& d) {
    for (int c = 0; c < kGridMax; ++c)
        for (int r = 0; r < kGridMax; ++r)
            if (c >= d.GridWidth || r >= d.GridHeight) {
                FUZZ_CHECK(d.CurGrid.at(c, r) == kOutside);
                FUZZ_CHECK(d.ShownGrid.at(c, r) == kOutside);
            }
}

// One step of a session.
void step(Session& s) {
    CanvasDrawing& d = s.d;
    switch (s.in.take() % 12) {
    case 0:
        d.tools.setTool(s.tool());
        break;
    case 1: {
        const Qt::MouseButton b = s.button();
        d.tools.press(s.pixel(), b, s.modifiers());
        break;
    }
    case 2: {
        const uint8_t held = s.in.take();
        Qt::MouseButtons buttons;
        if (held & 1) buttons |= Qt::LeftButton;
        if (held & 2) buttons |= Qt::RightButton;
        d.tools.move(s.pixel(), buttons, s.modifiers());
        break;
    }
    case 3: {
        const Qt::MouseButton b = s.button();
        d.tools.release(s.pixel(), b, s.modifiers());
        break;
    }
    case 4:
        d.tools.doubleClick();
        break;
    case 5:
        d.tools.sprayTick([&] { return quint32(s.in.take()) * 7919u; });
        break;
    case 6:
        switch (s.in.take() % 6) {
        case 0:
            edit::copy(d, s.platform);
            break;
        case 1:
            edit::cut(d, s.platform);
            break;
        case 2:
            edit::remove(d);
            break;
        case 3:
            edit::selectAll(d);
            break;
        case 4:
            edit::selectNone(d);
            break;
        default:
            edit::clear(d);
            break;
        }
        break;
    case 7:
        s.platform.clipboard = s.text();
        edit::paste(d, s.platform);
        break;
    case 8:
        if (d.undo.UndoState == UndoStep::State::CanUndo) {
            undoLastOperation(d);
            d.ReDrawAll();
        }
        break;
    case 9:
        if (d.undo.UndoState == UndoStep::State::CanRepeat) {
            repeatLastOperation(d);
            d.ReDrawAll();
        }
        break;
    default: // a whole stroke with the tool in hand
        d.tools.move(s.pixel(), Qt::NoButton, {});
        d.tools.press(s.pixel(), Qt::LeftButton, s.modifiers());
        for (int i = s.in.between(0, 3); i > 0; --i) d.tools.move(s.pixel(), Qt::LeftButton, s.modifiers());
        d.tools.release(s.pixel(), Qt::LeftButton, s.modifiers());
        break;
    }
}

// Lifts a block of distinct characters, drags it about among steps that must not write it, and
// writes it in: each of its characters is then where it was dropped, once, and nowhere else.
void liftAndDrop(FuzzInput& in, CanvasDrawing& d) {
    if (d.GridWidth < 2 || d.GridHeight < 2) return;
    edit::selectNone(d);
    // Every cell its own character: a letter for the column, one for the row.
    for (int c = 0; c < d.GridWidth; ++c)
        for (int r = 0; r < d.GridHeight; ++r)
            d.CurGrid.at(c, r) = CharCell::of(quint8(0x21 + c % 90), quint8(0x21 + r % 90));
    d.ReDrawAll();
    const QPoint a(in.between(0, d.GridWidth - 2), in.between(0, d.GridHeight - 2));
    const QPoint b(in.between(a.x() + 1, d.GridWidth - 1), in.between(a.y() + 1, d.GridHeight - 1));
    d.stroke(ToolId::Select, {a}); // takes up a press a double-click left to be skipped
    d.stroke(ToolId::Select, {a, b});
    const CellRect lifted = d.selection.SelRect;
    FUZZ_CHECK(lifted == (CellRect{a.x(), a.y(), b.x(), b.y()}));
    const QPoint grip(a.x(), a.y());
    d.stroke(ToolId::Select, {grip, QPoint(in.between(0, d.GridWidth - 1), in.between(0, d.GridHeight - 1))});
    FUZZ_CHECK(d.selection.PasteActive);
    for (int i = in.between(0, 6); i > 0; --i) {
        const ToolId tool = ToolId(in.take() % kToolCount);
        const QPoint cell(in.between(0, d.GridWidth - 1), in.between(0, d.GridHeight - 1));
        switch (in.take() % 3) {
        case 0: // a right click with any tool
            d.hover(tool, cell);
            d.press(tool, cell, Qt::RightButton);
            d.release(tool, cell, Qt::RightButton);
            break;
        case 1: // the pointer passing over with any tool
            d.hover(tool, cell);
            break;
        default: { // the block dragged on by a cell inside it
            const CellRect& r = d.selection.SelRect;
            const QPoint inside(std::clamp(r.Left, 0, d.GridWidth - 1),
                                std::clamp(r.Top, 0, d.GridHeight - 1));
            if (r.containsInclusive(inside)) d.stroke(ToolId::Select, {inside, cell});
            break;
        }
        }
    }
    FUZZ_CHECK(d.selection.PasteActive);
    const CellRect to = d.selection.SelRect;
    edit::selectNone(d);
    FUZZ_CHECK(!d.selection.PasteActive);
    // Where each lifted character should be now, and how often each shows.
    QHash<quint16, int> count;
    for (int c = 0; c < d.GridWidth; ++c)
        for (int r = 0; r < d.GridHeight; ++r) {
            const CharCell& cell = d.CurGrid.at(c, r);
            ++count[quint16(cell.b0 << 8 | cell.b1)];
        }
    for (int x = lifted.Left; x < lifted.Right; ++x)
        for (int y = lifted.Top; y < lifted.Bottom; ++y) {
            const int col = to.Left + (x - lifted.Left), row = to.Top + (y - lifted.Top);
            const bool inside = col >= 0 && col < d.GridWidth && row >= 0 && row < d.GridHeight;
            const quint16 key = quint16((0x21 + x % 90) << 8 | (0x21 + y % 90));
            FUZZ_CHECK(count.value(key) == (inside ? 1 : 0));
            if (inside) FUZZ_CHECK(d.CurGrid.at(col, row) == CharCell::of(quint8(key >> 8), quint8(key)));
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const int width = in.between(1, 8), height = in.between(1, 6);
    const uint8_t how = in.take();
    CanvasDrawing d(width, height);
    d.paints = (how & 0x30) == 0x30; // painting cells is slow: most runs try the rules alone
    d.CurGrid.fillArea(kGridMax, kGridMax, kOutside);
    d.ShownGrid.fillArea(kGridMax, kGridMax, kOutside);
    for (int c = 0; c < width; ++c)
        for (int r = 0; r < height; ++r) {
            const uint8_t b = in.take();
            d.CurGrid.at(c, r) =
                b % 3 ? CharCell::blank() : CharCell::of(quint8('a' + b % 26), quint8('A' + b % 26));
        }
    d.ShownGrid.copyArea(d.CurGrid, width, height);
    Session s{in, d, {}};
    s.platform.clipboard = QStringLiteral("ab\r\ncd\r\n");

    for (int n = 0; n < 64 && in.size > 0; ++n) {
        if (in.take() % 16 == 0) {
            liftAndDrop(in, d);
        } else {
            const CharGrid before = shownNow(d);
            const CharGrid drawingBefore = d.CurGrid;
            const int changes = d.ChangeCount;
            step(s);
            // A snapshot taken by this step (or a Repeat) remembers the drawing before it: as it
            // was, or with the block that floated over it written in first.
            if (d.ChangeCount > changes && d.undo.UndoState == UndoStep::State::CanUndo)
                FUZZ_CHECK(d.undo.UndoGrid.sameArea(drawingBefore, width, height) ||
                           d.undo.UndoGrid.sameArea(before, width, height));
        }
        checkOutsideUntouched(d);
    }
    return 0;
}
