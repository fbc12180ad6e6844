// The value database's windows as a user works them: files, the editor, the sheet, the extract.
#include "app/ui/entry_box.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/result_grid.h"
#include "support/ui_support.h"
#include "valuedb/ui/averages_window.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_menu.h"
#include "valuedb/ui/database_windows.h"
#include "valuedb/ui/editor_window.h"
#include "valuedb/ui/extract_dialog.h"
#include "valuedb/ui/price_import_dialog.h"
#include "valuedb/ui/record_number_dialog.h"
#include "valuedb/ui/trend_graph_window.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

using namespace brisk;

namespace {

// Every modal window that comes, answered in turn and noted: the file dialog chooses `path`, the
// yes/no box gets `answer` (its button's name, or Escape), any other window is closed.
struct Modals {
    QString path, answer, question;
    QStringList seen;
};
void answerModals(std::shared_ptr<Modals> m) {
    testing::whenModal([m](QWidget* modal) {
        answerModals(m); // the next one may come before this one's answer returns
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            m->seen << "QFileDialog";
            // A focused name box (which may hold the name of the file in memory) keeps its text.
            if (QWidget* focused = files->focusWidget()) focused->clearFocus();
            files->selectFile(m->path);
            QMetaObject::invokeMethod(files, "accept");
        } else if (modal->objectName() == "AllYesNo") {
            m->seen << "AllYesNo";
            m->question = modal->findChild<QLabel*>("Label1")->text();
            if (auto* button = m->answer.isEmpty() ? nullptr : modal->findChild<QPushButton*>(m->answer))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                QTest::keyClick(modal, Qt::Key_Escape);
        } else if (modal->objectName() == "ImportPreview") {
            // Imported where the preview allows it, else cancelled.
            m->seen << "ImportPreview";
            auto* import = modal->findChild<QPushButton*>("ImportOk");
            if (import->isEnabled())
                QTest::mouseClick(import, Qt::LeftButton);
            else
                QTest::keyClick(modal, Qt::Key_Escape);
        } else {
            auto* text = modal->findChild<QPlainTextEdit*>("TextMsg");
            auto* box = qobject_cast<QMessageBox*>(modal);
            m->seen << (text                                 ? text->toPlainText()
                        : box && box->objectName().isEmpty() ? box->text()
                                                             : modal->objectName());
            modal->close();
        }
    });
}

} // namespace

class TestValueDbWindows : public testing::WindowTest {
    Q_OBJECT

    DatabaseMenu* m_menu = nullptr;

    // Each menu opened works on a document of its own.
    DatabaseMenu* openMenu() { return m_menu = openFromMenu<DatabaseMenu>("Ratios"); }
    DatabaseDocument& document() { return m_menu->document(); }
    ValueDatabase& db() { return document().database(); }
    DatabaseEditor* openEditor() {
        m_frame->openOver(new DatabaseEditor(program(), document()));
        return qobject_cast<DatabaseEditor*>(m_frame->currentTask());
    }
    static QString* captureMessage() {
        static QString text;
        text.clear();
        testing::whenModal([](QWidget* box) {
            if (auto* edit = box->findChild<QPlainTextEdit*>("TextMsg")) text = edit->toPlainText();
            box->close();
        });
        return &text;
    }
    void typeInto(EntryBox* box, const QString& keys) {
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, keys);
    }
    static QString samplePath() { return QDir(program().helpFolder).filePath("Sample.Zrk"); }

  private slots:
    void initTestCase() { registerValueDbWindows(); }
    void init() {
        WindowTest::init();
        program().shell.DateForm = ShortDateForm{}; // yyyy-mm-dd
    }
    void cleanup() {
        m_frame.reset();
        m_menu = nullptr;
    }

    void loadingTheSampleAndADamagedFile() {
        DatabaseMenu* menu = openMenu();
        auto* info = menu->findChild<QLabel*>("InfoLabel");
        QVERIFY(!info->isVisible());
        QVERIFY(menu->loadFile(samplePath()));
        QCOMPARE(db().RecordCount(), 130);
        QCOMPARE(info->text(), QString(" File in Memory = Northfield Growth Fund "));
        QCOMPARE(document().fileName(), QString("Sample.Zrk"));
        const QString bad = QDir(program().dataFolder).filePath("bad.zrk");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("3,0,\"t\",10\r\n,#2002-03-01#,1\r\n");
        file.close();
        QString* message = captureMessage();
        QVERIFY(!menu->loadFile(bad));
        QCOMPARE(*message, QString("File not found or wrong format. Check Filename and/or Directory."));
        QCOMPARE(db().RecordCount(), 0);
        QVERIFY(!info->isVisible());
    }

    // Prices from a file, through the menu's command and its file dialog: the preview shows what the
    // import will do before anything changes. Dates that read both day first and month first are not
    // guessed: Import waits until the order is chosen (with the arrow keys), and Enter then imports
    // what the preview shows; Escape leaves the database as it was.
    void importingPricesShowsTheWeeksFirst_data() {
        QTest::addColumn<int>("downKeys");
        QTest::addColumn<int>("finalKey");
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("firstFate");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("newest");
        const QString skipped =
            " 1 row to skip: the date or the price could not be read (the first is row 4).";
        QTest::newRow("day first, Enter")
            << 1 << int(Qt::Key_Return)
            << "2 weeks to import: 2 to add, 0 to replace. The database will hold 132 records." + skipped
            << "added" << 132 << "2026-12-11";
        QTest::newRow("month first, Enter")
            << 2 << int(Qt::Key_Return)
            << "2 weeks to import: 0 to add, 2 to replace. The database will hold 130 records." + skipped
            << "replaces" << 130 << "2026-11-27";
        QTest::newRow("day first, Escape") << 1 << int(Qt::Key_Escape)
                                           << "2 weeks to import: 2 to add, 0 to replace. The database will "
                                              "hold 132 records." +
                                                  skipped
                                           << "added" << 130 << "2026-11-27";
    }
    void importingPricesShowsTheWeeksFirst() {
        QFETCH(int, downKeys);
        QFETCH(int, finalKey);
        QFETCH(QString, plan);
        QFETCH(QString, firstFate);
        QFETCH(int, records);
        QFETCH(QString, newest);
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        QCOMPARE(qs(isoDateText(db().records[0].date)), QString("2026-11-27"));
        const QString prices = QDir(program().dataFolder).filePath("prices.csv");
        QFile file(prices);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Date,Open,Close\n04/12/2026,1,21.50\n11/12/2026,1,22.50\nlater,1,2\n");
        file.close();
        QString firstPlan, chosenPlan, fate, summary;
        bool importAtFirst = true;
        testing::whenModal([&](QWidget* dialog) { // the file dialog, then the preview
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            if (QWidget* focused = files->focusWidget()) focused->clearFocus(); // else it keeps its text
            files->selectFile(prices);
            QMetaObject::invokeMethod(files, "accept");
            testing::whenModalNamed("ImportPreview", [&](QWidget* preview) {
                QVERIFY(testing::activate(preview));
                firstPlan = preview->findChild<QLabel*>("ImportPlan")->text();
                importAtFirst = preview->findChild<QPushButton*>("ImportOk")->isEnabled();
                auto* order = preview->findChild<QComboBox*>("ImportDateOrder");
                order->setFocus();
                for (int i = 0; i < downKeys; ++i)
                    QTest::keyClick(order, Qt::Key_Down);
                chosenPlan = preview->findChild<QLabel*>("ImportPlan")->text();
                fate = preview->findChild<ResultGrid*>("ImportWeeks")->grid()->text(1, 2);
                if (finalKey == Qt::Key_Return)
                    testing::whenModalNamed("ImportSummary", [&](QWidget* box) {
                        summary = qobject_cast<QMessageBox*>(box)->text();
                        box->close();
                    });
                QTest::keyClick(order, Qt::Key(finalKey));
            });
        });
        program().shell.CsvFolder = ss(program().dataFolder);
        menu->findChild<QPushButton*>("ImportCsv")->click();
        QCOMPARE(firstPlan,
                 QString("The dates read both day first and month first (row 2 has \"04/12/2026\"). "
                         "Choose their order under Dates written."));
        QVERIFY(!importAtFirst);
        QCOMPARE(chosenPlan, plan);
        QVERIFY2(fate.startsWith(firstFate), qPrintable(fate));
        // What was planned is what was done, said once more in the past tense.
        QString done = plan;
        done.replace("to import", "imported").replace("to add", "added").replace("to replace", "replaced");
        done.replace("will hold", "holds").replace("to skip", "skipped");
        QCOMPARE(summary, finalKey == Qt::Key_Return ? done : QString());
        QCOMPARE(db().RecordCount(), records);
        QCOMPARE(qs(isoDateText(db().records[0].date)), newest);
        QCOMPARE(db().DbChanged, records == 130 && finalKey == Qt::Key_Escape ? 0 : 1);
        QCOMPARE(menu->findChild<QLabel*>("InfoLabel")->text(),
                 QString(" File in Memory = Northfield Growth Fund "));
    }

    // A file that cannot be read at all is message 13 and changes nothing.
    void importingAnUnreadableFileChangesNothing() {
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        QString* message = captureMessage();
        QVERIFY(!menu->importPrices(QDir(program().dataFolder).filePath("missing.csv")));
        QCOMPARE(*message, QString("File not found or wrong format. Check Filename and/or Directory."));
        QCOMPARE(db().RecordCount(), 130);
    }

    // Every command of the menu has its own access key.
    void theMenusAccessKeysDiffer() {
        DatabaseMenu* menu = openMenu();
        QStringList keys;
        for (QPushButton* button : menu->findChildren<QPushButton*>()) {
            const int amp = button->text().indexOf('&');
            QVERIFY2(amp >= 0, qPrintable(button->text()));
            keys << button->text().mid(amp + 1, 1).toLower();
        }
        const int all = keys.size();
        keys.removeDuplicates();
        QCOMPARE(keys.size(), all);
        QCOMPARE(all, 9);
    }

    void savingRoundTripsAndAFailureNamesTheFile() {
        DatabaseMenu* menu = openMenu();
        QString* message = captureMessage();
        menu->saveFileAs();
        QCOMPARE(*message, QString("No Records."));
        QVERIFY(menu->loadFile(samplePath()));
        db().DbChanged = 1;
        const QString copy = QDir(program().dataFolder).filePath("Copy.zrk");
        QVERIFY(menu->saveFile(copy));
        QCOMPARE(db().DbChanged, 0);
        QFile original(samplePath()), saved(copy);
        QVERIFY(original.open(QIODevice::ReadOnly) && saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), original.readAll()); // the program reads and writes the same bytes
        message = captureMessage();
        QVERIFY(!menu->saveFile("/no/such/folder/Lost.zrk"));
        QCOMPARE(*message, QString("Lost.zrk Bad Filename. Must be in the form MYFILE.ZRK"));
    }

    void typingAWeeklySeries() {
        openMenu();
        DatabaseEditor* editor = openEditor();
        EntryBox* date = editor->box("InDate");
        EntryBox* value = editor->box("InValue");
        typeInto(date, "2002-03-01");
        QTest::keyClick(date, Qt::Key_Return);
        QVERIFY(value->hasFocus());
        QTest::keyClicks(value, "12.345");
        QTest::keyClick(value, Qt::Key_Return);                       // to Add Record
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // adds it
        QCOMPARE(db().RecordCount(), 1);
        QCOMPARE(db().records[0].value, 12.34);
        QCOMPARE(date->text(), QString("2002-03-08"));
        QVERIFY(value->text().isEmpty());
        QVERIFY(value->hasFocus());
        QTest::keyClicks(value, "13");
        editor->addRecord();
        QCOMPARE(editor->gridText(1, 1), QString("2002-03-08"));
        QCOMPARE(editor->gridText(2, 2), QString("12.34"));
        QCOMPARE(db().DbChanged, 1);
        QString* message = captureMessage();
        editor->addRecord(); // the value box is empty
        QCOMPARE(*message, QString("No complete record to add to database."));
        message = captureMessage();
        date->setText("31/31/2002");
        value->setText("5");
        editor->addRecord();
        QVERIFY(message->startsWith("Wrong date entry. Correct date format is "));
        QCOMPARE(db().RecordCount(), 2);
    }

    void aCorrectionLaterThanTheNewestIsRefused() {
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        DatabaseEditor* editor = openEditor();
        editor->chooseGridRecord(1);
        testing::whenModal([](QWidget* dialog) {
            dialog->findChild<QRadioButton*>("CorInsDel0")->click();
            dialog->findChild<QPushButton*>("Accept")->click();
        });
        editor->correctRecord();
        QCOMPARE(editor->findChild<QLabel*>("InNew")->text(), QString("1"));
        QVERIFY(!editor->findChild<QPushButton*>("Exitbut")->isVisible());
        editor->box("InDate")->setText("2026-11-28");
        QString* message = captureMessage();
        editor->addRecord();
        QCOMPARE(*message, QString("Date cannot be greater than last record: 2026-11-27"));
        editor->box("InDate")->setText("2026-11-26");
        editor->addRecord();
        QCOMPARE(db().records[0].date,
                 (Date{std::chrono::year(2026), std::chrono::month(11), std::chrono::day(26)}));
        QVERIFY(editor->findChild<QPushButton*>("Exitbut")->isVisibleTo(editor));
    }

    void deletingARecord() {
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        DatabaseEditor* editor = openEditor();
        testing::whenModal([](QWidget* dialog) {
            dialog->findChild<QRadioButton*>("CorInsDel2")->click();
            dialog->findChild<EntryBox*>("CurVal")->setText("3");
            dialog->findChild<QPushButton*>("Accept")->click();
        });
        editor->correctRecord();
        QCOMPARE(db().RecordCount(), 129);
        QCOMPARE(editor->gridText(3, 1), QString("2026-11-06"));
    }

    void ratiosNeedThreeRecordsAndShowTheSheet() {
        openMenu();
        DatabaseEditor* editor = openEditor();
        for (int d : {1, 8})
            addRecord(db(), Date{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(d)}, 10);
        QString* message = captureMessage();
        editor->showAverages();
        QCOMPARE(*message, QString("Minimum of two weeks data required for Ratios."));
    }

    void theSheetOfTheSample() {
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        m_frame->openOver(new AveragesWindow(program(), document()));
        auto* sheet = qobject_cast<AveragesWindow*>(m_frame->currentTask());
        QCOMPARE(sheet->labelText("Label2"), QString("Northfield Growth Fund"));
        QCOMPARE(sheet->labelText("Label52"), QString(" 130 Weeks (All)"));
        QCOMPARE(sheet->labelText("Label41"), QString("20.34  "));
        QCOMPARE(sheet->labelText("Label10"), QString(" Risk at 15 times Earnings"));
        QCOMPARE(sheet->labelText("Label23"), QString(" Change 2024 - 2025"));
        QVERIFY(sheet->labelText("Label16") == "Upswing " || sheet->labelText("Label16") == "Downswing " ||
                sheet->labelText("Label16") == "Sideways ");
        sheet->findChild<QWidget*>("WeekPoints")->setProperty("checked", true);
        QCOMPARE(sheet->labelText("Label4"), QString(" 2 Data values"));
        QCOMPARE(sheet->labelText("Label11"), QString("19.86 ")); // the figures stay
    }

    void earningsTypedWithoutRatiosAreSaved() {
        DatabaseMenu* menu = openMenu();
        DatabaseEditor* editor = openEditor();
        for (int d : {1, 8, 15})
            addRecord(db(), Date{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(d)}, 10);
        typeInto(editor->box("InDatext0"), "2001");
        typeInto(editor->box("InEarnTxt0"), "1.25");
        typeInto(editor->box("TEFName"), "12");
        editor->box("InValue")->setFocus(Qt::TabFocusReason);
        const QString path = QDir(program().dataFolder).filePath("Typed.zrk");
        QVERIFY(menu->saveFile(path));
        QVERIFY(menu->loadFile(path));
        QCOMPARE(db().EarnCount, 1);
        QCOMPARE(db().earnings[0].amount, 1.25);
        QCOMPARE(db().EarningsFactor, 12.0f);
    }

    void leavingWithUnsavedRecordsAsks() {
        DatabaseMenu* menu = openMenu();
        addRecord(db(), Date{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(1)}, 10);
        QString question;
        testing::whenModal([&](QWidget* box) {
            question = box->findChild<QLabel*>("Label1")->text();
            box->findChild<QPushButton*>("AllYes")->click();
        });
        menu->exitToMenu();
        QVERIFY(question.endsWith(
            " file in memory will be erased. Do you wish to go back and save it to Disk?."));
        QCOMPARE(m_frame->currentTask(), menu); // back to save
        // Closing the question without an answer keeps the records too.
        testing::whenModal([](QWidget* box) { box->close(); });
        menu->exitToMenu();
        QCOMPARE(m_frame->currentTask(), menu);
        QCOMPARE(db().RecordCount(), 1);
        testing::whenModal([](QWidget* box) { box->findChild<QPushButton*>("AllNo")->click(); });
        menu->exitToMenu();
        QTest::qWait(0);
        QVERIFY(m_frame->menu()->isVisible());
    }

    // Closing the program with the editor open over unsaved records: Yes (go back and save) leaves
    // the editor as it was, records and all, and the program can still be closed after a No.
    void closingWithUnsavedRecordsKeepsTheEditor() {
        openMenu();
        DatabaseEditor* editor = openEditor();
        addRecord(db(), Date{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(1)}, 10);
        testing::whenModal([](QWidget* box) { box->findChild<QPushButton*>("AllYes")->click(); });
        QVERIFY(!m_frame->close());
        QCOMPARE(m_frame->currentTask(), editor);
        QVERIFY(editor->isVisible());
        QVERIFY(editor->findChild<QPushButton*>("AddRecord")->isVisible());
        QCOMPARE(db().RecordCount(), 1);
        testing::whenModal([](QWidget* box) { box->findChild<QPushButton*>("AllNo")->click(); });
        QVERIFY(m_frame->close());
    }

    // The record-number dialog as a user fills it in: a number beyond the records, however long, is
    // message 16 and starts nothing; 0 chooses no record; the first and the last record start their
    // correction or deletion.
    void aRecordNumberBeyondTheRecordsIsMessage16_data() {
        QTest::addColumn<int>("option"); // 0 correct, 2 delete
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("newRow"); // the label of the new-record row afterwards
        QTest::addColumn<int>("records");
        const QString none, missing = "Record number does not exist.";
        QTest::newRow("correct 0") << 0 << "0" << none << "New" << 130;
        QTest::newRow("correct 1") << 0 << "1" << none << "1" << 130;
        QTest::newRow("correct 130, the last") << 0 << "130" << none << "130" << 130;
        QTest::newRow("correct 131") << 0 << "131" << missing << "New" << 130;
        QTest::newRow("correct 32767") << 0 << "32767" << missing << "New" << 130;
        QTest::newRow("correct 32768") << 0 << "32768" << missing << "New" << 130;
        QTest::newRow("correct 9999999999") << 0 << "9999999999" << missing << "New" << 130;
        QTest::newRow("delete 0") << 2 << "0" << none << "New" << 130;
        QTest::newRow("delete 130, the last") << 2 << "130" << none << "New" << 129;
        QTest::newRow("delete 131") << 2 << "131" << missing << "New" << 130;
        QTest::newRow("delete 32768") << 2 << "32768" << missing << "New" << 130;
        QTest::newRow("delete 9999999999") << 2 << "9999999999" << missing << "New" << 130;
    }
    void aRecordNumberBeyondTheRecordsIsMessage16() {
        QFETCH(int, option);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, newRow);
        QFETCH(int, records);
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        DatabaseEditor* editor = openEditor();
        QString dialogName, typedText;
        auto after = std::make_shared<QString>(); // what a window over the editor said afterwards
        testing::whenModal([&, after](QWidget* dialog) {
            dialogName = dialog->objectName();
            auto* choice = dialog->findChild<QRadioButton*>(QString("CorInsDel%1").arg(option));
            auto* box = dialog->findChild<EntryBox*>("CurVal");
            auto* accept = dialog->findChild<QPushButton*>("Accept");
            if (!choice || !box || !accept) return void(dialog->close());
            QStyleOptionButton look;
            look.initFrom(choice);
            const QRect round =
                choice->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &look, choice);
            QTest::mouseClick(choice, Qt::LeftButton, {}, round.center());
            QTest::keyClicks(box, typed);
            typedText = box->text();
            testing::whenModal([after](QWidget* next) {
                auto* text = next->findChild<QPlainTextEdit*>("TextMsg");
                *after = text ? text->toPlainText() : next->objectName();
                next->close();
            });
            QTest::mouseClick(accept, Qt::LeftButton);
        });
        QTest::mouseClick(editor->findChild<QPushButton*>("CorrRecord"), Qt::LeftButton);
        QCOMPARE(dialogName, QString("InRecNum"));
        QCOMPARE(typedText, typed);
        QCOMPARE(*after, message);
        QCOMPARE(editor->findChild<QLabel*>("InNew")->text(), newRow);
        QCOMPARE(db().RecordCount(), records);
        QCOMPARE(editor->editMode(), newRow == "New" ? EditAction::Adding : EditAction::Correcting);
        // Correcting, the keys go to the record's boxes, never to the title over them.
        if (newRow != "New") {
            QVERIFY(testing::activate(editor->window()));
            QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
                     QString("InDate"));
        }
    }

    // An earnings year is a whole number up to 32767: a larger one is a wrong entry (message 3) and
    // the box shows the year it had, which stays stored and unchanged.
    void anEarningsYearBeyondTheLargestIsAWrongEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("changed");
        const QString wrong = "Wrong or missing entry, try again.";
        QTest::newRow("32767") << "32767" << QString() << 32767 << 1;
        QTest::newRow("32768") << "32768" << wrong << 2025 << 0;
        QTest::newRow("9999999999") << "9999999999" << wrong << 2025 << 0;
    }
    void anEarningsYearBeyondTheLargestIsAWrongEntry() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, year);
        QFETCH(int, changed);
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        DatabaseEditor* editor = openEditor();
        EntryBox* box = editor->box("InDatext0");
        QCOMPARE(box->text().trimmed(), QString("2025"));
        typeInto(box, typed);
        QCOMPARE(box->text(), typed);
        QCOMPARE(testing::messageShownBy([box] { QTest::keyClick(box, Qt::Key_Return); }), message);
        QCOMPARE(db().earnings[0].year, year);
        QCOMPARE(box->text().trimmed(), QString::number(year));
        QCOMPARE(db().DbChanged, changed);
    }

    // Opening a file over unsaved records asks first, as leaving the menu does: only No lets them
    // go; Yes (go back and save) and the question closed unanswered keep them and read no file.
    // Records without unsaved changes give way without a question. Importing prices erases nothing
    // and asks nothing.
    void openingOrImportingOverUnsavedRecordsAsks_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("changed");
        QTest::addColumn<bool>("toEditor");
        // The other database holds 2 records; the prices add one week to the sample's 130 records,
        // to which the unsaved record adds one.
        const QByteArray other = "2,0,\"Other\",10\r\n1,#2002-03-08#,11\r\n2,#2002-03-01#,10\r\n";
        const QByteArray prices = "Date,Close\n2026-12-11,21.50\n", noPrices = "When,Quote\nsoon,30\n";
        const QStringList asked{"QFileDialog", "AllYesNo"};
        QTest::newRow("open, nothing unsaved")
            << "LoadaFile" << other << false << "" << QStringList{"QFileDialog"} << 2 << 0 << true;
        QTest::newRow("open, No") << "LoadaFile" << other << true << "AllNo" << asked << 2 << 0 << true;
        QTest::newRow("open, Yes") << "LoadaFile" << other << true << "AllYes" << asked << 131 << 1 << false;
        QTest::newRow("open, closed")
            << "LoadaFile" << other << true << "Escape" << asked << 131 << 1 << false;
        // An import asks nothing: the preview shows what it replaces, and nothing is erased.
        const QStringList imported{"QFileDialog", "ImportPreview", "ImportSummary"};
        QTest::newRow("import, nothing unsaved")
            << "ImportCsv" << prices << false << "" << imported << 131 << 1 << false;
        QTest::newRow("import, unsaved")
            << "ImportCsv" << prices << true << "" << imported << 132 << 1 << false;
        // Nothing merged: the records stay unsaved, and leaving still asks.
        QTest::newRow("import, unsaved, no usable row")
            << "ImportCsv" << noPrices << true << "" << QStringList{"QFileDialog", "ImportPreview"} << 131
            << 1 << false;
    }
    void openingOrImportingOverUnsavedRecordsAsks() {
        QFETCH(QString, command);
        QFETCH(QByteArray, file);
        QFETCH(bool, unsaved);
        QFETCH(QString, answer);
        QFETCH(QStringList, seen);
        QFETCH(int, records);
        QFETCH(int, changed);
        QFETCH(bool, toEditor);
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        if (unsaved)
            QCOMPARE(addRecord(db(),
                               Date{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(18)},
                               22),
                     Msg::None);
        auto m = std::make_shared<Modals>();
        m->answer = answer;
        m->path = QDir(program().dataFolder).filePath(command == "LoadaFile" ? "Other.zrk" : "prices.csv");
        QFile written(m->path);
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write(file);
        written.close();
        program().shell.CsvFolder = ss(program().dataFolder);
        answerModals(m);
        QTest::mouseClick(menu->findChild<QPushButton*>(command), Qt::LeftButton);
        QCOMPARE(m->seen.join(" | "), seen.join(" | "));
        if (unsaved && command == "LoadaFile")
            QCOMPARE(m->question,
                     QString("Sample.Zrk file in memory will be erased. Do you wish to go back and "
                             "save it to Disk?."));
        QCOMPARE(db().RecordCount(), records);
        QCOMPARE(db().DbChanged, changed);
        QCOMPARE(db().DbTitle, std::string(records == 2 ? "Other" : "Northfield Growth Fund"));
        QCOMPARE(qobject_cast<DatabaseEditor*>(m_frame->currentTask()) != nullptr, toEditor);
    }

    void extractingARange() {
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        QString message;
        testing::whenModal([&](QWidget* dialog) {
            static_cast<ExtractDialog*>(dialog)->setRange(6, 5);
            testing::whenModal([&](QWidget* box) {
                message = box->findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
                box->close();
            });
            static_cast<ExtractDialog*>(dialog)->extractRecords();
            static_cast<ExtractDialog*>(dialog)->setRange(3, 5);
            static_cast<ExtractDialog*>(dialog)->extractRecords();
        });
        menu->findChild<QPushButton*>("SelectRec")->click();
        QCOMPARE(message, QString("Low number is greater than High."));
        QCOMPARE(db().RecordCount(), 3);
        QCOMPARE(db().DbTitle, std::string("Extracted"));
        QCOMPARE(document().fileName(), QString("Extract.zrk"));
        QVERIFY(qobject_cast<DatabaseEditor*>(m_frame->currentTask()));
    }

    // Two database menus, each with its own editor: a record typed into one database leaves the
    // other's records, file, unsaved state and grid as they were.
    void twoMenusKeepTheirDatabasesApart() {
        DatabaseMenu sample(program()), typed(program());
        QVERIFY(sample.loadFile(samplePath()));
        DatabaseEditor sampleEditor(program(), sample.document());
        DatabaseEditor editor(program(), typed.document());
        editor.show();
        QVERIFY(testing::activate(&editor));
        EntryBox* date = editor.box("InDate");
        date->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(date, "2002-03-01");
        QTest::keyClick(date, Qt::Key_Return);
        QTest::keyClicks(editor.box("InValue"), "12.50");
        QTest::mouseClick(editor.findChild<QPushButton*>("AddRecord"), Qt::LeftButton);

        QCOMPARE(typed.document().database().RecordCount(), 1);
        QCOMPARE(typed.document().database().records[0].value, 12.5);
        QVERIFY(typed.document().isModified());
        QCOMPARE(editor.gridText(1, 1), QString("2002-03-01"));
        QCOMPARE(sample.document().database().RecordCount(), 130);
        QVERIFY(!sample.document().isModified());
        QCOMPARE(sample.document().fileName(), QString("Sample.Zrk"));
        QVERIFY(typed.document().fileName().isEmpty());
        QCOMPARE(sample.findChild<QLabel*>("InfoLabel")->text(),
                 QString(" File in Memory = Northfield Growth Fund "));
        QCOMPARE(sampleEditor.gridText(1, 1), QString("2026-11-27"));
    }

    // The extract and the record-number dialogs, filled in and then cancelled by their Cancel button
    // or by Escape: asked directly they give nothing, and asked from their windows the database and
    // its file stay as they were (the editor adds records again).
    void aCancelledDialogChangesNothing_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("cancel"); // a button's name, or Escape
        QTest::newRow("extract, Cancel") << "Extract"
                                         << "ExitExtract";
        QTest::newRow("extract, Escape") << "Extract"
                                         << "Escape";
        QTest::newRow("record number, Cancel") << "InRecNum"
                                               << "NoAccept";
        QTest::newRow("record number, Escape") << "InRecNum"
                                               << "Escape";
    }
    void aCancelledDialogChangesNothing() {
        QFETCH(QString, dialog);
        QFETCH(QString, cancel);
        DatabaseMenu* menu = openMenu();
        QVERIFY(menu->loadFile(samplePath()));
        const Date newest{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(4)};
        QCOMPARE(addRecord(db(), newest, 21), Msg::None); // an unsaved record
        auto shown = std::make_shared<int>(0);            // times the dialog came
        auto filledIn = std::make_shared<bool>(true);     // and took what was typed each time
        const auto fillInAndCancel = [dialog, cancel, shown, filledIn] {
            testing::whenModalNamed(dialog, [cancel, shown, filledIn](QWidget* modal) {
                ++*shown;
                if (modal->objectName() == "Extract") {
                    const QString low = testing::typeAndLeave(modal->findChild<EntryBox*>("LowRecNo"), "3");
                    const QString high = testing::typeAndLeave(modal->findChild<EntryBox*>("HighRecNo"), "5");
                    *filledIn = *filledIn && low.trimmed() == "3" && high.trimmed() == "5";
                } else {
                    auto* deleting = modal->findChild<QRadioButton*>("CorInsDel2");
                    QStyleOptionButton look;
                    look.initFrom(deleting);
                    QTest::mouseClick(deleting, Qt::LeftButton, {},
                                      deleting->style()
                                          ->subElementRect(QStyle::SE_RadioButtonIndicator, &look, deleting)
                                          .center());
                    auto* number = modal->findChild<EntryBox*>("CurVal");
                    QTest::keyClicks(number, "3");
                    *filledIn = *filledIn && deleting->isChecked() && number->text() == "3";
                }
                if (cancel == "Escape")
                    QTest::keyClick(modal, Qt::Key_Escape);
                else
                    QTest::mouseClick(modal->findChild<QPushButton*>(cancel), Qt::LeftButton);
            });
        };
        const auto unchanged = [this] {
            QCOMPARE(db().RecordCount(), 131);
            QCOMPARE(qs(isoDateText(db().records[0].date)), QString("2026-12-04"));
            QCOMPARE(qs(isoDateText(db().records[130].date)), QString("2024-06-07")); // the sample's oldest
            QVERIFY(document().isModified());
            QCOMPARE(document().fileName(), QString("Sample.Zrk"));
        };

        fillInAndCancel();
        const bool gave = dialog == "Extract" ? ExtractDialog::ask(program(), document(), menu).has_value()
                                              : RecordNumberDialog::ask(3, menu).has_value();
        QCOMPARE(*shown, 1);
        QVERIFY(*filledIn);
        QVERIFY(!gave);
        unchanged();

        fillInAndCancel();
        DatabaseEditor* editor = nullptr;
        if (dialog == "Extract") {
            QTest::mouseClick(menu->findChild<QPushButton*>("SelectRec"), Qt::LeftButton);
            editor = qobject_cast<DatabaseEditor*>(m_frame->currentTask()); // shown after a cancel too
        } else {
            editor = openEditor();
            QTest::mouseClick(editor->findChild<QPushButton*>("CorrRecord"), Qt::LeftButton);
        }
        QCOMPARE(*shown, 2);
        QVERIFY(*filledIn);
        unchanged();
        QVERIFY(editor);
        QCOMPARE(editor->editMode(), EditAction::Adding);
        QCOMPARE(editor->findChild<QLabel*>("InNew")->text(), QString("New"));
        QCOMPARE(editor->gridText(131, 1), QString("2024-06-07"));
    }
};

QTEST_MAIN(TestValueDbWindows)
#include "test_valuedb_windows.moc"
