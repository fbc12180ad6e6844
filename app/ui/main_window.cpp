#include "app/ui/main_window.h"

#include "app/core/layout_rules.h"
#include "app/ui/main_menu.h"
#include "app/ui/program_state.h"
#include "app/ui/twips.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>

namespace brisk {

MDIContainer::MDIContainer(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MDIContainer");
    program().frame = this;
    m_area = new QMdiArea(this);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setBackground(palette().window());
    setCentralWidget(m_area);
    // The frame opens at the screen's top left with its own outer size (the first resize fixes the
    // layout class).
    move(twipPoint(kFrameOrigin));
    resize(twipSize(kFrameWidth, kFrameHeight));
    m_menu = new MenuMain(this);
    m_menuWindow = addChild(m_menu);
    connect(m_area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { placeCurrentChild(); });
}

QSize MDIContainer::childSize() const {
    const TwipPoint border = childPosition(kLayoutNormal);
    return m_area->viewport()->size() + twipSize(-2 * border.x, -2 * border.y);
}

QMdiSubWindow* MDIContainer::addChild(QWidget* child) {
    auto* window = m_area->addSubWindow(child, Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_DeleteOnClose, child != m_menu);
    window->resize(childSize().expandedTo(child->minimumSizeHint()));
    return window;
}

void MDIContainer::openTask(QWidget* task) {
    if (m_taskWindow) m_taskWindow->close();
    m_menuWindow->hide();
    m_taskWindow = addChild(task);
    m_taskWindow->show();
    m_area->setActiveSubWindow(m_taskWindow);
    placeCurrentChild();
}

void MDIContainer::returnToMenu() {
    if (m_taskWindow) {
        m_taskWindow->hide();
        m_taskWindow->deleteLater();
        m_taskWindow = nullptr;
    }
    setWindowTitle(kMenuCaption);
    m_menuWindow->show();
    m_area->setActiveSubWindow(m_menuWindow);
    placeCurrentChild();
}

void MDIContainer::openChart(QWidget* caller) {
    QWidget* chart = MenuMain::makeWindow("GraphsAll");
    if (!chart || !m_taskWindow || m_taskWindow->widget() != caller) {
        delete chart;
        return;
    }
    m_taskWindow->hide();
    m_chartWindow = addChild(chart);
    m_chartWindow->show();
    m_area->setActiveSubWindow(m_chartWindow);
    placeCurrentChild();
}

void MDIContainer::closeChart() {
    if (m_chartWindow) {
        m_chartWindow->hide();
        m_chartWindow->deleteLater();
        m_chartWindow = nullptr;
    }
    if (m_taskWindow) {
        m_taskWindow->show();
        m_area->setActiveSubWindow(m_taskWindow);
        placeCurrentChild();
    }
}

QWidget* MDIContainer::currentChart() const { return m_chartWindow ? m_chartWindow->widget() : nullptr; }

QWidget* MDIContainer::currentTask() const { return m_taskWindow ? m_taskWindow->widget() : nullptr; }

void MDIContainer::placeCurrentChild() {
    QMdiSubWindow* current = m_chartWindow ? m_chartWindow.data() : m_taskWindow ? m_taskWindow.data() : m_menuWindow;
    if (current && current->isVisible()) current->move(twipPoint(childPosition(program().shell.LayoutClass)));
}

void MDIContainer::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    program().shell.LayoutClass = layoutClassForHeight(pixelsToTwips(frameGeometry().height()));
    placeCurrentChild();
}

void MDIContainer::closeEvent(QCloseEvent* event) {
    // A task window may keep the program open (unsaved data the user goes back to save).
    if (QWidget* task = currentTask(); task && !task->close()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace brisk
