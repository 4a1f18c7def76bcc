// The one place where GBK (code page 936) bytes and Unicode text meet.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// Decodes GBK bytes. Bytes that do not form a GBK character (a lead byte
// without its trail byte, 0xFF, an unassigned pair) become U+FFFD; nothing is
// dropped. *ok, when given, is false if any replacement was made.
QString gbkToUnicode(QByteArrayView bytes, bool* ok = nullptr);

// Encodes text as GBK. A character GBK cannot hold becomes '?'; *ok, when
// given, is false if that happened.
QByteArray unicodeToGbk(QStringView text, bool* ok = nullptr);

// As unicodeToGbk, but a character GBK cannot hold becomes one '?' for each column it
// takes on screen: two for a wide one (an emoji, Hangul, a rare ideograph), so text read
// into cells keeps its columns.
// *lost, when given, receives the position in `text` of each character that did not fit.
QByteArray unicodeToGbkColumns(QStringView text, bool* ok = nullptr, QList<qsizetype>* lost = nullptr);

// The columns a character takes in a monospaced text: 2 for East Asian wide and
// full-width characters and emoji, 1 for the rest.
int columnsOf(char32_t c);

// The first characters of text that fit in maxBytes GBK bytes; a character is never split.
QString gbkPrefix(const QString& text, int maxBytes);

// True for a byte that starts a double-byte GBK character.
inline bool isGbkLeadByte(uchar b) {
    return b >= 0x81 && b <= 0xFE;
}
