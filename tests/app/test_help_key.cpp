// F1 opens the help from every window and dialog of the program, and the help then takes the
// user's clicks even over a modal dialog.
#include "app/ui/header_input.h"
#include "app/ui/help_viewer.h"
#include "app/ui/message_box.h"
#include "growth/ui/growth_document.h"
#include "support/ui_support.h"

#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <functional>
#include <memory>

using namespace brisk;

namespace {

HelpViewer* shownHelp() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* viewer = qobject_cast<HelpViewer*>(window); viewer && viewer->isVisible()) return viewer;
    return nullptr;
}

// F1 in `window`, where its keyboard is: the help opens at "How to Use the Program", and its Close
// button, clicked, closes it. Empty when so, else what went wrong.
QString f1OpensTheHelpIn(QWidget* window) {
    if (!testing::activate(window)) return "the window did not become active";
    QWidget* keyboard = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(keyboard, Qt::Key_F1);
    if (!QTest::qWaitFor([] { return shownHelp() != nullptr; }, 5000)) return "no help shown";
    HelpViewer* viewer = shownHelp();
    if (!viewer->browser()->source().fileName().endsWith(kHelpUseFile))
        return "the help shows " + viewer->browser()->source().toString();
    // A modal dialog takes input from every window but its own (the offscreen platform lets clicks
    // through regardless).
    bool ownedByWindow = false;
    for (QWidget* owner = viewer->parentWidget(); owner; owner = owner->parentWidget())
        ownedByWindow = ownedByWindow || owner == window;
    if (window->isModal() && !ownedByWindow) return "the help is blocked by the dialog";
    QPushButton* close = viewer->findChild<QPushButton*>();
    QTest::mouseClick(close, Qt::LeftButton);
    if (!QTest::qWaitFor([viewer] { return !viewer->isVisible(); }, 5000)) return "the help took no click";
    return {};
}

} // namespace

class TestHelpKey : public testing::WindowTest {
    Q_OBJECT

  private slots:
    void initTestCase() { registerGrowthWindows(); }
    void init() {
        WindowTest::init();
        QVERIFY(testing::activate(frame()));
    }

    void f1InAWindowOpensTheHelp_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("main menu") << "menu";
        QTest::newRow("a calculator") << "Savings";
    }
    void f1InAWindowOpensTheHelp() {
        QFETCH(QString, window);
        if (window != "menu") m_frame->menu()->button(window)->click();
        QWidget* current = m_frame->currentTask() ? m_frame->currentTask() : m_frame->menu();
        current->setFocus();
        const QString failed = f1OpensTheHelpIn(m_frame.get());
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void f1InADialogOpensTheHelp_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("helpOpen"); // the help was opened from the menu before
        QTest::newRow("personal settings") << "PtrFnt" << false;
        QTest::newRow("about box") << "About" << false;
        QTest::newRow("printout header") << "header" << false;
        QTest::newRow("message box") << "message" << false;
        QTest::newRow("message box, the help open") << "message" << true;
    }
    void f1InADialogOpensTheHelp() {
        QFETCH(QString, dialog);
        QFETCH(bool, helpOpen);
        if (helpOpen) {
            QTest::mouseClick(m_frame->menu()->button("HowtoUse"), Qt::LeftButton);
            QVERIFY(shownHelp());
        }
        QString failed = "no dialog";
        QString shown;
        testing::whenModal([&](QWidget* modal) {
            shown = modal->objectName();
            failed = f1OpensTheHelpIn(modal);
            modal->close();
        });
        if (dialog == "header")
            askPrintHeader(m_frame.get());
        else if (dialog == "message")
            showMessage(Msg(1), m_frame->menu());
        else
            m_frame->menu()->button(dialog)->click();
        QVERIFY2(failed.isEmpty(), qPrintable(shown + ": " + failed));
    }
};

QTEST_MAIN(TestHelpKey)
#include "test_help_key.moc"
