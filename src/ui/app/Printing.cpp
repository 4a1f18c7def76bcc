// Printing through QPrinter.
#include "Printing.h"

#include "core/model/Drawing.h"
#include "core/render/CanvasFont.h"
#include "core/render/PrintLayout.h"
#include "core/text/GbkText.h"
#include "ui/platform/UiPlatform.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace {

class PainterSink final : public PrintSink {
public:
    PainterSink(QPainter& painter, QPrinter& printer) : m_painter(painter), m_printer(printer) {
        m_ascent = QFontMetrics(painter.font(), &printer).ascent();
    }
    void drawRow(int y, const QByteArray& text) override {
        m_painter.drawText(0, y + m_ascent, gbkToUnicode(text));
    }
    void newPage() override { m_printer.newPage(); }

private:
    QPainter& m_painter;
    QPrinter& m_printer;
    int m_ascent = 0;
};

} // namespace

Printing::Printing(UiPlatform& platform) : m_platform(platform) {}

Printing::~Printing() = default;

QPrinter& Printing::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void Printing::setup() {
    m_platform.printerSetupDialog(printer());
}

void Printing::print(Drawing& d) {
    QPrinter& p = printer();
    if (!m_platform.printDialog(p)) return;
    p.setDocName(QStringLiteral("Runeboard"));
    QPainter painter;
    if (!painter.begin(&p)) {
        m_platform.messageBox(QStringLiteral("无法开始打印，请检查打印机设置。"), QStringLiteral("Runeboard"),
                              MessageButtons::Ok, MessageKind::Error);
        return;
    }
    painter.setFont(printFont(kCanvasFontName, 10));
    painter.setPen(Qt::black);
    // The height of a sample line in the printer's pixels; only measured, never printed.
    const int lineHeight =
        QFontMetrics(painter.font(), &p).boundingRect(QStringLiteral("RUNEBOARD符阵绘坊")).height();
    PainterSink sink(painter, p);
    printRows(printRowTexts(d.ShownGrid, d.GridWidth, d.GridHeight), lineHeight, painter.device()->height(),
              sink);
    painter.end();
}
