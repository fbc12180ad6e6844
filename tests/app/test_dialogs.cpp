// The shared dialogs as a caller uses them: messages, questions, the file dialog, the header line.
#include "app/ui/entry_box.h"
#include "app/ui/file_dialog.h"
#include "app/ui/header_input.h"
#include "app/ui/message_box.h"
#include "support/ui_support.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace brisk;

class TestDialogs : public QObject {
    Q_OBJECT

  private slots:
    void init() { testing::freshProgram(); }

    void messagesShowTheirNumberedText_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("text");
        QTest::newRow("43") << 43 << "30"
                            << "1"
                            << "Must be between 1 and 30";
        QTest::newRow("19") << 19 << "abc"
                            << ""
                            << "Wrong Value entry: abc";
        QTest::newRow("no text") << 11 << ""
                                 << ""
                                 << "";
        QTest::newRow("30") << 30 << ""
                            << ""
                            << "Wrong date entry. Correct date format is ";
    }
    void messagesShowTheirNumberedText() {
        QFETCH(int, number);
        QFETCH(QString, detail);
        QFETCH(QString, low);
        QFETCH(QString, text);
        if (number == 30) text += qs(shortDateText(today(), program().shell.DateForm));
        QString shown, caption;
        testing::whenModal([&](QWidget* box) {
            shown = box->findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
            caption = box->windowTitle();
            box->findChild<QPushButton*>("AMsgExit")->click();
        });
        showMessage(number, nullptr, detail, low);
        QCOMPARE(shown, text);
        QCOMPARE(caption, QString("Help"));
    }

    void questionsAnswerSixOrZero_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << "AllYes" << 6;
        QTest::newRow("no") << "AllNo" << 0;
        QTest::newRow("closed") << "" << 3;
    }
    void questionsAnswerSixOrZero() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        program().shell.DbFileName = "Sample.Zrk";
        QString question;
        testing::whenModal([&](QWidget* box) {
            question = box->findChild<QLabel*>("Label1")->text();
            if (button.isEmpty())
                box->close();
            else
                box->findChild<QPushButton*>(button)->click();
        });
        const bool yes = askYesNo(3);
        QCOMPARE(
            question,
            QString(
                "Sample.Zrk file in memory will be erased. Do you wish to go back and save it to Disk?."));
        QCOMPARE(program().shell.AskNumber, answer);
        QCOMPARE(yes, answer == 6);
    }

    void fileOperationsHaveTheirFilters() {
        program().shell.MortFileName = "House.umd";
        QCOMPARE(fileOperation(6)->filter, QString("Mortgage Database (*.umd)"));
        QCOMPARE(fileOperation(6)->initialName, QString("House.umd"));
        QVERIFY(fileOperation(6)->save);
        QVERIFY(!fileOperation(7)->save);
        QCOMPARE(fileOperation(1)->filter, QString("Investment Manager Database (*.zrk)"));
        QVERIFY(!fileOperation(3));
    }

    void cancellingTheFileDialogGivesNine() {
        ShellState& s = program().shell;
        s.FileOp = 2;
        s.DbFileName = "Sample.Zrk";
        s.ChosenFile = "stale";
        QString filter, name;
        testing::whenModal([&](QWidget* w) {
            auto* dialog = static_cast<QFileDialog*>(w);
            filter = dialog->selectedNameFilter();
            name = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            dialog->reject();
        });
        FileDirectory();
        QCOMPARE(filter, QString("Investment Manager Database (*.zrk)"));
        QCOMPARE(name, QString("Sample.Zrk"));
        QCOMPARE(s.FileOp, kFileOpCancelled);
        QCOMPARE(s.ChosenFile, std::string());
    }

    void aSavedNameWithoutExtensionGetsTheFiltersOne() {
        ShellState& s = program().shell;
        s.FileOp = 6;
        testing::whenModal([](QWidget* w) {
            auto* dialog = static_cast<QFileDialog*>(w);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("House");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        FileDirectory();
        QCOMPARE(s.FileOp, 6);
        QCOMPARE(qs(s.ChosenFile), QDir(program().dataFolder).filePath("House.umd"));
    }

    void anyHeaderTextPrintsAndCancelIsApart_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("one") << "1" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("quotes refused") << "My \"plan\"" << false;
        QTest::newRow("cancelled") << "Ann" << true;
    }
    void anyHeaderTextPrintsAndCancelIsApart() {
        QFETCH(QString, typed);
        QFETCH(bool, cancel);
        QString caption;
        testing::whenModal([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            QVERIFY(testing::activate(dialog));
            auto* box = dialog->findChild<EntryBox*>("InFName");
            box->setFocus();
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
            auto* accept = dialog->findChild<QPushButton*>("Acept");
            QVERIFY(accept->hasFocus());
            dialog->findChild<QPushButton*>(cancel ? "NAcept" : "Acept")->click();
        });
        const bool print = askPrintHeader();
        QCOMPARE(caption, QString("Input"));
        QCOMPARE(print, !cancel);
        QCOMPARE(program().shell.PrintHeader.has_value(), !cancel);
        if (!cancel) QCOMPARE(qs(*program().shell.PrintHeader), QString(typed).remove('"'));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
