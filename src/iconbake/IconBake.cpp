// runeboard-iconbake: draws the buttons' SVG icons at the sizes the frame shows them, while the
// program is built, into a C++ file of their pixels (BakedIcons.h), with the same drawing the
// program uses; the program then shows them without drawing SVG at its start.
// Usage: runeboard-iconbake OUTPUT.cpp SIDE[,SIDE...] ICON.svg...
#include "ui/app/SvgImage.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Drawing needs an application (for fonts); no screen is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: runeboard-iconbake OUTPUT.cpp SIDE[,SIDE...] ICON.svg...\n");
        return 2;
    }
    QList<int> sides;
    for (const QString& s : args[2].split(QLatin1Char(','))) {
        bool ok = false;
        sides << s.toInt(&ok);
        if (!ok || sides.last() <= 0) {
            std::fprintf(stderr, "runeboard-iconbake: not a size: %s\n", qPrintable(s));
            return 2;
        }
    }
    QString code;
    QTextStream out(&code);
    out << "// Drawn by runeboard-iconbake from the icons' SVG files while building: not to be edited.\n"
           "#include \"ui/app/BakedIcons.h\"\n\nnamespace {\n\n";
    QStringList table;
    int n = 0;
    for (const QString& file : args.mid(3)) {
        if (!QFileInfo(file).isFile()) {
            std::fprintf(stderr, "runeboard-iconbake: no such file: %s\n", qPrintable(file));
            return 1;
        }
        const QString resource = QStringLiteral(":/icons/") + QFileInfo(file).fileName();
        for (int side : sides) {
            const QImage image = svgImage(file, QSize(side, side));
            out << "const quint32 kPixels" << n << "[] = {";
            for (int y = 0; y < side; ++y) {
                const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
                for (int x = 0; x < side; ++x) {
                    if ((y * side + x) % 8 == 0) out << "\n   ";
                    out << " 0x" << QString::number(row[x], 16).rightJustified(8, QLatin1Char('0')) << "u,";
                }
            }
            out << "\n};\n";
            table << QStringLiteral("    {\"%1\", %2, kPixels%3},").arg(resource).arg(side).arg(n);
            ++n;
        }
    }
    out << "\nconst BakedIcon kIcons[] = {\n"
        << table.join(QLatin1Char('\n'))
        << "\n};\n\n} // namespace\n\nstd::span<const BakedIcon> bakedIcons() {\n    return kIcons;\n}\n";
    out.flush();
    QFile target(args[1]);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate) || target.write(code.toUtf8()) < 0) {
        std::fprintf(stderr, "runeboard-iconbake: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
