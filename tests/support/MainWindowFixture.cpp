// The main window fixture.
#include "MainWindowFixture.h"

#include "ui/app/AppStartup.h"
#include "ui/app/TMainForm.h"
#include "ui/document/TChildForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMenu>
#include <QTest>
#include <QToolButton>

MainWindowFixture::MainWindowFixture() = default;
MainWindowFixture::~MainWindowFixture() = default;

void MainWindowFixture::create(const QStringList& files) {
    m_main = createMainWindow(m_platform);
    if (!files.isEmpty()) m_main->setStartupFiles(files);
    m_main->show();
    TChildForm* first = m_main->activeChild();
    m_mouse = first ? CanvasMouse(*m_main, *first) : CanvasMouse();
}

void MainWindowFixture::close() {
    if (m_main) markAllSaved();
    m_mouse = CanvasMouse();
    m_main.reset();
}

bool MainWindowFixture::start() {
    close();
    m_platform = FakePlatform();
    m_dir = std::make_unique<QTemporaryDir>();
    // Previews and other temporary files stay in the test's folder, never in the shared one.
    m_platform.tempDirectory = m_dir->path();
    return restart();
}

bool MainWindowFixture::restart() {
    close();
    create();
    return QTest::qWaitForWindowExposed(m_main.get());
}

QList<TChildForm*> MainWindowFixture::restartWith(const QStringList& files) {
    close();
    create(files);
    QCoreApplication::processEvents();
    // The files took the place of the empty drawing the mouse was aimed at.
    if (TChildForm* first = m_main->activeChild()) m_mouse = CanvasMouse(*m_main, *first);
    return m_main->children();
}

bool MainWindowFixture::activate() {
    m_main->activateWindow();
    return QTest::qWaitForWindowActive(m_main.get());
}

void MainWindowFixture::finish() {
    close();
    m_dir.reset();
}

QAction* MainWindowFixture::action(const char* name) const {
    return m_main->findChild<QAction*>(QLatin1String(name));
}

QToolButton* MainWindowFixture::button(const char* name) const {
    return m_main->findChild<QToolButton*>(QLatin1String(name));
}

QMenu* MainWindowFixture::menu(const char* name) const {
    return m_main->findChild<QMenu*>(QLatin1String(name));
}

TChildForm* MainWindowFixture::active() const {
    return m_main->activeChild();
}

void MainWindowFixture::markAllSaved() {
    for (TChildForm* c : m_main->children()) c->drawing().SavedCount = c->drawing().ChangeCount;
}

bool MainWindowFixture::closeAllDrawings() {
    m_main->mdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return m_main->children().isEmpty();
}

QString MainWindowFixture::path(QAnyStringView name) const {
    return m_dir->filePath(name.toString());
}

void MainWindowFixture::click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}
