// runeboard-iconbake: draws the buttons' SVG icons at the sizes the frame shows them, while the
// program is built, into a C++ file of their pixels (BakedIcons.h), with the same drawing the
// program uses; the program then shows them without drawing SVG at its start.
// Usage: runeboard-iconbake OUTPUT.cpp SIDE[,SIDE...] ICON.svg... [SIDE[,SIDE...] ICON.svg...]...
#include "ui/app/SvgImage.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

// The font families a picture's text names; empty for a picture without text.
QStringList fontFamilies(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList families;
    static const QRegularExpression family(QStringLiteral("font-family=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& m : family.globalMatch(QString::fromUtf8(f.readAll())))
        families << m.captured(1);
    return families;
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing needs an application (for fonts); no screen is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr,
                     "usage: runeboard-iconbake OUTPUT.cpp SIDE[,SIDE...] ICON.svg... [SIDE[,SIDE...] "
                     "ICON.svg...]...\n");
        return 2;
    }
    QString code;
    QTextStream out(&code);
    out << "// Drawn by runeboard-iconbake from the icons' SVG files while building: not to be edited.\n"
           "#include \"ui/app/BakedIcons.h\"\n\nnamespace {\n\n";
    QStringList table;
    int n = 0;
    QList<int> sides;
    static const QRegularExpression sizeList(QStringLiteral("^[0-9]+(,[0-9]+)*$"));
    for (const QString& arg : args.mid(2)) {
        // A list of sizes applies to the files after it.
        if (sizeList.match(arg).hasMatch()) {
            sides.clear();
            for (const QString& side : arg.split(QLatin1Char(','))) sides << side.toInt();
            continue;
        }
        const QString& file = arg;
        if (!QFileInfo(file).isFile()) {
            std::fprintf(stderr, "runeboard-iconbake: no such file: %s\n", qPrintable(file));
            return 1;
        }
        // Text in a font this machine lacks would be drawn in another: such a picture is left
        // to be drawn where it is shown.
        bool fontsHere = true;
        for (const QString& family : fontFamilies(file))
            fontsHere = fontsHere && QFontDatabase::hasFamily(family);
        if (!fontsHere) {
            std::printf("runeboard-iconbake: %s left to be drawn at run time: its font is not installed\n",
                        qPrintable(file));
            continue;
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
