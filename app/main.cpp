// Brisklane: the desktop program.
#include "app/core/version.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/program_state.h"
#include "charts/ui/chart_windows.h"
#include "growth/ui/growth_document.h"
#include "mortgage/ui/mortgage_document.h"
#include "retirement/ui/retirement_document.h"
#include "valuedb/ui/database_windows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace {

// For start-up timing: leaves once the main menu has been drawn for the first time.
class QuitOnFirstPaint : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

// The options both the desktop and a terminal read; --help and --version print and leave.
void describeOptions(QCommandLineParser& options, const QCommandLineOption& exitWhenShown) {
    QCoreApplication::setApplicationName("Brisklane");
    QCoreApplication::setApplicationVersion(brisk::kVersion);
    options.setApplicationDescription(
        "Brisklane: mortgages and loans, savings, retirement and 401(k) planning, "
        "and a weekly record of your investments' values.");
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(exitWhenShown);
    options.addPositionalArgument("file", "A value database (.zrk), mortgage (.umd) or loan (.uld) to open.",
                                  "[FILE]");
}

} // namespace

int main(int argc, char** argv) {
    const QCommandLineOption exitWhenShown("exit-when-shown",
                                           "Leave once the main menu is drawn (start-up timing).");
    // Printing the help or the version needs no display.
    if (std::any_of(argv + 1, argv + argc, [](const char* a) {
            return std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0 ||
                   std::strcmp(a, "--version") == 0 || std::strcmp(a, "-v") == 0;
        })) {
        QCoreApplication terminal(argc, argv);
        QCommandLineParser options;
        describeOptions(options, exitWhenShown);
        options.process(terminal);
        return 0;
    }
    // Read before QApplication takes the option out of argv.
    const bool styleChosen = brisk::styleChosenByUser(argc, argv);
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(resources); // the icon lives in the windows' static library
    QCommandLineParser options;
    describeOptions(options, exitWhenShown);
    options.process(application);
    // The windows are drawn for Fusion, unless the user asked for another style.
    if (!styleChosen) QApplication::setStyle(QStyleFactory::create("Fusion"));
    brisk::useProgramFont();
    QApplication::setWindowIcon(
        QIcon(":/brisklane/brisklane.png")); // a bitmap: no image plugin to load at start
    QGuiApplication::setDesktopFileName("org.brisklane.Brisklane");
    brisk::initProgram();
    brisk::registerMortgageWindows();
    brisk::registerGrowthWindows();
    brisk::registerRetirementWindows();
    brisk::registerValueDbWindows();
    brisk::registerChartWindows();
    // A window left unregistered would leave its buttons doing nothing: refuse to start instead.
    if (const QStringList missing = brisk::MainMenu::missingWindows(); !missing.isEmpty())
        qFatal("No subsystem makes these windows: %s", qPrintable(missing.join(", ")));
    brisk::MainFrame frame(brisk::program());
    if (options.isSet(exitWhenShown)) frame.menu()->installEventFilter(new QuitOnFirstPaint(&frame));
    frame.show();
    // A file named by the desktop (or the user) opens once the main menu is up.
    if (const QStringList files = options.positionalArguments(); !files.isEmpty())
        QTimer::singleShot(0, &frame, [&frame, file = files.first()] { frame.menu()->openFile(file); });
    return application.exec();
}
