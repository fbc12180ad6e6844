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

namespace brisk {

namespace {

QMap<QString, MainMenu::Opener>& openers() {
    static QMap<QString, MainMenu::Opener> map;
    return map;
}

} // namespace

void MainMenu::registerWindow(const QString& windowName, Opener opener) {
    openers()[windowName] = std::move(opener);
}
bool MainMenu::hasWindow(const QString& windowName) {
    return openers().contains(windowName);
}
QWidget* MainMenu::makeWindow(const QString& windowName) {
    const auto opener = openers().value(windowName);
    return opener ? opener() : nullptr;
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
    addButton("Savings", "Planning your &Savings", 0, 0);
    addButton("Plan401", "Planning your &401(k)", 1, 0);
    addButton("Retirement", "Planning your &Retirement", 2, 0);
    addButton("SavComp", "Savings &Comparisons", 3, 0);
    addButton("CapReq", "Amount of Capital R&equired", 4, 0);
    addButton("LoanPmt", "&Payment on a Loan", 5, 0);
    addButton("Canadian", "&Mortgage", 6, 0);
    addButton("Ratios", "&Brisklane Menu", 0, 1);
    addButton("CompCompare", "&Find Annual Compound Growth", 1, 1);
    addButton("HowGetRich", "&How to Get Rich and Stay Rich", 2, 1);
    addButton("HowtoUse", "How to Use the &Program", 3, 1);
    addButton("About", "&About...", 4, 1);
    addButton("PtrFnt", "Personalize &Settings", 5, 1);
    addButton("Exit", "E&xit Program", 6, 1);
    for (auto* b : m_buttons)
        buttons->addWidget(b, b->property("row").toInt(), b->property("column").toInt());
    // Tab order: down the left column, then down the right one.
    QWidget* previous = nullptr;
    for (const char* name : {"Savings", "Plan401", "Retirement", "SavComp", "CapReq", "LoanPmt", "Canadian",
                             "Ratios", "CompCompare", "HowGetRich", "HowtoUse", "About", "PtrFnt", "Exit"}) {
        if (previous) setTabOrder(previous, m_buttons[name]);
        previous = m_buttons[name];
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(770), twips(300), twips(770), twips(300));
    layout->addWidget(title);
    layout->addWidget(m_name);
    layout->addSpacing(twips(120));
    layout->addLayout(buttons);
    layout->addStretch();

    auto connectTask = [this](const char* button, const QString& window, std::function<void()> mode = {}) {
        connect(m_buttons[button], &QPushButton::clicked, this, [this, window, mode] {
            if (mode) mode();
            openWindow(window);
        });
        m_buttons[button]->setEnabled(openers().contains(window));
    };
    ShellState& shell = program().shell;
    connectTask("Savings", "SavingsCalc", [&shell] { shell.CalcMode = PlannerMode::Planning; });
    connectTask("SavComp", "SavingsCalc", [&shell] { shell.CalcMode = PlannerMode::Comparisons; });
    connectTask("Plan401", "Plan401KCalc");
    connectTask("Retirement", "RetireCalc");
    connectTask("CapReq", "CapitalReqdCalc");
    connectTask("LoanPmt", "MortgageCalc", [&shell] { shell.MortgageMode = MortgageKind::Loan; });
    connectTask("Canadian", "MortgageCalc", [&shell] { shell.MortgageMode = MortgageKind::Mortgage; });
    connectTask("Ratios", "Trendmenu");
    connectTask("CompCompare", "FindCompoundCalc");
    connect(m_buttons["HowGetRich"], &QPushButton::clicked, this,
            [this] { openHelp(kHelpRichFile, 1, this); });
    connect(m_buttons["HowtoUse"], &QPushButton::clicked, this, [this] { openHelp(kHelpUseFile, 2, this); });
    connect(m_buttons["About"], &QPushButton::clicked, this, [this] {
        AboutBox about(this);
        runModal(&about);
    });
    connect(m_buttons["PtrFnt"], &QPushButton::clicked, this, [this] {
        SettingsDialog settings(this);
        runModal(&settings);
        showUserName();
    });
    connect(m_buttons["Exit"], &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });

    // Start-up: the caption, the working folder, the settings and today's date.
    frame->setWindowTitle(kMenuCaption);
    QDir::setCurrent(program().dataFolder);
    loadPersonalSettings();
    shell.TodayText = shortDateText(today(), shell.DateForm);
}

void MainMenu::addButton(const QString& name, const QString& caption, int row, int column) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setMinimumSize(twipSize(3030, 400));
    b->setProperty("row", row);
    b->setProperty("column", column);
    m_buttons[name] = b;
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
    if (opener == fileOpeners().end() || !hasWindow(opener->windowName)) {
        showMessage(Msg::BadFile, this);
        return false;
    }
    if (opener->prepare) opener->prepare();
    QWidget* window = makeWindow(opener->windowName);
    m_frame->openTask(window);
    if (opener->load(window, QFileInfo(path).absoluteFilePath())) {
        rememberFile(QFileInfo(path).suffix().toLower(), QFileInfo(path).absoluteFilePath());
        return true;
    }
    m_frame->returnToMenu();
    return false;
}

void MainMenu::openWindow(const QString& windowName) {
    if (QWidget* task = makeWindow(windowName)) m_frame->openTask(task);
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
    ShellState& shell = program().shell;
    const auto settings = readPersonalSettings(ss(program().settingsPath()));
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
    const QString name = qs(program().shell.UserName);
    m_name->setText(name);
    m_name->setVisible(!name.isEmpty());
}

} // namespace brisk
