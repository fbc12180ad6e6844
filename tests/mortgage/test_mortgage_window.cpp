// The mortgage window as a user works it: defaults, limits, dialogs, files, printing.
#include "app/core/numeric_parse.h"
#include "app/core/text_table.h"
#include "app/ui/entry_box.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/result_grid.h"
#include "mortgage/ui/mortgage_dialogs.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"
#include "support/ui_support.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using namespace brisk;

class TestMortgageWindow : public testing::WindowTest {
    Q_OBJECT

    using WindowTest::open;
    MortgageWindow* open(MortgageKind mode) {
        return openFromMenu<MortgageWindow>(mode == MortgageKind::Loan ? "LoanPmt" : "Canadian");
    }
    template <typename T = QLabel> T* child(QWidget* w, const char* name) { return w->findChild<T*>(name); }
  private slots:
    void initTestCase() { registerMortgageWindows(); }

    void opensWithTheDefaultsOfEachMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("principal");
        QTest::addColumn<QString>("term");
        QTest::newRow("mortgage") << 1 << "Mortgage Tables"
                                  << "$   100,000.00"
                                  << "            25";
        QTest::newRow("loan") << 2 << "Personal Loan Tables"
                              << "$   20,000.00"
                              << "            48";
    }
    void opensWithTheDefaultsOfEachMode() {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, principal);
        QFETCH(QString, term);
        MortgageWindow* w = open(MortgageKind(mode));
        QVERIFY(w);
        QCOMPARE(m_frame->windowTitle(), caption);
        QCOMPARE(child<EntryBox>(w, "InPrincipal")->text(), principal);
        QCOMPARE(child<EntryBox>(w, "InTerm")->text(), term);
        QCOMPARE(child<EntryBox>(w, "Comperiod")->text(), QString("      Monthly"));
        QCOMPARE(child<EntryBox>(w, "FreqPmt")->items().size(), 6);
        QVERIFY(child<QRadioButton>(w, "Option2")->isChecked());
        QCOMPARE(child(w, "Label16")->text(), QString(" P+I includes      0.000%"));
    }

    void calculateShowsTheSummaryAndTheGrid() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        w->calculate();
        QCOMPARE(child(w, "InMonthPI")->text(), QString("     $917.53"));
        QCOMPARE(child(w, "NumPmtsYear")->text(), QString("          12"));
        QCOMPARE(child(w, "PeriodicR")->text(), QString("0.0084375"));
        QCOMPARE(child(w, "InDays")->text(), QString("Normal"));
        QCOMPARE(child(w, "EndMortYear")->text(), QString("       25.00"));
        QCOMPARE(child(w, "AllPayments")->text(), QString(" $275,258.20"));
        QCOMPARE(w->gridText(0, 0), QString(" Payment  Year"));
        QCOMPARE(w->gridText(1, 1), QString("10,082.74"));
        QCOMPARE(w->gridText(27, 0), QString("Total:"));
        QCOMPARE(w->gridText(27, 5), QString("$100,000.00"));
        child<QRadioButton>(w, "Option1")->click(); // all payments: recalculated at once
        QCOMPARE(w->gridText(0, 0), QString("  Payment   No.  Year"));
        QCOMPARE(w->gridText(1, 0), QString("   1   1"));
        QCOMPARE(w->gridText(300, 3), QString(".00"));
    }

    // The schedule saved as CSV reads back in a CSV reader as numbers, each to the cent of the grid.
    void theScheduleAsCsvHoldsPlainFigures() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        w->calculate();
        const CsvRows read = parseCsv(w->resultGrid()->csvText());
        const GridModel* grid = w->resultGrid()->grid();
        QCOMPARE(int(read.rows.size()), grid->gridRows());
        QCOMPARE(read.rows[0][1], std::string("Interest Payment"));
        QCOMPARE(read.rows[1][1], std::string("10082.74"));
        QCOMPARE(read.rows[27][0], std::string("Total:"));
        QCOMPARE(read.rows[27][5], std::string("100000.00"));
        for (int r = 1; r < grid->gridRows(); ++r)
            for (int c = 1; c < grid->gridCols(); ++c) {
                bool number = false;
                const double saved = QString::fromStdString(read.rows[r][c]).toDouble(&number);
                QVERIFY2(number || grid->text(r, c).trimmed().isEmpty(), read.rows[r][c].c_str());
                QCOMPARE(
                    std::llround(saved * 100),
                    std::llround(parseEntryText(ss(grid->text(r, c)), program().shell.CurrencySymbol) * 100));
            }
    }

    void termLimits_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("message");
        QTest::newRow("40 years") << 1 << "40"
                                  << "               40" << false;
        QTest::newRow("41 years") << 1 << "41"
                                  << "               40" << true;
        QTest::newRow("480 months") << 2 << "480"
                                    << "              480" << false;
        QTest::newRow("481 months") << 2 << "481"
                                    << "              480" << true;
    }
    void termLimits() {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, message);
        MortgageWindow* w = open(MortgageKind(mode));
        QString text;
        bool shownMessage = false;
        testing::whenModal([&](QWidget* box) {
            text = box->findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
            shownMessage = true;
            box->close();
        });
        typeInto(w, "InTerm", typed);
        QCOMPARE(shownMessage, message);
        if (message) QCOMPARE(text, QString("Wrong entry, 40 Years limit."));
        QCOMPARE(child<EntryBox>(w, "InTerm")->text().trimmed(), shown.trimmed());
        const double years = shown.trimmed().toDouble() / (MortgageKind(mode) == MortgageKind::Loan ? 12 : 1);
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.termYears.toDouble(), years);
    }

    void aNewTermErasesTheAdditionalPayments() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        testing::documentOf<MortgageWindow>().inputs.ExtraPayments[2].amount = Currency::fromWhole(1000);
        testing::documentOf<MortgageWindow>().inputs.ExtraPaymentCount = 1;
        typeInto(w, "InTerm", "30");
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPaymentCount, 0);
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPayments[2].amount, Currency());
    }

    void theDateViewAsksForTheFirstDate() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        child<QRadioButton>(w, "Option1")->click();
        w->calculate();
        testing::whenModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QString("MortDateInput"));
            testing::typeAndLeave(dialog->findChild<EntryBox*>("InDate"), "1/31/2002");
            dialog->findChild<QPushButton*>("OkExit")->click();
        });
        child<QPushButton>(w, "MDateNumber")->click();
        QCOMPARE(child<QPushButton>(w, "MDateNumber")->text(), QString("&View payment No."));
        QCOMPARE(w->gridText(0, 0), QString(" Payment  Date"));
        QCOMPARE(w->gridText(1, 0), QString("1/31/2002"));
        QCOMPARE(w->gridText(2, 0), QString("2/28/2002"));
        child<QPushButton>(w, "MDateNumber")->click();
        QCOMPARE(w->gridText(1, 0), QString("   1   1"));
    }

    void anUnreadableDateKeepsThePreviousOne() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        testing::documentOf<MortgageWindow>().inputs.StartDate =
            Date{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(1)};
        QString message, shown;
        testing::whenModal([&](QWidget* dialog) {
            testing::whenModal([&](QWidget* box) {
                message = box->findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
                box->close();
            });
            auto* date = dialog->findChild<EntryBox*>("InDate");
            shown = testing::typeAndLeave(date, "13/45/2002");
            dialog->findChild<QPushButton*>("OkExit")->click();
        });
        child<QPushButton>(w, "MDateNumber")->click();
        QVERIFY(message.startsWith("Wrong date entry."));
        QCOMPARE(shown, QString("3/1/2002"));
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.StartDate->day(), std::chrono::day(1));
    }

    void additionalPaymentsChangeTheSchedule() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        w->calculate();
        QCOMPARE(child(w, "TotSavd")->text(), QString("        $.00"));
        testing::whenModal([](QWidget* window) {
            auto* dialog = static_cast<ExtraPaymentsDialog*>(window);
            GridModel* g = dialog->grid()->grid();
            QCOMPARE(g->rowCount(), 25);
            QCOMPARE(g->text(3, 0), QString("3"));
            g->setData(g->index(2, 1), "5000", Qt::EditRole); // year 3
            QCOMPARE(g->text(3, 1), QString("5,000.00"));
            dialog->keepExtraPayments();
        });
        child<QPushButton>(w, "MAddPrePay")->click();
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPaymentCount, 1);
        QVERIFY(child(w, "TotSavd")->text() != QString("        $.00"));
        QCOMPARE(child(w, "AddPmtsOn")->palette().color(QPalette::Window), QColor(248, 0, 0));
        // Erase all, then OK: no payments, the indicator back to the button face.
        testing::whenModal([](QWidget* window) {
            auto* dialog = static_cast<ExtraPaymentsDialog*>(window);
            dialog->clearExtraPayments();
            dialog->keepExtraPayments();
        });
        child<QPushButton>(w, "MAddPrePay")->click();
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPaymentCount, 0);
        QVERIFY(child(w, "AddPmtsOn")->palette().color(QPalette::Window) != QColor(248, 0, 0));
    }

    void amountCellsAreTypedRowAfterRow() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        QString first, second, third;
        testing::whenModal([&](QWidget* window) {
            auto* dialog = static_cast<ExtraPaymentsDialog*>(window);
            ResultGrid* grid = dialog->grid();
            // The cell editor open now (an editor closed by Enter is hidden until it goes).
            auto editor = [grid]() -> QWidget* {
                for (QLineEdit* e : grid->findChildren<QLineEdit*>())
                    if (e->isVisible()) return e;
                return grid;
            };
            grid->setFocus();
            grid->setCurrentCell(1, 1);
            QTest::keyClicks(grid, "2");
            QTest::keyClicks(editor(), "50x.5");
            QTest::keyClick(editor(), Qt::Key_Return);
            QCoreApplication::processEvents(); // the view commits an edit after the key
            QTest::keyClicks(editor(), "100");
            QTest::keyClick(editor(), Qt::Key_Return);
            QCoreApplication::processEvents();
            first = grid->grid()->text(1, 1);
            second = grid->grid()->text(2, 1);
            third = grid->grid()->text(3, 1);
            dialog->keepExtraPayments();
        });
        child<QPushButton>(w, "MAddPrePay")->click();
        QCOMPARE(first, QString("250.50"));
        QCOMPARE(second, QString("100.00"));
        QCOMPARE(third, QString(".00"));
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPayments[1].amount,
                 *Currency::fromDouble(250.5));
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPaymentCount, 2);
    }

    void thePercentageIsLimitedTo100() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        QString message, shown;
        testing::whenModal([&](QWidget* dialog) {
            testing::whenModal([&](QWidget* box) {
                message = box->findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
                box->close();
            });
            shown = testing::typeAndLeave(dialog->findChild<EntryBox*>("InPercent"), "150");
            static_cast<ExtraPaymentsDialog*>(dialog)->keepExtraPayments();
        });
        child<QPushButton>(w, "MAddPrePay")->click();
        QCOMPARE(message, QString("100% limit."));
        QCOMPARE(shown, QString("  100.000%"));
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.ExtraPercent, 1.0f);
    }

    // The choice counts from E&xit on; closing the dialog leaves the document as it was.
    void theDaysChoiceTakesEffectOnExit_data() {
        QTest::addColumn<bool>("exit");
        QTest::addColumn<int>("kept");
        QTest::newRow("exit") << true << 2;
        QTest::newRow("closed") << false << 1;
    }
    void theDaysChoiceTakesEffectOnExit() {
        QFETCH(bool, exit);
        QFETCH(int, kept);
        MortgageWindow* w = open(MortgageKind::Mortgage);
        int whileOpen = -1, titleRoom = 0;
        testing::whenModalOf<DaysInYearDialog>([&](DaysInYearDialog* dialog) {
            dialog->findChild<QRadioButton*>("IRFactor2")->click();
            whileOpen = w->document().inputs.DaysChoice;
            // Its title, wider than its controls, shows whole in a bold title bar beside the buttons.
            QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
            title.setBold(true);
            titleRoom = dialog->width() - QFontMetrics(title).horizontalAdvance(dialog->windowTitle()) -
                        4 * QFontMetrics(title).height();
            if (exit)
                dialog->findChild<QPushButton*>()->click(); // E&xit
            else
                dialog->reject();
        });
        w->chooseDaysInYear();
        QCOMPARE(whileOpen, 1);
        QVERIFY(titleRoom >= 0);
        QCOMPARE(w->document().inputs.DaysChoice, kept);
        QCOMPARE(w->document().modified, exit);
    }

    void aZeroRateShowsMessage3AndKeepsThePreviousGrid() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        w->calculate();
        testing::documentOf<MortgageWindow>().inputs.rate = Percent();
        const QString message = testing::messageShownBy([&] { w->calculate(); });
        QCOMPARE(message, QString("Wrong or missing entry, try again."));
        QCOMPARE(w->gridText(1, 1), QString("10,082.74"));
    }

    void filesRoundTripAndTheOtherModeIsRefused() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        testing::documentOf<MortgageWindow>().inputs.frequency = FrequencyKind::BiweeklyAcc;
        testing::documentOf<MortgageWindow>().inputs.CalcMode = ShowPayments::All;
        w->calculate();
        const QString path = QDir(program().dataFolder).filePath("House.umd");
        QVERIFY(w->saveFile(path));
        QCOMPARE(w->document().file, path);
        testing::documentOf<MortgageWindow>().inputs = MortgageInputs::defaults(MortgageKind::Mortgage);
        QVERIFY(w->loadFile(path));
        QCOMPARE(child<EntryBox>(w, "FreqPmt")->text(), QString(" Biweekly(Acc)"));
        QVERIFY(child<QRadioButton>(w, "Option1")->isChecked());
        QCOMPARE(testing::documentOf<MortgageWindow>().result->payments.size(), 482u);

        QFile loan(QDir(program().dataFolder).filePath("Car.uld"));
        QVERIFY(loan.open(QIODevice::WriteOnly));
        loan.write("20000,10,4,\"      Monthly\",\"      Monthly\",\"\",0,1,1,0,0,2,365,\"O\",0\r\n");
        loan.close();
        const QString message = testing::messageShownBy([&] { QVERIFY(!w->loadFile(loan.fileName())); });
        QCOMPARE(message, QString("File not found or wrong format. Check Filename and/or Directory."));
        QCOMPARE(child<EntryBox>(w, "FreqPmt")->text(), QString(" Biweekly(Acc)")); // unchanged
    }

    // Save writes what the boxes show, even when it was not calculated yet; a date never set stays
    // empty.
    void saveWritesTheInputsShown() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        w->calculate();
        typeInto(w, "InRate", "7");
        const QString path = QDir(program().dataFolder).filePath("Edited.umd");
        QVERIFY(w->saveFile(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("100000,7,25,\"      Monthly\",\"      Monthly\",\"\","));
        testing::documentOf<MortgageWindow>().inputs.principal = *Currency::fromDouble(200000000000);
        const QString message = testing::messageShownBy([&] { QVERIFY(!w->saveFile(path)); });
        QCOMPARE(message, QString("Wrong or missing entry, try again."));
    }

    void aFailedSaveKeepsTheEarlierFile() {
        MortgageWindow* w = open(MortgageKind::Loan);
        w->calculate();
        const QString message =
            testing::messageShownBy([&] { QVERIFY(!w->saveFile("/no/such/folder/Car.uld")); });
        QCOMPARE(message, QString("Bad Filename. Must be in the form MYFILE.ULD"));
    }

    void nothingCalculatedRefusesPrintSaveAndGraph() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        QStringList messages;
        for (const char* button : {"MPrinter", "MSaveFile"}) {
            testing::whenModal([&](QWidget* box) {
                messages << box->findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
                box->close();
            });
            child<QPushButton>(w, button)->click();
        }
        QCOMPARE(messages, (QStringList{"No data to print. Calculate.", "No Records."}));
    }

    void aShortLoanPrintsAndSaves() {
        MortgageWindow* w = open(MortgageKind::Loan);
        typeInto(w, "InTerm", "6");
        w->calculate();
        QVERIFY(w->saveFile(QDir(program().dataFolder).filePath("Short.uld")));
        w->showChart();
        QVERIFY(testing::chartOf(w).GraphCaller == ChartCaller::Mortgage);
        QCOMPARE(testing::chartOf(w).GraphPointCount, 2);
        QCOMPARE(testing::chartOf(w).GraphTitle, std::string("Personal Loan balance at start of each Year"));
    }

    void printsTheScheduleToAPdf() {
        qputenv("BRISKLANE_PRINT_TO_PDF", "1");
        MortgageWindow* w = open(MortgageKind::Mortgage);
        child<QRadioButton>(w, "Option1")->click();
        w->calculate();
        // The file named by the box that says where the PDF went: tests running beside this one
        // print into the same folder.
        QString path;
        testing::whenModal([&path](QWidget* header) {
            QTest::keyClicks(header->findChild<EntryBox*>("InFName"), "1");
            header->findChild<QPushButton*>("Acept")->click();
            testing::whenModalOf<QMessageBox>([&path](QMessageBox* info) {
                path = info->text().section('\n', 1).trimmed();
                info->close();
            });
        });
        child<QPushButton>(w, "MPrinter")->click();
        qunsetenv("BRISKLANE_PRINT_TO_PDF");
        QVERIFY2(QFileInfo(path).fileName().startsWith("Mortgage Table "), qPrintable(path));
        QProcess process;
        process.start("pdftotext", {"-layout", path, "-"});
        QVERIFY(process.waitForFinished(20000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        QFile::remove(path);
        QVERIFY(text.contains("Mortgage Table"));
        QVERIFY(text.contains("Page 7"));
        QVERIFY(text.contains(
            QRegularExpression("^ *1\\b", QRegularExpression::MultilineOption))); // the header "1"
        QVERIFY(text.contains("$100,000.00"));
    }

    void helpSwapsWithTheGridAndEditingClosesIt() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        auto* help = child<QPushButton>(w, "MHelp");
        help->click();
        QCOMPARE(help->text(), QString("Close &Help"));
        QVERIFY(child<QPlainTextEdit>(w, "MTextBox")
                    ->toPlainText()
                    .contains("American = Monthly.  Canadian = Semi-Annual."));
        auto* principal = child<EntryBox>(w, "InPrincipal");
        principal->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(principal, "5");
        QCOMPARE(help->text(), QString("Quick &Help"));
    }

    // Two windows, each made with a document of its own: what is typed and calculated in the one on
    // top stays out of the one beneath, which comes back as it was left.
    void twoWindowsKeepTheirDocumentsApart() {
        auto* first = open<MortgageWindow>(new MortgageDocument(MortgageKind::Mortgage));
        typeInto(first, "InRate", "5");
        first->calculate();
        const QString firstInterest = first->gridText(1, 1);
        auto* second = new MortgageWindow(program(), new MortgageDocument(MortgageKind::Mortgage));
        m_frame->openOver(second);
        typeInto(second, "InRate", "9");
        typeInto(second, "InPrincipal", "50000");
        second->calculate();
        QCOMPARE(first->document().inputs.rate, Percent::fromWhole(5));
        QCOMPARE(first->document().inputs.principal, Currency::fromWhole(100000));
        QCOMPARE(second->document().inputs.rate, Percent::fromWhole(9));
        QVERIFY(first->document().result->payment != second->document().result->payment);
        m_frame->closeOver();
        QCOMPARE(m_frame->currentTask(), first);
        QCOMPARE(first->gridText(1, 1), firstInterest);
        QCOMPARE(child<EntryBox>(first, "InRate")->text().trimmed(), QString("5.000%"));
    }

    void exitReturnsToTheMenu() {
        MortgageWindow* w = open(MortgageKind::Mortgage);
        w->calculate();
        const QPointer<MortgageDocument> document = &w->document();
        w->exitToMenu();
        QCOMPARE(m_frame->windowTitle(), QString(" Brisklane Menu"));
        QVERIFY(m_frame->menu()->isVisible());
        QVERIFY(QTest::qWaitFor([&document] { return document.isNull(); })); // the results went with it
    }
};

QTEST_MAIN(TestMortgageWindow)
#include "test_mortgage_window.moc"
