// Printing to a real printer queue: a CUPS scheduler of the test's own with a cups-pdf queue as the
// default printer (tests/print/with_pdf_queue.sh starts it). A mortgage printout and its chart go
// through the windows' To Printer, as a user prints them; the queue's PDF must hold what the PDF
// fallback holds, page for page, as pdftotext reads them. cups-pdf takes PostScript, on the way to
// which the fonts lose which letter each glyph is: pdftotext reads the queue's text as symbols, one
// for each letter (a letter whose symbol became a blank is lost), so the fallback's text is the key.
// A chart's few words turn with its landscape page: the chart is compared as a picture.
#include "charts/ui/chart_windows.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"
#include "support/ui_support.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTransform>

#include <algorithm>
#include <functional>

using namespace brisk;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList pagesOf(const QString& pdf) {
    QStringList pages = run("pdftotext", {"-layout", pdf, "-"}).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    for (QString& page : pages)
        page.remove(QRegularExpression("\\s"));
    return pages;
}

// Whether the queue's page reads as the fallback's: each letter of the fallback's page has one
// symbol wherever it stands (a wrong figure gives a letter a second symbol), with the letters in
// `lost` left out. A symbol may stand for two letters: pdftotext's symbols are font codes, and two
// fonts of a page may use one code.
bool readsAs(const QString& queued, QString fallback, const QString& lost) {
    for (QChar c : lost)
        fallback.remove(c);
    if (queued.size() != fallback.size()) return false;
    QHash<QChar, QChar> symbolOf;
    for (int i = 0; i < queued.size(); ++i) {
        if (symbolOf.value(fallback[i], queued[i]) != queued[i]) return false;
        symbolOf.insert(fallback[i], queued[i]);
    }
    return true;
}

// The queue's pages against the fallback's: the same number, and each the same text but for at
// most two lost letters. Empty when they agree, else what differs.
QString compareText(const QStringList& queued, const QStringList& fallback) {
    if (queued.size() != fallback.size())
        return QString("%1 pages from the queue, %2 in the fallback").arg(queued.size()).arg(fallback.size());
    for (int p = 0; p < queued.size(); ++p) {
        QString letters = fallback[p];
        std::sort(letters.begin(), letters.end());
        letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
        bool read = readsAs(queued[p], fallback[p], {});
        for (int a = 0; a < letters.size() && !read; ++a)
            read = readsAs(queued[p], fallback[p], letters[a]);
        for (int a = 0; a < letters.size() && !read; ++a)
            for (int b = a + 1; b < letters.size() && !read; ++b)
                read = readsAs(queued[p], fallback[p], QString(letters[a]) + letters[b]);
        if (!read) return QString("page %1 reads differently").arg(p + 1);
    }
    return {};
}

// A page drawn at 60 dots an inch, turned upright (a printer takes a landscape page turned on
// portrait paper), and cut to what is printed on it.
QImage printedPart(const QString& pdf, const QString& folder, bool landscape) {
    const QString stem = QDir(folder).filePath(QString::number(qHash(pdf)));
    run("pdftoppm", {"-r", "60", "-gray", "-png", "-singlefile", pdf, stem});
    QImage image = QImage(stem + ".png").convertToFormat(QImage::Format_Grayscale8);
    if (landscape && image.height() > image.width()) image = image.transformed(QTransform().rotate(90));
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.constScanLine(y)[x] < 160) ink |= QRect(x, y, 1, 1);
    return image.copy(ink);
}

// The mean difference of two pictures' grey levels (0 to 255), the first brought to the size of
// the second: a chart fills the page's printable area, which is the queue's own; 255 when their
// shapes differ by more than that.
double difference(const QImage& queued, const QImage& fallback) {
    if (queued.isNull() || fallback.isNull()) return 255;
    const double aspect =
        (double(queued.width()) / queued.height()) / (double(fallback.width()) / fallback.height());
    if (std::abs(aspect - 1) > 0.1) return 255;
    // Both at a small size, where a line's exact edge no longer counts but a bar's height does.
    const QSize size(160, 110);
    const QImage a = queued.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = fallback.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            sum += std::abs(a.constScanLine(y)[x] - b.constScanLine(y)[x]);
    return sum / (double(size.width()) * size.height());
}

} // namespace

class PrintQueueCheck : public testing::WindowTest {
    Q_OBJECT

    // The queue's PDF files and when each was written.
    static QHash<QString, QDateTime> queueFiles() {
        QHash<QString, QDateTime> files;
        for (const QFileInfo& file :
             QDir(qEnvironmentVariable("BRISK_QUEUE_OUT")).entryInfoList({"*.pdf"}, QDir::Files))
            files.insert(file.absoluteFilePath(), file.lastModified());
        return files;
    }

    // Runs `print`, answering what it asks as a user would: the header, Yes to colour, Print in the
    // print dialog as it comes (the default queue, every page); a report box is closed and the file
    // it names returned.
    static QString answering(const std::function<void()>& print,
                             const std::function<void(QPrintDialog*)>& choose = {}) {
        QString reported;
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&reported, &choose] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible()) return;
            if (auto* header = modal->findChild<QLineEdit*>("InFName")) {
                header->setText("Printed through a CUPS queue");
                modal->findChild<QPushButton*>("Acept")->click();
            } else if (auto* yes = modal->findChild<QPushButton*>("AllYes")) {
                yes->click();
            } else if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
                if (choose) choose(dialog);
                QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                                  Qt::LeftButton);
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                reported = box->text().section('\n', 1).trimmed();
                box->close();
            }
        });
        answer.start();
        print();
        return reported;
    }

    // The PDF the queue makes of what `print` sends it, and the PDF the fallback makes of the same.
    std::pair<QString, QString> printBothWays(const std::function<void()>& print,
                                              const std::function<void(QPrintDialog*)>& choose = {}) {
        const QHash<QString, QDateTime> before = queueFiles();
        answering(print, choose);
        QString made;
        (void)QTest::qWaitFor(
            [&] {
                const QHash<QString, QDateTime> now = queueFiles();
                for (auto it = now.begin(); it != now.end(); ++it)
                    if (before.value(it.key()) != it.value() && QFileInfo(it.key()).size() > 0)
                        made = it.key();
                return !made.isEmpty();
            },
            30000);
        QTest::qWait(500); // the backend writes the file, then closes it
        qputenv("BRISKLANE_PRINT_TO_PDF", "1");
        const QString fallback = answering(print);
        qunsetenv("BRISKLANE_PRINT_TO_PDF");
        return {made, fallback};
    }

    // BRISK_PRINT_EVIDENCE=FOLDER keeps both files for a look.
    static void keepEvidence(const QString& queued, const QString& fallback) {
        QVERIFY2(!queued.isEmpty(), "the queue made no PDF");
        QVERIFY2(QFileInfo::exists(fallback), qPrintable(fallback));
        if (const QString keep = qEnvironmentVariable("BRISK_PRINT_EVIDENCE"); !keep.isEmpty()) {
            const QString name = QTest::currentTestFunction();
            QFile::copy(queued, QDir(keep).filePath(name + "-queue.pdf"));
            QFile::copy(fallback, QDir(keep).filePath(name + "-fallback.pdf"));
        }
    }

    void comparePages(const QString& queued, const QString& fallback) {
        keepEvidence(queued, fallback);
        const QString differs = compareText(pagesOf(queued), pagesOf(fallback));
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
    }

  private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("CUPS_SERVER")) QSKIP("run by tests/print/with_pdf_queue.sh");
        registerMortgageWindows();
        registerChartWindows();
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QString("BriskPDF"));
    }

    // All 300 payments over pages: the header on the first, every page as the fallback's.
    void aMortgagePrintoutThroughTheQueue() {
        auto* w = openFromMenu<MortgageWindow>("Canadian");
        QVERIFY(w);
        w->findChild<QRadioButton*>("Option1")->click(); // all payments
        w->calculate();
        const auto [queued, fallback] = printBothWays([w] { w->print(); });
        const QString words = run("pdftotext", {"-layout", fallback, "-"});
        QVERIFY(words.contains("Printed through a CUPS queue"));
        QVERIFY(words.contains("10,082.74") || words.contains("917.53"));
        QVERIFY(words.count('\f') > 3);
        comparePages(queued, fallback);
    }

    // Two copies of pages 2 and 3, chosen in the print dialog with the keyboard and the mouse: the
    // queue prints those two pages twice, each as the fallback's page of that number.
    void twoCopiesOfTwoPagesThroughTheQueue() {
        auto* w = openFromMenu<MortgageWindow>("Canadian");
        QVERIFY(w);
        w->findChild<QRadioButton*>("Option1")->click(); // all payments
        w->calculate();
        const auto typeNumber = [](QSpinBox* box, int number) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, QString::number(number));
        };
        const auto [queued, fallback] =
            printBothWays([w] { w->print(); },
                          [&](QPrintDialog* dialog) {
                              typeNumber(dialog->findChild<QSpinBox*>("copies"), 2);
                              auto* range = dialog->findChild<QRadioButton*>("printRange");
                              QTest::mouseClick(range, Qt::LeftButton, {}, QPoint(4, range->height() / 2));
                              typeNumber(dialog->findChild<QSpinBox*>("to"), 3);
                              typeNumber(dialog->findChild<QSpinBox*>("from"), 2);
                          });
        keepEvidence(queued, fallback);
        const QStringList all = pagesOf(fallback);
        QVERIFY(all.size() > 3);
        qInfo("the queue printed %lld pages", static_cast<long long>(pagesOf(queued).size()));
        const QString differs = compareText(pagesOf(queued), {all[1], all[2], all[1], all[2]});
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
    }

    // The chart window's To Printer: one landscape page, as the fallback draws it. Its few words
    // are turned with the page, so the picture is compared: at most half as far from the fallback's
    // as the fallback's is from itself upside down.
    void aChartThroughTheQueue() {
        auto* w = openFromMenu<MortgageWindow>("Canadian");
        QVERIFY(w);
        w->calculate();
        w->showChart();
        QWidget* chart = m_frame->currentTask();
        QVERIFY(chart && chart != w);
        const auto [queued, fallback] =
            printBothWays([chart] { chart->findChild<QPushButton*>("Ptr")->click(); });
        keepEvidence(queued, fallback);
        QCOMPARE(pagesOf(queued).size(), 1);
        QCOMPARE(pagesOf(fallback).size(), 1);
        QTemporaryDir pictures;
        const QImage printed = printedPart(queued, pictures.path(), true);
        const QImage drawn = printedPart(fallback, pictures.path(), true);
        const double apart = difference(printed, drawn);
        const double control = difference(drawn.mirrored(false, true), drawn);
        qInfo("the queue's chart differs from the fallback's by %.1f, the fallback's upside down by %.1f",
              apart, control);
        QVERIFY2(apart < control / 2,
                 qPrintable(QString("%1 apart, upside down %2").arg(apart).arg(control)));
    }
};

QTEST_MAIN(PrintQueueCheck)
#include "print_queue_check.moc"
