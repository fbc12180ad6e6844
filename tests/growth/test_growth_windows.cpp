// The growth planner and the finder as a user works them.
#include "app/ui/entry_box.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "charts/ui/chart_view.h"
#include "charts/ui/chart_windows.h"
#include "growth/ui/growth_document.h"
#include "growth/ui/growth_windows.h"
#include "support/ui_support.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace brisk;

class TestGrowthWindows : public testing::WindowTest {
    Q_OBJECT

    static void click(QWidget* window, const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // The name of the modal window that `act` opens (closed again), with its message if it is the
    // message box; empty when none opens.
    static QString modalShownBy(const std::function<void()>& act) {
        QString shown;
        testing::whenModal([&shown](QWidget* modal) {
            shown = modal->objectName();
            if (auto* text = modal->findChild<QPlainTextEdit*>("TextMsg"))
                shown += ": " + text->toPlainText();
            modal->close();
        });
        act();
        return shown;
    }
  private slots:
    void initTestCase() {
        registerGrowthWindows();
        registerChartWindows();
    }

    void planningDefaults() {
        auto* w = openFromMenu<SavingsWindow>("Savings");
        QCOMPARE(m_frame->windowTitle(), QString(" Investment Growth Calculations"));
        w->calculate();
        QCOMPARE(w->gridRows(), 29);
        QCOMPARE(w->gridText(1, 2), QString("240.00"));
        QCOMPARE(w->gridText(25, 3), QString("679,652.79"));
        QCOMPARE(w->gridText(26, 0), QString());
        QCOMPARE(w->gridText(27, 0), QString("Total:"));
        QCOMPARE(w->gridText(27, 1), QString("$30,000.00"));
        QCOMPARE(testing::chartOf(w).GraphPointCount, 25);
        QCOMPARE(testing::chartOf(w).GraphTitle, std::string("Investment value at end of each Year"));
    }

    void theGridFollowsTheFrequencyAndTerm_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("totalRow");
        QTest::addColumn<QString>("heading");
        QTest::newRow("annual 10") << "Annually"
                                   << "10" << 25 << 12 << " Year  Number";
        QTest::newRow("monthly 1") << "Monthly"
                                   << "1" << 16 << 14 << " Month Number";
        QTest::newRow("quarterly 2") << "Quarterly"
                                     << "2" << 12 << 10 << "Quarter Number";
        QTest::newRow("term 0") << "Annually"
                                << "0" << 25 << 3 << " Year  Number";
    }
    void theGridFollowsTheFrequencyAndTerm() {
        QFETCH(QString, frequency);
        QFETCH(QString, term);
        QFETCH(int, rows);
        QFETCH(int, totalRow);
        QFETCH(QString, heading);
        auto* w = openFromMenu<SavingsWindow>("Savings");
        testing::documentOf<SavingsWindow>().inputs.frequency = *contributionsNamed(ss(frequency));
        typeInto(w, "InTerm", term);
        w->calculate();
        QCOMPARE(w->gridRows(), rows);
        QCOMPARE(w->gridText(totalRow, 0), QString("Total:"));
        QCOMPARE(w->gridText(0, 0), heading);
    }

    // A planning term of 0 computes its one period but ends no year: there is nothing to chart or
    // print. A comparisons example of 0 years is listed like any other, charted and printed.
    void chartAndPrintByTerm_data() {
        QTest::addColumn<bool>("comparisons");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("printing"); // the window To Printer opens
        QTest::addColumn<QString>("graphMessage");
        QTest::addColumn<int>("points"); // drawn by the chart window when it opens
        QTest::newRow("planning, 0 years") << false << "0"
                                           << "AMsgbox: No data to print. Calculate."
                                           << "No data to graph. Calculate." << 0;
        QTest::newRow("planning, 1 year") << false << "1"
                                          << "PrinterHeaderInput" << QString() << 2;
        QTest::newRow("comparisons, 0 years") << true << "0"
                                              << "PrinterHeaderInput" << QString() << 1;
        QTest::newRow("comparisons, 1 year") << true << "1"
                                             << "PrinterHeaderInput" << QString() << 1;
    }
    void chartAndPrintByTerm() {
        QFETCH(bool, comparisons);
        QFETCH(QString, term);
        QFETCH(QString, printing);
        QFETCH(QString, graphMessage);
        QFETCH(int, points);
        auto* w = openFromMenu<SavingsWindow>(comparisons ? "SavComp" : "Savings");
        QVERIFY(w);
        typeInto(w, "InTerm", term);
        click(w, "SCalc");
        // The one period: 1,200 at 20% (lump sum 0).
        if (comparisons)
            QCOMPARE(w->gridText(1, 7), QString("1,440.00"));
        else
            QCOMPARE(w->gridText(3, 0), QString("Total:"));
        QCOMPARE(modalShownBy([&] { click(w, "SPrinter"); }), printing);
        if (!graphMessage.isEmpty()) {
            QCOMPARE(nextMessage([&] { click(w, "SGraphs"); }), graphMessage);
            QCOMPARE(m_frame->currentTask(), w);
            return;
        }
        click(w, "SGraphs");
        auto* chart = qobject_cast<ChartWindow*>(m_frame->currentTask());
        QVERIFY(chart);
        QCOMPARE(chart->chartView()->chart().values.size(), std::size_t(points));
    }

    void editingEmptiesThePlanningTable() {
        auto* w = openFromMenu<SavingsWindow>("Savings");
        w->calculate();
        typeInto(w, "InRate", "10");
        QCOMPARE(w->gridText(1, 1), QString());
        QCOMPARE(testing::chartOf(w).GraphPointCount, 0);
        QCOMPARE(testing::documentOf<SavingsWindow>().inputs.rate, Percent::fromWhole(10));
    }

    void minusSignsInTheIncreaseAndInflationBoxes() {
        auto* w = openFromMenu<SavingsWindow>("Savings");
        typeInto(w, "inInflatRate", "-5");
        QCOMPARE(testing::documentOf<SavingsWindow>().inputs.inflation, Percent::fromWhole(-5));
        typeInto(w, "InRate", "-5"); // the rate box takes no minus
        QCOMPARE(testing::documentOf<SavingsWindow>().inputs.rate, Percent::fromWhole(5));
    }

    void theTermIsLimitedTo40Years() {
        auto* w = openFromMenu<SavingsWindow>("Savings");
        const QString message = nextMessage([&] { typeInto(w, "InTerm", "41"); });
        QCOMPARE(message, QString("Wrong entry, 40 Years limit."));
        QCOMPARE(testing::documentOf<SavingsWindow>().inputs.term, Years::fromWhole(40));
    }

    void comparisonsListUpTo22Examples() {
        auto* w = openFromMenu<SavingsWindow>("SavComp");
        QCOMPARE(m_frame->windowTitle(), QString(" Investment Growth Comparisons"));
        for (int n = 1; n <= 22; ++n)
            w->calculate();
        QCOMPARE(w->gridText(22, 7), QString("679,652.79"));
        QCOMPARE(testing::chartOf(w).labels[2], std::string("Row  3"));
        const QString message = nextMessage([&] { w->calculate(); });
        QCOMPARE(message, QString("Limit is 22 entries."));
        QCOMPARE(testing::documentOf<SavingsWindow>().examples.size(), 22u);
        typeInto(w, "InRate", "10"); // editing keeps the examples
        QCOMPARE(w->gridText(1, 7), QString("679,652.79"));
    }

    void aFailedCalculationCountsNothing() {
        auto* w = openFromMenu<SavingsWindow>("SavComp");
        w->calculate();
        testing::documentOf<SavingsWindow>().inputs.frequency = Contributions::Quarterly;
        testing::documentOf<SavingsWindow>().inputs.increase = Percent::fromWhole(-150);
        const QString message = nextMessage([&] { w->calculate(); });
        QCOMPARE(message, QString("Wrong or missing entry, try again."));
        QCOMPARE(testing::documentOf<SavingsWindow>().examples.size(), 1u);
        QCOMPARE(w->gridText(2, 0), QString());
    }

    void theFinderListsRowsAndItsPrintoutText() {
        auto* w = openFromMenu<CompoundFinderWindow>("CompCompare");
        QCOMPARE(m_frame->windowTitle(), QString(" Find Annual Compound Growth"));
        QCOMPARE(w->findChild<EntryBox*>("InCost")->text(), QString("      $10,000.00"));
        w->calculate();
        QCOMPARE(w->gridText(1, 0), QString("XYZ mutual fund."));
        QCOMPARE(w->gridText(1, 4), QString("14.870%"));
        QCOMPARE(w->gridText(1, 5), QString("100.00%"));
        QCOMPARE(testing::chartOf(w).GraphPointCount, 1);
        QCOMPARE(testing::chartOf(w).charted[0], *Currency::fromDouble(14.8698));
        for (int n = 2; n <= 13; ++n)
            w->calculate();
        const QString message = nextMessage([&] { typeInto(w, "InTerm", "51"); });
        QCOMPARE(message, QString("Wrong entry, 50 Years limit."));
        QCOMPARE(testing::documentOf<CompoundFinderWindow>().inputs.term, Years::fromWhole(50));
        QCOMPARE(w->gridText(1, 4), QString("14.870%")); // rows stay when a field is edited
    }
};

QTEST_MAIN(TestGrowthWindows)
#include "test_growth_windows.moc"
