// The encodings table.
#include "Encodings.h"

#include <QStringList>

#include <array>

namespace {

const std::array<EncodingRow, 3> kEncodings{{
    {TextEncoding::Gbk, QStringLiteral("GBK 文本文件 (*.txt)"), std::nullopt, {}},
    {TextEncoding::Utf8, QStringLiteral("UTF-8 文本文件 (*.txt)"), QStringConverter::Utf8, {}},
    {TextEncoding::Utf8WithBom, QString(), QStringConverter::Utf8, QByteArrayLiteral("\xEF\xBB\xBF")},
}};

} // namespace

std::span<const EncodingRow> encodingTable() {
    return kEncodings;
}

const EncodingRow& encodingRow(TextEncoding id) {
    return kEncodings[size_t(id)];
}

QStringList saveFilters() {
    QStringList filters;
    for (const EncodingRow& row : kEncodings)
        if (!row.saveFilter.isEmpty()) filters << row.saveFilter;
    return filters;
}

TextEncoding encodingOfSaveFilter(int index) {
    for (const EncodingRow& row : kEncodings)
        if (!row.saveFilter.isEmpty() && index-- == 0) return row.id;
    return TextEncoding::Gbk;
}

int saveFilterOf(TextEncoding id) {
    int index = -1;
    for (const EncodingRow& row : kEncodings) {
        if (!row.saveFilter.isEmpty()) ++index;
        if (row.id == id) return index;
    }
    return 0;
}
