// The text of a printed PDF, as pdftotext lays it out; empty when pdftotext is
// not installed or fails (the test then skips).
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

inline QString pdfText(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return {};
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
