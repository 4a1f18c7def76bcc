// Keeps a dialog where it was: each showing after the first puts it where it was when it was
// last hidden (where it opened, or where the user moved it), instead of centring it again.
#pragma once

#include <QObject>
#include <QRect>

class QDialog;

class DialogPlace : public QObject {
public:
    // Watches the dialog, which owns this object.
    explicit DialogPlace(QDialog* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDialog* m_dialog;
    QRect m_place; // the dialog's own area (without the window frame) when it was hidden
};
