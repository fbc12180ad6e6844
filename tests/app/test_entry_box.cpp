// Typing into the entry boxes as a user does: replacing, editing in place, filters, storing.
#include "app/ui/entry_box.h"
#include "app/ui/text_area.h"
#include "support/ui_support.h"

#include <QAccessible>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <tuple>

using namespace brisk;

class TestEntryBox : public testing::WindowTest {
    Q_OBJECT

    QWidget* m_window = nullptr;
    EntryBox* m_amount = nullptr;
    EntryBox* m_rate = nullptr;
    EntryBox* m_years = nullptr;
    EntryBox* m_list = nullptr;

    void enterByTab(EntryBox* box) {
        m_years->setFocus(Qt::TabFocusReason); // somewhere else first
        box->setFocus(Qt::TabFocusReason);
        QVERIFY(box->hasFocus());
    }
    void leave() { m_list->setFocus(Qt::TabFocusReason); }
    // Once the list opens (a popup menu running its own loop): the item it opened on; then `key` and
    // Return are pressed in it. A list still open after five seconds is closed, so that the test fails.
    std::shared_ptr<QString> answerList(Qt::Key key) {
        auto* poll = new QTimer(m_window);
        const auto opened = std::make_shared<QString>();
        connect(poll, &QTimer::timeout, poll, [poll, opened, key] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            poll->stop();
            *opened = menu->activeAction() ? menu->activeAction()->text() : QString("none");
            QTest::keyClick(menu, key);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTimer::singleShot(5000, poll, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
        poll->start(10);
        return opened;
    }

  private slots:
    void init() {
        WindowTest::init();
        m_window = new QWidget;
        auto* layout = new QVBoxLayout(m_window);
        m_amount = new EntryBox(EntryBox::Kind::Amount);
        m_amount->setFormat("####,,###.00", 16);
        m_rate = new EntryBox(EntryBox::Kind::Rate);
        m_rate->setFormat("###.000", 14, 3);
        m_years = new EntryBox(EntryBox::Kind::Whole);
        m_years->setFormat("###", 5);
        m_list = new EntryBox(EntryBox::Kind::Text);
        m_list->setItems({"Monthly", "Weekly", "Annually"}, true);
        m_list->setText("Monthly");
        for (QWidget* w : {static_cast<QWidget*>(m_amount), static_cast<QWidget*>(m_rate),
                           static_cast<QWidget*>(m_years), static_cast<QWidget*>(m_list)})
            layout->addWidget(w);
        m_amount->setValue(1234.5);
        m_rate->setValue(6.5);
        m_years->setValue(25);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup() { delete m_window; }

    // A key typed over the whole text replaces it: the digits of 6.78 are judged against an empty
    // box, not against the two decimals of the selected 4.56.
    void typingOverTheWholeTextReplacesIt() {
        m_rate->setFormat("###.00", 14);
        enterByTab(m_rate);
        QTest::keyClicks(m_rate, "4.56");
        leave();
        QCOMPARE(m_rate->value(), 4.56);
        m_rate->setFocus(Qt::TabFocusReason);
        m_rate->selectAll();
        QTest::keyClicks(m_rate, "6.78");
        QCOMPARE(m_rate->text(), QString("6.78"));
        leave();
        QCOMPARE(m_rate->value(), 6.78);
    }

    // A box whose Backspace and Delete empty it: retyping 10 gives 10, not 110.
    void eraseEmptiesTheBox_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("backspace") << int(Qt::Key_Backspace);
        QTest::newRow("delete") << int(Qt::Key_Delete);
    }
    void eraseEmptiesTheBox() {
        QFETCH(int, key);
        m_years->setEraseEmpties(true);
        m_years->setValue(10);
        m_years->setFocus(Qt::TabFocusReason);
        m_years->setCursorPosition(m_years->text().size());
        QTest::keyClick(m_years, Qt::Key(key));
        QCOMPARE(m_years->text(), QString());
        QTest::keyClicks(m_years, "10");
        leave();
        QCOMPARE(m_years->value(), 10.0);
    }

    void tabThenTypingReplaces_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("refused");
        for (const auto& [tag, box, keys, stored, shown, refused] : std::initializer_list<
                 std::tuple<const char*, const char*, const char*, double, const char*, int>>{
                 {"two decimals stop", "amount", "12.345", 12.34, "          $12.34", 1},
                 {"second point passes", "amount", "1..5", 1.0, "           $1.00", 0},
                 {"letters refused", "amount", "3a,5", 35.0, "          $35.00", 2},
                 {"three decimals", "rate", "6.5005", 6.5, "         6.500%", 1},
                 {"whole number", "years", "3.0", 30.0, "   30", 1},
                 {"first backspace empties", "years", "\b", 0.0, "     ", 0}})
            QTest::newRow(tag) << box << keys << stored << shown << refused;
    }
    void tabThenTypingReplaces() {
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        QFETCH(int, refused);
        EntryBox* target = box == "amount" ? m_amount : box == "rate" ? m_rate : m_years;
        QSignalSpy refusals(target, &EntryBox::refused);
        QSignalSpy stale(target, &EntryBox::stale);
        enterByTab(target);
        for (QChar key : keys) {
            if (key == '\b')
                QTest::keyClick(target, Qt::Key_Backspace);
            else
                QTest::keyClicks(target, QString(key));
        }
        leave();
        QCOMPARE(target->value(), stored);
        QCOMPARE(target->text(), shown);
        QCOMPARE(refusals.count(), refused);
        QVERIFY(stale.count() >= 1);
        QCOMPARE(typingState().EntryEdited, 0);
    }

    void editingTheShownAmountKeepsWhatTheUserSees() {
        enterByTab(m_amount);
        QTest::mouseClick(m_amount, Qt::LeftButton);
        m_amount->end(false);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(m_amount, Qt::Key_Backspace); // "$1,234"
        QTest::keyClicks(m_amount, "7");
        leave();
        QCOMPARE(m_amount->value(), 12347.0);
        QCOMPARE(m_amount->text(), QString("      $12,347.00"));
    }

    void deleteEditsInPlace() {
        enterByTab(m_years);
        m_years->home(false);
        QTest::keyClick(m_years, Qt::Key_Delete); // "  25": one blank fewer
        QTest::keyClicks(m_years, "1");
        leave();
        QCOMPARE(m_years->value(), 125.0);
    }

    void leavingUntouchedChangesNothing() {
        QSignalSpy stored(m_amount, &EntryBox::stored);
        enterByTab(m_amount);
        leave();
        QCOMPARE(stored.count(), 0);
        QCOMPARE(m_amount->text(), QString("       $1,234.50"));
    }

    void enterMovesToTheNextBox() {
        m_amount->setNext(m_years);
        enterByTab(m_amount);
        QTest::keyClicks(m_amount, "9");
        QTest::keyClick(m_amount, Qt::Key_Return);
        QVERIFY(m_years->hasFocus());
        QCOMPARE(m_amount->value(), 9.0);
    }

    // A paste is typed: each character passes the box's key rule or is refused, by every path.
    void aPasteIsTypedThroughTheKeyRule_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("refused");
        for (const char* path : {"Ctrl+V", "Shift+Insert"}) {
            QTest::addRow("%s: a figure", path) << "amount"
                                                << "1234.56"
                                                << "       $1,234.56" << false;
            QTest::addRow("%s: sign and exponent dropped", path) << "amount"
                                                                 << "-5e3"
                                                                 << "          $53.00" << true;
            QTest::addRow("%s: a list takes no paste", path) << "list"
                                                             << "Weekly"
                                                             << "Monthly" << true;
        }
    }
    void aPasteIsTypedThroughTheKeyRule() {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(bool, refused);
        const QString path = QTest::currentDataTag();
        EntryBox* target = box == "amount" ? m_amount : box == "rate" ? m_rate : m_list;
        QApplication::clipboard()->setText(pasted);
        QSignalSpy refusals(target, &EntryBox::refused);
        enterByTab(target);
        QTest::keySequence(target, QKeySequence(path.section(':', 0, 0)));
        leave();
        QCOMPARE(target->text(), shown);
        QCOMPARE(refusals.count(), refused ? 1 : 0);
        QCOMPARE(QApplication::clipboard()->text(), pasted); // the user's clipboard is left alone
    }

    // The middle button pastes the selection through the key rule too, where it is released.
    void theMiddleButtonPastesThroughTheKeyRule() {
        QClipboard* clipboard = QApplication::clipboard();
        if (!clipboard->supportsSelection()) QSKIP("this platform has no selection to paste");
        clipboard->setText("x9y", QClipboard::Selection);
        QVERIFY(QTest::qWaitFor([clipboard] { return clipboard->text(QClipboard::Selection) == "x9y"; }));
        QSignalSpy refusals(m_years, &EntryBox::refused);
        enterByTab(m_years);
        QTest::mouseClick(m_years, Qt::MiddleButton, {}, QPoint(m_years->width() - 4, m_years->height() / 2));
        leave();
        QCOMPARE(m_years->text(), QString("  259")); // 9 typed where the button was released
        QCOMPARE(refusals.count(), 1);
        QTest::mouseClick(m_list, Qt::MiddleButton);
        QCOMPARE(m_list->text(), QString("Monthly"));
    }

    // In amount and rate boxes the locale's decimal separator and the keypad's decimal key are the
    // decimal point; a whole-number box still takes digits only, and the point stays a point.
    void theDecimalSeparatorIsThePoint_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys"); // ',' and '.' from the keypad when `keypad`
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<double>("stored");
        for (const auto& [tag, locale, box, keys, keypad, stored] : std::initializer_list<
                 std::tuple<const char*, const char*, const char*, const char*, bool, double>>{
                 {"German comma, amount", "de_DE", "amount", "250000,50", false, 250000.5},
                 {"German point", "de_DE", "amount", "12.5", false, 12.5},
                 {"German comma, whole number", "de_DE", "years", "5,5", false, 55.0},
                 {"English comma refused", "en_US", "amount", "5,5", false, 55.0},
                 {"keypad comma, English", "en_US", "amount", "5,5", true, 5.5},
                 {"keypad point, German", "de_DE", "rate", "6.25", true, 6.25}})
            QTest::newRow(tag) << locale << box << keys << keypad << stored;
    }
    void theDecimalSeparatorIsThePoint() {
        QFETCH(QString, locale);
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(bool, keypad);
        QFETCH(double, stored);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        EntryBox* target = box == "amount" ? m_amount : box == "rate" ? m_rate : m_years;
        enterByTab(target);
        for (QChar c : keys) {
            if (keypad && (c == ',' || c == '.'))
                QTest::keyClick(target, c == ',' ? Qt::Key_Comma : Qt::Key_Period, Qt::KeypadModifier);
            else
                QTest::keyClicks(target, QString(c));
        }
        leave();
        QCOMPARE(target->value(), stored);
    }

    // Escape is the dialog's Cancel, from a box (typing nothing into it) or from its help text, and
    // what was typed in the dialog goes with it.
    void escapeReachesTheDialog_data() {
        QTest::addColumn<bool>("fromHelp");
        QTest::newRow("from a box") << false;
        QTest::newRow("from the help text") << true;
    }
    void escapeReachesTheDialog() {
        QFETCH(bool, fromHelp);
        auto* opener = new QPushButton("Open", m_window);
        m_window->layout()->addWidget(opener);
        opener->show();
        opener->setFocus();
        QDialog dialog(m_window);
        auto* date = new EntryBox(EntryBox::Kind::Date, &dialog);
        date->setText("3/15/2027");
        auto* help = new TextArea(&dialog);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(date);
        layout->addWidget(help);
        dialog.open();
        QVERIFY(testing::activate(&dialog));
        QWidget* focused = fromHelp ? static_cast<QWidget*>(help) : date;
        focused->setFocus(Qt::TabFocusReason);
        if (!fromHelp) QTest::keyClicks(date, "4"); // typed, then cancelled
        QTest::keyClick(focused, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(date->text(), fromHelp ? QString("3/15/2027") : QString("4"));
        // The cancelled edit does not count for the next box: its first key still replaces.
        QVERIFY(testing::activate(m_window));
        QTRY_VERIFY(opener->hasFocus());
        m_amount->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(m_amount, "7");
        leave();
        QCOMPARE(m_amount->value(), 7.0);
    }

    // A list box takes only its items. They keep their leading blanks, as the windows list them: the
    // arrow keys walk them from the one shown, and the open list starts on it.
    void aListBoxTakesOnlyItsItems() {
        const QStringList items = {"      Monthly", "    Bimonthly", "   Semi-annual"};
        m_list->setItems(items, true);
        m_list->setText(items[0]);
        QSignalSpy stale(m_list, &EntryBox::stale);
        QSignalSpy refusals(m_list, &EntryBox::refused);
        enterByTab(m_list);
        QTest::keyClicks(m_list, "x");
        QCOMPARE(m_list->text(), items[0]);
        QCOMPARE(refusals.count(), 1);
        QTest::keyClick(m_list, Qt::Key_Down);
        QCOMPARE(m_list->text(), items[1]);
        QCOMPARE(m_list->currentItem(), 1);
        QCOMPARE(stale.count(), 1);
        QTest::keyClick(m_list, Qt::Key_Down);
        QTest::keyClick(m_list, Qt::Key_Down); // stays on the last
        QCOMPARE(m_list->text(), items[2]);
        QTest::keyClick(m_list, Qt::Key_Up);
        QCOMPARE(m_list->text(), items[1]);

        const auto opened = answerList(Qt::Key_Up);
        QTest::keyClick(m_list, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(*opened, items[1]);
        QCOMPARE(m_list->text(), items[0]);
    }

    // To a screen reader a list box is a drop-down list: its value is the item shown, and its action
    // opens the list.
    void aListBoxIsADropDownList() {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(m_list);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::ComboBox);
        QCOMPARE(face->text(QAccessible::Value), QString("Monthly"));
        QVERIFY(face->textInterface());
        QCOMPARE(face->textInterface()->text(0, face->textInterface()->characterCount()), QString("Monthly"));
        QAccessibleActionInterface* actions = face->actionInterface();
        QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
        const auto opened = answerList(Qt::Key_Down);
        actions->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_COMPARE(*opened, QString("Monthly"));
        QTRY_COMPARE(face->text(QAccessible::Value), QString("Weekly"));
        // A box that is typed in, with a list beside, says how to open it.
        m_rate->setItems({"6 ", "7 "});
        QVERIFY(!QAccessible::queryAccessibleInterface(m_rate)->text(QAccessible::Description).isEmpty());
    }

    void anAmountOutOfRangeIsRefusedWithMessage3() {
        enterByTab(m_amount);
        QTest::keyClicks(m_amount, "99999999999999999");
        QCOMPARE(nextMessage([this] { leave(); }), QString("Wrong or missing entry, try again."));
        QCOMPARE(m_amount->value(), 0.0);
    }

    // A figure wider than its box (beyond the mask's largest) scrolls inside it, but the box shows
    // its start: the currency symbol is never the part cut off.
    void aFigureWiderThanTheBoxShowsItsSymbol() {
        program().shell.CurrencySymbol = "EUR ";
        m_amount->setFixedWidth(m_amount->fontMetrics().horizontalAdvance("EUR 1,234,567"));
        m_years->setFocus(Qt::TabFocusReason);
        m_amount->setValue(123456789012.5);
        QVERIFY(testing::showsItsStart(m_amount));
        // Edited, it scrolls to the cursor at its end as a line edit does.
        m_amount->setFocus(Qt::TabFocusReason);
        m_amount->end(false);
        QVERIFY(!testing::showsItsStart(m_amount));
    }

    void aTextAreaTakesNoTypingAndEnterGoesToTheFirstBox() {
        auto* area = new TextArea(m_window);
        m_window->layout()->addWidget(area);
        area->setPlainText("Quick help");
        area->setFirstBox(m_amount);
        area->setFocus();
        QTest::keyClicks(area, "xyz");
        QCOMPARE(area->toPlainText(), QString("Quick help"));
        QTest::keyClick(area, Qt::Key_Return);
        QVERIFY(m_amount->hasFocus());
    }
};

QTEST_MAIN(TestEntryBox)
#include "test_entry_box.moc"
