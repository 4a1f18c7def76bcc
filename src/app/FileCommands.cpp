// File commands.
#include "FileCommands.h"

#include "PrintLayout.h"
#include "TMainForm.h"
#include "TNewForm.h"
#include "TextFile.h"
#include "document/CellPainter.h"
#include "document/GbkText.h"
#include "document/TChildForm.h"
#include "document/TextLines.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>

namespace {

const QString kTextFilter = QStringLiteral("*.txt"); // one entry, shown and matched as *.txt
const QString kCaption = QStringLiteral("Runeboard");

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

FileCommands::FileCommands(TMainForm& main, Platform& platform) : m_main(main), m_platform(platform) {}

FileCommands::~FileCommands() = default;

QPrinter& FileCommands::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void FileCommands::error(const QString& text) {
    m_platform.messageBox(&m_main, text, kCaption, MessageButtons::Ok, MessageKind::Error);
}

void FileCommands::open() {
    const QString path = m_platform.openFileName(&m_main, kTextFilter, QString());
    if (!path.isEmpty()) openFile(path);
}

bool FileCommands::openFile(const QString& path) {
    const TextScan scan = scanTextFile(path);
    if (!scan.error.isEmpty()) {
        error(QStringLiteral("无法读取文件“%1”：%2").arg(QDir::toNativeSeparators(path), scan.error));
        return false;
    }
    const OpenedText text = layoutText(scan);
    if (!text.error.isEmpty()) {
        error(QStringLiteral("%1\n%2").arg(text.error, QDir::toNativeSeparators(path)));
        return false;
    }
    m_main.NewDocWidth = text.width;
    m_main.NewDocHeight = text.height;
    TChildForm* child = m_main.createChild();
    child->FileName = path;
    child->setWindowTitle(path);
    child->CurGrid.copyArea(text.grid, text.width, text.height);
    child->ReDraw();
    return true;
}

bool FileCommands::confirmOverwrite(const QString& path) {
    if (!QFileInfo::exists(path)) return true;
    return m_platform.messageBox(&m_main, QStringLiteral("此文件已经存在，是否覆盖?"),
                                 QStringLiteral("请确认"), MessageButtons::YesNo,
                                 MessageKind::Question) == MessageAnswer::Yes;
}

bool FileCommands::chooseName(TChildForm& child) {
    const QString path = m_platform.saveFileName(&m_main, kTextFilter, QStringLiteral("txt"), m_lastSaveName);
    if (path.isEmpty()) return false;
    m_lastSaveName = path;
    if (!confirmOverwrite(path)) return false;
    child.setWindowTitle(path);
    child.FileName = path;
    return true;
}

bool FileCommands::save(TChildForm& child) {
    if (child.FileName.isEmpty() && !chooseName(child)) return false;
    return write(child);
}

void FileCommands::saveAs(TChildForm& child) {
    if (chooseName(child)) write(child);
}

bool FileCommands::write(TChildForm& child) {
    // What the canvas shows is what the file receives.
    const QByteArray bytes = drawingFileBytes(child.ShownGrid, child.GridWidth, child.GridHeight);
    const QString problem = writeFileAtomically(child.FileName, bytes);
    if (!problem.isEmpty()) {
        error(QStringLiteral("无法保存文件“%1”：%2\n文档没有保存，原来的文件保持不变。")
                  .arg(QDir::toNativeSeparators(child.FileName), problem));
        return false;
    }
    child.SavedCount = child.ChangeCount;
    return true;
}

void FileCommands::newDrawing() {
    if (!m_newForm) return;
    TNewForm& form = *m_newForm;
    // Read once: the fill uses these lines even if the clipboard changes meanwhile.
    const QList<QByteArray> lines = splitLines(unicodeToGbk(m_platform.clipboardText()));
    bool rectangular = false;
    if (lines.size() < 3) {
        form.RadioButton1->setChecked(true);
        form.RadioButton2->setEnabled(false);
    } else {
        form.RadioButton2->setEnabled(true);
        rectangular = std::all_of(lines.begin(), lines.end(),
                                  [&](const QByteArray& l) { return l.size() == lines.first().size(); });
        if (rectangular) {
            form.RadioButton2->setChecked(true);
            form.ChosenWidth = int(std::min<qsizetype>(lines.first().size() / 2, 1 << 30));
            form.ChosenHeight = int(lines.size());
            form.Edit1->setText(QString::number(form.ChosenWidth));
            form.Edit2->setText(QString::number(form.ChosenHeight));
        }
    }
    m_platform.execDialog(form);
    if (form.Accepted != 1) return;

    m_main.NewDocWidth = form.ChosenWidth;
    m_main.NewDocHeight = form.ChosenHeight;
    TChildForm* child = m_main.createChild();
    if (!form.RadioButton2->isChecked() || !form.RadioButton2->isEnabled()) return;
    QList<QByteArray> unpaired = lines;
    for (QByteArray& line : unpaired) unpairSpaces(line);
    auto put = [child](int col, int row, CharCell cell) { child->CurGrid.at(col, row) = cell; };
    if (rectangular)
        rectText(unpaired, child->GridWidth, child->GridHeight, put);
    else
        flowText(unpaired, child->GridWidth, child->GridHeight, put);
    child->ReDraw();
}

void FileCommands::printerSetup() {
    m_platform.printerSetupDialog(&m_main, printer());
}

void FileCommands::print(TChildForm& child) {
    QPrinter& p = printer();
    if (!m_platform.printDialog(&m_main, p)) return;
    p.setDocName(QStringLiteral("Runeboard"));
    QPainter painter;
    if (!painter.begin(&p)) {
        error(QStringLiteral("无法开始打印，请检查打印机设置。"));
        return;
    }
    painter.setFont(printFont(QStringLiteral("Fixedsys"), 10));
    painter.setPen(Qt::black);
    // The height of a sample line in the printer's pixels; only measured, never printed.
    const int lineHeight =
        QFontMetrics(painter.font(), &p).boundingRect(QStringLiteral("RUNEBOARD符阵绘坊")).height();
    PainterSink sink(painter, p);
    printRows(printRowTexts(child.ShownGrid, child.GridWidth, child.GridHeight), lineHeight,
              painter.device()->height(), sink);
    painter.end();
}
