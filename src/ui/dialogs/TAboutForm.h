// The about box.
#pragma once

#include <QDialog>
#include <QPixmap>

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    // The picture on the left is the program's own, which the caller draws.
    explicit TAboutForm(const QPixmap& picture, QWidget* parent = nullptr);
};
