// Every result window's grid against the table its core describes: each cell shows the table's
// figure through its column's mask, and a copy or a CSV file holds the table's own figures, exact
// however the grid rounds, groups or dresses them.
#include "app/core/result_table.h"
#include "app/core/text_table.h"
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
#include "valuedb/ui/editor_window.h"
#include "valuedb/ui/valuedb_state.h"

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
    int firstRow = 1;               // the grid row of the table's first row
    QStringList symbolColumns = {}; // columns whose every figure shows the currency symbol
    bool editor = false;            // the database's editor, opened over its menu on the sample
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
         [] { return finderTable(*testing::documentOf<CompoundFinderWindow>().result); },
         1,
         {"cost", "value"}},
        {"Retirement", calculate, [] { return yearTable(Planner::Income); }},
        {"CapReq", calculate, [] { return yearTable(Planner::Capital); }},
        // The balance brought in stands in a row of its own above the years.
        {"Plan401", calculate, [] { return yearTable(Planner::Plan401k); }, 2},
        {"Ratios",
         [](QWidget*) {},
         [] { return recordTable(program().frame->findChild<DatabaseMenu*>()->document().database()); },
         1,
         {},
         true},
    };
    return all;
}

// The cell as the grid shows it: through the column's mask, a rate with its percent sign, a
// figure of a symbol column after the symbol.
QString shown(const TableCell& cell, const TableColumn& column, bool symbol) {
    QString text = qs(displayText(cell, column, program().shell.DateForm));
    if (symbol && cellNumber(cell)) text.prepend(qs(program().shell.CurrencySymbol));
    return text;
}

// The cell as a copy holds it: the table's figure or ISO date plain, a text as it reads (in a CSV
// file with its runs of blanks as one).
QString copied(const TableCell& cell, FigureKind kind, bool csv = false) {
    if (const auto* text = std::get_if<std::string>(&cell))
        return csv ? qs(*text).simplified() : qs(*text).trimmed();
    return qs(plainText(cell, kind));
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

        std::vector<std::size_t> columns; // the table's columns in the grid's order
        for (std::size_t k = 0; k < table.columns.size(); ++k)
            if (table.columns[k].use != ColumnUse::DataOnly) columns.push_back(k);
        const GridModel* g = grid->grid();
        QCOMPARE(g->gridCols(), int(columns.size()));
        const int totalsRow = c.firstRow + int(table.rows.size()) + 1;
        QVERIFY(g->gridRows() > (table.totals ? totalsRow : totalsRow - 2));

        // Every cell selected by the keys a user presses, then copied; and the CSV of it all.
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        const CsvRows csv = parseCsv(grid->csvText());
        QCOMPARE(int(csv.rows.size()), g->gridRows());
        QCOMPARE(lines.size(), g->gridRows()); // the rows below the headings and an empty last line

        const auto check = [&](const TableRow& row, int r, bool totals) {
            const QStringList copiedRow = lines[r - 1].split('\t');
            QCOMPARE(copiedRow.size(), int(columns.size()));
            for (int col = 0; col < int(columns.size()); ++col) {
                const std::size_t k = columns[col];
                const TableColumn& column = table.columns[k];
                const TableCell empty;
                const TableCell& cell = k < row.size() ? row[k] : empty;
                if (totals && std::holds_alternative<std::monostate>(cell)) continue;
                const QString where = QString("row %1, %2").arg(r).arg(qs(column.id));
                if (!totals)
                    QVERIFY2(g->text(r, col) == shown(cell, column, c.symbolColumns.contains(qs(column.id))),
                             qPrintable(where + ": " + g->text(r, col)));
                QVERIFY2(copiedRow[col] == copied(cell, column.kind),
                         qPrintable(where + ": " + copiedRow[col]));
                QVERIFY2(qs(csv.rows[r][col]) == copied(cell, column.kind, true),
                         qPrintable(where + ": " + qs(csv.rows[r][col])));
            }
        };
        for (int i = 0; i < int(table.rows.size()); ++i)
            check(table.rows[i], c.firstRow + i, false);
        if (table.totals) {
            QCOMPARE(g->text(totalsRow, 0), QString("Total:"));
            check(*table.totals, totalsRow, true);
        }
    }
};

QTEST_MAIN(TestGridTables)
#include "test_grid_tables.moc"
