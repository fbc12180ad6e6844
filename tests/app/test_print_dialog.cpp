// The print dialog between To Printer and the printer: what is chosen there (copies, a range of
// pages) is what is printed, its preview shows the pages, and Cancel prints nothing.
#include "app/core/printout.h"
#include "app/ui/printer_backend.h"
#include "support/ui_support.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace brisk;

namespace {

// Pages that say which they are: "Sheet 1" on the first, and so on.
Printout numberedSheets(int pages) {
    Printout printout(0);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) printout.newPage();
        printout.printAt(2, "Sheet " + std::to_string(page));
    }
    printout.EndPrintout();
    return printout;
}

// The sheet numbers of a PDF's pages, in order.
QList<int> sheetsIn(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    if (!process.waitForFinished(20000)) return {};
    QList<int> sheets;
    for (const QString& page : QString::fromUtf8(process.readAllStandardOutput()).split('\f')) {
        const auto match = QRegularExpression("Sheet (\\d+)").match(page);
        if (match.hasMatch()) sheets << match.captured(1).toInt();
    }
    return sheets;
}

QAbstractButton* dialogButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    return buttons ? buttons->button(which) : nullptr;
}

// A number typed over a spin box's own, as a user does.
void typeNumber(QSpinBox* box, int number) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::number(number));
}

// A printer that prints into the PDF file `path`.
struct PdfPrinter : QPrinter {
    explicit PdfPrinter(const QString& path) : QPrinter(QPrinter::HighResolution) {
        setOutputFormat(QPrinter::PdfFormat);
        setOutputFileName(path);
    }
};

} // namespace

class TestPrintDialog : public testing::WindowTest {
    Q_OBJECT

  private slots:

    void theDialogsChoicesArePrinted_data() {
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("from"); // 0: all pages
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("printed");
        QTest::newRow("all pages") << 1 << 0 << 0 << QList<int>{1, 2, 3, 4};
        QTest::newRow("the first page alone") << 1 << 1 << 1 << QList<int>{1};
        QTest::newRow("the last page alone") << 1 << 4 << 4 << QList<int>{4};
        QTest::newRow("two copies") << 2 << 0 << 0 << QList<int>{1, 2, 3, 4, 1, 2, 3, 4};
    }
    void theDialogsChoicesArePrinted() {
        QFETCH(int, copies);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QList<int>, printed);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("out.pdf");
        PdfPrinter printer(pdf);
        QString caption;
        testing::whenModal([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            typeNumber(dialog->findChild<QSpinBox*>("copies"), copies);
            if (from > 0) {
                auto* range = dialog->findChild<QRadioButton*>("printRange");
                QTest::mouseClick(range, Qt::LeftButton, {}, QPoint(4, range->height() / 2));
                QVERIFY(range->isChecked());
                typeNumber(dialog->findChild<QSpinBox*>("to"), to);
                typeNumber(dialog->findChild<QSpinBox*>("from"), from);
            }
            QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        });
        const PrintOutcome outcome = printPrintoutOn(printer, numberedSheets(4), nullptr);
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QVERIFY(!outcome.cancelled);
        QCOMPARE(caption, QString("Print"));
        QCOMPARE(printer.copyCount(), copies);
        if (from > 0) {
            QCOMPARE(printer.fromPage(), from);
            QCOMPARE(printer.toPage(), to);
        }
        QCOMPARE(sheetsIn(pdf), printed);
    }

    // Cancel, straight away or in the preview, prints nothing; the preview shows every page.
    void cancelPrintsNothing_data() {
        QTest::addColumn<bool>("preview");
        QTest::newRow("cancelled") << false;
        QTest::newRow("cancelled in the preview") << true;
    }
    void cancelPrintsNothing() {
        QFETCH(bool, preview);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("out.pdf");
        PdfPrinter printer(pdf);
        int previewPages = -1;
        testing::whenModal([&](QWidget* dialog) {
            if (!preview) {
                QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
                return;
            }
            testing::whenModalNamed("PrintPreview", [&](QWidget* view) {
                auto* pages = view->findChild<QPrintPreviewWidget*>();
                QTRY_VERIFY(pages && pages->pageCount() > 0);
                previewPages = pages->pageCount();
                QTest::keyClick(view, Qt::Key_Escape);
            });
            QTest::mouseClick(dialog->findChild<QAbstractButton*>("Preview"), Qt::LeftButton);
        });
        const PrintOutcome outcome = printPrintoutOn(printer, numberedSheets(3), nullptr);
        QVERIFY(outcome.cancelled);
        QVERIFY(!outcome.ok);
        QVERIFY(outcome.error.isEmpty());
        QVERIFY(!QFileInfo::exists(pdf));
        if (preview) QCOMPARE(previewPages, 3);
    }

    // The preview shows the pages chosen in the dialog, and Print there prints them as chosen, with
    // no second dialog; Back returns to the dialog with the choices kept.
    void thePreviewPrintsWhatTheDialogChose_data() {
        QTest::addColumn<bool>("backFirst");
        QTest::newRow("printed from the preview") << false;
        QTest::newRow("back to the dialog, then printed") << true;
    }
    void thePreviewPrintsWhatTheDialogChose() {
        QFETCH(bool, backFirst);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("out.pdf");
        PdfPrinter printer(pdf);
        int previewPages = -1, dialogs = 0;
        int copiesKept = 0;
        std::function<void(QPrintDialog*)> answerDialog = [&](QPrintDialog* dialog) {
            ++dialogs;
            testing::whenModalNamed("PrintPreview", [&](QWidget* view) {
                auto* pages = view->findChild<QPrintPreviewWidget*>();
                QTRY_VERIFY(pages && pages->pageCount() > 0);
                previewPages = pages->pageCount();
                if (backFirst && dialogs == 1) {
                    testing::whenModalOf<QPrintDialog>([&](QPrintDialog* again) {
                        ++dialogs;
                        copiesKept = again->findChild<QSpinBox*>("copies")->value();
                        QTest::mouseClick(dialogButton(again, QDialogButtonBox::Ok), Qt::LeftButton);
                    });
                    QTest::mouseClick(view->findChild<QAbstractButton*>("PreviewBack"), Qt::LeftButton);
                } else {
                    QTest::keyClick(view, Qt::Key_Return); // Print is the default button
                }
            });
            typeNumber(dialog->findChild<QSpinBox*>("copies"), 2);
            auto* range = dialog->findChild<QRadioButton*>("printRange");
            QTest::mouseClick(range, Qt::LeftButton, {}, QPoint(4, range->height() / 2));
            typeNumber(dialog->findChild<QSpinBox*>("to"), 3);
            typeNumber(dialog->findChild<QSpinBox*>("from"), 2);
            QTest::mouseClick(dialog->findChild<QAbstractButton*>("Preview"), Qt::LeftButton);
        };
        testing::whenModalOf<QPrintDialog>(answerDialog);
        const PrintOutcome outcome = printPrintoutOn(printer, numberedSheets(4), nullptr);
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QCOMPARE(previewPages, 2);
        QCOMPARE(dialogs, backFirst ? 2 : 1);
        if (backFirst) QCOMPARE(copiesKept, 2);
        QCOMPARE(sheetsIn(pdf), (QList<int>{2, 3, 2, 3}));
    }
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
