// The printer back end: a printout drawn into a PDF reads back with its lines, columns and pages.
#include "app/core/atomic_file.h"
#include "app/core/printout.h"
#include "app/render/pdf_output.h"
#include "app/ui/printer_backend.h"
#include "charts/render/chart_painter.h"
#include "support/ui_support.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace brisk;

class TestPrinterPdf : public testing::WindowTest {
    Q_OBJECT

    static QString pdfText(const QString& path) {
        QProcess process;
        process.start("pdftotext", {"-layout", path, "-"});
        if (!process.waitForFinished(20000)) return {};
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    static Printout sample(int fontChoice, int rows) {
        Printout printout(fontChoice);
        printout.SetPrinterFont();
        printout.printAt(2, "Ann Lee, 1 December");
        printout.emptyLine();
        printout.printAt(32, " Mortgage Table");
        // 24 lines above the rows on the first page, 7 on the pages after, as the mortgage
        // printout counts them.
        ResultTable table;
        table.columns = {
            {"n", "No.", FigureKind::Count}, {"a", "A", FigureKind::Text}, {"b", "B", FigureKind::Text}};
        for (int row = 1; row <= rows; ++row)
            table.rows.push_back({std::int64_t{row}, std::string("$1,234.56"), std::string("€99.00")});
        TablePrintLayout layout;
        layout.columns = {{"n", 2}, {"a", 13}, {"b", 36}};
        layout.firstPageSpare = 24 - printout.linesOnPage();
        layout.laterPageSpare = 6;
        printTableRows(printout, table, layout, {});
        printout.emptyLine();
        printout.printPageNumber(40);
        printout.EndPrintout();
        return printout;
    }

  private slots:

    void aPdfHoldsEveryLineAndPage_data() {
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("standard font") << 0 << 20 << 1;
        QTest::newRow("10 point, two pages") << 1 << 60 << 2;
        QTest::newRow("12 point, three pages") << 3 << 80 << 3;
    }
    void aPdfHoldsEveryLineAndPage() {
        QFETCH(int, font);
        QFETCH(int, rows);
        QFETCH(int, pages);
        QTemporaryDir dir;
        const QString path = dir.filePath("out.pdf");
        const Printout printout = sample(font, rows);
        QCOMPARE(printout.page(), pages);
        const auto written = writePrintoutPdf(printout, path.toStdString(), "Mortgage Table");
        QVERIFY2(written, written.error().c_str());
        const QString text = pdfText(path);
        QCOMPARE(text.count('\f'), pages); // pdftotext ends every page with a form feed
        QVERIFY(text.contains("Mortgage Table"));
        QVERIFY(text.contains(QRegularExpression(QString("\\b%1 +\\$1,234\\.56 +€99\\.00").arg(rows))));
        QVERIFY(text.contains(QString("Page %1").arg(pages)));
    }

    void withoutAPrinterThePrintoutGoesToTheDocumentsFolder() {
        qputenv("BRISKLANE_PRINT_TO_PDF", "1");
        const PrintOutcome outcome = printPrintout(sample(0, 3), "Loan Table");
        qunsetenv("BRISKLANE_PRINT_TO_PDF");
        QVERIFY(outcome.ok);
        QVERIFY(QFileInfo(outcome.pdfPath).fileName().startsWith("Loan Table "));
        QVERIFY(QFileInfo::exists(outcome.pdfPath));
        QVERIFY(pdfText(outcome.pdfPath).contains("Page 1"));
        QFile::remove(outcome.pdfPath);
    }

    // A PDF or an image that cannot be written whole (a full disk, a save killed before its end) is
    // reported, and the file made before stays as it was.
    void aFailedPdfOrImageKeepsTheEarlierFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("step");
        for (const char* name : {"out.pdf", "chart.pdf", "chart.png"}) {
            QTest::newRow(qPrintable(QString("%1, full disk").arg(name))) << name << int(WriteStep::Write);
            QTest::newRow(qPrintable(QString("%1, failed flush").arg(name))) << name << int(WriteStep::Sync);
            QTest::newRow(qPrintable(QString("%1, interrupted").arg(name))) << name << int(WriteStep::Rename);
        }
    }
    void aFailedPdfOrImageKeepsTheEarlierFile() {
        QFETCH(QString, name);
        QFETCH(int, step);
        QTemporaryDir dir;
        const std::string path = dir.filePath(name).toStdString();
        ChartData chart;
        chart.title = "Balance";
        chart.values = {1, 2, 3};
        chart.labels = {"1", "2", "3"};
        auto write = [&]() -> WriteOutcome {
            if (name == "out.pdf") return writePrintoutPdf(sample(0, 3), path, "Table");
            return writeChartFile(chart, path);
        };
        QVERIFY(write());
        QFile earlier(QString::fromStdString(path));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        const QByteArray before = earlier.readAll();
        earlier.close();
        QVERIFY(before.size() > 1000);
        setWriteFault(WriteStep(step));
        const auto written = write();
        setWriteFault(std::nullopt);
        QVERIFY(!written);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), before);
    }

    // A header longer than the page keeps the page's font size; the header is cut at the edge.
    void aLongHeaderKeepsTheFontSize() {
        QTemporaryDir dir;
        auto pageWordWidth = [&](const std::string& header) -> double {
            Printout printout(0);
            printout.printAt(2, header);
            printout.printAt(2, "Total: 1,234.56");
            printout.EndPrintout();
            const std::string path = dir.filePath("h.pdf").toStdString();
            if (!writePrintoutPdf(printout, path, "x")) return -1;
            QProcess process;
            process.start("pdftotext", {"-bbox", QString::fromStdString(path), "-"});
            process.waitForFinished(20000);
            const QString html = QString::fromUtf8(process.readAllStandardOutput());
            const QRegularExpression word(
                "xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>1,234\\.56<");
            const auto match = word.match(html);
            return match.hasMatch() ? match.captured(2).toDouble() - match.captured(1).toDouble() : -1;
        };
        const double normal = pageWordWidth("Ann Lee");
        const double longHeader = pageWordWidth(std::string(108, 'H'));
        QVERIFY(normal > 0);
        QCOMPARE(longHeader, normal);
    }

    void anUnwritablePathIsReported() {
        const auto written = writePrintoutPdf(sample(0, 1), "/no/such/folder/x.pdf", "x");
        QVERIFY(!written && !written.error().empty());
    }
};

QTEST_MAIN(TestPrinterPdf)
#include "test_printer_pdf.moc"
