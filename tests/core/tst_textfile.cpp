// Text rules and the file format: line splitting, the space scans, layouts, writing, atomic saves, print
// layout.
#include "GridText.h"
#include "core/commands/UndoRepeat.h"
#include "core/model/ChildDocument.h"
#include "core/model/Selection.h"
#include "core/render/PrintLayout.h"
#include "core/text/CandidateFile.h"
#include "core/text/TextFile.h"
#include "core/text/TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using Lines = QList<QByteArray>;

namespace {

QByteArray bytes(std::initializer_list<int> list) {
    QByteArray out;
    for (int b : list) out += char(b);
    return out;
}

OpenedText open(const QByteArray& file) {
    return layoutText(scanTextBytes(file));
}

QString cells(const OpenedText& t) {
    return gridText(t.grid, t.width, t.height);
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void candidateFilePlaces();
    void splitting_data();
    void splitting();
    void pairing_data();
    void pairing();
    void unpairing_data();
    void unpairing();
    void flowCells();
    void opening_data();
    void opening();
    void hugeTextsKeepTheirShape();
    void writing();
    void encodingIsFoundFromTheBytes_data();
    void encodingIsFoundFromTheBytes();
    void utf8FilesOpenAsTheirGbkCells();
    void charactersGbkLacksAreCounted();
    void utf8NeverSplitsACharacter();
    void saveThenOpenRoundTrip();
    void failedWriteKeepsTheOldFile();
    void someoneElsesLinkIsNeverWrittenThrough();
    void undoAndRepeat();
    void printPages_data();
    void printPages();
};

void TestTextFile::splitting_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Lines>("lines");
    QTest::newRow("crlf") << QByteArray("ab\r\ncd") << Lines{"ab", "cd"};
    QTest::newRow("lone cr") << QByteArray("ab\rcd") << Lines{"ab", "cd"};
    QTest::newRow("lone lf") << QByteArray("ab\ncd") << Lines{"ab", "cd"};
    QTest::newRow("final end adds no line") << QByteArray("ab\r\n") << Lines{"ab"};
    QTest::newRow("final lone cr") << QByteArray("ab\r") << Lines{"ab"};
    QTest::newRow("empty line kept") << QByteArray("ab\r\n\r\ncd\n") << Lines{"ab", "", "cd"};
    QTest::newRow("lf cr is two ends") << QByteArray("a\n\rb") << Lines{"a", "", "b"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << Lines{""};
    QTest::newRow("empty") << QByteArray() << Lines{};
    QTest::newRow("zero byte ends the text") << QByteArray("ab\ncd\0ef\ngh", 11) << Lines{"ab", "cd"};
    QTest::newRow("zero byte at a line start") << QByteArray("ab\n\0ef", 6) << Lines{"ab"};
}

void TestTextFile::splitting() {
    QFETCH(QByteArray, text);
    QFETCH(Lines, lines);
    QCOMPARE(splitLines(text), lines);
    // Fed one byte at a time (a CR LF split between chunks among them), the result is the same.
    Lines pieces;
    LineSplitter splitter([&](QByteArray&& head, qint64 length) {
        QCOMPARE(head.size(), length);
        pieces << head;
    });
    bool open = true;
    for (char c : text)
        if (open) open = splitter.feed(QByteArrayView(&c, 1));
    if (open) splitter.finish();
    QCOMPARE(pieces, lines);
}

void TestTextFile::pairing_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("paired");
    QTest::newRow("three blank cells") << QByteArray("      ") << bytes({0xA1, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1});
    QTest::newRow("a-space, space-b") << QByteArray("a  b") << bytes({'a', 0xA1, 0xA1, 'b'});
    QTest::newRow("three spaces") << QByteArray("   ") << bytes({0xA1, 0xA1, ' '});
    QTest::newRow("no spaces") << QByteArray("\xBB\xAD"
                                             "ab")
                               << QByteArray("\xBB\xAD"
                                             "ab");
    // A lone lead byte takes the space after it, as reading does; pairing that space with the
    // next would give 0xA1 0xA1 0xA1, read back as a space pair before the lone byte.
    QTest::newRow("lone lead byte, three spaces")
        << bytes({0xA1, ' ', ' ', ' '}) << bytes({0xA1, ' ', 0xA1, 0xA1});
    QTest::newRow("character, two spaces")
        << bytes({0xD6, 0xD0, ' ', ' '}) << bytes({0xD6, 0xD0, 0xA1, 0xA1});
    QTest::newRow("stops at a zero byte") << QByteArray("  \0  ", 5) << QByteArray("\xA1\xA1\0  ", 5);
}

void TestTextFile::pairing() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, paired);
    pairSpaces(line);
    QCOMPARE(line, paired);
}

void TestTextFile::unpairing_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("unpaired");
    QTest::newRow("ideographic space") << bytes({'a', 0xA1, 0xA1, 'b'}) << QByteArray("a  b");
    QTest::newRow("pair then space") << bytes({0xA1, 0xA1, ' '}) << QByteArray("   ");
    // 啊 ends in 0xA1 and 。 starts with 0xA1: the bytes across the border are not a space.
    QTest::newRow("ah, full stop") << bytes({0xB0, 0xA1, 0xA1, 0xA3}) << bytes({0xB0, 0xA1, 0xA1, 0xA3});
    QTest::newRow("ah, ideographic space")
        << bytes({0xB0, 0xA1, 0xA1, 0xA1}) << bytes({0xB0, 0xA1, ' ', ' '});
    QTest::newRow("odd tail") << bytes({0xA1, 0xA1, 0xA1}) << bytes({' ', ' ', 0xA1});
    QTest::newRow("single byte") << bytes({0xA1}) << bytes({0xA1});
}

void TestTextFile::unpairing() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, unpaired);
    unpairSpaces(line);
    QCOMPARE(line, unpaired);
}

void TestTextFile::flowCells() {
    // a before 中 takes a cell of its own; two single bytes share one; a last single byte is padded.
    const QByteArray line("a\xD6\xD0"
                          "bcd");
    qsizetype pos = 0;
    QList<CharCell> got;
    while (pos < line.size()) got << nextFlowCell(line, pos);
    QCOMPARE(got, (QList<CharCell>{CharCell::of('a', ' '), CharCell::of(0xD6, 0xD0), CharCell::of('b', 'c'),
                                   CharCell::of('d', ' ')}));
}

void TestTextFile::opening_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("text");

    QTest::newRow("3x2 blank") << (bytes({0xA1, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1, '\r', '\n'}).repeated(2)) << 3
                               << 2 << QStringLiteral("      \n      ");
    QTest::newRow("a-space space-b") << (bytes({'a', 0xA1, 0xA1, 'b'}) + "\r\n") << 2 << 1
                                     << QStringLiteral("a  b");
    QTest::newRow("three spaces") << (bytes({0xA1, 0xA1, ' ', 'x'}) + "\r\n") << 2 << 1
                                  << QStringLiteral("   x");
    // Rectangular: cells by byte position, so 中 at an odd position is split between two cells
    // (the row still reads a中b as a whole).
    QTest::newRow("rectangular split") << QByteArray("a\xD6\xD0"
                                                     "b\r\na\xD6\xD0"
                                                     "b\r\n")
                                       << 2 << 2 << QStringLiteral("a中b\na中b");
    QTest::newRow("flowed AB ABCD A")
        << QByteArray("AB\r\nABCD\r\nA\r\n") << 2 << 4 << QStringLiteral("AB  \nABCD\n    \nA   ");
    QTest::newRow("flowed AB ABCD") << QByteArray("AB\r\nABCD") << 2 << 2 << QStringLiteral("AB  \nABCD");
    // A line that exactly fills the width is followed by an empty row.
    QTest::newRow("flowed a中") << QByteArray("a\xD6\xD0\nxy\n") << 1 << 4
                                << QStringLiteral("a \n中\n  \nxy");
    QTest::newRow("flowed ah ideographic space")
        << (bytes({0xB0, 0xA1, 0xA1, 0xA1}) + "\nab\n") << 2 << 3 << QStringLiteral("啊  \n    \nab  ");
    QTest::newRow("ah full stop survives")
        << QByteArray("\xB0\xA1\xA1\xA3\r\n") << 2 << 1 << QStringLiteral("啊。");
    QTest::newRow("one line") << QByteArray("xy") << 1 << 1 << QStringLiteral("xy");
    QTest::newRow("binary") << bytes({0x01, 0xFF, 0x80, 0x7F, '\n', 0xFE}) << 2 << 3
                            << QStringLiteral("\x01 \xFFFD\x20AC\n\x7F   \n\xFFFD   ");
}

void TestTextFile::opening() {
    QFETCH(QByteArray, file);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, text);
    const OpenedText t = open(file);
    QCOMPARE(t.failure, OpenFailure::None);
    QCOMPARE(t.width, width);
    QCOMPARE(t.height, height);
    QCOMPARE(cells(t), text);
    if (QTest::currentDataTag() == QByteArray("rectangular split")) {
        QCOMPARE(t.grid.at(0, 1), CharCell::of('a', 0xD6));
        QCOMPARE(t.grid.at(1, 1), CharCell::of(0xD0, 'b'));
    }
    // Cells outside the drawing keep their two spaces.
    QCOMPARE(t.grid.at(width, 0), CharCell::blank());
}

void TestTextFile::hugeTextsKeepTheirShape() {
    // 120 lines of 250 bytes: the first 100 lines, the first 200 bytes of each.
    QByteArray big;
    for (int r = 0; r < 120; ++r) {
        QByteArray line(250, char('a' + r % 26));
        line[0] = char('A' + r % 26);
        big += line + "\r\n";
    }
    OpenedText t = open(big);
    QCOMPARE(t.width, 100);
    QCOMPARE(t.height, 100);
    QCOMPARE(t.grid.at(0, 99), CharCell::of('A' + 99 % 26, 'a' + 99 % 26));

    // Nothing to put in a cell: no drawing, and a reason.
    QCOMPARE(open(QByteArray()).failure, OpenFailure::Empty);
    QCOMPARE(open(QByteArray("\r\n\r\n")).failure, OpenFailure::NoCells);
    QCOMPARE(open(QByteArray("a\r\n\r\nb")).failure, OpenFailure::NoCells); // flowed, longest line one byte

    // A flowed line of 300 kB runs on to the row limit and stops there.
    QByteArray longLine(300000, 'x');
    t = open(longLine + "\nab\n");
    QCOMPARE(t.width, 100);
    QCOMPARE(t.height, 100);
    QCOMPARE(t.grid.at(99, 99), CharCell::of('x', 'x'));

    // A flowed file's rows beyond 100 lines are not read into the drawing.
    QByteArray many;
    for (int r = 0; r < 150; ++r) many += (r % 2 ? "abcd\n" : "ab\n");
    t = open(many);
    QCOMPARE(t.width, 2);
    QCOMPARE(t.height, 100);
}

void TestTextFile::encodingIsFoundFromTheBytes_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<int>("encoding");
    const int gbk = int(TextEncoding::Gbk), utf8 = int(TextEncoding::Utf8);
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "ab")
                                     << true << int(TextEncoding::Utf8WithBom);
    QTest::newRow("utf-8 Chinese") << QByteArray("ab\xE4\xB8\xAD\r\n") << true << utf8;
    QTest::newRow("utf-8 emoji") << QByteArray("\xF0\x9F\x98\x80") << true << utf8;
    QTest::newRow("ASCII only") << QByteArray("abc\r\ndef") << true << gbk;
    QTest::newRow("GBK 中文") << QByteArray("\xD6\xD0\xCE\xC4") << true << gbk;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << true << gbk;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << true << gbk;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << true << gbk;
    QTest::newRow("cut at the end of the file") << QByteArray("\xE4\xB8\xAD\xE4\xB8") << true << gbk;
    QTest::newRow("cut at the end of the first piece") << QByteArray("\xE4\xB8\xAD\xE4\xB8") << false << utf8;
    // 图片 in GBK is also valid UTF-8 (U+037C U+01AC): the bytes cannot tell, the user can.
    QTest::newRow("GBK that is valid UTF-8") << QByteArray("\xCD\xBC\xC6\xAC") << true << utf8;
}

void TestTextFile::encodingIsFoundFromTheBytes() {
    QFETCH(QByteArray, head);
    QFETCH(bool, whole);
    QFETCH(int, encoding);
    QCOMPARE(int(detectEncoding(head, whole)), encoding);
}

void TestTextFile::utf8FilesOpenAsTheirGbkCells() {
    // The same drawing saved in GBK and in UTF-8 (with and without a byte-order mark) opens as the same
    // cells.
    CharGrid grid;
    setGridText(grid, QStringLiteral("ab中  \n文c 画"));
    grid.at(1, 1) = CharCell::of(0xA1, 0xA3); // 。
    const QByteArray gbk = drawingFileBytes(grid, 3, 2);
    bool clean = false;
    const QByteArray utf8 = inEncoding(gbk, TextEncoding::Utf8, &clean);
    QVERIFY(clean);
    QCOMPARE(utf8, QStringLiteral("ab中　\r\n文。画\r\n").toUtf8());
    for (const QByteArray& file : {gbk, utf8, inEncoding(gbk, TextEncoding::Utf8WithBom)}) {
        const OpenedText t = open(file);
        QCOMPARE(t.width, 3);
        QCOMPARE(t.height, 2);
        QCOMPARE(gridText(t.grid, 3, 2), gridText(grid, 3, 2));
    }
    QCOMPARE(int(open(gbk).encoding), int(TextEncoding::Gbk));
    QCOMPARE(int(open(utf8).encoding), int(TextEncoding::Utf8));
    QCOMPARE(int(open("\xEF\xBB\xBF" + utf8).encoding), int(TextEncoding::Utf8WithBom));

    // What GBK cannot hold becomes one '?' a column, so a block keeps its rows and columns.
    const OpenedText art = open(QStringLiteral("😀好\r\nab好\r\n中文\r\n").toUtf8());
    QCOMPARE(art.failure, OpenFailure::None);
    QCOMPARE(art.width, 2);
    QCOMPARE(art.height, 3);
    QCOMPARE(gridText(art.grid, 2, 3), QStringLiteral("??好\nab好\n中文"));
    const OpenedText narrowAndWide = open(QStringLiteral("ő한x\r\n").toUtf8());
    QCOMPARE(gridText(narrowAndWide.grid, narrowAndWide.width, 1), QStringLiteral("???x"));

    // A character cut by the end of a read piece is whole; one cut by the end of the file shows as "?".
    QByteArray straddling((1 << 20) - 1, 'a');
    straddling += "\xE4\xB8\xAD\r\nab\xE4\xB8";
    const TextScan scan = scanTextBytes(straddling);
    QCOMPARE(int(scan.encoding), int(TextEncoding::Utf8));
    QCOMPARE(scan.lineCount, 2);
    QCOMPARE(scan.firstLength, (1 << 20) + 1);
    QCOMPARE(scan.lines[1], QByteArray("ab??")); // a "?" for each byte left of it

    // Half a character left in a cell cannot be UTF-8: it is written as '?', and said so.
    CharGrid half;
    half.at(0, 0) = CharCell::of(0xD6, ' ');
    QCOMPARE(inEncoding(drawingFileBytes(half, 2, 1), TextEncoding::Utf8, &clean),
             QByteArray("? \xE3\x80\x80\r\n"));
    QVERIFY(!clean);
    // Read the other way on request: GBK bytes taken as UTF-8, and back.
    QCOMPARE(gridText(layoutText(scanTextBytes(gbk, TextEncoding::Utf8)).grid, 1, 1), QStringLiteral("ab"));
    QCOMPARE(int(scanTextBytes(utf8, TextEncoding::Gbk).encoding), int(TextEncoding::Gbk));
}

void TestTextFile::charactersGbkLacksAreCounted() {
    // Each character shown as "?" is counted, and the first few are named with their line.
    QString text = QStringLiteral("ab\r\n😀c好\r\n中\U00020000\r\n");
    for (int i = 0; i < 3; ++i) text += QStringLiteral("x🎉y한\r\n");
    const TextScan scan = scanTextBytes(text.toUtf8());
    QCOMPARE(scan.lostCount, 8);
    QCOMPARE(scan.lost.size(), 5);
    const QList<std::pair<qint64, QString>> expected{{2, QStringLiteral("😀")},
                                                     {3, QStringLiteral("\U00020000")},
                                                     {4, QStringLiteral("🎉")},
                                                     {4, QStringLiteral("한")},
                                                     {5, QStringLiteral("🎉")}};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(scan.lost[i].line, expected[i].first);
        QCOMPARE(scan.lost[i].character, expected[i].second);
    }
    const OpenedText t = layoutText(scan);
    QCOMPARE(t.lostCount, 8);
    QCOMPARE(t.lost.size(), 5);
    // A character cut off by the end of the file is lost too: a "?" for each of its bytes.
    QCOMPARE(scanTextBytes(QByteArray("ab\xE4\xB8\xAD\r\nab\xE4\xB8")).lostCount, 2);
    // GBK reads every byte as it is: nothing is lost, whatever the bytes.
    QCOMPARE(scanTextBytes(bytes({0xFF, 0x80, 0xD6, '\n'})).lostCount, 0);
    // Lines past what a drawing holds are left out as a whole and not counted here.
    QByteArray many;
    for (int r = 0; r < 120; ++r) many += r == 110 ? QByteArray("\xF0\x9F\x98\x80a\n") : QByteArray("abcd\n");
    QCOMPARE(scanTextBytes(many).lostCount, 0);
    QCOMPARE(scanTextBytes(QStringLiteral("中文\r\n好的\r\n").toUtf8()).lostCount, 0);
}

void TestTextFile::utf8NeverSplitsACharacter() {
    // Equally long lines whose pairing into cells would cut 中 in two: a UTF-8 text holds whole
    // characters only, so it is laid out flowed; the same bytes in GBK keep their rectangle.
    const OpenedText utf8 = open(QStringLiteral("a中b\r\na中b\r\n").toUtf8());
    QCOMPARE(utf8.width, 2);
    QCOMPARE(utf8.height, 4);
    QCOMPARE(cells(utf8), QStringLiteral("a 中\nb   \na 中\nb   "));
    const OpenedText gbk = open(QByteArray("a\xD6\xD0"
                                           "b\r\na\xD6\xD0"
                                           "b\r\n"));
    QCOMPARE(gbk.height, 2);
    QCOMPARE(gbk.grid.at(0, 0), CharCell::of('a', 0xD6));
    // Characters on cell boundaries keep the rectangle in UTF-8 too.
    const OpenedText aligned = open(QStringLiteral("ab中\r\n中cd\r\n").toUtf8());
    QCOMPARE(aligned.width, 2);
    QCOMPARE(aligned.height, 2);
    QCOMPARE(cells(aligned), QStringLiteral("ab中\n中cd"));
}

void TestTextFile::writing() {
    CharGrid grid;
    QCOMPARE(drawingFileBytes(grid, 3, 2),
             bytes({0xA1, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1, '\r', '\n'}).repeated(2));
    setGridText(grid, QStringLiteral("a  b画"));
    QCOMPARE(drawingFileBytes(grid, 3, 1), bytes({'a', 0xA1, 0xA1, 'b', 0xBB, 0xAD, '\r', '\n'}));
    // A one-byte brush cell keeps its row two bytes a cell; the space then pairs with the next.
    grid.at(0, 0) = CharCell::of('z', 0);
    grid.at(1, 0) = CharCell::of(0, 0);
    QCOMPARE(drawingFileBytes(grid, 3, 1), bytes({'z', 0xA1, 0xA1, ' ', 0xBB, 0xAD, '\r', '\n'}));
}

void TestTextFile::saveThenOpenRoundTrip() {
    // Any drawing of whole characters comes back cell for cell, including 啊。 and a character ending in 0xA1
    // next to blank cells; so does the half of a character that a flowed text left in a cell of its own.
    const QList<CharCell> pool{CharCell::blank(),       CharCell::of(0xB0, 0xA1), CharCell::of(0xA1, 0xA3),
                               CharCell::of('a', ' '),  CharCell::of(' ', 'b'),   CharCell::of(0xBB, 0xAD),
                               CharCell::of('x', 'y'),  CharCell::of(0xA9, 0xA4), CharCell::of(0xA1, 0xA2),
                               CharCell::of(0xA1, ' '), CharCell::of(0xD6, ' ')};
    QRandomGenerator random(20261208);
    for (int round = 0; round < 200; ++round) {
        const int w = 1 + random.bounded(12), h = 1 + random.bounded(6);
        CharGrid grid;
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y) grid.at(x, y) = pool[random.bounded(int(pool.size()))];
        const OpenedText back = open(drawingFileBytes(grid, w, h));
        QCOMPARE(back.width, w);
        QCOMPARE(back.height, h);
        QCOMPARE(gridText(back.grid, w, h), gridText(grid, w, h));
    }
}

void TestTextFile::failedWriteKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("art.txt"));
    QVERIFY(!writeFileAtomically(path, "old contents\r\n"));

    // A disk that fills up in the middle of the write, simulated by a file size limit.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::optional<FileError> error = writeFileAtomically(path, QByteArray(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    // The system's number, for messages in any language, and its words.
    QVERIFY(error);
    QCOMPARE(error->kind, FileError::Kind::System);
    QCOMPARE(error->code, EFBIG);
    QVERIFY(!error->reason.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old contents\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("art.txt")});

    const std::optional<FileError> missing =
        writeFileAtomically(dir.filePath(QStringLiteral("no/such/folder/a.txt")), "x");
    QVERIFY(missing);
    QCOMPARE(missing->code, ENOENT);
}

void TestTextFile::someoneElsesLinkIsNeverWrittenThrough() {
    // Whoever can write a shared folder can leave a link at the name a file is saved under; only a
    // link of the user's own is written through.
    if (::geteuid() != 0) QSKIP("making a link in another user's name takes root");
    QTemporaryDir dir;
    auto put = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    auto read = [&](const char* name) {
        QFile f(dir.filePath(QLatin1String(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    };
    put("victim.txt", "the user's own words");
    const QString planted = dir.filePath(QStringLiteral("planted.txt"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("victim.txt")), planted));
    QCOMPARE(::lchown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
    const std::optional<FileError> refused = writeFileAtomically(planted, "overwritten");
    QVERIFY(refused);
    QCOMPARE(int(refused->kind), int(FileError::Kind::SomeoneElsesLink));
    QCOMPARE(read("victim.txt"), QByteArray("the user's own words"));
    QVERIFY(QFileInfo(planted).isSymLink());
    // A dangling one would have made a new file wherever it pointed.
    const QString dangling = dir.filePath(QStringLiteral("dangling.png"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("made.txt")), dangling));
    QCOMPARE(::lchown(QFile::encodeName(dangling).constData(), 65534, 65534), 0);
    QVERIFY(writeFileAtomically(dangling, "made"));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("made.txt"))));

    // The user's own link leads to the user's file, which is saved as always.
    put("mine.txt", "old");
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("mine.txt")), dir.filePath(QStringLiteral("own.txt"))));
    QVERIFY(!writeFileAtomically(dir.filePath(QStringLiteral("own.txt")), "new"));
    QCOMPARE(read("mine.txt"), QByteArray("new"));
}

void TestTextFile::undoAndRepeat() {
    ChildDocument doc;
    doc.GridWidth = 3;
    doc.GridHeight = 2;
    setGridText(doc.CurGrid, QStringLiteral("画画画\nabcdef"));
    doc.CurGrid.at(3, 0) = CharCell::of('#', '#'); // outside the area in use: never exchanged

    QCOMPARE(undoMenuState(&doc).undoEnabled, false);
    doc.takeUndoSnapshot(QStringLiteral("清空"));
    doc.CurGrid.fillArea(3, 2, CharCell::blank());
    QCOMPARE(doc.ChangeCount, 1);
    UndoMenuState menu = undoMenuState(&doc);
    QCOMPARE(menu.undoCaption, QStringLiteral("撤消清空(&U)"));
    QVERIFY(menu.undoEnabled && !menu.repeatEnabled);

    for (int round = 0; round < 3; ++round) {
        undoLastOperation(doc);
        QCOMPARE(gridText(doc.CurGrid, 3, 2), QStringLiteral("画画画\nabcdef"));
        menu = undoMenuState(&doc);
        QCOMPARE(menu.undoCaption, QStringLiteral("撤消(&U)"));
        QCOMPARE(menu.repeatCaption, QStringLiteral("重复清空(&R)"));
        QVERIFY(!menu.undoEnabled && menu.repeatEnabled);
        repeatLastOperation(doc);
        QCOMPARE(gridText(doc.CurGrid, 3, 2), QStringLiteral("      \n      "));
        QCOMPARE(undoMenuState(&doc).undoCaption, QStringLiteral("撤消清空(&U)"));
    }
    // Undo and Repeat each count as a change.
    QCOMPARE(doc.ChangeCount, 7);
    QCOMPARE(doc.CurGrid.at(3, 0), CharCell::of('#', '#'));
    QCOMPARE(doc.undo.UndoGrid.at(3, 0), CharCell::zero());

    // Undo with a floating block: the block is written first, then the drawing goes back to before the paste.
    doc.takeUndoSnapshot(QStringLiteral("粘贴"));
    doc.selection.PasteActive = true;
    doc.selection.PasteTransparent = true;
    doc.selection.PasteLines = {QByteArray("xx  yy"), QByteArray("zzzz")};
    doc.selection.SelRect = {-1, 1, 2, 3};
    undoLastOperation(doc);
    QCOMPARE(doc.selection.PasteActive, false);
    QCOMPARE(doc.selection.SelRect, CellRect{});
    QCOMPARE(gridText(doc.CurGrid, 3, 2), QStringLiteral("      \n      "));
    repeatLastOperation(doc);
    // Row 1 of the grid gets block row 0 from its second column on; the transparent blank cell is left out.
    QCOMPARE(gridText(doc.CurGrid, 3, 2), QStringLiteral("      \n  yy  "));
}

void TestTextFile::printPages_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<QString>("layout");
    // h = 40: lines 50 apart; a 1000-pixel page holds 20 (0 .. 950).
    QTest::newRow("two rows") << 2 << 1000 << QStringLiteral("0 50");
    QTest::newRow("exactly a page: no empty page after")
        << 20 << 1000
        << QStringLiteral("0 50 100 150 200 250 300 350 400 450 500 "
                          "550 600 650 700 750 800 850 900 950");
    QTest::newRow("one row more") << 21 << 1000
                                  << QStringLiteral(
                                         "0 50 100 150 200 250 300 350 400 450 500 550 600 650 700 750 "
                                         "800 850 900 950 | 0");
    QTest::newRow("tiny page") << 3 << 60 << QStringLiteral("0 | 0 | 0");
}

void TestTextFile::printPages() {
    QFETCH(int, rows);
    QFETCH(int, pageHeight);
    QFETCH(QString, layout);
    struct Recorder : PrintSink {
        QStringList out;
        void drawRow(int y, const QByteArray&) override { out << QString::number(y); }
        void newPage() override { out << QStringLiteral("|"); }
    } recorder;
    printRows(Lines(rows, QByteArray("row")), 40, pageHeight, recorder);
    QCOMPARE(recorder.out.join(QLatin1Char(' ')), layout);

    // Row text: each cell's bytes as a 0-terminated string.
    CharGrid grid;
    grid.at(0, 0) = CharCell::of('a', 0);
    grid.at(1, 0) = CharCell::of(0, 'b');
    grid.at(2, 0) = CharCell::of(0xBB, 0xAD);
    QCOMPARE(printRowTexts(grid, 4, 1), (Lines{QByteArray("a\xBB\xAD  ")}));
}

void TestTextFile::candidateFilePlaces() {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("program")),
                  user = dir.filePath(QStringLiteral("user"));
    QVERIFY(QDir().mkpath(program));
    QVERIFY(candidates::programDirWritable(program));
    QVERIFY(!candidates::programDirWritable(dir.filePath(QStringLiteral("missing"))));
    const QString beside = program + QStringLiteral("/pentext.txt"),
                  mine = user + QStringLiteral("/pentext.txt");
    // A folder that can be written holds the file, whatever the user has.
    QCOMPARE(candidates::readPath(program, true, user), beside);
    QCOMPARE(candidates::writePath(program, true, user), beside);
    // One that cannot: written to the user's copy, read from it once it exists, from beside the program
    // before.
    QCOMPARE(candidates::writePath(program, false, user), mine);
    QCOMPARE(candidates::readPath(program, false, user), beside);
    QVERIFY(!candidates::write(mine, {QStringLiteral("中"), QString(), QStringLiteral("x")}));
    QCOMPARE(candidates::readPath(program, false, user), mine);
    std::optional<FileError> error;
    QCOMPARE(candidates::read(mine, &error),
             (QStringList{QStringLiteral("中"), QString(), QStringLiteral("x")}));
    QVERIFY(!error);
    // Any line end is taken when read.
    QFile f(beside);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("a\rb\nc\r\n\xD6\xD0");
    f.close();
    QCOMPARE(candidates::read(beside, &error), (QStringList{QStringLiteral("a"), QStringLiteral("b"),
                                                            QStringLiteral("c"), QStringLiteral("中")}));
    QVERIFY(candidates::read(dir.filePath(QStringLiteral("none.txt")), &error).isEmpty());
    QVERIFY(error);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
