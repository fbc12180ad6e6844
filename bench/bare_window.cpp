// The yardstick for start-up time: a bare Qt program that shows one empty window and leaves once it
// has been drawn.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {
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
    QWidget window;
    window.resize(641, 454);
    window.installEventFilter(new QuitOnFirstPaint(&window));
    window.show();
    return application.exec();
}
