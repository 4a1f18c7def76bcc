// An icon drawn from an SVG picture at the size a widget asks for, when it first asks,
// instead of at every size up front: a toolbar button shows one size of its picture. The
// sizes the frame shows its buttons at were drawn by the build already (BakedIcons.h).
#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QString>

class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& resource);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    struct Drawn {
        QSize size;
        QIcon::Mode mode;
        QPixmap pixmap;
    };

    QString m_resource;
    // One picture per size and mode asked for; the state does not change the picture.
    QList<Drawn> m_drawn;
};
