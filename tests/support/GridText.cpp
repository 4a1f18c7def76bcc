// Grid <-> text helpers.
#include "GridText.h"

#include "core/text/GbkText.h"

#include <QStringList>

QString gridText(const CharGrid& grid, int width, int height) {
    QStringList rows;
    for (int y = 0; y < height; ++y) {
        QByteArray bytes;
        for (int x = 0; x < width; ++x) {
            const CharCell& c = grid.at(x, y);
            bytes += char(c.b0);
            bytes += char(c.b1);
        }
        rows << gbkToUnicode(bytes);
    }
    return rows.join(QLatin1Char('\n'));
}

void setGridText(CharGrid& grid, const QString& rows) {
    const QStringList lines = rows.split(QLatin1Char('\n'));
    for (int y = 0; y < lines.size() && y < kGridMax; ++y) {
        const QByteArray bytes = unicodeToGbk(lines[y]);
        for (int x = 0; 2 * x + 1 < bytes.size() && x < kGridMax; ++x)
            grid.at(x, y) = CharCell::of(quint8(bytes[2 * x]), quint8(bytes[2 * x + 1]));
    }
}

QString art(std::initializer_list<const char*> rows) {
    QStringList out;
    for (const char* r : rows) {
        QString row;
        for (const char* c = r; *c; ++c) row += *c == '#' ? QStringLiteral("画") : QStringLiteral("  ");
        out << row;
    }
    return out.join(QLatin1Char('\n'));
}
