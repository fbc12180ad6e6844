// What every calculator window shares, tested once on the shape itself: the Enter chain to
// Calculate, the tab order, quick help, the messages for nothing calculated, the chart hand-over
// and the way back to the menu.
#include "app/core/layout_rules.h"
#include "app/ui/calculator_window.h"
#include "app/ui/main_menu.h"
#include "app/ui/result_grid.h"
#include "charts/ui/chart_windows.h"
#include "growth/ui/growth_document.h"
#include "growth/ui/growth_windows.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"
#include "retirement/ui/retirement_document.h"
#include "retirement/ui/retirement_windows.h"
#include "support/ui_support.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_menu.h"
#include "valuedb/ui/database_windows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGridLayout>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>

#include <array>

using namespace brisk;

namespace {

// A calculator with two fields whose result is a chart of one point.
class Doubler : public CalculatorWindow {
  public:
    bool calculated = false;

    Doubler() : CalculatorWindow(program(), new CalculatorDocument, "Doubler", "D", " Doubler") {
        addField("InFirst", " First", EntryBox::Kind::Amount, "####,,###.00", 13);
        addField("InSecond", " Second", EntryBox::Kind::Amount, "####,,###.00", 13);
        addCommand("DOwn", "&Own", [] {});
        resultGrid()->grid()->setRows(5);
        setColumns({"Year", "Value"}, {0, 0}, 500);
        finish(fieldGrid(2));
    }

  protected:
    void computeResults() override {
        ChartHandover chart;
        chart.setYearChart({2.0}, "Doubled");
        handOverChart(Outcome<ChartHandover>{chart});
        resultGrid()->grid()->setText(1, 1, "2.00");
        calculated = true;
    }
    void dropResults() override {
        calculated = false;
        calculatorDocument().chart.GraphPointCount = 0;
    }
    bool hasResults() const override { return calculated; }
    std::pair<Printout, QString> printout(const PrintContext&) const override {
        return {Printout(0), "Doubler"};
    }
    QString helpText() const override { return "Type two figures."; }
};

// Whether a line edit shows `text` whole: with nothing scrolled out, the cursor moves from the first
// to the last character by the text's full width; a clipped text scrolls and moves it less. (The
// line edit scrolls as it paints.)
bool showsWhole(QLineEdit* box, const QString& text) {
    const auto cursorAt = [box](int position) {
        box->setCursorPosition(position);
        box->grab();
        return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    box->setText(text);
    const int first = cursorAt(0);
    const int last = cursorAt(text.size());
    return last - first >= box->fontMetrics().horizontalAdvance(text) - 1;
}

// What leaves a screen reader's user guessing: a box, grid, button or text without a name, and a
// box whose name another control of the window has too (boxes are told apart by name alone).
QStringList namingFaults(QWidget* w) {
    QList<QWidget*> controls;
    QStringList names, faults;
    for (QWidget* control : w->findChildren<QWidget*>()) {
        if (!qobject_cast<EntryBox*>(control) && !qobject_cast<QAbstractButton*>(control) &&
            !qobject_cast<ResultGrid*>(control) && !qobject_cast<QPlainTextEdit*>(control))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        const QString name = face ? face->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty()) faults << control->objectName() + " has no name";
        controls << control;
        names << name;
    }
    for (qsizetype i = 0; i < controls.size(); ++i)
        if (qobject_cast<EntryBox*>(controls[i]) && !names[i].isEmpty() && names.count(names[i]) > 1)
            faults << controls[i]->objectName() + " shares the name " + names[i];
    return faults;
}

const char* const kEveryWindow[] = {"Canadian",   "LoanPmt", "Savings", "SavComp",         "CompCompare",
                                    "Retirement", "CapReq",  "Plan401", "Ratios/OpenDbase"};

} // namespace

class TestCalculatorWindow : public testing::WindowTest {
    Q_OBJECT

    Doubler* openDoubler() {
        auto* window = new Doubler;
        frame()->openTask(window);
        return window;
    }

  private slots:
    void initTestCase() {
        registerMortgageWindows();
        registerGrowthWindows();
        registerRetirementWindows();
        registerChartWindows();
        registerValueDbWindows();
    }

    // Each button of the main menu opens its own window: a calculator on the shape, its focus in its
    // first field. A button whose window is missing from the menu's table stays disabled and fails here.
    void everyMenuButtonOpensItsWindow_data() {
        QTest::addColumn<QString>("letter"); // of the calculator's controls; none for the database menu
        for (const auto& [button, letter] :
             std::initializer_list<std::pair<const char*, const char*>>{{"Canadian", "M"},
                                                                        {"LoanPmt", "M"},
                                                                        {"Savings", "S"},
                                                                        {"SavComp", "S"},
                                                                        {"CompCompare", "F"},
                                                                        {"Retirement", "R"},
                                                                        {"CapReq", "C"},
                                                                        {"Plan401", "K"},
                                                                        {"Ratios", ""}})
            QTest::newRow(button) << letter;
    }
    void everyMenuButtonOpensItsWindow() {
        QFETCH(QString, letter);
        QPushButton* button = frame()->menu()->button(QTest::currentDataTag());
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QWidget* w = m_frame->currentTask();
        QVERIFY(w);
        QVERIFY(!m_frame->menu()->isVisible());
        if (letter.isEmpty()) {
            QVERIFY(qobject_cast<DatabaseMenu*>(w));
            return;
        }
        for (const char* suffix : {"Calc", "Help", "Graphs", "Printer", "Exit"})
            QVERIFY(w->findChild<QPushButton*>(letter + suffix));
        QVERIFY(w->findChild<ResultGrid*>(letter + "Grid"));
        QCOMPARE(QApplication::focusWidget(), w->nextInFocusChain());
    }

    // The windows opened from other windows (the charts) are made by their subsystems too.
    void everyWindowHasItsMaker() { QCOMPARE(MainMenu::missingWindows(), QStringList()); }

    // Enter runs through the fields to Calculate and presses a focused button; Tab and Shift+Tab
    // leave the grid both ways.
    void enterAndTabRunThroughTheWindow() {
        Doubler w;
        w.show();
        QVERIFY(testing::activate(&w));
        auto* first = w.findChild<EntryBox*>("InFirst");
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.findChild<QWidget*>("InSecond"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QPushButton* calc = w.command(CalculatorWindow::Command::Calculate);
        QCOMPARE(QApplication::focusWidget(), calc);
        QTest::keyClick(calc, Qt::Key_Return);
        QVERIFY(w.calculated);
        w.resultGrid()->setFocus();
        QTest::keyClick(w.resultGrid(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(calc));
        w.resultGrid()->setFocus();
        QTest::keyClick(w.resultGrid(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("InSecond"));
        // The keypad Enter too.
        QPushButton* help = w.command(CalculatorWindow::Command::Help);
        help->setFocus();
        QTest::keyClick(help, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(w.helpShown());
    }

    // Tab runs from the first field through the grid to the commands, own commands before Exit.
    void theTabOrder() {
        Doubler w;
        QStringList order;
        for (QWidget* x = w.nextInFocusChain(); x != &w; x = x->nextInFocusChain())
            if (x->focusPolicy() & Qt::TabFocus) order << x->objectName();
        QCOMPARE(order, QStringList({"InFirst", "InSecond", "DGrid", "DTextBox", "DCalc", "DHelp", "DGraphs",
                                     "DPrinter", "DOwn", "DExit"}));
    }

    void quickHelpHoldsPrintingAndChartingUntilClosed() {
        Doubler* w = openDoubler();
        auto* help = w->command(CalculatorWindow::Command::Help);
        auto* printer = w->command(CalculatorWindow::Command::Printer);
        auto* graphs = w->command(CalculatorWindow::Command::Graphs);
        help->click();
        QVERIFY(w->helpShown());
        QCOMPARE(help->text(), QString("Close &Help"));
        QCOMPARE(w->findChild<QPlainTextEdit*>("DTextBox")->toPlainText(), QString("Type two figures."));
        QVERIFY(!printer->isEnabled());
        QVERIFY(!graphs->isEnabled());
        // Calculate shows the grid again.
        w->calculate();
        QVERIFY(!w->helpShown());
        QCOMPARE(help->text(), QString("Quick &Help"));
        QVERIFY(printer->isEnabled());
        QVERIFY(graphs->isEnabled());
        QCOMPARE(w->gridText(1, 1), QString("2.00"));
        // So does editing a field, and the results it no longer matches are dropped.
        help->click();
        QVERIFY(w->helpShown());
        testing::typeAndLeave(w->findChild<EntryBox*>("InFirst"), "5");
        QVERIFY(!w->helpShown());
        QVERIFY(!w->calculated);
    }

    void nothingCalculatedIsAMessage_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("printer") << int(CalculatorWindow::Command::Printer) << "No data to print. Calculate.";
        QTest::newRow("graphs") << int(CalculatorWindow::Command::Graphs) << "No data to graph. Calculate.";
    }
    void nothingCalculatedIsAMessage() {
        QFETCH(int, which);
        QFETCH(QString, message);
        Doubler* w = openDoubler();
        QPushButton* button = w->command(CalculatorWindow::Command(which));
        QCOMPARE(nextMessage([button] { button->click(); }), message);
    }

    void exitClosesTheWindowWithItsDocument() {
        Doubler* w = openDoubler();
        w->calculate();
        const QPointer<CalculatorDocument> document = &w->calculatorDocument();
        QCOMPARE(document->chart.GraphPointCount, 1);
        QCOMPARE(m_frame->currentTask(), w);
        w->exitToMenu();
        QVERIFY(QTest::qWaitFor([&document] { return document.isNull(); }));
        QVERIFY(m_frame->menu()->isVisible());
    }

    // A screen reader speaks a name for every box, grid and button of every window.
    QWidget* openWindow(const QString& button) {
        QWidget* w = openFromMenu<QWidget>(button.section('/', 0, 0).toLatin1().constData());
        if (w && button.contains('/')) { // a window the task opens over itself
            w->findChild<QPushButton*>(button.section('/', 1))->click();
            w = m_frame->currentTask();
        }
        return w;
    }

    void everyControlHasAName_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Ratios") << "Ratios";
        for (const char* button : kEveryWindow)
            QTest::newRow(button) << button;
    }
    void everyControlHasAName() {
        QFETCH(QString, button);
        QWidget* w = openWindow(button);
        QVERIFY(w);
        const QStringList faults = namingFaults(w);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
        // The frame around the window too, as the screen reader lists it.
        QVERIFY(!QAccessible::queryAccessibleInterface(w->parentWidget())->text(QAccessible::Name).isEmpty());
    }

    // The database's dialogs, opened as a user opens them: the record-number dialog from the
    // editor's "Correct Record", the extract from the menu.
    void everyDialogControlHasAName_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("InRecNum") << "Ratios/OpenDbase/CorrRecord";
        QTest::newRow("Extract") << "Ratios/SelectRec";
    }
    void everyDialogControlHasAName() {
        QFETCH(QString, command);
        QWidget* w = openWindow(command.section('/', 0, -2));
        QVERIFY(w);
        addRecord(m_frame->findChild<DatabaseMenu*>()->document().database(),
                  Date{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(1)}, 10);
        QString opened;
        QStringList faults;
        testing::whenModal([&](QWidget* dialog) {
            opened = dialog->objectName();
            faults = namingFaults(dialog);
            dialog->close();
        });
        QTest::mouseClick(w->findChild<QPushButton*>(command.section('/', -1)), Qt::LeftButton);
        QCOMPARE(opened, QString(QTest::currentDataTag()));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
    }

    // A maximised frame moves a window to the large layout's place without stretching it: the whole
    // window, its commands too, lies inside the frame; restored, the frame fits the window again.
    void aWindowInAMaximisedFrameLiesInsideIt() {
        m_frame = std::make_unique<MainFrame>(program());
        m_frame->showMaximized();
        if (!QTest::qWaitFor([] { return isLargeLayout(program().shell.LayoutClass); }, 2000))
            QSKIP("this platform's screen is too small for the large layout");
        m_frame->menu()->button("Canadian")->click();
        auto* window = qobject_cast<QMdiSubWindow*>(m_frame->currentTask()->parentWidget());
        QVERIFY(window);
        const QRect area = window->mdiArea()->viewport()->rect();
        QCOMPARE(area.united(window->geometry()), area);
        QVERIFY(area.contains(window->mapTo(
            window->mdiArea()->viewport(),
            m_frame->currentTask()->findChild<QPushButton*>("MExit")->geometry().bottomRight())));
        m_frame->showNormal();
        QVERIFY(QTest::qWaitFor([] { return !isLargeLayout(program().shell.LayoutClass); }, 2000));
        QCOMPARE(window->size(), m_frame->childSize().expandedTo(m_frame->currentTask()->minimumSizeHint()));
    }

    // A window grown by a larger font grows the frame with it, so its commands stay on screen.
    void aLargerFontGrowsTheFrame() {
        const QFont before = QApplication::font();
        QFont font = before;
        font.setPointSizeF(10);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        QWidget* w = openWindow("Canadian");
        QVERIFY(w);
        auto* window = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        const QRect area = window->mdiArea()->viewport()->rect();
        const QPoint exit = window->mapTo(window->mdiArea()->viewport(),
                                          w->findChild<QPushButton*>("MExit")->geometry().bottomRight());
        QCOMPARE(area.united(QRect(exit, QSize(1, 1))), area);
    }

    // Every box shows the widest text it can hold (the largest figure of its mask, with a currency
    // symbol of four characters; its longest list item) whole, and every result column its cells
    // and heading, in the program's font and in larger ones.
    void everyFigureShowsWhole_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<double>("points");
        for (const char* button : kEveryWindow)
            for (double points : {8.25, 20.0})
                QTest::addRow("%s %gpt", button, points) << button << points;
    }
    void everyFigureShowsWhole() {
        QFETCH(QString, button);
        QFETCH(double, points);
        program().shell.CurrencySymbol = "EUR ";
        const QFont before = QApplication::font();
        QFont font = before;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        QWidget* w = openWindow(button);
        QVERIFY(w);

        QStringList clipped;
        { // the detector itself sees a clipped figure
            EntryBox narrow(EntryBox::Kind::Amount, w);
            narrow.setFixedWidth(narrow.fontMetrics().horizontalAdvance("EUR 9,999"));
            narrow.show();
            QVERIFY(!showsWhole(&narrow, "EUR 9,999,999.99"));
        }
        for (EntryBox* box : w->findChildren<EntryBox*>()) {
            const QString widest = box->widestText();
            if (box->isVisible() && !widest.isEmpty() && !showsWhole(box, widest))
                clipped << box->objectName() + " \"" + widest + '"';
            // Whatever its mask, an amount box holds millions.
            const QString millions = box->displayText(9999999.99);
            if (box->isVisible() && box->kind() == EntryBox::Kind::Amount && !showsWhole(box, millions))
                clipped << box->objectName() + " \"" + millions + '"';
            // Beyond that (a loan's principal takes a hundred billion) the box shows its start.
            if (box->isVisible() && box->kind() == EntryBox::Kind::Amount) {
                box->clearFocus(); // not being edited
                box->setValue(1e11);
                if (!testing::showsItsStart(box)) clipped << box->objectName() + " 1e11 without its symbol";
            }
        }
        if (QPushButton* calculate =
                w->findChildren<QPushButton*>(QRegularExpression("^[A-Z]Calc$")).value(0))
            calculate->click();
        for (ResultGrid* grid : w->findChildren<ResultGrid*>()) {
            QCoreApplication::processEvents();
            const QFontMetrics metrics = grid->fontMetrics();
            QHeaderView* heading = grid->horizontalHeader();
            for (int c = 0; c < grid->grid()->gridCols(); ++c) {
                if (heading->sectionSizeHint(c) > grid->columnWidth(c))
                    clipped << QString("%1 heading %2").arg(grid->objectName()).arg(c);
                for (int r = 1; r < grid->grid()->gridRows(); ++r)
                    if (metrics.horizontalAdvance(grid->grid()->text(r, c)) + 6 > grid->columnWidth(c)) {
                        clipped << grid->objectName() + " \"" + grid->grid()->text(r, c) + '"';
                        break;
                    }
            }
            if (heading->sizeHint().height() > heading->height())
                clipped << grid->objectName() + " heading row";
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
    }

    // Back from a dialog or a window opened over the task, the focus is on the control that opened
    // it, here opened by its access key, whatever closed it.
    void theFocusReturnsToTheOpener_data() {
        QTest::addColumn<QString>("task");  // the main menu's button
        QTest::addColumn<QString>("press"); // the opener's access key
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("close"); // Escape for a dialog, else the closing button of the window
        for (const auto& [tag, task, press, opener, close] :
             std::initializer_list<std::array<const char*, 5>>{
                 {"about", "", "Alt+A", "About", "Escape"},
                 {"settings", "", "Alt+S Alt+S Return", "PtrFnt", "Escape"},
                 {"days in year", "Canadian", "Alt+D", "MShowIRF", "Escape"},
                 {"printout header", "Canadian", "Alt+P", "MPrinter", "Escape"},
                 {"chart", "Canadian", "Alt+S", "MGraphs", "ExitBut"},
                 {"extract", "Ratios", "Alt+E", "SelectRec", "Escape"},
                 {"editor", "Ratios", "Alt+A", "OpenDbase", "Exitbut"}})
            QTest::newRow(tag) << task << press << opener << close;
    }
    void theFocusReturnsToTheOpener() {
        QFETCH(QString, task);
        QFETCH(QString, press);
        QFETCH(QString, opener);
        QFETCH(QString, close);
        QWidget* w = task.isEmpty() ? frame()->menu() : openFromMenu<QWidget>(task.toLatin1().constData());
        QVERIFY(w);
        QTRY_VERIFY(QApplication::focusWidget());
        if (auto* calculator = qobject_cast<CalculatorWindow*>(w)) calculator->calculate();
        if (auto* menu = qobject_cast<DatabaseMenu*>(w))
            QVERIFY(menu->loadFile(QDir(program().helpFolder).filePath("Sample.Zrk")));
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->objectName() != opener);
        if (close == "Escape")
            testing::whenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        for (const QString& key : press.split(' '))
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        if (close != "Escape") {
            QTRY_VERIFY(m_frame->currentTask() != w);
            m_frame->currentTask()->findChild<QPushButton*>(close)->click();
        }
        QVERIFY(testing::activate(m_frame.get())); // as the window manager does once a dialog closes
        QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
                     opener);
    }
};

QTEST_MAIN(TestCalculatorWindow)
#include "test_calculator_window.moc"
