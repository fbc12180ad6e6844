// The result grid: its operations as the windows use them, and copying for a spreadsheet.
#include "app/core/numeric_parse.h"
#include "app/core/text_table.h"
#include "app/ui/result_grid.h"
#include "app/ui/twips.h"
#include "support/ui_support.h"

#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace brisk;

class TestResultGrid : public QObject {
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
    void init() { testing::freshProgram(); }

    void headingsLiveInTheHeaderAndCellsBelow() {
        ResultGrid grid;
        fillSample(grid);
        GridModel* m = grid.grid();
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Interest"));
        QCOMPARE(m->data(m->index(0, 2), Qt::DisplayRole).toString(), QString(" $99,000.00"));
        m->setColAlignment(1, 1);
        m->setFixedAlignment(1, 2);
        QCOMPARE(m->data(m->index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(m->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
        // The fixed first column looks like a heading.
        QVERIFY(m->data(m->index(0, 0), Qt::BackgroundRole).isValid());
        QVERIFY(!m->data(m->index(0, 1), Qt::BackgroundRole).isValid());
    }

    void fillAndClearBelowHeadings() {
        ResultGrid grid;
        fillSample(grid);
        GridModel* m = grid.grid();
        m->clearBelowHeadings();
        QCOMPARE(m->text(0, 1), QString("Interest"));
        for (int r = 1; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                QCOMPARE(m->text(r, c), QString());
        m->fill(1, 1, 2, 2, "x");
        QCOMPARE(m->text(2, 2), QString("x"));
        QCOMPARE(m->text(3, 2), QString());
        m->setText(9, 9, "outside"); // ignored, not a crash
    }

    void sizesAreInTwips() {
        ResultGrid grid;
        fillSample(grid);
        grid.setColWidthTwips(1, grid.defaultColWidthTwips() + 600);
        QCOMPARE(grid.columnWidth(1), twips(600 + 600));
        grid.setHeadingHeightTwips(500);
        QCOMPARE(grid.horizontalHeader()->height(), twips(500));
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
    // where the file dialog says; read back by a CSV reader cell for cell.
    void savesTheCopiedCellsAsCsvWithPlainFigures() {
        ResultGrid grid;
        fillSample(grid);
        program().shell.CurrencySymbol =
            std::string(1, '$'); // not a literal: gcc 12 warns wrongly of overlap
        QCOMPARE(grid.csvText(),
                 std::string("Year,Interest,Balance\r\n1,1000.00,99000.00\r\n2,900.00,98000.00\r\n"
                             "Total,1900.00,\r\n"));
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
        QCOMPARE(grid.csvText(),
                 std::string("Year,Interest,Balance\r\n1,1000.00,99000.00\r\n2,900.00,98000.00\r\n"
                             "Total,1900.00,\r\n"));
        grid.selectionModel()->clear();

        const QString path = QDir(program().dataFolder).filePath("table");
        testing::whenModal([&](QWidget* w) {
            auto* dialog = static_cast<QFileDialog*>(w);
            QCOMPARE(dialog->directory().absolutePath(),
                     QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        grid.saveAsCsv();
        QFile file(path + ".csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const CsvRows read = parseCsv(file.readAll().toStdString());
        QCOMPARE(read.rows.size(), std::size_t(4));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) {
                const QString shown = grid.grid()->text(r, c).trimmed();
                const QString saved = QString::fromStdString(read.rows[r][c]);
                if (r == 0 || c == 0 || shown.isEmpty())
                    QCOMPARE(saved, shown);
                else
                    QCOMPARE(saved.toDouble(), parseEntryText(ss(shown), "$"));
            }
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
};

QTEST_MAIN(TestResultGrid)
#include "test_result_grid.moc"
