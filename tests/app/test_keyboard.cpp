// The program from the keyboard alone: mnemonics, Enter between boxes, and copying a table out.
#include "app/core/numeric_parse.h"
#include "app/ui/entry_box.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/result_grid.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"
#include "support/ui_support.h"
#include "valuedb/ui/averages_window.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_menu.h"
#include "valuedb/ui/database_windows.h"
#include "valuedb/ui/editor_window.h"
#include "valuedb/ui/extract_dialog.h"
#include "valuedb/ui/record_number_dialog.h"
#include "valuedb/ui/trend_graph_window.h"

#include <QClipboard>
#include <QLabel>
#include <QTest>

using namespace brisk;

class TestKeyboard : public testing::WindowTest {
    Q_OBJECT

    static void keys(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    static void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    }
    static QString focusName() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // Waits for the frame's task to be a window of type W with the focus in it; nothing when none came.
    template <typename W> W* taskOf() {
        const bool there = QTest::qWaitFor([this] {
            auto* task = qobject_cast<W*>(m_frame->currentTask());
            return task && task->isAncestorOf(QApplication::focusWidget());
        });
        return there ? qobject_cast<W*>(m_frame->currentTask()) : nullptr;
    }

  private slots:
    void initTestCase() {
        registerMortgageWindows();
        registerValueDbWindows();
    }
    void init() {
        WindowTest::init();
        program().shell.DateForm = ShortDateForm{};
        frame();
        QVERIFY(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
    }

    void aMortgageFromTheKeyboard() {
        key(Qt::Key_M, Qt::AltModifier); // "&Mortgage"
        auto* window = taskOf<MortgageWindow>();
        QVERIFY(window);
        QCOMPARE(focusName(), QString("InPrincipal"));
        keys("150000");
        key(Qt::Key_Return);
        QCOMPARE(focusName(), QString("InRate"));
        keys("5");
        key(Qt::Key_Return);
        QCOMPARE(focusName(), QString("InTerm"));
        keys("30");
        key(Qt::Key_Return);
        QCOMPARE(focusName(), QString("Comperiod"));
        key(Qt::Key_Down); // "    Bimonthly"
        key(Qt::Key_Up);   // back to "      Monthly"
        key(Qt::Key_Return);
        QCOMPARE(focusName(), QString("FreqPmt"));
        key(Qt::Key_C, Qt::AltModifier); // "&Calculate": clicks once the button has shown it is pressed
        // 150,000 at 5% over 30 years: 805.23 a month.
        QTRY_COMPARE(window->findChild<QLabel*>("InMonthPI")->text().trimmed(), QString("$805.23"));
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.principal, Currency::fromWhole(150000));
        QCOMPARE(testing::documentOf<MortgageWindow>().inputs.termYears, Years::fromWhole(30));
        key(Qt::Key_X, Qt::AltModifier); // "E&xit to Menu"
        QTRY_VERIFY(m_frame->menu()->isVisible());
    }

    void aWeekOfValuesFromTheKeyboard() {
        key(Qt::Key_B, Qt::AltModifier); // "&Brisklane Menu"
        QVERIFY(taskOf<DatabaseMenu>());
        key(Qt::Key_A, Qt::AltModifier); // "&Add and Edit Database"
        auto* editor = taskOf<DatabaseEditor>();
        QVERIFY(editor);
        editor->box("InDate")->setFocus(Qt::TabFocusReason);
        keys("2002-03-01");
        key(Qt::Key_Return);
        QCOMPARE(focusName(), QString("InValue"));
        for (const char* value : {"14.37", "14.5", "15"}) {
            keys(value);
            key(Qt::Key_Return); // to Add Record
            key(Qt::Key_Return); // adds it, and the next week's date is there
        }
        QCOMPARE(m_frame->findChild<DatabaseMenu*>()->document().database().RecordCount(), 3);
        QCOMPARE(editor->gridText(1, 1), QString("2002-03-15"));
        QCOMPARE(editor->box("InDate")->text(), QString("2002-03-22"));
    }

    void aCopiedTableParsesBackToItsFigures() {
        auto* window = openFromMenu<MortgageWindow>("Canadian");
        window->calculate();
        auto* grid = window->findChild<ResultGrid*>("MGrid");
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier); // nothing selected: the whole table
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first().split('\t').size(), 6);
        for (int row = 1; row <= 25; ++row) {
            const QStringList cells = lines[row].split('\t');
            for (int col = 1; col < 6; ++col)
                QCOMPARE(parseEntryText(ss(cells[col]), "$"),
                         parseEntryText(ss(window->gridText(row, col)), "$"));
        }
        QCOMPARE(parseEntryText(ss(lines[1].split('\t')[3]), "$"), 99072.41);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
