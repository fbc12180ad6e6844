// The result grid: its operations as the windows use them, and copying for a spreadsheet.
#include "app/core/text_table.h"
#include "app/ui/result_grid.h"
#include "support/ui_support.h"

#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace brisk;

class TestResultGrid : public testing::WindowTest {
    Q_OBJECT

    static void fillSample(ResultGrid& grid) {
        GridModel* m = grid.grid();
        m->setCols(3);
        m->setRows(4);
        const char* cells[4][3] = {{"Year", "Interest", "Balance"},
                                   {"1", "  $1,000.00", " $99,000.00"},
                                   {"2", "    $900.00", " $98,000.00"},
                                   {"Total", "  $1,900.00", ""}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                m->setText(r, c, cells[r][c]);
    }

  private slots:

    void headingsLiveInTheHeaderAndCellsBelow() {
        ResultGrid grid;
        fillSample(grid);
        GridModel* m = grid.grid();
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Interest"));
        QCOMPARE(m->data(m->index(0, 2), Qt::DisplayRole).toString(), QString(" $99,000.00"));
        // The fixed first column looks like a heading.
        QVERIFY(m->data(m->index(0, 0), Qt::BackgroundRole).isValid());
        QVERIFY(!m->data(m->index(0, 1), Qt::BackgroundRole).isValid());
    }

    void copiesTheSelectionOrTheWholeTableAsTabSeparatedText() {
        ResultGrid grid;
        fillSample(grid);
        QCOMPARE(grid.copyText(), QString("Year\tInterest\tBalance\n1\t$1,000.00\t$99,000.00\n"
                                          "2\t$900.00\t$98,000.00\nTotal\t$1,900.00\t\n"));
        grid.selectionModel()->select(QItemSelection(grid.grid()->index(0, 1), grid.grid()->index(1, 2)),
                                      QItemSelectionModel::Select);
        grid.show();
        grid.setFocus();
        QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("$1,000.00\t$99,000.00\n$900.00\t$98,000.00\n"));
    }

    // The copied cells (the selection, or all) under their headings as CSV, figures plain, written
    // where the file dialog says.
    void savesTheCopiedCellsAsCsvWithPlainFigures() {
        ResultGrid grid;
        fillSample(grid);
        program().shell.CurrencySymbol =
            std::string(1, '$'); // not a literal: gcc 12 warns wrongly of overlap
        const std::string whole = "Year,Interest,Balance\r\n1,1000.00,99000.00\r\n2,900.00,98000.00\r\n"
                                  "Total,1900.00,\r\n";
        QCOMPARE(grid.csvText(), whole);
        grid.selectionModel()->select(QItemSelection(grid.grid()->index(1, 1), grid.grid()->index(2, 2)),
                                      QItemSelectionModel::Select);
        QCOMPARE(grid.csvText(), std::string("Interest,Balance\r\n900.00,98000.00\r\n1900.00,\r\n"));
        grid.selectionModel()->clear();
        // A click selects the cell under it, as the right-click that opens the menu does: the
        // whole table is still what is saved.
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QModelIndex cell = grid.grid()->index(1, 1);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
        QCOMPARE(grid.selectionModel()->selectedIndexes().size(), 1);
        QCOMPARE(grid.csvText(), whole);
        grid.selectionModel()->clear();

        const QString path = QDir(program().dataFolder).filePath("table");
        QString startedIn;
        testing::whenModalOf<QFileDialog>([&](QFileDialog* dialog) {
            startedIn = dialog->directory().absolutePath();
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        grid.saveAsCsv();
        QCOMPARE(startedIn, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QFile file(path + ".csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), whole);
        QCOMPARE(program().shell.CsvFolder, ss(program().dataFolder)); // the next save starts there
    }

    void clicksAndKeysReportGridCells() {
        ResultGrid grid;
        fillSample(grid);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy clicks(&grid, &ResultGrid::cellClicked);
        const QRect cell = grid.visualRect(grid.grid()->index(1, 2));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.first().at(0).toInt(), 2);
        QCOMPARE(clicks.first().at(1).toInt(), 2);
        QCOMPARE(grid.currentRow(), 2);
        QSignalSpy keys(&grid, &ResultGrid::cellKey);
        QTest::keyClicks(&grid, "5");
        QCOMPARE(keys.count(), 1);
        QCOMPARE(keys.first().at(2).toInt(), int('5'));
    }

    // A table described once: the grid shows what the window shows, and copies what the table holds.
    static ResultTable sampleTable() {
        ResultTable t;
        t.columns = {{"label", "Paid", FigureKind::Text, {}, ColumnUse::WindowOnly},
                     {"row", "Row", FigureKind::Count, {}, ColumnUse::DataOnly},
                     {"date", "Date", FigureKind::Date},
                     {"amount", "Amount", FigureKind::Money},
                     {"rate", "Rate", FigureKind::Rate, "##0.000"},
                     {"note", "Note", FigureKind::Text}};
        t.rows = {{std::string("  1  2027"), std::int64_t{1}, std::chrono::year{2027} / 1 / 15, 1234567.891,
                   7.12345, std::string("a, b")},
                  {std::string("  2  2027"), std::int64_t{2}, TableCell{}, -0.5, 0.0, std::string()}};
        t.totals = TableRow{{}, {}, {}, 1234567.391, {}, {}};
        return t;
    }

    void showsATableThroughItsMasks_data() {
        QTest::addColumn<int>("leastRows");
        QTest::addColumn<bool>("headings");
        QTest::addColumn<int>("rows");
        QTest::newRow("fewer rows asked than the table needs") << 4 << false << 5;
        QTest::newRow("just the rows it needs") << 5 << true << 5;
        QTest::newRow("more rows asked, left blank") << 9 << true << 9;
    }
    void showsATableThroughItsMasks() {
        QFETCH(int, leastRows);
        QFETCH(bool, headings);
        QFETCH(int, rows);
        ResultGrid grid;
        GridModel* m = grid.grid();
        m->setCols(5);
        const QStringList own = {"Payment Year", "When", "Paid", "Rate %", "Note"};
        for (int c = 0; c < 5; ++c)
            m->setText(0, c, own[c]);
        m->setRows(12);
        m->setText(11, 4, "left over");
        grid.showTable(sampleTable(), shortDateFormFromPattern("d/M/yyyy"), "Fr.",
                       {.leastRows = leastRows, .headings = headings, .totalsMask = "####,,##0.00"});
        QCOMPARE(m->gridRows(), rows);
        QCOMPARE(m->gridCols(), 5); // the data-only column is not shown
        const QStringList expected[] = {headings ? QStringList{"Paid", "Date", "Amount", "Rate", "Note"}
                                                 : own,
                                        {"  1  2027", "15/1/2027", "1,234,567.89", "7.123%", "a, b"},
                                        {"  2  2027", "", "-.50", "0.000%", ""},
                                        {"", "", "", "", ""},
                                        {"Total:", "", "Fr.1,234,567.39", "", ""}};
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                QCOMPARE(m->text(r, c), expected[r][c]);
        for (int r = 5; r < rows; ++r)
            for (int c = 0; c < 5; ++c)
                QCOMPARE(m->text(r, c), QString());
        QCOMPARE(grid.totalsRow(), 4);
        program().shell.CurrencySymbol = "Fr.";
        // The figures as the table holds them: not rounded, grouped or dressed; dates ISO.
        std::string csv = "Paid,Date,Amount,Rate,Note\r\n1 2027,2027-01-15,1234567.89,7.1235,\"a, b\"\r\n"
                          "2 2027,,-0.50,0.00,\r\n,,,,\r\nTotal:,,1234567.39,,\r\n";
        if (!headings) csv.replace(0, csv.find('\r'), "Payment Year,When,Paid,Rate %,Note");
        for (int r = 5; r < rows; ++r)
            csv += ",,,,\r\n";
        QCOMPARE(grid.csvText(), csv);
        grid.selectionModel()->select(QItemSelection(m->index(0, 2), m->index(3, 3)),
                                      QItemSelectionModel::Select);
        QCOMPARE(grid.copyText(), QString("1234567.89\t7.1235\n-0.50\t0.00\n\t\n1234567.39\t\n"));
        // An edited cell holds what was typed, no longer the table's figure.
        m->setText(1, 2, "12.5");
        QCOMPARE(grid.copyText().section('\n', 0, 0), QString("12.5\t7.1235"));
    }

    void anEmptyTableLeavesTheHeadingsAndBlankRows() {
        ResultGrid grid;
        ResultTable table = sampleTable();
        table.rows.clear();
        table.totals.reset();
        grid.showTable(table, {}, "$", {.leastRows = 3, .headings = true});
        QCOMPARE(grid.grid()->gridRows(), 3);
        QCOMPARE(grid.grid()->text(0, 2), QString("Amount"));
        QCOMPARE(grid.grid()->text(1, 0), QString());
        QCOMPARE(grid.totalsRow(), 0);
    }
};

QTEST_MAIN(TestResultGrid)
#include "test_result_grid.moc"
