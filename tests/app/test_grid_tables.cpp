// Every result window's grid holds the table its core describes: a copy of the grid, made with the
// user's keys, holds row for row what a grid given that table alone holds. (How a grid shows and copies
// a table is the result grid's own test.)
#include "app/core/result_table.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/program_state.h"
#include "app/ui/result_grid.h"
#include "growth/core/compound_finder.h"
#include "growth/ui/growth_document.h"
#include "growth/ui/growth_windows.h"
#include "mortgage/core/schedule_text.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"
#include "retirement/core/retirement_plans.h"
#include "retirement/ui/retirement_document.h"
#include "retirement/ui/retirement_windows.h"
#include "support/ui_support.h"
#include "valuedb/core/value_database.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_menu.h"
#include "valuedb/ui/database_windows.h"
#include "valuedb/ui/editor_window.h"

#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace brisk;

namespace {

// What the user does in one window, and the table its core describes for the result.
struct GridCase {
    const char* button; // the main menu's button
    std::function<void(QWidget* window)> work;
    std::function<ResultTable()> table;
    int firstRow = 1;    // the grid row of the table's first row
    bool editor = false; // the database's editor, opened over its menu on the sample
};

QPushButton* buttonText(QWidget* window, const QString& text) {
    for (auto* button : window->findChildren<QPushButton*>())
        if (button->text() == text && button->isVisible()) return button;
    return nullptr;
}

void calculate(QWidget* window) {
    QTest::mouseClick(buttonText(window, "&Calculate"), Qt::LeftButton);
}

using testing::typeInto;

ResultTable schedule() {
    return scheduleTable(*testing::documentOf<MortgageWindow>().result, program().shell.DateForm);
}

ResultTable yearTable(Planner planner) {
    switch (planner) {
    case Planner::Income:
        return yearResultTable(*testing::documentOf<RetirementWindow>().result, planner);
    case Planner::Capital:
        return yearResultTable(*testing::documentOf<CapitalRequiredWindow>().result, planner);
    default:
        return yearResultTable(*testing::documentOf<Plan401kWindow>().result, planner);
    }
}

// The planner's periods with the totals the window shows under them.
ResultTable plan() {
    const SavingsPlan& p = *testing::documentOf<SavingsWindow>().result;
    ResultTable table = planTable(p);
    table.totals = TableRow{{}, p.totalInvested, p.totalInterest(), p.finalValue};
    return table;
}

const std::vector<GridCase>& cases() {
    static const std::vector<GridCase> all = {
        {"Canadian", calculate, schedule},
        {"Canadian",
         [](QWidget* w) {
             calculate(w);
             QTest::mouseClick(w->findChild<QRadioButton*>("Option1"), Qt::LeftButton); // all payments
         },
         schedule},
        {"LoanPmt", calculate, schedule},
        {"Savings",
         [](QWidget* w) {
             testing::documentOf<SavingsWindow>().inputs.frequency =
                 Contributions::Monthly; // as the list box sets it
             typeInto(w, "InTerm", "3");
             calculate(w);
         },
         plan},
        {"SavComp",
         [](QWidget* w) {
             calculate(w);
             typeInto(w, "InRate", "7.5");
             typeInto(w, "InLumpInv", "1234567.89");
             calculate(w);
         },
         [] { return comparisonsTable(testing::documentOf<SavingsWindow>().examples); }},
        {"CompCompare",
         [](QWidget* w) {
             calculate(w);
             typeInto(w, "InCost", "2.38");
             typeInto(w, "InValNow", "5.14");
             calculate(w);
         },
         [] { return finderTable(*testing::documentOf<CompoundFinderWindow>().result); }},
        {"Retirement", calculate, [] { return yearTable(Planner::Income); }},
        {"CapReq", calculate, [] { return yearTable(Planner::Capital); }},
        // The balance brought in stands in a row of its own above the years.
        {"Plan401", calculate, [] { return yearTable(Planner::Plan401k); }, 2},
        {"Ratios", [](QWidget*) {},
         [] { return recordTable(program().frame->findChild<DatabaseMenu*>()->document().database()); }, 1,
         true},
    };
    return all;
}

} // namespace

class TestGridTables : public testing::WindowTest {
    Q_OBJECT

  private slots:
    void initTestCase() {
        registerMortgageWindows();
        registerGrowthWindows();
        registerRetirementWindows();
        registerValueDbWindows();
    }

    void everyGridShowsAndCopiesItsTable_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("mortgage, annual totals") << 0;
        QTest::newRow("mortgage, every payment") << 1;
        QTest::newRow("loan") << 2;
        QTest::newRow("growth plan, monthly") << 3;
        QTest::newRow("growth comparisons") << 4;
        QTest::newRow("compound finder") << 5;
        QTest::newRow("retirement income") << 6;
        QTest::newRow("capital required") << 7;
        QTest::newRow("401(k) with a balance") << 8;
        QTest::newRow("database editor") << 9;
    }
    void everyGridShowsAndCopiesItsTable() {
        QFETCH(int, index);
        const GridCase& c = cases()[index];
        QWidget* window = openFromMenu<QWidget>(c.button);
        QVERIFY(window);
        if (c.editor) {
            QVERIFY(qobject_cast<DatabaseMenu*>(window)->loadFile(
                QDir(program().helpFolder).filePath("Sample.Zrk")));
            m_frame->openOver(new DatabaseEditor(program(), qobject_cast<DatabaseMenu*>(window)->document()));
            window = m_frame->currentTask();
        }
        c.work(window);
        auto* grid = window->findChild<ResultGrid*>();
        QVERIFY(grid);
        const ResultTable table = c.table();
        QVERIFY(!table.rows.empty());

        // Every cell selected by the keys a user presses, then copied.
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        ResultGrid alone;
        alone.showTable(table, program().shell.DateForm, program().shell.CurrencySymbol);
        alone.selectAll();
        const QStringList expected = alone.copyText().split('\n');
        const int rows = int(table.rows.size());
        QVERIFY(lines.size() > c.firstRow - 1 + rows);
        for (int i = 0; i < rows; ++i)
            QCOMPARE(lines[c.firstRow - 1 + i], expected[i]);
        if (table.totals) QCOMPARE(lines[c.firstRow + rows], expected[alone.totalsRow() - 1]);
    }
};

QTEST_MAIN(TestGridTables)
#include "test_grid_tables.moc"
