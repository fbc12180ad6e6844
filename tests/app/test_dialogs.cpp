// The shared dialogs as a caller uses them: messages, questions, the file dialog, the header line.
#include "app/ui/entry_box.h"
#include "app/ui/file_dialog.h"
#include "app/ui/header_input.h"
#include "app/ui/message_box.h"
#include "app/ui/twips.h"
#include "support/ui_support.h"

#include <QAccessible>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

using namespace brisk;

class TestDialogs : public testing::WindowTest {
    Q_OBJECT

  private slots:

    // A message box stands at its place from the frame's corner, whether a window in the frame or
    // a dialog over it asked (the dialog's own corner is elsewhere).
    void aMessageIsPlacedFromTheFrame_data() {
        QTest::addColumn<bool>("fromDialog");
        QTest::newRow("window") << false;
        QTest::newRow("dialog over the window") << true;
    }
    void aMessageIsPlacedFromTheFrame() {
        QFETCH(bool, fromDialog);
        frame()->move(170, 90);
        auto* window = new QWidget;
        frame()->openTask(window);
        QDialog dialog(window);
        dialog.move(500, 400);
        QPoint placed;
        testing::whenModal([&placed](QWidget* box) {
            placed = box->pos();
            box->close();
        });
        showMessage(Msg::WrongEntry, fromDialog ? static_cast<QWidget*>(&dialog) : window);
        QCOMPARE(placed - m_frame->frameGeometry().topLeft(), twipPoint({3600, 2000}));
    }

    void messagesShowTheirNumberedText_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("text");
        for (const auto& [number, detail, low, text] :
             std::initializer_list<std::tuple<int, const char*, const char*, const char*>>{
                 {43, "30", "1", "Must be between 1 and 30"},
                 {19, "abc", "", "Wrong Value entry: abc"},
                 {11, "", "", ""},
                 {30, "", "", "Wrong date entry. Correct date format is "}})
            QTest::newRow(qPrintable(QString::number(number))) << number << detail << low << text;
    }
    void messagesShowTheirNumberedText() {
        QFETCH(int, number);
        QFETCH(QString, detail);
        QFETCH(QString, low);
        QFETCH(QString, text);
        if (number == 30) text += qs(shortDateText(today(), program().shell.DateForm));
        QString shown, caption, spoken;
        testing::whenModal([&](QWidget* box) {
            shown = box->findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
            caption = box->windowTitle();
            spoken = QAccessible::queryAccessibleInterface(box->findChild<QPlainTextEdit*>("TextMsg"))
                         ->text(QAccessible::Name);
            box->findChild<QPushButton*>("AMsgExit")->click();
        });
        showMessage(Msg(number), nullptr, detail, low);
        QCOMPARE(shown, text);
        QCOMPARE(caption, QString("Help"));
        QCOMPARE(spoken, QString("Message")); // what a screen reader names the text
    }

    // A box closed without an answer is told apart from No: unsaved records are only let go on No.
    void questionsAnswerYesNoOrCancel_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << "AllYes" << int(QuestionDialog::Answer::Yes);
        QTest::newRow("no") << "AllNo" << int(QuestionDialog::Answer::No);
        QTest::newRow("closed") << "" << int(QuestionDialog::Answer::Cancel);
    }
    void questionsAnswerYesNoOrCancel() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        QString question;
        testing::whenModal([&](QWidget* box) {
            question = box->findChild<QLabel*>("Label1")->text();
            if (button.isEmpty())
                box->close();
            else
                box->findChild<QPushButton*>(button)->click();
        });
        const QuestionDialog::Answer given = ask(Question::SaveDatabaseFirst, nullptr, "Sample.Zrk");
        QCOMPARE(
            question,
            QString(
                "Sample.Zrk file in memory will be erased. Do you wish to go back and save it to Disk?."));
        QCOMPARE(int(given), answer);
    }

    void cancellingTheFileDialogGivesNothing() {
        QString filter, name;
        testing::whenModalOf<QFileDialog>([&](QFileDialog* dialog) {
            filter = dialog->selectedNameFilter();
            name = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            dialog->reject();
        });
        const auto chosen = FileDirectory(FileOp::SaveDatabase, nullptr, "/home/me/Sample.Zrk");
        QCOMPARE(filter, QString("Investment Manager Database (*.zrk)"));
        QCOMPARE(name, QString("Sample.Zrk"));
        QVERIFY(!chosen);
    }

    void aSavedNameWithoutExtensionGetsTheFiltersOne() {
        testing::whenModalOf<QFileDialog>([](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("House");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const auto chosen = FileDirectory(FileOp::SaveMortgage);
        QCOMPARE(chosen, QDir(program().dataFolder).filePath("House.umd"));
    }

    // The dialog starts in the folder of the file in memory, wherever it came from.
    void theDialogStartsWhereTheFileInMemoryIs() {
        QTemporaryDir elsewhere;
        QString folder;
        testing::whenModalOf<QFileDialog>([&](QFileDialog* dialog) {
            folder = dialog->directory().absolutePath();
            dialog->reject();
        });
        FileDirectory(FileOp::SaveMortgage, nullptr, QDir(elsewhere.path()).filePath("House.umd"));
        QCOMPARE(folder, QDir(elsewhere.path()).absolutePath());
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
        const auto header = askPrintHeader();
        QCOMPARE(caption, QString("Input"));
        QCOMPARE(header.has_value(), !cancel);
        if (!cancel) QCOMPARE(qs(*header), QString(typed).remove('"'));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
