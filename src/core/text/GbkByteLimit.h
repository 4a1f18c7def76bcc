// Keeps an edit box's text within a number of GBK bytes, counted as the cells
// will hold them rather than in Qt characters: two bytes are one Chinese
// character or two single-byte characters.
#pragma once

#include <QValidator>

class GbkByteLimit final : public QValidator {
public:
    explicit GbkByteLimit(int maxBytes, QObject* parent = nullptr) : QValidator(parent), m_max(maxBytes) {}

    State validate(QString& input, int& pos) const override;

private:
    int m_max;
};
