// The text banner through the text tool: the picture drawn from the pressed cell,
// the block over exactly its ink, the checks of the size box and the input, the
// invert, the preview and the article fill.
#include "GridText.h"
#include "MainWindowFixture.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/dialogs/TPictureSetForm.h"
#include "ui/dialogs/TTextForm.h"
#include "ui/dialogs/TTextViewForm.h"
#include "ui/document/CanvasWidget.h"
#include "ui/document/TChildForm.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// The ink as the test sees it: every exactly black pixel of the w x h area, scanned here.
QRect blackPixels(const QImage& p, int w, int h) {
    QRect box;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (p.pixel(x, y) == qRgb(0, 0, 0)) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestBanner : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void textFromThePressedCell();
    void nothingToPlace();
    void invertThenOk();
    void sizeBoxChecks();
    void smallDrawingPreviewAndArticle();

private:
    // Presses the text tool on a cell; `inside` acts on the banner while it is shown.
    void banner(QPoint cell, const std::function<void(TTextForm&)>& inside, bool ok = true);

    TChildForm* m_child = nullptr;
    QString m_previewShown;
    std::function<void(TPictureSetForm&)> m_fillScript;
};

void TestBanner::initTestCase() {
    setupApplication(*qApp);
}

void TestBanner::init() {
    QVERIFY(start());
    m_child = m_main->activeChild();
    QVERIFY(m_mouse.choose(ToolId::Text));
    m_previewShown.clear();
    m_fillScript = [](TPictureSetForm& s) { click(s.Button2); };
}

void TestBanner::cleanup() {
    finish();
}

void TestBanner::banner(QPoint cell, const std::function<void(TTextForm&)>& inside, bool ok) {
    m_platform.onDialog = [this, inside, ok](QDialog& d) {
        if (auto* f = qobject_cast<TTextForm*>(&d)) {
            // A font the set-up installs, so that the pixels are the same on every machine.
            f->ComboBox1->setEditText(QStringLiteral("Unifont"));
            f->ComboBox2->setEditText(QStringLiteral("12"));
            inside(*f);
            if (f->isVisible()) click(ok ? f->Button2 : f->Button1);
            if (f->isVisible()) click(f->Button1);
        } else if (auto* s = qobject_cast<TPictureSetForm*>(&d)) {
            m_fillScript(*s);
        } else if (auto* v = qobject_cast<TTextViewForm*>(&d)) {
            m_previewShown = v->Memo1->toPlainText();
            click(v->Button1);
        }
        return d.result();
    };
    m_mouse.moveAndClick(cell);
}

void TestBanner::textFromThePressedCell() {
    setGridText(m_child->drawing().CurGrid,
                QStringLiteral("xx").repeated(50) + QLatin1Char('\n') + QStringLiteral("xx").repeated(50));
    for (int y = 2; y < 50; ++y)
        setGridText(m_child->drawing().CurGrid,
                    QString(QLatin1Char('\n')).repeated(y) + QStringLiteral("xx").repeated(50));
    m_child->drawing().ReDrawAll();
    const int changes = m_child->drawing().ChangeCount;
    QRect ink;
    banner({10, 5}, [&](TTextForm& f) {
        QCOMPARE(f.windowTitle(), QStringLiteral("文字"));
        QCOMPARE(QPoint(f.OriginX, f.OriginY), QPoint(10, 5));
        QCOMPARE(f.pictureFont().pointSize(), 12);
        QTest::keyClicks(f.Edit1, QStringLiteral("Hi"));
        const QImage& p = f.picture();
        ink = blackPixels(p, 50, 50);
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() >= 10 && ink.top() >= 5);
        // No grey edge pixels: every pixel is exactly black or white.
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                QVERIFY(p.pixel(x, y) == qRgb(0, 0, 0) || p.pixel(x, y) == qRgb(255, 255, 255));
    });
    QCOMPARE(m_child->drawing().selection.SelRect,
             (CellRect{ink.left(), ink.top(), ink.right() + 1, ink.bottom() + 1}));
    QCOMPARE(m_child->drawing().selection.PasteActive, true);
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("文字"));
    QCOMPARE(m_child->drawing().ChangeCount, changes + 1);
    QCOMPARE(m_main->statusText(),
             QStringLiteral("如果要让拖动内容和底图以透明的方式合并，请在拖动过程中按“Alt”键"));
    QCOMPARE(m_child->drawing().selection.PasteLines.size(), ink.height());
    // Ink cells take the drawing's brush, the rest of the box two spaces, shown over the drawing.
    int brushCells = 0;
    for (const QByteArray& line : m_child->drawing().selection.PasteLines) {
        QCOMPARE(line.size(), 2 * ink.width());
        brushCells += line.count("\xBB\xAD");
        QCOMPARE(line.count("\xBB\xAD") * 2 + line.count(' '), line.size());
    }
    QVERIFY(brushCells > 4);
    QVERIFY(m_child->drawing().CurGrid.at(ink.left(), ink.top()) == CharCell::of('x', 'x'));
    // Committed without Alt: the box's blank cells overwrite the drawing.
    QVERIFY(m_mouse.choose(ToolId::Pencil));
    m_mouse.press({49, 49});
    int blanks = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            blanks += m_child->drawing().CurGrid.at(x, y).isBlank();
    QCOMPARE(blanks, ink.width() * ink.height() - brushCells);
    QVERIFY(m_child->drawing().CurGrid.at(ink.left() - 1, ink.top()) == CharCell::of('x', 'x'));
}

void TestBanner::nothingToPlace() {
    // An empty input: asked for text, nothing recorded.
    banner(
        {3, 3},
        [&](TTextForm& f) {
            click(f.Button2);
            QCOMPARE(m_platform.messages.size(), 1);
            QCOMPARE(m_platform.messages[0].text, QStringLiteral("请输入文字"));
            QVERIFY(f.isVisible());
            QVERIFY(f.Edit1->hasFocus() || !f.isActiveWindow());
        },
        false);
    QCOMPARE(m_child->drawing().undo.UndoState, UndoStep::State::Nothing);
    // Spaces only, or text drawn wholly outside the drawing: asked again, with the undo point taken.
    m_platform.messages.clear();
    banner(
        {3, 3},
        [&](TTextForm& f) {
            QTest::keyClicks(f.Edit1, QStringLiteral("   "));
            click(f.Button2);
            QCOMPARE(m_platform.messages.size(), 1);
            QCOMPARE(m_platform.messages[0].text, QStringLiteral("请输入文字"));
            f.OriginX = 60; // beyond the 50 columns shown
            f.Edit1->setText(QStringLiteral("W"));
            click(f.Button2);
            QCOMPARE(m_platform.messages.size(), 2);
        },
        false);
    QCOMPARE(m_child->drawing().undo.UndoState, UndoStep::State::CanUndo);
    QCOMPARE(m_child->drawing().undo.UndoName, QStringLiteral("文字"));
    QCOMPARE(m_child->drawing().selection.PasteActive, false);
}

void TestBanner::invertThenOk() {
    m_child->drawing().GridWidth = m_child->drawing().GridHeight = 20;
    m_child->drawing().ReDrawAll();
    banner({2, 2}, [&](TTextForm& f) {
        QTest::keyClicks(f.Edit1, QStringLiteral("O"));
        click(f.SpeedButton4);
        // Typing afterwards would redraw and lose it; the picture holds the inversion now.
        QCOMPARE(f.picture().pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(f.picture().pixel(19, 19), qRgb(0, 0, 0));
        QCOMPARE(f.picture().pixel(20, 20), qRgb(255, 255, 255)); // outside the drawing: untouched
    });
    // The block covers the whole drawing, the letter left blank.
    QCOMPARE(m_child->drawing().selection.SelRect, (CellRect{0, 0, 20, 20}));
    int blanks = 0;
    for (const QByteArray& line : m_child->drawing().selection.PasteLines) blanks += line.count(' ') / 2;
    QVERIFY(blanks > 3 && blanks < 100);
}

void TestBanner::sizeBoxChecks() {
    banner(
        {1, 1},
        [&](TTextForm& f) {
            f.Edit1->setText(QStringLiteral("A"));
            const struct {
                QString text, message;
            } cases[] = {{QString(), QString()},
                         {QStringLiteral("ab"), QStringLiteral("请输入一个整数")},
                         {QStringLiteral("0"), QStringLiteral("你输入的字体大小有误，请重新输入")},
                         {QStringLiteral("201"), QStringLiteral("你输入的字体大小有误，请重新输入")},
                         {QStringLiteral("200"), QString()}};
            for (const auto& c : cases) {
                m_platform.messages.clear();
                f.ComboBox2->setEditText(c.text);
                QCOMPARE(m_platform.messages.size(), c.message.isEmpty() ? 0 : 1);
                if (!c.message.isEmpty()) QCOMPARE(m_platform.messages[0].text, c.message);
            }
            QCOMPARE(f.pictureFont().pointSize(), 200);
            // Typed key by key, 12 applies 1 first, then 12.
            f.ComboBox2->lineEdit()->clear();
            QTest::keyClick(f.ComboBox2->lineEdit(), Qt::Key_1);
            QCOMPARE(f.pictureFont().pointSize(), 1);
            QTest::keyClick(f.ComboBox2->lineEdit(), Qt::Key_2);
            QCOMPARE(f.pictureFont().pointSize(), 12);
            // The styles follow the toggles.
            click(f.SpeedButton1);
            click(f.SpeedButton3);
            QVERIFY(f.pictureFont().bold());
            QVERIFY(!f.pictureFont().italic());
            QVERIFY(f.pictureFont().underline());
            QVERIFY(f.pictureFont().styleStrategy() & QFont::NoAntialias);
            // A click on the picture moves the text there.
            const QPoint at(2 * 7, 2 * 9); // the picture shows twice its size
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(f.Image1->mapToGlobal(at)),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(f.Image1, &press);
            QCOMPARE(QPoint(f.OriginX, f.OriginY), QPoint(7, 9));
        },
        false);
}

void TestBanner::smallDrawingPreviewAndArticle() {
    m_child->drawing().GridWidth = 30;
    m_child->drawing().GridHeight = 20;
    m_child->drawing().ReDrawAll();
    banner({0, 0}, [&](TTextForm& f) {
        QCOMPARE(f.Image1->pixmap().size(),
                 QSize(60, 40)); // only the drawing's 30 x 20 pixels, shown twice the size
        QTest::keyClicks(f.Edit1, QStringLiteral("I"));
        // The preview covers the whole drawing: 20 lines of 30 cells.
        click(f.SpeedButton5);
        const QStringList lines = m_previewShown.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 20);
        QVERIFY(m_previewShown.contains(QStringLiteral("画")));
        // The article, from its first byte at every preview and at OK.
        m_fillScript = [](TPictureSetForm& s) {
            s.RadioButton2->setChecked(true);
            s.Memo1->setPlainText(QStringLiteral("12345678\n").repeated(10));
            click(s.Button2);
        };
        click(f.SpeedButton6);
        QCOMPARE(f.FillMode, 1);
        click(f.SpeedButton5);
        const QString first = m_previewShown;
        click(f.SpeedButton5);
        QCOMPARE(m_previewShown, first);
        QVERIFY2(first.contains(QStringLiteral("12")), qPrintable(first));
        QVERIFY(!first.contains(QStringLiteral("画")));
    });
    QCOMPARE(m_child->drawing().selection.PasteLines.first().left(2), QByteArray("12"));
}

QTEST_MAIN(TestBanner)
#include "tst_banner.moc"
