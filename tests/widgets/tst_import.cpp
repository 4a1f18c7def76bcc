// Picture import through its dialog: the size proposals and proportions, the
// checks of the fields, Convert, the automatic threshold, the fill settings, the
// preview, and the result placed into an open drawing or a new one.
#include "GridText.h"
#include "MainWindowFixture.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/dialogs/TKGZForm.h"
#include "ui/dialogs/TPictureForm.h"
#include "ui/dialogs/TPictureSetForm.h"
#include "ui/dialogs/TTextViewForm.h"
#include "ui/document/TChildForm.h"
#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>
#include <unistd.h>

class TestImport : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void sizeProposalsAndProportions();
    void fieldChecks();
    void convertClickAndAutomaticThreshold();
    void theEffectFollowsTheFields();
    void shapesInTheDialog();
    void intoAnOpenDrawing();
    void intoANewDrawing();
    void okWithoutAConversion();
    void cancelIsNeverHeldByAField();
    void fillSettingsAndPreview();
    void previewNeverGoesThroughALink();
    void articleFromAFile_data();
    void articleFromAFile();
    void articleFilesRefused();
    void picturesThatCannotBeLoaded();

private:
    // Runs the import command; `inside` acts on the dialog while it is shown, then OK or Cancel.
    void import(const std::function<void(TPictureForm&)>& inside, bool ok = true);
    // A picture file made here, loaded through the dialog's "打开".
    void load(TPictureForm& f, const QImage& picture);
    void leave(QLineEdit* edit); // the field loses the focus

    int m_files = 0;
    // Answers for the small dialogs the import dialog opens.
    std::function<void(TKGZForm&)> m_thresholdScript;
    std::function<void(TPictureSetForm&)> m_fillScript;
    QString m_previewShown;
};

void TestImport::initTestCase() {
    setupApplication(*qApp);
}

void TestImport::init() {
    QVERIFY(start());
    m_thresholdScript = [](TKGZForm& f) { click(f.Button2); };
    m_fillScript = [](TPictureSetForm& f) { click(f.Button2); };
    m_previewShown.clear();
}

void TestImport::cleanup() {
    finish();
}

void TestImport::import(const std::function<void(TPictureForm&)>& inside, bool ok) {
    m_platform.onDialog = [this, inside, ok](QDialog& d) {
        if (auto* f = qobject_cast<TPictureForm*>(&d)) {
            inside(*f);
            if (f->isVisible()) click(ok ? f->Button2 : f->Button1);
            if (f->isVisible()) click(f->Button1); // OK refused: leave without placing anything
        } else if (auto* k = qobject_cast<TKGZForm*>(&d)) {
            m_thresholdScript(*k);
        } else if (auto* s = qobject_cast<TPictureSetForm*>(&d)) {
            m_fillScript(*s);
            if (s->isVisible()) click(s->Button1);
        } else if (auto* v = qobject_cast<TTextViewForm*>(&d)) {
            m_previewShown = v->Memo1->toPlainText();
            click(v->Button1);
        }
        return d.result();
    };
    button("SpeedButton29")->click();
}

void TestImport::load(TPictureForm& f, const QImage& picture) {
    const QString path = m_dir->filePath(QStringLiteral("picture%1.png").arg(++m_files));
    QVERIFY(picture.save(path));
    m_platform.pictureNames << path;
    click(f.Button4);
}

void TestImport::leave(QLineEdit* edit) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}

static QImage filled(int w, int h, QColor c) {
    QImage p(w, h, QImage::Format_RGB32);
    p.fill(c);
    return p;
}

void TestImport::sizeProposalsAndProportions() {
    import([&](TPictureForm& f) {
        QCOMPARE(f.windowTitle(), QStringLiteral("导入图片"));
    const struct {
        int w, h;
        QString height, width;
    } cases[] = {{250, 180, QStringLiteral("60"), QStringLiteral("83")},
                 {100, 100, QStringLiteral("100"), QStringLiteral("100")},
                 {101, 10, QStringLiteral("5"), QStringLiteral("50")}};
    for (const auto& c : cases) {
        load(f, filled(c.w, c.h, Qt::white));
        QCOMPARE(f.Label7->text(), QString::number(c.h));
        QCOMPARE(f.Label8->text(), QString::number(c.w));
        QCOMPARE(f.Edit3->text(), c.height);
        QCOMPARE(f.Edit4->text(), c.width);
        QVERIFY(f.Edit1->text().endsWith(QStringLiteral("%1.png").arg(m_files)));
    }
    // Kept in proportion with a 300 x 200 picture; or not, when the box is cleared.
    load(f, filled(300, 200, Qt::white));
    f.Edit3->setText(QStringLiteral("50"));
    leave(f.Edit3);
    QCOMPARE(f.Edit4->text(), QStringLiteral("75"));
    f.Edit4->setText(QStringLiteral("75"));
    leave(f.Edit4);
    QCOMPARE(f.Edit3->text(), QStringLiteral("50"));
    f.CheckBox1->setChecked(false);
    f.Edit4->setText(QStringLiteral("30"));
    leave(f.Edit4);
    QCOMPARE(f.Edit3->text(), QStringLiteral("50"));
}, false);
QVERIFY(m_platform.messages.isEmpty());
}

void TestImport::fieldChecks() {
    import([&](TPictureForm& f) {
        const struct {
            QLineEdit* edit;
    QString text, message;
}
cases[] = {
    {f.Edit3, QStringLiteral("abc"), QStringLiteral("请输入一个整数")},
    {f.Edit4, QStringLiteral("1.5"), QStringLiteral("请输入一个整数")},
    {f.Edit3, QStringLiteral("-4"), QStringLiteral("请输入一个大于等于0的整数")},
    {f.Edit2, QStringLiteral("256"), QStringLiteral("请输入一个大于等于0小于等于255之间整数")},
    {f.Edit2, QStringLiteral("-1"), QStringLiteral("请输入一个大于等于0小于等于255之间整数")},
    {f.Edit2, QStringLiteral("x"), QStringLiteral("请输入一个大于等于0小于等于255之间整数")},
};
for (const auto& c : cases) {
    m_platform.messages.clear();
    c.edit->setText(c.text);
    leave(c.edit);
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].text, c.message);
    c.edit->setText(QStringLiteral("10"));
}
// Convert with a bad field says so and leaves the pictures as they were.
f.Edit2->setText(QStringLiteral("999"));
m_platform.messages.clear();
click(f.Button3);
QCOMPARE(m_platform.messages.size(), 1);
QCOMPARE(f.ScaledWidth, 0);
// The clipboard without a picture.
m_platform.messages.clear();
click(f.Button6);
QCOMPARE(m_platform.messages.size(), 1);
QCOMPARE(m_platform.messages[0].text, QStringLiteral("剪贴版中没有图片"));
// With one, it is taken at its size; the file name stays as it was.
m_platform.clipboardPicture = filled(20, 10, Qt::black);
f.Edit1->setText(QStringLiteral("kept"));
click(f.Button6);
QCOMPARE(f.Label8->text(), QStringLiteral("20"));
QCOMPARE(f.Edit4->text(), QStringLiteral("20"));
QCOMPARE(f.Edit1->text(), QStringLiteral("kept"));
}, false);
}

void TestImport::convertClickAndAutomaticThreshold() {
    import([&](TPictureForm& f) {
        // Width 150, height 100 of a 300 x 200 picture white on its left half: the left two thirds.
        QImage p = filled(300, 200, Qt::black);
    QPainter(&p).fillRect(0, 0, 150, 200, Qt::white);
    load(f, p);
    f.Edit4->setText(QStringLiteral("150"));
    f.Edit3->setText(QStringLiteral("100"));
    click(f.Button3);
    QCOMPARE(f.ScaledWidth, 150);
    const QImage& scaled = f.scaledPicture();
    QCOMPARE(scaled.pixel(74, 50), qRgb(255, 255, 255));
    QCOMPARE(scaled.pixel(75, 50), qRgb(0, 0, 0));
    QCOMPARE(f.effectPicture().pixel(74, 50), qRgb(0, 0, 0)); // white is ink
    // A click on the scaled picture takes the grey there.
    QImage colour = filled(4, 4, QColor(30, 60, 91));
    load(f, colour);
    click(f.Button3);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(f.Image2->mapToGlobal(QPoint(2, 2))),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.Image2, &press);
    QCOMPARE(f.Edit2->text(), QStringLiteral("60"));
    // "自动" by the most frequent grey on a white picture: 255, so only pure white is ink.
    QImage mostlyWhite = filled(10, 10, Qt::white);
    mostlyWhite.setPixel(0, 0, qRgb(100, 100, 100));
    load(f, mostlyWhite);
    m_thresholdScript = [](TKGZForm& k) {
        k.RadioButton2->setChecked(true);
        click(k.Button2);
    };
    click(f.Button5);
    QCOMPARE(f.Edit2->text(), QStringLiteral("255"));
    QCOMPARE(f.effectPicture().pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(f.effectPicture().pixel(5, 5), qRgb(0, 0, 0));
    // By the mean, and cancelled: the threshold stays.
    m_thresholdScript = [](TKGZForm& k) {
        k.RadioButton1->setChecked(true);
        click(k.Button2);
    };
    click(f.Button5);
    QCOMPARE(f.Edit2->text(), QStringLiteral("253")); // (99 x 255 + 100) div 100
    m_thresholdScript = [](TKGZForm& k) { click(k.Button1); };
    f.Edit2->setText(QStringLiteral("77"));
    click(f.Button5);
    QCOMPARE(f.Edit2->text(), QStringLiteral("77"));
    // The gradient disables "自动" and "高级"; invert changes only the effect picture.
    f.RadioButton2->click();
    QVERIFY(!f.Button5->isEnabled());
    QVERIFY(!f.SpeedButton3->isEnabled());
    click(f.Button3);
    const QRgb before = f.effectPicture().pixel(0, 0);
    click(f.SpeedButton1);
    QCOMPARE(qRed(f.effectPicture().pixel(0, 0)), (9 - qRed(before) / 26) * 26);
    // Dithering takes the threshold and the fill again; the effect picture is the dithered one.
    f.RadioButton3->click();
    QVERIFY(f.Button5->isEnabled());
    QVERIFY(f.SpeedButton3->isEnabled());
    load(f, filled(40, 40, QColor(128, 128, 128)));
    f.Edit4->setText(QStringLiteral("40"));
    f.Edit3->setText(QStringLiteral("40"));
    click(f.Button3);
    int ink = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ink += f.effectPicture().pixel(x, y) == qRgb(0, 0, 0);
    QVERIFY2(std::abs(ink - 800) <= 48, qPrintable(QString::number(ink))); // half of 1,600, within 3 points
    f.RadioButton1->click();
    QVERIFY(f.Button5->isEnabled());
}, false);
}

void TestImport::theEffectFollowsTheFields() {
    import([&](TPictureForm& f) {
        // Grey 100 everywhere: paper at the threshold of 150, converted as the dialog opens it.
        load(f, filled(8, 4, QColor(100, 100, 100)));
    click(f.Button3);
    QCOMPARE(f.effectPicture().pixel(0, 0), qRgb(255, 255, 255));
    // Typing a threshold converts again at once, without 转化.
    f.Edit2->setFocus();
    f.Edit2->selectAll();
    QTest::keyClicks(f.Edit2, QStringLiteral("90"));
    QCOMPARE(f.effectPicture().pixel(0, 0), qRgb(0, 0, 0));
    // A threshold being typed that is no number yet leaves the effect as it was, and says nothing.
    QTest::keyClick(f.Edit2, Qt::Key_Backspace);
    QTest::keyClick(f.Edit2, Qt::Key_Backspace);
    QCOMPARE(f.effectPicture().pixel(0, 0), qRgb(0, 0, 0));
    QVERIFY(m_platform.messages.isEmpty());
    QTest::keyClicks(f.Edit2, QStringLiteral("150"));
    QCOMPARE(f.effectPicture().pixel(0, 0), qRgb(255, 255, 255));
    // The mode: the gradient's level of 100 (3 x 26) at once.
    f.RadioButton2->click();
    QCOMPARE(f.effectPicture().pixel(0, 0), qRgb(78, 78, 78));
    f.RadioButton1->click();
    QCOMPARE(f.effectPicture().pixel(0, 0), qRgb(255, 255, 255));
    // The size: what OK would import follows the width typed.
    f.Edit4->setFocus();
    f.Edit4->selectAll();
    QTest::keyClicks(f.Edit4, QStringLiteral("5"));
    QCOMPARE(f.ScaledWidth, 5);
}, false);
}

void TestImport::shapesInTheDialog() {
    QVERIFY(closeAllDrawings());
    // Four cells of 18 x 18 pixels: black in the lower half, black, white, white.
    QImage picture(72, 18, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        p.fillRect(0, 9, 18, 9, Qt::black);
        p.fillRect(18, 0, 18, 18, Qt::black);
    }
    import([&](TPictureForm& f) {
        load(f, picture);
    f.Edit4->setText(QStringLiteral("4"));
    f.Edit3->setText(QStringLiteral("1"));
    // Choosing the mode matches at once; it has no threshold and fills with no brush or article.
    f.RadioButton4->click();
    QCOMPARE(f.RadioButton4->text(), QStringLiteral("形状匹配"));
    QVERIFY(!f.Button5->isEnabled());
    QVERIFY(!f.SpeedButton3->isEnabled());
    // The effect picture: each cell's grey as its glyph draws it.
    QCOMPARE(qGray(f.effectPicture().pixel(1, 0)), 0);
    QCOMPARE(qGray(f.effectPicture().pixel(2, 0)), 255);
    QVERIFY2(std::abs(qGray(f.effectPicture().pixel(0, 0)) - 128) < 20,
             qPrintable(QString::number(qGray(f.effectPicture().pixel(0, 0)))));
    click(f.SpeedButton2);
    QCOMPARE(m_previewShown, QStringLiteral("▄█　　\n"));
    // 反转 matches the picture again with light and dark swapped, and back.
    click(f.SpeedButton1);
    QCOMPARE(qGray(f.effectPicture().pixel(1, 0)), 255);
    QCOMPARE(qGray(f.effectPicture().pixel(3, 0)), 0);
    click(f.SpeedButton1);
    // Back to the threshold, whose effect and result are its own again.
    f.RadioButton1->click();
    QCOMPARE(qGray(f.effectPicture().pixel(2, 0)), 0);
    f.RadioButton4->click();
});
TChildForm* d = m_main->activeChild();
QVERIFY(d);
QCOMPARE(gridText(d->drawing().CurGrid, 4, 1), QStringLiteral("▄█    "));
}

void TestImport::intoAnOpenDrawing() {
    TChildForm* d = m_main->activeChild();
    setGridText(d->drawing().CurGrid, QStringLiteral("ab"));
    d->drawing().ReDrawAll();
    // A floating block already there, dropped see-through.
    m_platform.clipboard = QStringLiteral("XX\r\n");
    button("SpeedButton7")->click();
    d->drawing().selection.PasteTransparent = true;
    const int changes = d->drawing().ChangeCount;
    import([&](TPictureForm& f) {
        load(f, filled(100, 80, Qt::white));
    click(f.Button3);
});
QCOMPARE(d->drawing().selection.SelRect, (CellRect{0, 0, 50, 50}));
QCOMPARE(d->drawing().selection.PasteActive, true);
QCOMPARE(d->drawing().selection.PasteTransparent, true); // carried over to the new block
QCOMPARE(d->drawing().selection.PasteLines.size(), 80);
for (const QByteArray& line : d->drawing().selection.PasteLines)
    QCOMPARE(line, QByteArray("\xBB\xAD").repeated(100));
QCOMPARE(d->drawing().undo.UndoName, QStringLiteral("导入图象"));
QCOMPARE(d->drawing().ChangeCount, changes + 1); // an import is a change: closing asks
QCOMPARE(m_main->statusText(),
         QStringLiteral("如果要让拖动内容和底图以透明的方式合并，请在拖动过程中按“Alt”键"));
// The block shows over the drawing; the old one was written where it floated, before the undo step.
QCOMPARE(gridText(d->drawing().ShownGrid, 2, 1), QStringLiteral("画画"));
QCOMPARE(gridText(d->drawing().CurGrid, 2, 1), QStringLiteral("XX  "));
QCOMPARE(gridText(d->drawing().undo.UndoGrid, 2, 1), QStringLiteral("XX  "));
}

void TestImport::intoANewDrawing() {
    QVERIFY(closeAllDrawings());
    import([&](TPictureForm& f) {
        QImage p = filled(3, 2, Qt::black);
    p.setPixel(1, 0, qRgb(255, 255, 255));
    load(f, p);
    click(f.Button3);
});
QCOMPARE(m_main->children().size(), 1);
TChildForm* d = m_main->activeChild();
QCOMPARE(d->drawing().GridWidth, 3);
QCOMPARE(d->drawing().GridHeight, 2);
QCOMPARE(gridText(d->drawing().CurGrid, 3, 2), QStringLiteral("  画  \n      "));
QCOMPARE(d->drawing().undo.UndoState, UndoStep::State::Nothing);
// Nothing to undo, but it is work not yet saved: closing asks, as after an import into a drawing.
QCOMPARE(d->drawing().ChangeCount, 1);
QCOMPARE(d->drawing().SavedCount, 0);
QCOMPARE(d->drawing().FileName, QString());
}

void TestImport::cancelIsNeverHeldByAField() {
    // A field that does not hold a fit number is told about when it is left for another field,
    // but leaving it for 取消, or Esc closing the dialog, just cancels.
    const std::function<void(TPictureForm&, QLineEdit*)> ways[] = {
        [](TPictureForm& f, QLineEdit*) { QTest::mouseClick(f.Button1, Qt::LeftButton); },
        [](TPictureForm&, QLineEdit* field) { QTest::keyClick(field, Qt::Key_Escape); },
    };
    for (const auto& cancel : ways) {
        for (QLineEdit* TPictureForm::*field : {&TPictureForm::Edit2, &TPictureForm::Edit3}) {
            bool closed = false;
            import(
                [&](TPictureForm& f) {
                    f.activateWindow();
                    (f.*field)->setFocus();
                    QTRY_VERIFY((f.*field)->hasFocus());
                    (f.*field)->setText(QStringLiteral("-"));
                    m_platform.messages.clear();
                    cancel(f, f.*field);
                    closed = !f.isVisible();
                    QCOMPARE(m_platform.messages.size(), 0);
                },
                false);
            QVERIFY(closed);
        }
    }
}

void TestImport::okWithoutAConversion() {
        // Size 0: nothing to place, and the user is told.
    import([&](TPictureForm& f) {
        load(f, filled(5, 5, Qt::white));
    f.Edit4->setText(QStringLiteral("0"));
    click(f.Button3);
    m_platform.messages.clear();
    click(f.Button2);
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(f.isVisible());
    });
    QCOMPARE(m_main->activeChild()->drawing().selection.PasteActive, false);
    // A 4 x 3 conversion, then a new showing with OK at once: the cleared effect picture, all blank.
    import([&](TPictureForm& f) {
        f.Edit4->setText(QStringLiteral("4"));
    f.Edit3->setText(QStringLiteral("3"));
    click(f.Button3);
    }, false);
    import([&](TPictureForm&){});
    TChildForm* d = m_main->activeChild();
    QCOMPARE(d->drawing().selection.SelRect, (CellRect{0, 0, 4, 3}));
    QCOMPARE(d->drawing().selection.PasteLines, (QList<QByteArray>{"        ", "        ", "        "}));
    }

    void TestImport::fillSettingsAndPreview() {
    import([&](TPictureForm& f) {
        load(f, filled(4, 1, Qt::white));
    click(f.Button3);
    // Switched to the article, then cancelled: still the brush.
    m_fillScript = [](TPictureSetForm& s) {
        s.RadioButton2->setChecked(true);
        click(s.Button1);
    };
    click(f.SpeedButton3);
    QCOMPARE(f.FillMode, 0);
    // An article of fewer than ten lines is refused; the dialog stays open.
    m_fillScript = [&](TPictureSetForm& s) {
        s.RadioButton2->setChecked(true);
        s.Memo1->setPlainText(QStringLiteral("短"));
        m_platform.messages.clear();
        click(s.Button2);
        QCOMPARE(m_platform.messages.size(), 1);
        QCOMPARE(m_platform.messages[0].text, QStringLiteral("你的文章太短了"));
        QVERIFY(s.isVisible());
        s.Memo1->setPlainText(QStringLiteral("ab中c\n").repeated(10));
        click(s.Button2);
    };
    click(f.SpeedButton3);
    QCOMPARE(f.FillMode, 1);
    // The preview: written as GBK with CR LF and ideographic spaces, shown in the program's viewer.
    click(f.SpeedButton2);
    QFile preview(m_dir->filePath(QStringLiteral("runeboard.txt")));
    QVERIFY(preview.open(QIODevice::ReadOnly));
    QCOMPARE(preview.readAll(), QByteArray("ab\xD6\xD0\x63\xA1\xA1\x61\r\n"));
    QCOMPARE(m_previewShown, QStringLiteral("ab中c　a\n"));
    // A preview that cannot be written says so.
    m_platform.tempDirectory = m_dir->filePath(QStringLiteral("no/such/folder"));
    m_platform.messages.clear();
    m_previewShown.clear();
    click(f.SpeedButton2);
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("runeboard.txt")));
    QVERIFY(m_previewShown.isEmpty());
    });
    // OK takes the article too.
    QCOMPARE(m_main->activeChild()->drawing().selection.PasteLines, QList<QByteArray>{"ab\xD6\xD0\x63  a"});
    }

    void TestImport::previewNeverGoesThroughALink() {
        // Anyone may write the system's temporary folder, so a link may wait there at any name. The
        // preview goes to a folder of the run's own instead, and never through a link even there.
        QTemporaryDir shared; // stands for the system's temporary folder
        const QString victim = m_dir->filePath(QStringLiteral("victim.txt"));
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's own words");
        file.close();
        QVERIFY(QFile::link(victim, shared.filePath(QStringLiteral("runeboard.txt"))));
        const QByteArray oldTmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(shared.path()));
        auto run = std::make_unique<QtPlatform>();
        QtPlatform otherRun;
        const QString folder = run->tempDir();
        const QString otherFolder = otherRun.tempDir();
        qputenv("TMPDIR", oldTmpdir);

        // Inside the system's temporary folder, the user's own, made once, a name no other run has.
        QCOMPARE(QFileInfo(folder).absolutePath(), shared.path());
        QVERIFY(QFileInfo(folder).isDir() && !QFileInfo(folder).isSymLink());
        struct stat st {};
        QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0700));
        QCOMPARE(st.st_uid, ::geteuid());
        QCOMPARE(run->tempDir(), folder);
        QVERIFY(otherFolder != folder && !otherFolder.isEmpty());

        m_platform.tempDirectory = folder;
        const QString preview = folder + QStringLiteral("/runeboard.txt");
        auto readAll = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
        };
    import(
        [&](TPictureForm& f) {
            load(f, filled(2, 1, Qt::white));
    f.Edit4->setText(QStringLiteral("2"));
    f.Edit3->setText(QStringLiteral("1"));
    click(f.Button3);
    click(f.SpeedButton2);
    QCOMPARE(readAll(victim), QByteArray("the user's own words"));
    QCOMPARE(readAll(preview), QByteArray("\xBB\xAD\xBB\xAD\r\n"));
    // A link put where the preview goes is replaced, not written through.
    QVERIFY(QFile::remove(preview));
    QVERIFY(QFile::link(victim, preview));
    click(f.SpeedButton2);
    QCOMPARE(readAll(victim), QByteArray("the user's own words"));
    QVERIFY(!QFileInfo(preview).isSymLink());
    QCOMPARE(readAll(preview), QByteArray("\xBB\xAD\xBB\xAD\r\n"));
    },
        false);
    QVERIFY(m_platform.messages.isEmpty());
    QCOMPARE(m_previewShown, QStringLiteral("画画\n"));
    // The folder goes with the run.
    run.reset();
    QVERIFY(!QFileInfo::exists(folder));
    }

    void TestImport::articleFromAFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("GBK") << QByteArray("\xB4\xBA\xCC\xEC\xC0\xB4\xC1\xCB\r\nab\r\n");
        QTest::newRow("UTF-8") << QByteArray("\xE6\x98\xA5\xE5\xA4\xA9\xE6\x9D\xA5\xE4\xBA\x86\r\nab\r\n");
        QTest::newRow("UTF-8 with a byte-order mark")
            << QByteArray("\xEF\xBB\xBF\xE6\x98\xA5\xE5\xA4\xA9\xE6\x9D\xA5\xE4\xBA\x86\r\nab\r\n");
    }

    void TestImport::articleFromAFile() {
        // 高级 → 从文件调入 reads the file in the encoding its bytes show, as File → Open does.
        QFETCH(QByteArray, bytes);
        const QString path = m_dir->filePath(QStringLiteral("article.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QString shown;
        QByteArray article;
        m_fillScript = [&](TPictureSetForm& s) {
            m_platform.openNames << path;
            click(s.Button3);
            shown = s.Memo1->toPlainText();
            article = s.article();
            click(s.Button1);
        };
    import([&](TPictureForm& f) { click(f.SpeedButton3);
    }, false);
    QCOMPARE(shown, QStringLiteral("春天来了\nab"));
    QCOMPARE(article, QByteArray("\xB4\xBA\xCC\xEC\xC0\xB4\xC1\xCB\r\nab"));
    QVERIFY(m_platform.messages.isEmpty());
    }

    void TestImport::articleFilesRefused() {
        // What cannot be an article is said, and the memo keeps its text: a pipe (never waited on) and
        // a file beyond 4 MB.
        const QString pipe = m_dir->filePath(QStringLiteral("pipe"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        const QString big = m_dir->filePath(QStringLiteral("big.txt"));
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize((4 << 20) + 1));
        file.close();
        QStringList kept;
        m_fillScript = [&](TPictureSetForm& s) {
            const QString before = s.Memo1->toPlainText();
            m_platform.openNames << pipe << big;
            click(s.Button3);
            click(s.Button3);
            kept << (s.Memo1->toPlainText() == before ? QStringLiteral("kept") : QStringLiteral("changed"));
            click(s.Button1);
        };
    import([&](TPictureForm& f) { click(f.SpeedButton3);
    }, false);
    QCOMPARE(kept, QStringList{QStringLiteral("kept")});
    QCOMPARE(m_platform.messages.size(), 2);
    QCOMPARE(m_platform.messages[0].text, QStringLiteral("无法读取文件“%1”：这不是一个普通文件").arg(pipe));
    QCOMPARE(m_platform.messages[1].text,
             QStringLiteral("无法读取文件“%1”：文件太大，文章最多 4 MB").arg(big));
    QCOMPARE(m_platform.messages[1].kind, MessageKind::Error);
    }

    void TestImport::picturesThatCannotBeLoaded() {
        QFile broken(m_dir->filePath(QStringLiteral("broken.jpg")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\xFF\xD8\xFF\xE0 this is not really a JPEG");
        broken.close();
    import([&](TPictureForm& f) {
        load(f, filled(7, 6, Qt::white));
    m_platform.pictureNames << broken.fileName();
    click(f.Button4);
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].kind, MessageKind::Error);
    QVERIFY(m_platform.messages[0].text.contains(QStringLiteral("broken.jpg")));
    // The previous picture stays.
    QCOMPARE(f.Label8->text(), QStringLiteral("7"));
    QCOMPARE(f.picture().size(), QSize(7, 6));
    }, false);
    }

    QTEST_MAIN(TestImport)
#include "tst_import.moc"
