// GBK <-> Unicode at the program's edges.
#include "core/text/GbkText.h"

#include <QTest>

class TestGbkText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void badBytes_data();
    void badBytes();
    void unencodable();
};

void TestGbkText::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("ab c") << QByteArray("ab c");
    QTest::newRow("chinese") << QStringLiteral("画中") << QByteArray("\xBB\xAD\xD6\xD0");
    QTest::newRow("ideographic space") << QStringLiteral("　") << QByteArray("\xA1\xA1");
    QTest::newRow("ah and full stop") << QStringLiteral("啊。") << QByteArray("\xB0\xA1\xA1\xA3");
    QTest::newRow("mixed") << QStringLiteral("a中b")
                           << QByteArray("a\xD6\xD0"
                                         "b");
    QTest::newRow("box drawing") << QStringLiteral("┌─┐") << QByteArray("\xA9\xB0\xA9\xA4\xA9\xB4");
    QTest::newRow("gbk extension") << QStringLiteral("丂") << QByteArray("\x81\x40");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestGbkText::roundTrip() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    bool ok = false;
    QCOMPARE(unicodeToGbk(text, &ok), bytes);
    QVERIFY(ok);
    QCOMPARE(gbkToUnicode(bytes, &ok), text);
    QVERIFY(ok);
}

void TestGbkText::badBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QChar bad(0xFFFD);
    // A lead byte at the very end must show, not vanish.
    QTest::newRow("trailing lead byte") << QByteArray("a\xD6") << (QStringLiteral("a") + bad);
    QTest::newRow("lone lead byte only") << QByteArray("\xD6") << QString(bad);
    QTest::newRow("lead before space") << QByteArray("\xD6 b") << (bad + QStringLiteral(" b"));
    QTest::newRow("0xFF") << QByteArray("x\xFFy") << (QStringLiteral("x") + bad + QStringLiteral("y"));
    QTest::newRow("lead before line feed") << QByteArray("\xD6\n\xD6\xD0") << (bad + QStringLiteral("\n中"));
    QTest::newRow("good around bad") << QByteArray("\xBB\xAD\xFF\xBB\xAD")
                                     << (QStringLiteral("画") + bad + QStringLiteral("画"));
}

void TestGbkText::badBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    bool ok = true;
    QCOMPARE(gbkToUnicode(bytes, &ok), text);
    QVERIFY(!ok);
}

void TestGbkText::unencodable() {
    bool ok = true;
    // Characters outside GBK become a visible '?', one per character, never a dropped or split byte.
    QCOMPARE(unicodeToGbk(QStringLiteral("a😀b한"), &ok), QByteArray("a?b?"));
    QVERIFY(!ok);
    // Half a surrogate pair is a character GBK cannot hold, at the end too.
    const QChar high(0xD83D), low(0xDE00);
    QCOMPARE(unicodeToGbk(QString(high), &ok), QByteArray("?"));
    QVERIFY(!ok);
    QCOMPARE(unicodeToGbk(QStringLiteral("a") + high + high, &ok), QByteArray("a??"));
    QCOMPARE(unicodeToGbk(QString(low) + QStringLiteral("b"), &ok), QByteArray("?b"));
    QCOMPARE(gbkPrefix(QString(high) + high + QStringLiteral("x"), 2), QString(high) + high);
    QCOMPARE(gbkPrefix(QString(high) + low + QStringLiteral("x"), 1), QString(high) + low);
    // U+F8F5 would encode as the lone byte 0xFF, which is no GBK character: it does not fit either.
    QCOMPARE(unicodeToGbk(QStringLiteral("a\uF8F5b"), &ok), QByteArray("a?b"));
    QVERIFY(!ok);
    QCOMPARE(unicodeToGbkColumns(QStringLiteral("\uF8F5"), &ok), QByteArray("?"));
    QVERIFY(!ok);
    // Read into cells, a character that does not fit takes a '?' for each column it shows in.
    QCOMPARE(unicodeToGbkColumns(QStringLiteral("a😀b한中ő"), &ok), QByteArray("a??b??\xD6\xD0?"));
    QVERIFY(!ok);
    QCOMPARE(unicodeToGbkColumns(QStringLiteral("中"), &ok), QByteArray("\xD6\xD0"));
    QVERIFY(ok);
    QCOMPARE(unicodeToGbkColumns(QString(high) + QStringLiteral("x")), QByteArray("?x"));
    // One bad text says nothing about the next.
    QCOMPARE(unicodeToGbk(QStringLiteral("中"), &ok), QByteArray("\xD6\xD0"));
    QVERIFY(ok);
    QCOMPARE(gbkToUnicode("\xFF", &ok), QString(QChar(0xFFFD)));
    QVERIFY(!ok);
    QCOMPARE(gbkToUnicode("\xD6\xD0", &ok), QStringLiteral("中"));
    QVERIFY(ok);
}

QTEST_GUILESS_MAIN(TestGbkText)
#include "tst_gbktext.moc"
