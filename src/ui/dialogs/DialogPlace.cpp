// Dialog placement.
#include "DialogPlace.h"

#include <QDialog>
#include <QEvent>

DialogPlace::DialogPlace(QDialog* dialog) : QObject(dialog), m_dialog(dialog) {
    dialog->installEventFilter(this);
}

bool DialogPlace::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_dialog || event->spontaneous()) return false; // a minimised window keeps its place
    if (event->type() == QEvent::Hide) {
        m_place = m_dialog->geometry();
    } else if (event->type() == QEvent::Show && m_place.isValid()) {
        // The area without the frame: a position that includes the frame is placed anew by the
        // window system on a second showing, a title bar lower each time.
        m_dialog->setGeometry(m_place);
    }
    return false;
}
