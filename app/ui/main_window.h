// The frame that hosts every window of the program as a child, one task window at a time.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;

namespace brisk {

class MainMenu;
struct ChartHandover;
struct ProgramState;

class MainFrame : public QMainWindow {
    Q_OBJECT
  public:
    // The frame of `program`, which it outlives.
    explicit MainFrame(ProgramState& program, QWidget* parent = nullptr);
    ~MainFrame() override;

    ProgramState& program() const { return m_program; }
    MainMenu* menu() const { return m_menu; }
    QMdiArea* area() const { return m_area; }

    // Hides the main menu and shows a task window (a calculator, the database menu) in its place.
    void openTask(QWidget* task);
    // The task's exit: every window of the task goes, the caption and the main menu come back.
    void returnToMenu();
    // The window on show: the last one opened over the task, or the task itself.
    QWidget* currentTask() const;

    // A window over the one on show, which is hidden with everything in it intact and comes back
    // when the new one closes (the chart over a calculator, the editor over the database menu).
    void openOver(QWidget* window);
    void closeOver();
    // Replaces the window on show by another over the same task (the editor by the averages sheet).
    void replaceOver(QWidget* window);

    // The chart window of a calculator's result, over the calculator.
    void openChart(const ChartHandover& chart);

    // The size every full-size child gets: the frame's client area in the normal layout and the
    // border the placement pushes outside it. A large (maximised) frame does not stretch it.
    QSize childSize() const;
    // Moves the current child to its place for the layout class, at its normal size.
    void placeCurrentChild();
    void growToFit(const QWidget* child);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QMdiSubWindow* addChild(QWidget* child);
    QMdiSubWindow* top() const;
    // Shows the window on top with the focus on `focus` (where the user left it), or on its first field.
    void showTop(QWidget* focus = nullptr);
    // Drops the window on top; returns the control that had the focus when it was opened.
    QWidget* dropTop();
    void focusFirstField(QMdiSubWindow* window);

    ProgramState& m_program;
    QMdiArea* m_area;
    MainMenu* m_menu;
    QMdiSubWindow* m_menuWindow;
    struct Opened {
        QPointer<QMdiSubWindow> window;
        QPointer<QWidget> opener; // the control that had the focus when the window opened
    };
    QList<Opened> m_windows; // the task first, the window on show last
    QSize m_normalChildSize; // childSize() when the frame last had the normal layout
};

inline constexpr const char* kMenuCaption = " Brisklane Menu";

} // namespace brisk
