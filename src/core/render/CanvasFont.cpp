// Font names and the fonts that serve them.
#include "CanvasFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace {

bool isCanvasFont(const QString& name) {
    return name.compare(kCanvasFontName, Qt::CaseInsensitive) == 0;
}

QString firstInstalled(const QStringList& families) {
    // The installed families as listed: asking for each name by itself would have the system
    // resolve it as an alias too, which costs more than the rest of the start-up's font work.
    const QStringList installed = QFontDatabase::families();
    for (const QString& f : families)
        if (installed.contains(f, Qt::CaseInsensitive)) return f;
    return families.back();
}

// Checked against the font database once: it does not change while the program runs.
const QString& monoFamily() {
    static const QString family =
        firstInstalled({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Micro Hei Mono"),
                        QStringLiteral("Unifont")});
    return family;
}

} // namespace

void installFontStandIns() {
    QFont::insertSubstitution(QStringLiteral("宋体"), kChineseFamily);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), kChineseFamily);
    QFont::insertSubstitution(kCanvasFontName, servingFamily(kCanvasFontName));
}

QString servingFamily(const QString& name) {
    return isCanvasFont(name) ? monoFamily() : name;
}

QString canvasWideFamily() {
    static const QString family = firstInstalled(
        {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"), kChineseFamily});
    return family;
}

CanvasFace canvasFace(const QString& name, int pointSize, int em) {
    CanvasFace face;
    face.em = std::max(em, 1);
    if (isCanvasFont(name)) {
        face.wide = QFont(canvasWideFamily());
        face.narrow = QFont(servingFamily(name));
        for (QFont* f : {&face.wide, &face.narrow}) {
            f->setPixelSize(face.em);
            // Cells are black on white: outlines rasterised without grey, thin strokes kept.
            f->setStyleStrategy(QFont::NoAntialias);
            f->setHintingPreference(QFont::PreferFullHinting);
        }
    } else {
        face.wide = QFont(name);
        face.wide.setPointSize(pointSize > 0 ? pointSize : 10);
        face.narrow = face.wide;
    }
    return face;
}

int CanvasFace::baseline() const {
    if (m_baseline < 0) {
        // 中 fills the square of a Chinese face: its ink centred vertically gives the baseline.
        const QFontMetrics metrics(wide);
        const QRect ink = metrics.tightBoundingRect(QStringLiteral("中"));
        m_baseline = ink.isEmpty() ? metrics.ascent() : (em - ink.height()) / 2 - ink.top();
    }
    return m_baseline;
}

QFont canvasFont(const QString& name, int pointSize) {
    if (isCanvasFont(name)) {
        QFont font(servingFamily(name));
        font.setPixelSize(16);
        font.setFixedPitch(true);
        return font;
    }
    QFont font(name);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    return font;
}

QFont printFont(const QString& name, int pointSize) {
    QFont font(servingFamily(name));
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    font.setFixedPitch(true);
    return font;
}
