// The encodings a drawing's file can be in, one row each: the name the window shows, the file
// type Save As offers for it, the Unicode converter that reaches the cells' GBK (none: the
// bytes are the cells' own), and the byte-order mark it is written with. A further encoding
// is a row here and its detection.
#pragma once

#include "core/model/FileEncoding.h"

#include <QByteArray>
#include <QString>
#include <QStringConverter>

#include <optional>
#include <span>

struct EncodingRow {
    TextEncoding id;
    QString saveFilter; // empty: not offered on its own (a variant of the row before)
    std::optional<QStringConverter::Encoding> unicode;
    QByteArray byteOrderMark;
};

std::span<const EncodingRow> encodingTable();
const EncodingRow& encodingRow(TextEncoding id);

// The file types Save As offers, in the table's order, and the encoding of each.
QStringList saveFilters();
TextEncoding encodingOfSaveFilter(int index);
// The offered file type an encoding is saved as: a variant goes with the row it varies.
int saveFilterOf(TextEncoding id);
