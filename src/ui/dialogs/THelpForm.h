// The help window: the help page shipped beside the program, shown by the
// program itself so that it needs no browser. Links within the page are
// followed here; web and mail links go to the system's programs.
#pragma once

#include <QWidget>

class Platform;
class QTextBrowser;
class QUrl;

class THelpForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpForm(Platform& platform, QWidget* parent = nullptr);

    // Shows the page at path; false when there is no such file.
    bool showPage(const QString& path);

    QTextBrowser* TextBrowser1 = nullptr;

private:
    void followLink(const QUrl& url);

    Platform& m_platform;
};
