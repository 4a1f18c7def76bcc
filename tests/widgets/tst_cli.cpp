// The command-line converter run as the real program: its options reaching the
// conversion, its banner beside the text banner's, the drawings it writes, and its errors.
#include "GridText.h"
#include "MainWindowFixture.h"
#include "SamplePictures.h"
#include "core/text/GbkText.h"
#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/dialogs/TTextForm.h"
#include "ui/document/CanvasWidget.h"
#include "ui/document/TChildForm.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

namespace {

struct Run {
    int exit = -1;
    QByteArray out, err;
};

// The program run in `folder` (the test's own when empty) with the locale variables given
// ("NAME=value") and no others, so that its messages come in the language a test expects.
// `program` is another copy of it, when given.
Run runeboard(const QStringList& args, const QByteArray& input = {},
              const QStringList& locale = {"LANG=C.UTF-8"}, const QString& folder = {},
              const QString& program = {}) {
    QProcess p;
    // No display at all: the converter needs none.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) env.remove(QLatin1String(name));
    for (const QString& setting : locale) env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    p.setProcessEnvironment(env);
    if (!folder.isEmpty()) p.setWorkingDirectory(folder);
    p.start(program.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/runeboard")
                              : program,
            args);
    if (!p.waitForStarted(10000)) return {};
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// A photo-like picture with shading and detail.
QImage photo(int w, int h) {
    QImage p(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, ((x / 7) ^ (y / 5)) * 40 & 0xFF));
    return p;
}

// A picture of these rows of greys, each grey a square of `side` pixels.
QImage greySquares(std::initializer_list<std::initializer_list<int>> rows, int side) {
    QImage p(int(rows.begin()->size()) * side, int(rows.size()) * side, QImage::Format_Grayscale8);
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (int g : row) {
            for (int dy = 0; dy < side; ++dy)
                for (int dx = 0; dx < side; ++dx) p.setPixel(x + dx, y + dy, qRgb(g, g, g));
            x += side;
        }
        y += side;
    }
    return p;
}

QByteArray gbkLines(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& l : lines) out += l + '\n';
    return out;
}

} // namespace

class TestCli : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void optionsReachTheConversion_data();
    void optionsReachTheConversion();
    void outputFilesOpenInTheEditor();
    void bannerMatchesTheTextBanner();
    void errorsAndExitCodes();
    void unknownCommands_data();
    void unknownCommands();
    void drawingToStandardOutput_data();
    void drawingToStandardOutput();
    void fontsNotInstalledAreNamed_data();
    void fontsNotInstalledAreNamed();
    void messagesInOneLanguage_data();
    void messagesInOneLanguage();
    void installCheckFindsTheFilesBesideTheProgram();
    void shapesAndTheirPicture();
};

void TestCli::initTestCase() {
    setupApplication(*qApp);
}

void TestCli::init() {
    QVERIFY(start());
}

void TestCli::cleanup() {
    finish();
}

void TestCli::optionsReachTheConversion_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("out");
    const QStringList ab{"--brush", "ab"};
    // shades.png: 6 x 2 pixels of greys 0, 60, 120, 150, 200, 255 and 255, 255, 30, 30, 149, 151.
    QTest::newRow("threshold") << "shades.png" << ab << "      ababab\nabab      ab\n";
    QTest::newRow("threshold 0") << "shades.png" << QStringList{"--threshold", "0"} + ab
                                 << "abababababab\nabababababab\n";
    QTest::newRow("automatic, the mean: 137")
        << "shades.png" << QStringList{"--auto", "mean"} + ab << "      ababab\nabab    abab\n";
    QTest::newRow("automatic, the most frequent: 255")
        << "shades.png" << QStringList{"--auto", "mode"} + ab << "          ab\nabab        \n";
    QTest::newRow("gradient") << "shades.png" << QStringList{"--gradient"} << "@@&&||!!,,  \n    %%%%!!!!\n";
    QTest::newRow("gradient, inverted")
        << "shades.png" << QStringList{"--gradient", "--invert"} << "  ,,!!||&&@@\n@@@@....||||\n";
    // Dithered about 150, left to right and back: each pixel's error carried to its neighbours.
    QTest::newRow("dither") << "shades.png" << QStringList{"--mode", "dither"} + ab
                            << "      ababab\nabab    ab  \n";
    QTest::newRow("--mode gradient") << "shades.png" << QStringList{"--mode", "gradient"}
                                     << "@@&&||!!,,  \n    %%%%!!!!\n";
    QTest::newRow("inverted") << "shades.png" << QStringList{"--invert"} + ab
                              << "ababab      \n    ababab  \n";
    QTest::newRow("the default brush") << "shades.png" << QStringList{} << "      画画画\n画画      画\n";
    QTest::newRow("an article") << "shades.png" << QStringList{"--article", "article.txt"}
                                << "      ab中ca\nb 中      ca\n";
    // Stretched to 4 x 1: columns 0, 2, 3 and 5 of the second row.
    QTest::newRow("a size") << "shades.png" << QStringList{"--width", "4", "--height", "1"} + ab
                            << "ab    ab\n";
    // squares.jpg: the greys 0, 60, 120, 200, 230, 255 and 255, 255, 30, 30, 100, 220 in squares of 8
    // pixels, read a row at a time without the GUI library.
    const QStringList six{"--width", "6", "--height", "2"};
    QTest::newRow("JPEG, threshold") << "squares.jpg" << six + ab << "      ababab\nabab      ab\n";
    QTest::newRow("JPEG, gradient") << "squares.jpg" << six + QStringList{"--gradient"}
                                    << "@@&&||,,..  \n    %%%%[[..\n";
    // cmyk.jpg: 16 x 8, its left half black, its right half white; handed on to the full decoder.
    QTest::newRow("CMYK JPEG") << "cmyk.jpg" << QStringList{"--width", "4", "--height", "2"} + ab
                               << "    abab\n    abab\n";
}

void TestCli::optionsReachTheConversion() {
    QFETCH(QString, picture);
    QFETCH(QStringList, options);
    QFETCH(QString, out);
    QVERIFY(greySquares({{0, 60, 120, 150, 200, 255}, {255, 255, 30, 30, 149, 151}}, 1)
                .save(m_dir->filePath(QStringLiteral("shades.png"))));
    QVERIFY(greySquares({{0, 60, 120, 200, 230, 255}, {255, 255, 30, 30, 100, 220}}, 8)
                .save(m_dir->filePath(QStringLiteral("squares.jpg")), "jpg", 100));
    QFile cmyk(m_dir->filePath(QStringLiteral("cmyk.jpg")));
    QVERIFY(cmyk.open(QIODevice::WriteOnly));
    cmyk.write(cmykJpeg());
    cmyk.close();
    QFile article(m_dir->filePath(QStringLiteral("article.txt")));
    QVERIFY(article.open(QIODevice::WriteOnly));
    article.write(QStringLiteral("ab中c\n").toUtf8());
    article.close();
    const Run r = runeboard(QStringList{QStringLiteral("convert"), picture} + options, {},
                            {QStringLiteral("LANG=C.UTF-8")}, m_dir->path());
    QVERIFY2(r.exit == 0, r.err.constData());
    QCOMPARE(QString::fromUtf8(r.out), out);
    QVERIFY(r.err.isEmpty());
}

void TestCli::outputFilesOpenInTheEditor() {
    const QString path = m_dir->filePath(QStringLiteral("photo.jpg"));
    QVERIFY(photo(300, 200).save(path, "jpg"));
    const QString drawing = m_dir->filePath(QStringLiteral("art.txt"));
    const Run r = runeboard({QStringLiteral("convert"), path, QStringLiteral("-o"), drawing});
    QCOMPARE(r.exit, 0);
    QVERIFY(r.out.isEmpty());
    const Run printed =
        runeboard({QStringLiteral("convert"), path, QStringLiteral("--encoding"), QStringLiteral("gbk")});
    QList<QByteArray> lines = printed.out.split('\n');
    lines.removeLast();
    // Opened in the editor: the same cells, without a word about anything left out.
    m_main->openFiles({drawing});
    TChildForm* c = m_main->activeChild();
    QCOMPARE(c->drawing().FileName, drawing);
    QCOMPARE(c->drawing().GridWidth, 100);
    QCOMPARE(c->drawing().GridHeight, 66);
    QVERIFY(m_platform.messages.isEmpty());
    QList<QByteArray> cells;
    for (int y = 0; y < c->drawing().GridHeight; ++y) {
        QByteArray line;
        for (int x = 0; x < c->drawing().GridWidth; ++x)
            line += char(c->drawing().CurGrid.at(x, y).b0), line += char(c->drawing().CurGrid.at(x, y).b1);
        cells << line;
    }
    QCOMPARE(cells, lines);
    // The file is as Save writes it: ideographic spaces and CR LF; in UTF-8 when asked.
    QFile f(drawing);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.contains("\xA1\xA1"));
    f.close();
    QCOMPARE(runeboard({QStringLiteral("convert"), path, QStringLiteral("-o"), drawing,
                        QStringLiteral("--encoding"), QStringLiteral("utf8")})
                 .exit,
             0);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), gbkToUnicode(bytes));
}

void TestCli::bannerMatchesTheTextBanner() {
    QList<QByteArray> expected;
    m_platform.onDialog = [&](QDialog& d) {
        if (auto* f = qobject_cast<TTextForm*>(&d)) {
            f->ComboBox1->setEditText(QStringLiteral("Unifont"));
            f->ComboBox2->setEditText(QStringLiteral("12"));
            QTest::mouseClick(f->findChild<QToolButton*>(QStringLiteral("SpeedButton1")),
                              Qt::LeftButton); // bold
            f->Edit1->setText(QStringLiteral("Hi中"));
            QTest::mouseClick(f->Button2, Qt::LeftButton);
        }
        return d.result();
    };
    QVERIFY(m_mouse.choose(ToolId::Text));
    m_mouse.hover({0, 0});
    m_mouse.press({0, 0});
    expected = m_main->activeChild()->drawing().selection.PasteLines;
    QVERIFY(!expected.isEmpty());
    const Run r = runeboard({QStringLiteral("banner"), QStringLiteral("Hi中"), QStringLiteral("--font"),
                             QStringLiteral("Unifont"), QStringLiteral("--size"), QStringLiteral("12"),
                             QStringLiteral("--bold"), QStringLiteral("--width"), QStringLiteral("50"),
                             QStringLiteral("--height"), QStringLiteral("50"), QStringLiteral("--encoding"),
                             QStringLiteral("gbk")});
    QVERIFY2(r.exit == 0, r.err.constData());
    QCOMPARE(r.out, gbkLines(expected));
}

void TestCli::errorsAndExitCodes() {
    const QString picture = m_dir->filePath(QStringLiteral("p.jpg"));
    QVERIFY(photo(64, 48).save(picture, "jpg"));
    const struct {
        QStringList args;
        int exit;
        QByteArray says;
    } cases[] = {
        {{"convert"}, 2, "needs a picture"},
        {{"convert", picture, "--width"}, 2, "needs a value"},
        {{"convert", picture, "--width", "-3"}, 2, "whole number"},
        {{"convert", picture, "--threshold", "300"}, 2, "whole number"},
        {{"convert", picture, "--threshold", "9", "--auto", "mean"}, 2, "exclude"},
        {{"convert", picture, "--auto", "median"}, 2, "mean or mode"},
        {{"convert", picture, "--mode", "halftone"}, 2, "threshold, gradient, dither or shapes"},
        {{"convert", picture, "--mode", "shapes", "--auto", "mean"}, 2, "no threshold"},
        {{"convert", picture, "--mode", "shapes", "--article", picture}, 2, "no cells from an article"},
        {{"convert", picture, "--png", "-"}, 2, "--png needs a file name"},
        {{"convert", picture, "--png", m_dir->filePath("no/such/folder.png")}, 1, "cannot write"},
        {{"convert", picture, "--mode", "gradient", "--threshold", "9"}, 2, "no threshold"},
        {{"convert", picture, "--gradient", "--auto", "mean"}, 2, "no threshold"},
        {{"convert", picture, "--brush", "abc"}, 2, "--brush"},
        {{"convert", picture, "--encoding", "latin1"}, 2, "gbk or utf8"},
        {{"convert", picture, "--size", "3"}, 2, "unknown option"},
        {{"banner", "x", "--gradient"}, 2, "unknown option"},
        {{"--frobnicate"}, 2, "unknown option"},
        {{"convert", m_dir->filePath("missing.jpg")}, 1, "cannot read"},
        {{"convert", picture, "--width", "0"}, 1, "no cells"},
        {{"convert", picture, "--article", m_dir->filePath("none.txt")}, 1, "cannot read"},
        {{"banner", "   "}, 1, "draws nothing"},
    };
    for (const auto& c : cases) {
        const Run r = runeboard(c.args);
        QVERIFY2(r.exit == c.exit,
                 qPrintable(c.args.join(' ') + QStringLiteral(": ") + QString::fromLocal8Bit(r.err)));
        QVERIFY2(r.err.contains(c.says),
                 qPrintable(c.args.join(' ') + QStringLiteral(": ") + QString::fromLocal8Bit(r.err)));
        QVERIFY(r.out.isEmpty());
    }
    // Broken and oversized pictures: a message and 1, never a crash.
    QFile jpeg(picture);
    QVERIFY(jpeg.open(QIODevice::ReadOnly));
    const QByteArray bytes = jpeg.readAll();
    QByteArray huge = bytes;
    const qsizetype sof = huge.indexOf("\xFF\xC0");
    huge[sof + 5] = char(0x9C), huge[sof + 6] = char(0x40), huge[sof + 7] = char(0x9C),
               huge[sof + 8] = char(0x40);
    for (const QByteArray& broken : {bytes.left(bytes.size() * 2 / 3), bytes.left(30) + QByteArray(500, 'x'),
                                     huge, QByteArray("not a picture at all")}) {
        const Run r = runeboard({QStringLiteral("convert"), QStringLiteral("-")}, broken);
        QCOMPARE(r.exit, 1);
        QVERIFY2(r.err.contains("cannot convert"), r.err.constData());
    }
    // --help and --version answer as programs do.
    const Run help = runeboard({QStringLiteral("--help")});
    QCOMPARE(help.exit, 0);
    QVERIFY(help.out.contains("runeboard convert PICTURE"));
    QCOMPARE(runeboard({QStringLiteral("--version")}).out, QByteArray("runeboard 2.0\n"));
}

void TestCli::unknownCommands_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("err");
    QTest::newRow("a letter missing")
        << QStringList{"conver", "p.jpg"}
        << QByteArray("runeboard: unknown command 'conver' (did you mean convert?)\n"
                      "Try 'runeboard --help'.\n");
    QTest::newRow("two letters swapped") << QStringList{"covnert", "p.jpg", "-o", "art.txt"}
                                         << QByteArray("runeboard: unknown command 'covnert' (did you mean "
                                                       "convert?)\nTry 'runeboard --help'.\n");
    QTest::newRow("banner") << QStringList{"baner", "hi"}
                            << QByteArray("runeboard: unknown command 'baner' (did you mean banner?)\n"
                                          "Try 'runeboard --help'.\n");
    QTest::newRow("two letters off") << QStringList{"bammer", "hi"}
                                     << QByteArray(
                                            "runeboard: unknown command 'bammer' (did you mean banner?)\n"
                                            "Try 'runeboard --help'.\n");
    QTest::newRow("a file that is not there") << QStringList{"photo.jpg"}
                                              << QByteArray("runeboard: unknown command 'photo.jpg'\n"
                                                            "Try 'runeboard --help'.\n");
    QTest::newRow("near nothing") << QStringList{"cat", "p.jpg"}
                                  << QByteArray(
                                         "runeboard: unknown command 'cat'\nTry 'runeboard --help'.\n");
}

void TestCli::unknownCommands() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, err);
    // Beside a picture that is there: the command is what is wrong, not the picture.
    QVERIFY(photo(64, 48).save(m_dir->filePath(QStringLiteral("p.jpg")), "jpg"));
    const Run r = runeboard(args, {}, {QStringLiteral("LANG=C.UTF-8")}, m_dir->path());
    QCOMPARE(r.exit, 2);
    QCOMPARE(r.err, err);
    QVERIFY(r.out.isEmpty());
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("art.txt"))));
}

void TestCli::drawingToStandardOutput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("piped");
    QTest::addColumn<QByteArray>("out");
    const QStringList size{"--width", "2", "--height", "2"};
    // Light cells are ink: the diagonal from the top left, in the brush 画 (GBK BB AD); the
    // blank cells' space pairs as ideographic spaces (A1 A1); CR LF.
    QTest::newRow("a picture file") << QStringList{"convert", "d.png", "-o", "-"} + size << false
                                    << QByteArray("\xBB\xAD\xA1\xA1\r\n\xA1\xA1\xBB\xAD\r\n");
    QTest::newRow("standard input, handed on") << QStringList{"convert", "-", "-o", "-"} + size << true
                                               << QByteArray("\xBB\xAD\xA1\xA1\r\n\xA1\xA1\xBB\xAD\r\n");
    QTest::newRow("in UTF-8") << QStringList{"convert", "-", "-o", "-", "--encoding", "utf8"} + size << true
                              << QStringLiteral("画　\r\n　画\r\n").toUtf8();
}

void TestCli::drawingToStandardOutput() {
    QFETCH(QStringList, args);
    QFETCH(bool, piped);
    QFETCH(QByteArray, out);
    QImage diagonal(2, 2, QImage::Format_RGB32);
    diagonal.fill(Qt::black);
    diagonal.setPixel(0, 0, qRgb(255, 255, 255));
    diagonal.setPixel(1, 1, qRgb(255, 255, 255));
    const QString path = m_dir->filePath(QStringLiteral("d.png"));
    QVERIFY(diagonal.save(path));
    QFile picture(path);
    QVERIFY(picture.open(QIODevice::ReadOnly));
    const Run r = runeboard(args, piped ? picture.readAll() : QByteArray(), {QStringLiteral("LANG=C.UTF-8")},
                            m_dir->path());
    QVERIFY2(r.exit == 0, r.err.constData());
    QCOMPARE(r.out, out);
    QVERIFY(r.err.isEmpty());
    // Exactly what Save writes, and nothing written beside.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"d.png"});
}

void TestCli::fontsNotInstalledAreNamed_data() {
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("warning"); // %1: the family drawn with instead
    QTest::newRow("not installed") << "No Such Font"
                                   << "C.UTF-8"
                                   << "runeboard banner: warning: the font 'No Such Font' is not installed; "
                                      "drawn in '%1' instead\n";
    QTest::newRow("not installed, in Chinese")
        << "No Such Font"
        << "zh_CN.UTF-8"
        << "runeboard banner：警告：没有安装字体“No Such Font”，改用“%1”。\n";
    QTest::newRow("installed, in other letters") << "unifont"
                                                 << "C.UTF-8"
                                                 << "";
    QTest::newRow("a name the program stands in for") << "宋体"
                                                      << "C.UTF-8"
                                                      << "";
}

void TestCli::fontsNotInstalledAreNamed() {
    QFETCH(QString, font);
    QFETCH(QString, lang);
    QFETCH(QString, warning);
    const Run r = runeboard({QStringLiteral("banner"), QStringLiteral("Hi"), QStringLiteral("--font"), font},
                            {}, {QStringLiteral("LANG=") + lang});
    // Drawn all the same.
    QCOMPARE(r.exit, 0);
    QVERIFY(r.out.contains('\n'));
    const QString err = QString::fromUtf8(r.err);
    if (warning.isEmpty()) {
        QCOMPARE(err, QString());
        return;
    }
    // Which family the font system falls back to depends on the fonts installed, and its name
    // on the locale: the message around it is exact, and it is a family that is installed.
    const qsizetype at = warning.indexOf(QLatin1String("%1"));
    const QString head = warning.left(at), tail = warning.mid(at + 2);
    QVERIFY2(err.startsWith(head) && err.endsWith(tail), qPrintable(err));
    const QString family = err.mid(head.size(), err.size() - head.size() - tail.size());
    QVERIFY(!family.isEmpty() && family != font);
    const Run again =
        runeboard({QStringLiteral("banner"), QStringLiteral("Hi"), QStringLiteral("--font"), family}, {},
                  {QStringLiteral("LANG=") + lang});
    QCOMPARE(again.exit, 0);
    QCOMPARE(again.err, QByteArray());
}

void TestCli::messagesInOneLanguage_data() {
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("err");
    auto jpeg = [](const QImage& image) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "jpg");
        return buffer.data();
    };
    const QByteArray whole = jpeg(photo(64, 48));
    const QByteArray cut = whole.left(whole.size() * 2 / 3);
    const QByteArray garbled = whole.left(30) + QByteArray(500, 'x');
    QImage wide(30001, 8, QImage::Format_Grayscale8);
    wide.fill(128);
    const QByteArray tooLarge = jpeg(wide);
    const QByteArray text("not a picture at all");
    const QStringList english{"LANG=C.UTF-8"}, chinese{"LANG=zh_CN.UTF-8"};
    const QStringList stdinput{"convert", "-"};
    const QStringList threshold{"convert", "p.jpg", "--threshold", "300"};
    const QStringList fifo{"convert", "p.jpg", "-o", "fifo"};
    const QString usageEn = "runeboard convert: --threshold takes a whole number from 0 to 255, not '300'\n"
                            "Try 'runeboard --help'.\n";
    const QString usageZh = "runeboard convert：--threshold 需要 0 到 255 之间的整数，而不是“300”\n"
                            "请用“runeboard --help”查看用法。\n";
    const QString readEn = "runeboard convert: cannot read missing.jpg: No such file or directory\n";
    const QString readZh = "runeboard convert：无法读取“missing.jpg”：没有这个文件或文件夹\n";
    const QString cutEn = "runeboard convert: cannot convert standard input: the picture is cut short (the "
                          "file ends early)\n";
    const QString cutZh = "runeboard convert：无法转换标准输入：图片不完整（文件提前结束）\n";
    const QString damagedEn =
        "runeboard convert: cannot convert standard input: the picture is damaged (JPEG datastream "
        "contains no image)\n";
    // The decoder's own words are English: left out rather than mixed in.
    const QString damagedZh = "runeboard convert：无法转换标准输入：图片已损坏\n";
    const QString textEn =
        "runeboard convert: cannot convert standard input: not a picture this program reads "
        "(JPEG, BMP, ICO, PNG, GIF or SVG)\n";
    const QString textZh =
        "runeboard convert：无法转换标准输入：这不是可以导入的图片（支持 JPEG、BMP、ICO、PNG、GIF 和 SVG）\n";
    const QString largeEn =
        "runeboard convert: cannot convert standard input: the picture is too large (30001 "
        "× 8 pixels): at most 100 million pixels, 30000 a side\n";
    const QString largeZh = "runeboard convert：无法转换标准输入：图片太大（30001 × 8 像素）：最多 10000 "
                            "万像素，每边最多 30000 像素\n";
    const QByteArray header("\x89PNG\r\n\x1A\n\0\0\0\rIHDR garbage\n", 25);
    const QString headerEn = "runeboard convert: cannot convert standard input: the picture is damaged: its "
                             "header claims 543646066 × 1650550629 pixels, far more than the file holds\n";
    const QString headerZh = "runeboard convert：无法转换标准输入：图片已损坏：文件头声称有 543646066 × "
                             "1650550629 像素，远超文件所能容纳的\n";
    const QString fifoEn = "runeboard convert: cannot write fifo: not a plain file\n";
    const QString fifoZh = "runeboard convert：无法写入“fifo”：这不是一个普通文件\n";

    QTest::newRow("usage") << english << threshold << QByteArray() << 2 << usageEn;
    QTest::newRow("usage, Chinese") << chinese << threshold << QByteArray() << 2 << usageZh;
    QTest::newRow("unknown command, Chinese")
        << chinese << QStringList{"conver", "p.jpg"} << QByteArray() << 2
        << "runeboard：未知的命令“conver”（是不是要用 convert？）\n请用“runeboard --help”查看用法。\n";
    QTest::newRow("no such file") << english << QStringList{"convert", "missing.jpg"} << QByteArray() << 1
                                  << readEn;
    QTest::newRow("no such file, Chinese")
        << chinese << QStringList{"convert", "missing.jpg"} << QByteArray() << 1 << readZh;
    QTest::newRow("cut short") << english << stdinput << cut << 1 << cutEn;
    QTest::newRow("cut short, Chinese") << chinese << stdinput << cut << 1 << cutZh;
    QTest::newRow("damaged") << english << stdinput << garbled << 1 << damagedEn;
    QTest::newRow("damaged, Chinese") << chinese << stdinput << garbled << 1 << damagedZh;
    QTest::newRow("not a picture") << english << stdinput << text << 1 << textEn;
    QTest::newRow("not a picture, Chinese") << chinese << stdinput << text << 1 << textZh;
    QTest::newRow("a header claiming too much") << english << stdinput << header << 1 << headerEn;
    QTest::newRow("a header claiming too much, Chinese") << chinese << stdinput << header << 1 << headerZh;
    QTest::newRow("too large") << english << stdinput << tooLarge << 1 << largeEn;
    QTest::newRow("too large, Chinese") << chinese << stdinput << tooLarge << 1 << largeZh;
    QTest::newRow("not a plain file") << english << fifo << QByteArray() << 1 << fifoEn;
    QTest::newRow("not a plain file, Chinese") << chinese << fifo << QByteArray() << 1 << fifoZh;
    // LC_ALL before LC_MESSAGES before LANG, as the C library reads them.
    QTest::newRow("LC_ALL over LANG")
        << QStringList{"LC_ALL=C", "LANG=zh_CN.UTF-8"} << threshold << QByteArray() << 2 << usageEn;
    QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LC_MESSAGES=zh_TW.UTF-8", "LANG=en_GB.UTF-8"}
                                           << threshold << QByteArray() << 2 << usageZh;
}

void TestCli::messagesInOneLanguage() {
    QFETCH(QStringList, locale);
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, exit);
    QFETCH(QString, err);
    QVERIFY(photo(64, 48).save(m_dir->filePath(QStringLiteral("p.jpg")), "jpg"));
    QCOMPARE(mkfifo(QFile::encodeName(m_dir->filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
    const Run r = runeboard(args, input, locale, m_dir->path());
    QCOMPARE(r.exit, exit);
    QCOMPARE(QString::fromUtf8(r.err), err);
    QVERIFY(r.out.isEmpty());
}

void TestCli::installCheckFindsTheFilesBesideTheProgram() {
    // Both programs copied to a folder of their own: the editor must look beside itself, not in
    // the build's folder, whose files would answer for a check that looked there.
    const QString dir = m_dir->filePath(QStringLiteral("installed"));
    QVERIFY(QDir().mkpath(dir + QStringLiteral("/help")));
    for (const QString& name : {QStringLiteral("runeboard"), QStringLiteral("runeboard-editor")})
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name,
                            dir + QLatin1Char('/') + name));
    const QString help = dir + QStringLiteral("/help/index.htm");
    const QString pentext = dir + QStringLiteral("/pentext.txt");
    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    QVERIFY(write(help, "<html><body>help</body></html>\n"));
    QVERIFY(write(pentext, "\xBB\xAD\r\n##\r\n\xA1\xEF\xA1\xEF\r\n")); // 画, ##, ★★ in GBK
    // The editor's settings go to the test's folder, not the user's.
    const QStringList offscreen{"QT_QPA_PLATFORM=offscreen", "HOME=" + m_dir->path(),
                                "XDG_CONFIG_HOME=" + m_dir->filePath(QStringLiteral("config"))};
    auto check = [&](const QString& lang) {
        return runeboard({QStringLiteral("--check-install")}, {}, offscreen + QStringList{"LANG=" + lang}, {},
                         dir + QStringLiteral("/runeboard"));
    };
    // Its own lines only: Qt's notes about the off-screen platform may come too.
    auto ownLines = [](const QByteArray& err) {
        QStringList lines;
        for (const QString& line : QString::fromUtf8(err).split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("runeboard"))) lines << line;
        return lines;
    };

    Run r = check(QStringLiteral("C.UTF-8"));
    QCOMPARE(r.exit, 0);
    QCOMPARE(QString::fromUtf8(r.out),
             "help page: " + help + "\ncandidate characters: " + pentext + " (3 lines)\neditor: started\n");
    QCOMPARE(ownLines(r.err), QStringList());
    r = check(QStringLiteral("zh_CN.UTF-8"));
    QCOMPARE(r.exit, 0);
    QCOMPARE(QString::fromUtf8(r.out),
             "帮助文件：" + help + "\n候选字符文件：" + pentext + "（3 行）\n编辑器：已启动\n");

    QVERIFY(QFile::remove(help));
    r = check(QStringLiteral("C.UTF-8"));
    QCOMPARE(r.exit, 1);
    QCOMPARE(QString::fromUtf8(r.out), "candidate characters: " + pentext + " (3 lines)\n");
    QCOMPARE(ownLines(r.err),
             QStringList{"runeboard: cannot read the help page " + help + ": No such file or directory"});

    QVERIFY(write(help, "<html><body>help</body></html>\n"));
    QVERIFY(QFile::remove(pentext));
    QVERIFY(QDir().mkpath(pentext));
    r = check(QStringLiteral("zh_CN.UTF-8"));
    QCOMPARE(r.exit, 1);
    QCOMPARE(QString::fromUtf8(r.out), "帮助文件：" + help + "\n");
    QCOMPARE(ownLines(r.err),
             QStringList{"runeboard：无法读取候选字符文件“" + pentext + "”：这是一个文件夹"});
}

void TestCli::shapesAndTheirPicture() {
    // Three cells: black in the lower half, black, white; and the picture of what came out.
    QImage cells(54, 18, QImage::Format_RGB32);
    cells.fill(Qt::white);
    {
        QPainter p(&cells);
        p.fillRect(0, 9, 18, 9, Qt::black);
        p.fillRect(18, 0, 18, 18, Qt::black);
    }
    const QString picture = m_dir->filePath(QStringLiteral("cells.png"));
    QVERIFY(cells.save(picture));
    const QString png = m_dir->filePath(QStringLiteral("drawn.png"));
    const QStringList three{"--width", "3", "--height", "1"};
    Run r = runeboard(QStringList{"convert", picture, "--mode", "shapes", "--png", png} + three);
    QVERIFY2(r.exit == 0, r.err.constData());
    QCOMPARE(QString::fromUtf8(r.out), QStringLiteral("▄█  \n"));
    QVERIFY(r.err.isEmpty());
    // Drawn as the canvas draws it: 18 x 18 pixels a cell, the text black on white, no grid lines.
    const QImage drawn(png);
    QCOMPARE(drawn.size(), QSize(54, 18));
    QCOMPARE(qGray(drawn.pixel(0, 0)), 255);
    QCOMPARE(qGray(drawn.pixel(9, 4)), 255);
    QCOMPARE(qGray(drawn.pixel(9, 14)), 0);
    QCOMPARE(qGray(drawn.pixel(27, 4)), 0);
    QCOMPARE(qGray(drawn.pixel(45, 9)), 255);
    // Inverted; and from standard input, which the program that answers first hands on.
    QFile f(picture);
    QVERIFY(f.open(QIODevice::ReadOnly));
    r = runeboard(QStringList{"convert", "-", "--mode", "shapes", "--invert"} + three, f.readAll());
    QVERIFY2(r.exit == 0, r.err.constData());
    // GBK has no upper half block: the shade has that grey, spread over the cell.
    QCOMPARE(QString::fromUtf8(r.out), QStringLiteral("▓  █\n"));
    // Any mode draws its picture.
    r = runeboard(QStringList{"convert", picture, "--png", png, "--brush", "##"} + three);
    QVERIFY2(r.exit == 0, r.err.constData());
    QCOMPARE(QImage(png).size(), QSize(54, 18));
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
