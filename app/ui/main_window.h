// The frame that hosts every window of the program as a child, one task window at a time.
#pragma once

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;

namespace brisk {

class MenuMain;

class MDIContainer : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIContainer(QWidget* parent = nullptr);

    MenuMain* menu() const { return m_menu; }
    QMdiArea* area() const { return m_area; }

    // Hides the main menu and shows a task window (a calculator, the database menu) in its place.
    void openTask(QWidget* task);
    // The task's exit: the task window goes, the caption and the main menu come back.
    void returnToMenu();
    QWidget* currentTask() const;

    // The chart window over the calculator that fills its hand-over: the calculator is hidden with
    // its results intact, and comes back when the chart closes.
    void openChart(QWidget* caller);
    void closeChart();
    QWidget* currentChart() const;

    // The size every full-size child gets: the frame's client area and the border the placement
    // pushes outside it.
    QSize childSize() const;
    // Moves the current child to its place for the layout class.
    void placeCurrentChild();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiSubWindow* addChild(QWidget* child);

    QMdiArea* m_area;
    MenuMain* m_menu;
    QMdiSubWindow* m_menuWindow;
    QPointer<QMdiSubWindow> m_taskWindow;
    QPointer<QMdiSubWindow> m_chartWindow;
};

inline constexpr const char* kMenuCaption = " Brisklane Menu";

} // namespace brisk
