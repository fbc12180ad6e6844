// The retirement planners' windows: options, defaults, limits, the grid and the hand-over.
#include "app/ui/entry_box.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "retirement/ui/retirement_document.h"
#include "retirement/ui/retirement_windows.h"
#include "support/ui_support.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace brisk;

class TestRetirementWindows : public testing::WindowTest {
    Q_OBJECT

    static QString* captureMessage() {
        static QString text;
        text.clear();
        testing::whenModal([](QWidget* box) {
            text = box->findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
            box->close();
        });
        return &text;
    }

  private slots:
    void initTestCase() { registerRetirementWindows(); }

    void percentageThenFixedAmount() {
        auto* w = openFromMenu<RetirementWindow>("Retirement");
        QCOMPARE(m_frame->windowTitle(), QString(" Retirement Calculations"));
        w->calculate();
        QCOMPARE(w->gridRows(), 25);
        QCOMPARE(w->gridText(1, 1), QString("50,000.00"));
        QCOMPARE(w->gridText(22, 0), QString("Total:"));
        QCOMPARE(testing::chartOf(w).GraphPointCount, 20);
        w->findChild<QRadioButton*>("Option2")->click();
        QVERIFY(testing::documentOf<RetirementWindow>().inputs.option == RetireOption::Fixed);
        QCOMPARE(w->findChild<EntryBox*>("InInvest")->text(), QString("  $100,000.00"));
        QCOMPARE(w->findChild<EntryBox*>("InTerm")->text(), QString("             .00%"));
        QCOMPARE(w->gridText(1, 1), QString()); // the change emptied the table
        QCOMPARE(testing::chartOf(w).GraphPointCount, 0);
        w->calculate();
        // 1,000 a month from 100,000 at 10%: an annuity of about 201 months, so 16 years and a part.
        QCOMPARE(testing::chartOf(w).GraphPointCount, 17);
        QCOMPARE(w->gridRows(), 25);
        QCOMPARE(w->gridText(17, 3), QString(".00"));
        QCOMPARE(testing::chartOf(w).GraphTitle, std::string("Retirement value at start of each Year"));
    }

    void theLimitsAndTheCannotCompleteMessage() {
        auto* w = openFromMenu<RetirementWindow>("Retirement");
        QString* message = captureMessage();
        typeInto(w, "InTerm", "51");
        QCOMPARE(*message, QString("Wrong entry, 50 Years limit."));
        QCOMPARE(testing::documentOf<RetirementWindow>().inputs.years, Years::fromWhole(50));
        message = captureMessage();
        typeInto(w, "InRateDrawn", "100");
        w->calculate();
        QCOMPARE(*message, QString("Unknown error. Cannot complete."));
        QCOMPARE(testing::chartOf(w).GraphPointCount, 0);
        QCOMPARE(w->gridText(1, 1), QString());
    }

    void capitalRequiredBothOptions() {
        auto* w = openFromMenu<CapitalRequiredWindow>("CapReq");
        QCOMPARE(m_frame->windowTitle(), QString(" Capital Required"));
        w->calculate();
        QCOMPARE(w->gridText(25, 3), QString("100,000.00"));
        w->findChild<QRadioButton*>("CRCapitalChoices1")->click();
        QCOMPARE(w->findChild<EntryBox*>("InLumpInv")->text(), QString("   $40,000.00"));
        typeInto(w, "InRate", "20");
        w->calculate();
        QCOMPARE(w->gridText(25, 3), QString("200,000.00"));
        QString* message = captureMessage();
        typeInto(w, "InRate", "0");
        w->calculate();
        QCOMPARE(*message, QString("Wrong or missing entry, try again."));
        QCOMPARE(testing::chartOf(w).GraphPointCount, 0);
    }

    void plan401kStartsBelowTheBalanceRow() {
        auto* w = openFromMenu<Plan401kWindow>("Plan401");
        QCOMPARE(m_frame->windowTitle(), QString(" 401(k) Investment Growth Calculations"));
        w->calculate();
        QCOMPARE(w->gridText(1, 4), QString("10,000.00"));
        QCOMPARE(w->gridText(2, 0), QString("1"));
        QCOMPARE(w->gridText(2, 2), QString("4,500.00"));
        QCOMPARE(w->gridText(28, 0), QString("Total:"));
        typeInto(w, "InCurrBal", "0");
        w->calculate();
        QCOMPARE(w->gridText(1, 0), QString("1"));
        QCOMPARE(w->gridText(27, 0), QString("Total:"));
    }

    void nothingCalculatedRefusesThePrintout() {
        auto* w = openFromMenu<Plan401kWindow>("Plan401");
        QString* message = captureMessage();
        w->findChild<QPushButton*>("KPrinter")->click();
        QCOMPARE(*message, QString("No data to print. Calculate."));
    }
};

QTEST_MAIN(TestRetirementWindows)
#include "test_retirement_windows.moc"
