// The mortgage window's three dialogs from the keyboard: what OK, Escape and the close button leave
// behind, where Tab goes out of an amount cell, the days option the focus starts on, and the show
// payments option however it is changed.
#include "app/ui/entry_box.h"
#include "app/ui/main_window.h"
#include "app/ui/result_grid.h"
#include "mortgage/ui/mortgage_dialogs.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"
#include "support/ui_support.h"

#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace brisk;

namespace {

const Date kMarchFirst{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(1)};

// The widget keys go to: the focus widget of `dialog`, or the dialog itself.
QWidget* keyTarget(QWidget* dialog) {
    return dialog->focusWidget() ? dialog->focusWidget() : dialog;
}

// The cell editor open in `grid` now (an editor just closed is hidden until it goes); none: nullptr.
QLineEdit* openEditor(ResultGrid* grid) {
    for (QLineEdit* editor : grid->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return nullptr;
}

} // namespace

class TestMortgageDialogs : public testing::WindowTest {
    Q_OBJECT

    MortgageWindow* open() { return openFromMenu<MortgageWindow>("Canadian"); }

    // Clicks `button`, lets `act` work the dialog named `name` it opens and close it, and returns the
    // text of a message box shown after the dialog closed (closed again), empty when none. A dialog
    // that `act` left open (a failed check) is closed, so that a failure never blocks the test.
    static QString answerDialog(QWidget* w, const char* button, const QString& name,
                                const std::function<void(QDialog*)>& act) {
        QString message;
        QString opened;
        testing::whenModal([&](QWidget* window) {
            opened = window->objectName();
            if (opened == name) act(static_cast<QDialog*>(window));
            testing::whenModal([&](QWidget* box) {
                const auto* text = box->findChild<QPlainTextEdit*>("TextMsg");
                message = text ? text->toPlainText() : "window " + box->objectName();
                box->close();
            });
            if (window->isVisible()) window->close();
        });
        w->findChild<QPushButton*>(button)->click();
        if (opened != name) return "no " + name + " but " + opened;
        return message;
    }

  private slots:
    void initTestCase() { registerMortgageWindows(); }

    // Whatever was typed or chosen, leaving a dialog with Escape or its close button leaves the
    // inputs and the schedule as they were, and calculates nothing (a wrong entry typed meanwhile on
    // the window says nothing either).
    void cancellingADialogChangesNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("escape");  // else the close button
        QTest::addColumn<QString>("rate"); // typed on the window before the dialog opens
        QTest::newRow("additional payments, Escape") << "MAddPrePay" << true << "0";
        QTest::newRow("additional payments, close") << "MAddPrePay" << false << "7";
        QTest::newRow("days in year, Escape") << "MShowIRF" << true << "7";
        QTest::newRow("days in year, close") << "MShowIRF" << false << "0";
        QTest::newRow("payment date, Escape") << "MDateNumber" << true << "0";
        QTest::newRow("payment date, close") << "MDateNumber" << false << "7";
    }
    void cancellingADialogChangesNothing() {
        QFETCH(QString, button);
        QFETCH(bool, escape);
        QFETCH(QString, rate);
        MortgageWindow* w = open();
        QVERIFY(w);
        testing::documentOf<MortgageWindow>().inputs.StartDate = kMarchFirst;
        w->findChild<QRadioButton*>("Option1")->click();
        w->calculate();
        QCOMPARE(w->gridText(1, 1), QString("843.75")); // the first month's interest at 10.125%
        testing::typeAndLeave(w->findChild<EntryBox*>("InRate"), rate);

        const QString name = button == "MAddPrePay" ? "MortPrePay"
                             : button == "MShowIRF" ? "MortIRFTable"
                                                    : "MortDateInput";
        const QString message = answerDialog(w, qPrintable(button), name, [&](QDialog* dialog) {
            QVERIFY(testing::activate(dialog));
            if (name == "MortPrePay") {
                auto* grid = dialog->findChild<ResultGrid*>("PGrid");
                grid->setFocus();
                grid->setCurrentCell(2, 1);
                QTest::keyClicks(grid, "5");
                QVERIFY(openEditor(grid));
                QTest::keyClicks(openEditor(grid), "000");
                QTest::keyClick(openEditor(grid), Qt::Key_Return);
                QCoreApplication::processEvents(); // the view commits an edit after the key
                QCOMPARE(grid->grid()->text(2, 1), QString("5,000.00"));
                QTest::keyClick(openEditor(grid), Qt::Key_Escape); // the next cell's editor only
                QVERIFY(dialog->isVisible());
                testing::typeAndLeave(dialog->findChild<EntryBox*>("InPercent"), "5");
            } else if (name == "MortIRFTable") {
                QTest::keyClick(keyTarget(dialog), Qt::Key_Down); // 364 days
                QVERIFY(dialog->findChild<QRadioButton*>("IRFactor2")->isChecked());
            } else {
                QTest::keyClicks(keyTarget(dialog), "1/31/2002");
                QTest::keyClick(keyTarget(dialog), Qt::Key_Return); // on to OK: the date is stored
                QCOMPARE(keyTarget(dialog)->objectName(), QString("OkExit"));
            }
            if (escape)
                QTest::keyClick(keyTarget(dialog), Qt::Key_Escape);
            else
                dialog->close();
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(message, QString());
        const MortgageInputs& in = testing::documentOf<MortgageWindow>().inputs;
        QCOMPARE(in.ExtraPayments[2].amount, Currency());
        QCOMPARE(in.ExtraPercent, 0.0f);
        QCOMPARE(in.ExtraPaymentCount, 0);
        QCOMPARE(in.DaysChoice, 1);
        QVERIFY(in.StartDate == kMarchFirst);
        QVERIFY(!in.ViewDates);
        QCOMPARE(w->findChild<QPushButton*>("MDateNumber")->text(), QString("&View payment date"));
        QCOMPARE(w->gridText(0, 0), QString("  Payment   No.  Year"));
        QCOMPARE(w->gridText(1, 1), QString("843.75"));
        QVERIFY(w->findChild<QLabel*>("AddPmtsOn")->palette().color(QPalette::Window) != QColor(248, 0, 0));
    }

    // A first payment date never set is not set by opening the date dialog and leaving it.
    void escapeInTheDateInputKeepsADateNeverSet() {
        MortgageWindow* w = open();
        QVERIFY(w);
        const QString message = answerDialog(w, "MDateNumber", "MortDateInput", [](QDialog* dialog) {
            QVERIFY(testing::activate(dialog));
            QTest::keyClicks(keyTarget(dialog), "1/31/2002"); // not left: Escape straight away
            QTest::keyClick(keyTarget(dialog), Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(message, QString());
        QVERIFY(!testing::documentOf<MortgageWindow>().inputs.StartDate);
        QCOMPARE(w->findChild<QPushButton*>("MDateNumber")->text(), QString("&View payment date"));
    }

    // OK keeps the date typed, whether the box was left first or not (a screen reader presses OK
    // without moving the focus).
    void okInTheDateInputKeepsTheDateTyped_data() {
        QTest::addColumn<bool>("leave");
        QTest::newRow("box left with Enter, OK clicked") << true;
        QTest::newRow("box not left, OK pressed by a screen reader") << false;
    }
    void okInTheDateInputKeepsTheDateTyped() {
        QFETCH(bool, leave);
        MortgageWindow* w = open();
        QVERIFY(w);
        const QString message = answerDialog(w, "MDateNumber", "MortDateInput", [&](QDialog* dialog) {
            QVERIFY(testing::activate(dialog));
            QTest::keyClicks(keyTarget(dialog), "1/31/2002");
            auto* ok = dialog->findChild<QPushButton*>("OkExit");
            if (leave) {
                QTest::keyClick(keyTarget(dialog), Qt::Key_Return);
                ok->click();
            } else {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(ok);
                QVERIFY(face && face->actionInterface());
                face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                QTRY_VERIFY(!dialog->isVisible()); // pressed as a click shown on screen
            }
        });
        QCOMPARE(message, QString());
        QVERIFY(testing::documentOf<MortgageWindow>().inputs.StartDate ==
                (Date{std::chrono::year(2002), std::chrono::month(1), std::chrono::day(31)}));
        QVERIFY(testing::documentOf<MortgageWindow>().inputs.ViewDates);
        QCOMPARE(w->findChild<QPushButton*>("MDateNumber")->text(), QString("&View payment No."));
    }

    // The same for a payment increase typed and not left.
    void okInAdditionalPaymentsKeepsTheIncreaseTyped() {
        MortgageWindow* w = open();
        QVERIFY(w);
        const QString message = answerDialog(w, "MAddPrePay", "MortPrePay", [](QDialog* dialog) {
            QVERIFY(testing::activate(dialog));
            auto* percent = dialog->findChild<EntryBox*>("InPercent");
            percent->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(percent, "2.5");
            QAccessibleInterface* face =
                QAccessible::queryAccessibleInterface(dialog->findChild<QPushButton*>("UsePrePay"));
            QVERIFY(face && face->actionInterface());
            face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(!dialog->isVisible());
        });
        QCOMPARE(message, QString());
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPercent, 0.025f);
        QCOMPARE(w->findChild<QLabel*>("AddPmtsOn")->palette().color(QPalette::Window), QColor(248, 0, 0));
    }

    // Tab and Shift+Tab in an amount cell being edited keep the amount typed and leave the grid as
    // they leave it when no cell is edited; Enter keeps it and edits the cell below. The keys typed
    // next go where the focus went.
    void keysThatEndAnAmountCell_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("focus");  // the focus widget after the key
        QTest::addColumn<QString>("second"); // the second year's amount after typing 7 and Enter
        QTest::addColumn<float>("percent");  // the payment increase kept by OK
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << "PGrid"
                               << "7.00" << 0.0f;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << "InPercent"
                             << ".00" << 0.07f;
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "DoNotUse"
                                   << ".00" << 0.0f;
    }
    void keysThatEndAnAmountCell() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, focus);
        QFETCH(QString, second);
        QFETCH(float, percent);
        MortgageWindow* w = open();
        QVERIFY(w);
        QString first, secondShown, focused;
        bool editing = true;
        const QString message = answerDialog(w, "MAddPrePay", "MortPrePay", [&](QDialog* dialog) {
            QVERIFY(testing::activate(dialog));
            auto* grid = dialog->findChild<ResultGrid*>("PGrid");
            grid->setFocus();
            grid->setCurrentCell(1, 1);
            QTest::keyClicks(grid, "2");
            QVERIFY(openEditor(grid));
            QTest::keyClicks(openEditor(grid), "50");
            QTest::keyClick(openEditor(grid), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCoreApplication::processEvents();
            QWidget* now = QApplication::focusWidget();
            focused = now == openEditor(grid) ? "PGrid" : now ? now->objectName() : "nothing";
            editing = focus != "PGrid" && openEditor(grid);
            if (focus != "DoNotUse") { // a key typed into a button is not typed
                QTest::keyClicks(QApplication::focusWidget(), "7");
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QCoreApplication::processEvents();
            }
            first = grid->grid()->text(1, 1);
            secondShown = grid->grid()->text(2, 1);
            static_cast<ExtraPaymentsDialog*>(dialog)->keepExtraPayments();
        });
        QCOMPARE(message, QString());
        QCOMPARE(focused, focus);
        QVERIFY(!editing);
        QCOMPARE(first, QString("250.00"));
        QCOMPARE(secondShown, second);
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPayments[1].amount,
                 Currency::fromWhole(250));
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPercent, percent);
    }

    // Back in the grid after Tab, typing edits the cell that was current.
    void afterTabTheGridIsTypedInAgain() {
        MortgageWindow* w = open();
        QVERIFY(w);
        answerDialog(w, "MAddPrePay", "MortPrePay", [&](QDialog* dialog) {
            QVERIFY(testing::activate(dialog));
            auto* grid = dialog->findChild<ResultGrid*>("PGrid");
            grid->setFocus();
            grid->setCurrentCell(3, 1);
            QTest::keyClicks(grid, "1");
            QTest::keyClick(openEditor(grid), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("InPercent"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), grid);
            QTest::keyClicks(grid, "9");
            QVERIFY(openEditor(grid));
            QTest::keyClick(openEditor(grid), Qt::Key_Tab);
            static_cast<ExtraPaymentsDialog*>(dialog)->keepExtraPayments();
        });
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPayments[3].amount,
                 Currency::fromWhole(9));
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPaymentCount, 1);
    }

    // The focus starts on the option in use, so that Space keeps it; the arrows walk the options, and
    // what they choose counts from E&xit on.
    void daysInYearStartsOnTheCheckedOption_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("key"); // pressed after Space
        QTest::addColumn<int>("kept");
        QTest::newRow("365.25, Down") << 0 << int(Qt::Key_Down) << 1;
        QTest::newRow("365, Up") << 1 << int(Qt::Key_Up) << 0;
        QTest::newRow("364, Down") << 2 << int(Qt::Key_Down) << 3;
        QTest::newRow("363, Up") << 3 << int(Qt::Key_Up) << 2;
    }
    void daysInYearStartsOnTheCheckedOption() {
        QFETCH(int, choice);
        QFETCH(int, key);
        QFETCH(int, kept);
        MortgageWindow* w = open();
        QVERIFY(w);
        testing::documentOf<MortgageWindow>().inputs.DaysChoice = choice;
        QString focused;
        int afterSpace = -1;
        const QString message = answerDialog(w, "MShowIRF", "MortIRFTable", [&](QDialog* dialog) {
            QVERIFY(testing::activate(dialog));
            focused = keyTarget(dialog)->objectName();
            QTest::keyClick(keyTarget(dialog), Qt::Key_Space);
            for (int c = 0; c < 4; ++c)
                if (dialog->findChild<QRadioButton*>(QString("IRFactor%1").arg(c))->isChecked())
                    afterSpace = c;
            QTest::keyClick(keyTarget(dialog), Qt::Key(key));
            QCOMPARE(testing::documentOf<MortgageWindow>().inputs.DaysChoice, choice); // not before E&xit
            QTest::keyClick(keyTarget(dialog), Qt::Key_X, Qt::AltModifier);
            QTRY_VERIFY(!dialog->isVisible()); // the button shows itself pressed first
        });
        QCOMPARE(message, QString());
        QCOMPARE(focused, QString("IRFactor%1").arg(choice));
        QCOMPARE(afterSpace, choice);
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.DaysChoice, kept);
    }

    // All and Annual recalculate however the option changes: a click, a program, a screen reader.
    void theShownPaymentsFollowTheOption_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("screen reader") << "accessible";
        QTest::newRow("setChecked") << "setChecked";
    }
    void theShownPaymentsFollowTheOption() {
        QFETCH(QString, how);
        MortgageWindow* w = open();
        QVERIFY(w);
        w->calculate();
        QCOMPARE(w->gridText(0, 0), QString(" Payment  Year"));
        const auto choose = [&](const char* name) {
            auto* option = w->findChild<QRadioButton*>(name);
            if (how == "setChecked") {
                option->setChecked(true);
            } else {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(option);
                QVERIFY(face && face->actionInterface());
                face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            }
            QVERIFY(option->isChecked());
        };
        choose("Option1");
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.CalcMode, ShowPayments::All);
        QCOMPARE(w->gridText(0, 0), QString("  Payment   No.  Year"));
        QCOMPARE(w->gridText(1, 0), QString("   1   1"));
        QCOMPARE(w->gridText(300, 3), QString(".00")); // 25 years of 12 payments
        choose("Option2");
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.CalcMode, ShowPayments::Annual);
        QCOMPARE(w->gridText(0, 0), QString(" Payment  Year"));
        QCOMPARE(w->gridText(27, 0), QString("Total:")); // two rows below year 25
    }

    // A screen reader tells the additional payments grid from the schedule's.
    // A dialog left with Escape gives back nothing; left with OK, what it shows.
    void aDialogGivesBackWhatItEdited_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("OK") << false;
        QTest::newRow("Escape") << true;
    }
    void aDialogGivesBackWhatItEdited() {
        QFETCH(bool, escape);
        ExtraPaymentsDialog payments(MortgageInputs::defaults(MortgageKind::Mortgage));
        testing::whenModalOf<ExtraPaymentsDialog>([escape](ExtraPaymentsDialog* dialog) {
            testing::typeAndLeave(dialog->findChild<EntryBox*>("InPercent"), "5");
            if (escape)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->keepExtraPayments();
        });
        const auto edited = payments.ask();
        QCOMPARE(edited.has_value(), !escape);
        if (edited) QCOMPARE(edited->ExtraPercent, 0.05f);

        StartDateDialog date(std::nullopt, kMarchFirst, shortDateFormFromPattern("M/d/yyyy"));
        testing::whenModalOf<StartDateDialog>([escape](StartDateDialog* dialog) {
            testing::typeAndLeave(dialog->findChild<EntryBox*>("InDate"), "1/31/2002");
            if (escape)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->accept();
        });
        const auto chosen = date.ask();
        QCOMPARE(chosen.has_value(), !escape);
        if (chosen)
            QVERIFY(*chosen == Date(std::chrono::year(2002), std::chrono::month(1), std::chrono::day(31)));
    }

    void theAdditionalPaymentsGridHasItsOwnName() {
        MortgageWindow* w = open();
        QVERIFY(w);
        ExtraPaymentsDialog dialog(w->document().inputs, w);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(dialog.grid());
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), QString("Additional payments by year"));
    }
};

QTEST_MAIN(TestMortgageDialogs)
#include "test_mortgage_dialogs.moc"
