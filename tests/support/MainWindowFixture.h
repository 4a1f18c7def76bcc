// The main window as every window test starts it: a fake platform of its own, a folder of
// the test's own, the frame created with its dialogs, shown and on the screen; and the ways
// the tests reach into it. A test class derives from it next to QObject and calls start()
// in init() and finish() in cleanup().
#pragma once

#include "CanvasMouse.h"
#include "FakePlatform.h"

#include <QAnyStringView>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QAbstractButton;
class QAction;
class QMenu;
class QToolButton;
class TChildForm;
class TMainForm;

class MainWindowFixture {
protected:
    MainWindowFixture();
    ~MainWindowFixture();

    // A fresh platform and folder, then the frame; false when it never came on the screen.
    [[nodiscard]] bool start();
    // The frame closed and made again over the same platform and folder, as the program's
    // next run finds what the last one left.
    [[nodiscard]] bool restart();
    // The next run with these files named on its command line; they open once the frame is up,
    // so the frame is not waited for. The drawings it then holds.
    QList<TChildForm*> restartWith(const QStringList& files);
    // The frame as the window the user works in, so that shortcuts and focus act as for real.
    [[nodiscard]] bool activate();
    // Nothing may ask any more questions on the way out: every drawing counts as saved.
    void finish();

    // Found by the objectName the program gives them.
    QAction* action(const char* name) const;
    QToolButton* button(const char* name) const;
    QMenu* menu(const char* name) const;
    TChildForm* active() const;
    // Counted as saved, so that closing asks nothing.
    void markAllSaved();
    // Every drawing window closed and gone; false when one stayed (it asked and was kept).
    [[nodiscard]] bool closeAllDrawings();
    // A name in the test's own folder.
    QString path(QAnyStringView name) const;
    static void click(QAbstractButton* button);

    FakePlatform m_platform;
    std::unique_ptr<TMainForm> m_main;
    std::unique_ptr<QTemporaryDir> m_dir;
    // On the canvas of the drawing the frame showed first at its start.
    CanvasMouse m_mouse;

private:
    void create(const QStringList& files = {});
    void close();
};
