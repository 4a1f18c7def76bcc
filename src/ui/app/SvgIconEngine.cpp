// Icons drawn on demand from SVG.
#include "SvgIconEngine.h"

#include "BakedIcons.h"
#include "Icons.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

SvgIconEngine::SvgIconEngine(const QString& resource) : m_resource(resource) {}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
    for (const Drawn& d : std::as_const(m_drawn))
        if (d.size == size && d.mode == mode) return d.pixmap;
    QPixmap drawn;
    if (mode == QIcon::Normal) {
        // Drawn by the build at the sizes the frame shows, else from the SVG now.
        const QImage baked = bakedIcon(m_resource, size);
        drawn = baked.isNull() ? svgPixmap(m_resource, size) : QPixmap::fromImage(baked);
    } else {
        // Disabled, active and selected pictures are the style's variants of the normal one, as for
        // an icon made of pixmaps.
        const QPixmap normal = pixmap(size, QIcon::Normal, QIcon::Off);
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        drawn = QApplication::style()->generatedIconPixmap(mode, normal, &option);
        if (drawn.isNull()) drawn = normal;
    }
    m_drawn.append({size, mode, drawn});
    return drawn;
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    // At the device's pixels, so that a high-density screen shows a sharp picture.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QIconEngine* SvgIconEngine::clone() const {
    return new SvgIconEngine(*this);
}

QString SvgIconEngine::key() const {
    return QStringLiteral("runeboard-svg");
}
