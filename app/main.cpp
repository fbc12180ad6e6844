// Brisklane: the desktop program.
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/program_state.h"
#include "charts/ui/chart_windows.h"
#include "growth/ui/growth_state.h"
#include "mortgage/ui/mortgage_state.h"
#include "retirement/ui/retirement_state.h"
#include "valuedb/ui/valuedb_state.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>

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

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(resources); // the icon lives in the windows' static library
    QApplication::setApplicationName("Brisklane");
    QApplication::setApplicationVersion("5.5");
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    brisk::useProgramFont();
    QApplication::setWindowIcon(
        QIcon(":/brisklane/brisklane.png")); // a bitmap: no image plugin to load at start
    QGuiApplication::setDesktopFileName("brisklane");
    brisk::initProgram();
    brisk::registerMortgageWindows();
    brisk::registerGrowthWindows();
    brisk::registerRetirementWindows();
    brisk::registerValueDbWindows();
    brisk::registerChartWindows();
    brisk::MDIContainer frame;
    if (application.arguments().contains("--exit-when-shown"))
        frame.menu()->installEventFilter(new QuitOnFirstPaint(&frame));
    frame.show();
    return application.exec();
}
