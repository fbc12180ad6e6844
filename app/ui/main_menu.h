// The main menu: fourteen buttons that open the calculators, the value database, the help files,
// the settings and the about box; and the reading of the personal settings at start.
#pragma once

#include <QMap>
#include <QWidget>

#include <array>
#include <cstddef>
#include <functional>

class QDialog;
class QLabel;
class QPushButton;

namespace brisk {

class MainFrame;
struct ChartHandover;
struct ProgramState;

// The windows opened by what they are rather than by their class: each lives in a subsystem the
// menu does not link, which registers how its own are made.
enum class TaskWindow {
    Savings,
    SavingsComparisons,
    CompoundFinder,
    Retirement,
    CapitalRequired,
    Plan401k,
    Mortgage,
    Loan,
    DatabaseMenu,
};
inline constexpr std::size_t kTaskWindowCount = 9;
static_assert(static_cast<std::size_t>(TaskWindow::DatabaseMenu) + 1 == kTaskWindowCount);

class MainMenu : public QWidget {
    Q_OBJECT
  public:
    explicit MainMenu(MainFrame* frame);

    // A window is made with a fresh document of its own and the program-wide values.
    using Factory = std::function<QWidget*(ProgramState&)>;
    static void registerWindow(TaskWindow window, Factory factory);
    static bool hasWindow(TaskWindow window);
    // The chart window is made with the chart it shows.
    using ChartFactory = std::function<QWidget*(ProgramState&, const ChartHandover&)>;
    static void registerChartWindow(ChartFactory factory);
    static bool hasChartWindow();
    static QWidget* makeChartWindow(ProgramState& program, const ChartHandover& chart);
    // The windows no subsystem has registered, by name; the program starts only when there are none.
    static QStringList missingWindows();

    // The menu's buttons, in tab order: down the left column, then down the right one.
    enum class Button {
        Savings,
        Plan401k,
        Retirement,
        SavingsComparisons,
        CapitalRequired,
        LoanPayment,
        Mortgage,
        Database,
        CompoundFinder,
        HowToGetRich,
        HowToUse,
        About,
        Settings,
        Exit,
    };
    static constexpr std::size_t kButtonCount = 14;
    static_assert(static_cast<std::size_t>(Button::Exit) + 1 == kButtonCount);

    // Each subsystem registers the files it opens, by suffix ("zrk"): the window that opens them
    // and how it loads one, as its Open File does; false when the file could not be read (its
    // message shown).
    struct FileOpener {
        TaskWindow window;
        std::function<bool(QWidget* window, const QString& path)> load;
    };
    static void registerFileOpener(const QString& suffix, FileOpener opener);
    // Opens a file named on the command line or by the desktop in its window; a file that cannot be
    // read gives message 13 and leaves the main menu shown.
    bool openFile(const QString& path);

    // Reads "Personal.zkp" into the settings and shows the user's name when there is one.
    void loadPersonalSettings();
    void showUserName();
    QPushButton* button(const QString& name) const;

    // The buttons that open no task window.
    void showRichHelp();
    void showUseHelp();
    void showAbout();
    void personalize();
    void exitProgram();

  private:
    static QWidget* makeWindow(TaskWindow window, ProgramState& program);
    void openWindow(TaskWindow window);
    void runModal(QDialog* dialog);

    MainFrame* m_frame;
    QLabel* m_name;
    QMap<QString, QPushButton*> m_buttons;
};

} // namespace brisk
