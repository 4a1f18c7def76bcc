// Pieces every dialog of the program is built from: named controls and the row
// of OK and Cancel at the bottom right.
#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

// A push button with the program's name for it.
inline QPushButton* namedButton(const QString& caption, const char* name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    return b;
}

inline QRadioButton* namedRadio(const QString& caption, const char* name, bool checked = false) {
    auto* b = new QRadioButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setChecked(checked);
    return b;
}

// OK ("确定(&Y)", the default) and Cancel ("取消(&C)"), as Button2 and Button1.
struct OkCancel {
    QPushButton* ok = namedButton(QStringLiteral("确定(&Y)"), "Button2");
    QPushButton* cancel = namedButton(QStringLiteral("取消(&C)"), "Button1");
    OkCancel() { ok->setDefault(true); }
    // The row at the bottom: the buttons given first on the left, OK and Cancel on the right.
    QHBoxLayout* row(std::initializer_list<QWidget*> leading = {}) const {
        auto* r = new QHBoxLayout;
        for (QWidget* w : leading) r->addWidget(w);
        r->addStretch(1);
        r->addWidget(ok);
        r->addWidget(cancel);
        return r;
    }
};
