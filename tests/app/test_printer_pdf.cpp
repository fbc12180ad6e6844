// The printer back end: a printout drawn into a PDF reads back with its lines, columns and pages.
#include "app/core/printout.h"
#include "app/ui/printer_backend.h"
#include "support/ui_support.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace brisk;

class TestPrinterPdf : public QObject {
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
        printout.setCounter(24);
        for (int row = 1; row <= rows; ++row) {
            printout.print({{2, std::to_string(row)}, {13, "$1,234.56"}, {36, "€99.00"}});
            if (printout.countLine()) {
                printout.breakPage();
                printout.setCounter(7);
            }
        }
        printout.emptyLine();
        printout.printPageNumber(40);
        printout.EndPrintout();
        return printout;
    }

  private slots:
    void init() { testing::freshProgram(); }

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
        const PrintOutcome outcome = writePrintoutPdf(printout, path, "Mortgage Table");
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
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

    void anUnwritablePathIsReported() {
        const PrintOutcome outcome = writePrintoutPdf(sample(0, 1), "/no/such/folder/x.pdf", "x");
        QVERIFY(!outcome.ok);
        QVERIFY(!outcome.error.isEmpty());
    }
};

QTEST_MAIN(TestPrinterPdf)
#include "test_printer_pdf.moc"
