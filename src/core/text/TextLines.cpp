// Text line rules.
#include "TextLines.h"

#include "GbkText.h"

#include <cstring>

bool LineSplitter::feed(QByteArrayView chunk) {
    if (m_ended) return false;
    const char* p = chunk.data();
    const char* end = p + chunk.size();
    while (p < end) {
        const char c = *p;
        if (m_pendingCR) {
            m_pendingCR = false;
            if (c == '\n') {
                ++p;
                continue; // the LF of a CR LF pair
            }
        }
        if (c == 0) {
            m_ended = true;
            finish();
            return false;
        }
        if (c == '\r' || c == '\n') {
            endLine();
            m_pendingCR = c == '\r';
            ++p;
            continue;
        }
        // A run of ordinary bytes up to the next line end or zero byte.
        const char* run = p;
        while (p < end && *p != '\r' && *p != '\n' && *p != 0) ++p;
        const qsizetype n = p - run;
        if (m_keep < 0 || m_head.size() < m_keep) {
            const qsizetype take = m_keep < 0 ? n : std::min<qsizetype>(n, m_keep - m_head.size());
            m_head.append(run, take);
        }
        m_length += n;
        m_open = true;
    }
    return true;
}

void LineSplitter::endLine() {
    m_onLine(std::move(m_head), m_length);
    m_head = QByteArray();
    m_length = 0;
    m_open = false;
}

void LineSplitter::finish() {
    // Bytes after the last line end form a last line; a final line end adds none.
    if (m_open) endLine();
    m_open = false;
}

QList<QByteArray> splitLines(QByteArrayView text) {
    QList<QByteArray> lines;
    LineSplitter splitter([&](QByteArray&& head, qint64) { lines.append(std::move(head)); });
    if (splitter.feed(text)) splitter.finish();
    return lines;
}

void pairSpaces(QByteArray& line) {
    char* b = line.data();
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i + 1 < n && b[i] != 0 && b[i + 1] != 0) {
        if (b[i] == ' ' && b[i + 1] == ' ') {
            b[i] = b[i + 1] = char(0xA1);
            i += 2;
        } else {
            // Walked as the reading scan walks: a lead byte takes the byte after it, even a space,
            // or a lone lead byte and a pair made after it would read back as a moved space.
            i += isGbkLeadByte(uchar(b[i])) ? 2 : 1;
        }
    }
}

void unpairSpaces(QByteArray& line) {
    char* b = line.data();
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n - 1) {
        const uchar c = uchar(b[i]);
        if (c == 0xA1 && uchar(b[i + 1]) == 0xA1) {
            b[i] = b[i + 1] = ' ';
            i += 2;
        } else {
            i += isGbkLeadByte(c) ? 2 : 1; // a double-byte character is skipped whole
        }
    }
}

bool pairingSplitsCharacter(const QList<QByteArray>& lines) {
    for (const QByteArray& line : lines) {
        const qsizetype n = line.size();
        for (qsizetype i = 0; i < n;) {
            if (isGbkLeadByte(uchar(line[i])) && i + 1 < n) {
                if (i % 2 == 1) return true;
                i += 2;
            } else {
                ++i;
            }
        }
    }
    return false;
}

CharCell nextFlowCell(QByteArrayView line, qsizetype& pos) {
    const uchar a = uchar(line[pos]);
    const uchar next = pos + 1 < line.size() ? uchar(line[pos + 1]) : 0;
    if (next == 0 || (a >= 0x01 && a <= 0x7F && next >= 0x80)) {
        pos += 1;
        return CharCell::of(a, ' ');
    }
    pos += 2;
    return CharCell::of(a, next);
}

int flowText(const QList<QByteArray>& lines, int width, int rowLimit, const CellSink& put, bool* complete) {
    bool all = true;
    const int used = [&] {
        if (width < 1 || rowLimit < 1) {
            all = lines.isEmpty();
            return 0;
        }
        int row = -1;
        int rows = 0;
        for (qsizetype l = 0; l < lines.size(); ++l) {
            const QByteArray& line = lines[l];
            ++row;
            if (row >= rowLimit) {
                all = false;
                return rowLimit;
            }
            rows = row + 1;
            int col = 0;
            qsizetype pos = 0;
            while (pos < line.size()) {
                const CharCell cell = nextFlowCell(line, pos);
                if (put) put(col, row, cell);
                rows = row + 1;
                if (++col >= width) {
                    col = 0;
                    if (++row >= rowLimit) {
                        // The wrap after the very last cell loses nothing.
                        all = pos >= line.size() && l + 1 == lines.size();
                        return rowLimit;
                    }
                }
            }
        }
        return rows;
    }();
    if (complete) *complete = all;
    return used;
}

void rectText(const QList<QByteArray>& lines, int width, int height, const CellSink& put) {
    for (int r = 0; r < height && r < lines.size(); ++r) {
        const QByteArray& line = lines[r];
        for (int c = 0; c < width && 2 * c + 1 < line.size(); ++c)
            put(c, r, CharCell::of(uchar(line[2 * c]), uchar(line[2 * c + 1])));
    }
}

QList<QByteArray> unpairedLines(QList<QByteArray> lines) {
    for (QByteArray& line : lines) unpairSpaces(line);
    return lines;
}

void layOutLines(const QList<QByteArray>& lines, bool rectangular, int width, int height,
                 const CellSink& put) {
    if (rectangular)
        rectText(lines, width, height, put);
    else
        flowText(lines, width, height, put);
}
