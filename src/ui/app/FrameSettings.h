// What the frame keeps between runs: its place and size, and which bars the View menu shows.
#pragma once

#include <QList>

class Platform;
class QAction;
class QMainWindow;
class QWidget;

class FrameSettings {
public:
    struct View {
        const char* key;
        QAction* item; // the View menu's check item
        QWidget* bar;
    };

    FrameSettings(Platform& platform, QMainWindow& frame, QList<View> views)
        : m_platform(platform), m_frame(frame), m_views(std::move(views)) {}

    // The first start keeps the frame's own size and place.
    void restore();
    void save();

private:
    Platform& m_platform;
    QMainWindow& m_frame;
    QList<View> m_views;
};
