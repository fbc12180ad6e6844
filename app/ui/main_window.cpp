#include "app/ui/main_window.h"

#include "app/core/layout_rules.h"
#include "app/ui/desktop_memory.h"
#include "app/ui/main_menu.h"
#include "app/ui/program_state.h"
#include "app/ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace brisk {

MainFrame::MainFrame(ProgramState& program, QWidget* parent) : QMainWindow(parent), m_program(program) {
    setObjectName("MDIContainer");
    program.frame = this;
    m_area = new QMdiArea(this);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setBackground(palette().window());
    setCentralWidget(m_area);
    // The frame opens at the screen's top left with its own outer size (the first resize fixes the
    // layout class).
    move(twipPoint(kFrameOrigin));
    resize(twipSize(kFrameWidth, kFrameHeight));
    // The windows' normal size is what this first size gives them: a frame that comes back larger
    // would otherwise never learn it, and stretch them. (The area's viewport is sized only once
    // shown; it fills the area's contents.)
    layout()->activate();
    const TwipPoint border = childPosition(kLayoutNormal);
    m_normalChildSize = m_area->contentsRect().size() + twipSize(-2 * border.x, -2 * border.y);
    // Where the user left it last time, when there was a last time.
    restoreFrameGeometry(*this);
    // The menu's Exit ends the program without closing the frame.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { saveFrameGeometry(*this); });
    m_menu = new MainMenu(this);
    m_menuWindow = addChild(m_menu);
    connect(m_area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { placeCurrentChild(); });
}

// The children go after the members: they must no longer call back into the frame.
MainFrame::~MainFrame() {
    m_area->disconnect(this);
}

QSize MainFrame::childSize() const {
    if (isLargeLayout(m_program.shell.LayoutClass) && m_normalChildSize.isValid()) return m_normalChildSize;
    const TwipPoint border = childPosition(kLayoutNormal);
    return m_area->viewport()->size() + twipSize(-2 * border.x, -2 * border.y);
}

QMdiSubWindow* MainFrame::addChild(QWidget* child) {
    auto* window = m_area->addSubWindow(child, Qt::FramelessWindowHint);
    // The frame's caption is the window's own (each sets it as it opens): the title a screen reader
    // names the frameless child by.
    window->setWindowTitle(windowTitle().trimmed());
    window->installEventFilter(this);
    window->setAttribute(Qt::WA_DeleteOnClose, child != m_menu);
    window->resize(childSize().expandedTo(child->minimumSizeHint()));
    return window;
}

QMdiSubWindow* MainFrame::top() const {
    return m_windows.isEmpty() ? nullptr : m_windows.last().window.data();
}

void MainFrame::showTop(QWidget* focus) {
    QMdiSubWindow* window = top() ? top() : m_menuWindow;
    window->show();
    m_area->setActiveSubWindow(window);
    placeCurrentChild();
    // Back from a window, the focus returns to the control that opened it.
    if (focus && window->isAncestorOf(focus) && focus->isVisible() && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
    else
        focusFirstField(window);
}

// The keyboard starts in a window's first field or button that takes it (a disabled one does not),
// not on its frame.
void MainFrame::focusFirstField(QMdiSubWindow* window) {
    QWidget* content = window ? window->widget() : nullptr;
    if (!content || content->isAncestorOf(QApplication::focusWidget())) return;
    for (QWidget* w = content->nextInFocusChain(); w && w != content; w = w->nextInFocusChain()) {
        if (content->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(window)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QWidget* MainFrame::dropTop() {
    if (m_windows.isEmpty()) return nullptr;
    const Opened opened = m_windows.takeLast();
    if (opened.window) {
        opened.window->hide();
        opened.window->deleteLater();
    }
    return opened.opener;
}

void MainFrame::openTask(QWidget* task) {
    QWidget* opener = QApplication::focusWidget();
    while (!m_windows.isEmpty())
        dropTop();
    m_menuWindow->hide();
    m_windows << Opened{addChild(task), opener};
    showTop();
}

void MainFrame::returnToMenu() {
    QWidget* opener = nullptr;
    while (!m_windows.isEmpty())
        opener = dropTop();
    setWindowTitle(kMenuCaption);
    showTop(opener);
}

void MainFrame::openOver(QWidget* window) {
    QWidget* opener = QApplication::focusWidget();
    if (QMdiSubWindow* current = top()) current->hide();
    m_windows << Opened{addChild(window), opener};
    showTop();
}

void MainFrame::closeOver() {
    QWidget* opener = dropTop();
    if (m_windows.isEmpty())
        returnToMenu();
    else
        showTop(opener);
}

void MainFrame::replaceOver(QWidget* window) {
    QWidget* opener = dropTop();
    m_windows << Opened{addChild(window), opener};
    showTop();
}

void MainFrame::openChart(const ChartHandover& chart) {
    if (QWidget* window = MainMenu::makeChartWindow(m_program, chart)) openOver(window);
}

QWidget* MainFrame::currentTask() const {
    return top() ? top()->widget() : nullptr;
}

void MainFrame::placeCurrentChild() {
    if (!isLargeLayout(m_program.shell.LayoutClass)) m_normalChildSize = childSize();
    QMdiSubWindow* current = top() ? top() : m_menuWindow;
    if (!current || !current->isVisible()) return;
    // The windows are moved, never stretched: a maximised frame shows them at their normal size at
    // the large layout's place, and a frame restored again fits them to itself.
    growToFit(current->widget());
    // A window wider or taller than its place allows moves towards the frame's corner to stay whole.
    current->resize(childSize().expandedTo(current->widget()->minimumSizeHint()));
    const QPoint place = twipPoint(childPosition(m_program.shell.LayoutClass));
    const QSize room = m_area->viewport()->size() - current->size();
    const auto fit = [](int place, int room) { return place <= 0 ? place : std::clamp(room, 0, place); };
    current->move(fit(place.x(), room.width()), fit(place.y(), room.height()));
}

// A window that needs more room than the frame has (a large font, a long currency symbol) grows a
// frame that is not maximised, as far as the screen allows; beyond that the area scrolls.
void MainFrame::growToFit(const QWidget* child) {
    const TwipPoint border = childPosition(kLayoutNormal);
    const QSize lack =
        child->minimumSizeHint() + twipSize(2 * border.x, 2 * border.y) - m_area->viewport()->size();
    if (!isMaximized() && !isFullScreen() && screen() && (lack.width() > 0 || lack.height() > 0)) {
        const QSize wanted = size() + lack.expandedTo(QSize(0, 0));
        const QSize most = screen()->availableSize() - (frameGeometry().size() - size());
        resize(wanted.boundedTo(most).expandedTo(size()));
    }
    // The normal place hides the window's edges under the frame's: scroll bars only when even so it
    // does not fit (until the frame's resize arrives, which places the window again).
    m_area->setHorizontalScrollBarPolicy(lack.width() > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    m_area->setVerticalScrollBarPolicy(lack.height() > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

// A child's frame that takes the focus (on activation) hands it to the child's first field.
bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
    // After the frame's own handling, which keeps the focus for itself.
    if (event->type() == QEvent::FocusIn)
        if (auto* window = qobject_cast<QMdiSubWindow*>(watched))
            QTimer::singleShot(0, this,
                               [this, window = QPointer<QMdiSubWindow>(window)] { focusFirstField(window); });
    return QMainWindow::eventFilter(watched, event);
}

void MainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    m_program.shell.LayoutClass = layoutClassForHeight(pixelsToTwips(frameGeometry().height()));
    placeCurrentChild();
}

void MainFrame::closeEvent(QCloseEvent* event) {
    // A task's windows may keep the program open (unsaved data the user goes back to save). Each is
    // asked, none is closed: one that refuses finds every window over it as it was.
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
        QWidget* window = it->window ? it->window->widget() : nullptr;
        if (!window) continue;
        QCloseEvent asked;
        QApplication::sendEvent(window, &asked);
        if (!asked.isAccepted()) {
            event->ignore();
            return;
        }
    }
    saveFrameGeometry(*this);
    event->accept();
}

} // namespace brisk
