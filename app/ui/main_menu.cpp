#include "app/ui/main_menu.h"

#include "app/core/personal_settings.h"
#include "app/ui/about_box.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/desktop_memory.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"
#include "app/ui/settings_window.h"
#include "app/ui/twips.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace brisk {

namespace {

using Button = MainMenu::Button;

// What a button does: open a task window, or run one of the menu's own commands.
struct MenuEntry {
    Button button;
    const char* name; // the object name the screen reader and the tests know the button by
    const char* caption;
    int row = 0;
    int column = 0;
    std::optional<TaskWindow> opens;
    void (MainMenu::*command)() = nullptr;
};

// One row a button, in the order of their kinds (which is the tab order).
constexpr std::array<MenuEntry, MainMenu::kButtonCount> kMenu{{
    {Button::Savings, "Savings", "Planning your &Savings", 0, 0, TaskWindow::Savings},
    {Button::Plan401k, "Plan401", "Planning your &401(k)", 1, 0, TaskWindow::Plan401k},
    {Button::Retirement, "Retirement", "Planning your &Retirement", 2, 0, TaskWindow::Retirement},
    {Button::SavingsComparisons, "SavComp", "Savings &Comparisons", 3, 0, TaskWindow::SavingsComparisons},
    {Button::CapitalRequired, "CapReq", "Amount of Capital R&equired", 4, 0, TaskWindow::CapitalRequired},
    {Button::LoanPayment, "LoanPmt", "&Payment on a Loan", 5, 0, TaskWindow::Loan},
    {Button::Mortgage, "Canadian", "&Mortgage", 6, 0, TaskWindow::Mortgage},
    {Button::Database, "Ratios", "&Brisklane Menu", 0, 1, TaskWindow::DatabaseMenu},
    {Button::CompoundFinder, "CompCompare", "&Find Annual Compound Growth", 1, 1, TaskWindow::CompoundFinder},
    {Button::HowToGetRich, "HowGetRich", "&How to Get Rich and Stay Rich", 2, 1, {}, &MainMenu::showRichHelp},
    {Button::HowToUse, "HowtoUse", "How to Use the &Program", 3, 1, {}, &MainMenu::showUseHelp},
    {Button::About, "About", "&About...", 4, 1, {}, &MainMenu::showAbout},
    {Button::Settings, "PtrFnt", "Personalize &Settings", 5, 1, {}, &MainMenu::personalize},
    {Button::Exit, "Exit", "E&xit Program", 6, 1, {}, &MainMenu::exitProgram},
}};

// A row left out, or out of place, fails here rather than leaving a button that does nothing.
constexpr bool everyButtonInItsPlace() {
    for (std::size_t i = 0; i < kMenu.size(); ++i) {
        const MenuEntry& entry = kMenu[i];
        if (static_cast<std::size_t>(entry.button) != i || !entry.name || !entry.caption) return false;
        if (entry.opens.has_value() == (entry.command != nullptr)) return false;
    }
    return true;
}
static_assert(everyButtonInItsPlace(), "each menu button has its row, in the order of their kinds");

const char* const kWindowNames[kTaskWindowCount] = {"savings",          "savings comparisons",
                                                    "compound finder",  "retirement",
                                                    "capital required", "401(k)",
                                                    "mortgage",         "loan",
                                                    "database menu"};

std::array<MainMenu::Factory, kTaskWindowCount>& factories() {
    static std::array<MainMenu::Factory, kTaskWindowCount> made;
    return made;
}

} // namespace

void MainMenu::registerWindow(TaskWindow window, Factory factory) {
    factories().at(static_cast<std::size_t>(window)) = std::move(factory);
}
bool MainMenu::hasWindow(TaskWindow window) {
    return static_cast<bool>(factories().at(static_cast<std::size_t>(window)));
}
QWidget* MainMenu::makeWindow(TaskWindow window, ProgramState& program) {
    const Factory& factory = factories().at(static_cast<std::size_t>(window));
    return factory ? factory(program) : nullptr;
}

namespace {
MainMenu::ChartFactory& chartFactory() {
    static MainMenu::ChartFactory made;
    return made;
}
} // namespace

void MainMenu::registerChartWindow(ChartFactory factory) {
    chartFactory() = std::move(factory);
}
bool MainMenu::hasChartWindow() {
    return static_cast<bool>(chartFactory());
}
QWidget* MainMenu::makeChartWindow(ProgramState& program, const ChartHandover& chart) {
    return chartFactory() ? chartFactory()(program, chart) : nullptr;
}
QStringList MainMenu::missingWindows() {
    QStringList missing;
    for (std::size_t i = 0; i < kTaskWindowCount; ++i)
        if (!factories()[i]) missing << kWindowNames[i];
    if (!hasChartWindow()) missing << "chart";
    return missing;
}

MainMenu::MainMenu(MainFrame* frame) : m_frame(frame) {
    setObjectName("MenuMain");
    QLabel* title = programTitle(this);
    m_name = new QLabel(this);
    m_name->setObjectName("MyName");
    m_name->setAlignment(Qt::AlignCenter);
    m_name->hide();

    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(twips(5040 - 1260 - 3030));
    buttons->setVerticalSpacing(twips(2050 - 1440 - 400));
    QWidget* previous = nullptr;
    for (const MenuEntry& entry : kMenu) {
        auto* b = new QPushButton(entry.caption, this);
        b->setObjectName(entry.name);
        b->setMinimumSize(twipSize(3030, 400));
        buttons->addWidget(b, entry.row, entry.column);
        m_buttons[entry.name] = b;
        if (previous) setTabOrder(previous, b);
        previous = b;
        if (entry.opens) {
            // A window no subsystem registered (only in a test) leaves its button disabled.
            b->setEnabled(hasWindow(*entry.opens));
            connect(b, &QPushButton::clicked, this, [this, entry] { openWindow(*entry.opens); });
        } else {
            connect(b, &QPushButton::clicked, this, entry.command);
        }
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(770), twips(300), twips(770), twips(300));
    layout->addWidget(title);
    layout->addWidget(m_name);
    layout->addSpacing(twips(120));
    layout->addLayout(buttons);
    layout->addStretch();

    // Start-up: the caption, the working folder, the settings and today's date.
    ShellState& shell = m_frame->program().shell;
    frame->setWindowTitle(kMenuCaption);
    QDir::setCurrent(m_frame->program().dataFolder);
    loadPersonalSettings();
    shell.TodayText = shortDateText(today(), shell.DateForm);
}

void MainMenu::showRichHelp() {
    openHelp(kHelpRichFile, 1, this);
}

void MainMenu::showUseHelp() {
    openHelp(kHelpUseFile, 2, this);
}

void MainMenu::showAbout() {
    AboutBox about(this);
    runModal(&about);
}

void MainMenu::personalize() {
    SettingsDialog settings(m_frame->program(), this);
    runModal(&settings);
    showUserName();
}

void MainMenu::exitProgram() {
    QCoreApplication::exit(0);
}

QPushButton* MainMenu::button(const QString& name) const {
    return m_buttons.value(name);
}

namespace {

QMap<QString, MainMenu::FileOpener>& fileOpeners() {
    static QMap<QString, MainMenu::FileOpener> registered;
    return registered;
}

} // namespace

void MainMenu::registerFileOpener(const QString& suffix, FileOpener opener) {
    fileOpeners()[suffix.toLower()] = std::move(opener);
}

bool MainMenu::openFile(const QString& path) {
    const auto opener = fileOpeners().find(QFileInfo(path).suffix().toLower());
    if (opener == fileOpeners().end() || !hasWindow(opener->window)) {
        showMessage(Msg::BadFile, this);
        return false;
    }
    QWidget* window = makeWindow(opener->window, m_frame->program());
    m_frame->openTask(window);
    if (opener->load(window, QFileInfo(path).absoluteFilePath())) {
        rememberFile(QFileInfo(path).suffix().toLower(), QFileInfo(path).absoluteFilePath());
        return true;
    }
    m_frame->returnToMenu();
    return false;
}

void MainMenu::openWindow(TaskWindow window) {
    if (QWidget* task = makeWindow(window, m_frame->program())) m_frame->openTask(task);
}

// The menu steps aside while a modal window of its own is open.
void MainMenu::runModal(QDialog* dialog) {
    // Hiding the menu takes the focus from the button that opened the window: it goes back there.
    const QPointer<QWidget> opener = QApplication::focusWidget();
    parentWidget()->hide();
    dialog->exec();
    parentWidget()->show();
    m_frame->placeCurrentChild();
    if (opener && isAncestorOf(opener)) opener->setFocus(Qt::OtherFocusReason);
}

void MainMenu::loadPersonalSettings() {
    ShellState& shell = m_frame->program().shell;
    const auto settings = readPersonalSettings(ss(m_frame->program().settingsPath()));
    if (!settings) {
        shell.PageLines = 53; // a missing or damaged file leaves the settings as they were
        return;
    }
    shell.CurrencySymbol = settings->CurrencySymbol;
    shell.PrinterFontChoice = settings->PrinterFontChoice;
    shell.UserName = settings->UserName;
    showUserName();
}

void MainMenu::showUserName() {
    const QString name = qs(m_frame->program().shell.UserName);
    m_name->setText(name);
    m_name->setVisible(!name.isEmpty());
}

} // namespace brisk
