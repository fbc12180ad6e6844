// Every command acts on the figures the boxes show: an access key pressed straight after typing runs
// its command on the typed figure, in every calculator and dialog.
#include "app/ui/calculator_window.h"
#include "app/ui/result_grid.h"
#include "app/ui/settings_window.h"
#include "charts/ui/chart_windows.h"
#include "growth/ui/growth_document.h"
#include "growth/ui/growth_windows.h"
#include "mortgage/ui/mortgage_dialogs.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"
#include "retirement/ui/retirement_document.h"
#include "retirement/ui/retirement_windows.h"
#include "support/ui_support.h"
#include "valuedb/ui/averages_window.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_menu.h"
#include "valuedb/ui/database_windows.h"

#include <QLabel>
#include <QPushButton>

using namespace brisk;

namespace {

// The records of the database menu open.
ValueDatabase& db() {
    return program().frame->findChild<DatabaseMenu*>()->document().database();
}

using Probe = std::function<QString(QWidget*)>;

QString label(QWidget* w, const char* name) {
    auto* figure = w->findChild<QLabel*>(name);
    return figure ? figure->text().trimmed() : QString("no %1").arg(name);
}
QString cell(QWidget* w, int row, int col) {
    auto* calculator = qobject_cast<CalculatorWindow*>(w);
    return calculator ? calculator->gridText(row, col).trimmed() : QString("no grid");
}
// The periods a table lists: the last of the numbered rows from its top.
QString periods(QWidget* w) {
    QString last;
    for (int row = 1; row < 200; ++row) {
        bool number = false;
        cell(w, row, 0).toInt(&number);
        if (!number && !last.isEmpty()) break;
        if (number) last = cell(w, row, 0);
    }
    return last;
}

} // namespace

Q_DECLARE_METATYPE(Probe)

class TestTypedFigures : public testing::WindowTest {
    Q_OBJECT

    QString samplePath() const { return QDir(program().helpFolder).filePath("Sample.Zrk"); }

  private slots:
    void initTestCase() {
        registerMortgageWindows();
        registerGrowthWindows();
        registerRetirementWindows();
        registerChartWindows();
        registerValueDbWindows();
    }

    // `open`: the main menu's button, then (after a slash) the task's button of a window over it;
    // `dialog`: the button of the modal dialog that holds the box, or "opens" where the command
    // opens one. A probe reads what the command did.
    void anAccessKeyActsOnTheTypedFigure_data() {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("press"); // the keys of the command, in turn
        QTest::addColumn<Probe>("probe");
        QTest::addColumn<QString>("expected");
        const Probe payment = [](QWidget* w) { return label(w, "InMonthPI"); };
        const Probe years = periods;
        const Probe listedTerm = [](QWidget* w) { return cell(w, 1, 0); };
        const Probe foundTerm = [](QWidget* w) { return cell(w, 1, 1); };
        // A dialog opened by an access key gets what the boxes show: the typed term's years. (S&ave
        // File shares the A: the first Alt+A moves to it, the second to Additional payments.)
        // (These probes read the dialog the command opened, then close it.)
        const Probe extraYears = [](QWidget* shown) {
            auto* dialog = qobject_cast<ExtraPaymentsDialog*>(shown);
            shown->close();
            return dialog ? QString::number(dialog->grid()->grid()->gridRows() - 1) : shown->objectName();
        };
        const Probe principalWhenDaysOpen = [](QWidget* shown) {
            shown->close();
            return qobject_cast<DaysInYearDialog*>(shown)
                       ? QString::number(testing::documentOf<MortgageWindow>().inputs.principal.toDouble())
                       : shown->objectName();
        };
        const Probe firstDate = [](QWidget*) {
            const auto& date = testing::documentOf<MortgageWindow>().inputs.StartDate;
            return date ? qs(shortDateText(*date, program().shell.DateForm)) : QString("none");
        };
        const Probe title = [](QWidget*) {
            const bool sheet = qobject_cast<AveragesWindow*>(program().frame->currentTask());
            return qs(db().DbTitle) + (sheet ? "" : " (no sheet)");
        };
        const Probe records = [](QWidget*) { return QString::number(db().RecordCount()); };
        struct Row {
            const char *tag, *open, *dialog, *box, *keys, *press;
            Probe probe;
            const char* expected;
        };
        // 200,000 at 10.125% compounded monthly over 300 months: P r / (1 - (1 + r)^-300), r = 0.10125 / 12.
        for (const Row& row : std::initializer_list<Row>{
                 {"mortgage principal", "Canadian", "", "InPrincipal", "200000", "Alt+C", payment,
                  "$1,835.05"},
                 {"savings term", "Savings", "", "InTerm", "3", "Alt+C", years, "3"},
                 {"comparisons term", "SavComp", "", "InTerm", "3", "Alt+C", listedTerm, "3"},
                 {"finder term", "CompCompare", "", "InTerm", "3", "Alt+C", foundTerm, "3"},
                 {"retirement term", "Retirement", "", "InTerm", "3", "Alt+C", years, "3"},
                 {"capital term", "CapReq", "", "InTerm", "3", "Alt+C", years, "3"},
                 {"401k years", "Plan401", "", "InNumYears", "3", "Alt+C", years, "3"},
                 {"mortgage term, additional payments", "Canadian", "opens", "InTerm", "10",
                  "Alt+A Alt+A Return", extraYears, "10"},
                 {"mortgage principal, days in year", "Canadian", "opens", "InPrincipal", "200000", "Alt+D",
                  principalWhenDaysOpen, "200000"},
                 {"first payment date", "Canadian", "MDateNumber", "InDate", "3/15/2027", "Alt+O", firstDate,
                  "3/15/2027"},
                 {"database title, ratios", "Ratios/OpenDbase", "", "DBName", "Fund X", "Alt+R", title,
                  "Fund X"},
                 {"extract", "Ratios", "SelectRec", "LowRecNo", "3\t5", "Alt+E", records, "3"}})
            QTest::newRow(row.tag) << row.open << row.dialog << row.box << row.keys << row.press << row.probe
                                   << row.expected;
    }
    void anAccessKeyActsOnTheTypedFigure() {
        QFETCH(QString, open);
        QFETCH(QString, dialog);
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(QString, press);
        QFETCH(Probe, probe);
        QFETCH(QString, expected);
        QWidget* w = openFromMenu<QWidget>(open.section('/', 0, 0).toLatin1().constData());
        QVERIFY(w);
        if (auto* menu = qobject_cast<DatabaseMenu*>(w)) QVERIFY(menu->loadFile(samplePath()));
        if (open.contains('/')) {
            w->findChild<QPushButton*>(open.section('/', 1))->click();
            w = m_frame->currentTask();
        }
        const auto typeAndPress = [&](QWidget* window) {
            QVERIFY(testing::activate(window->window())); // access keys work in the active window
            auto* entry = window->findChild<EntryBox*>(box);
            QVERIFY2(entry, qPrintable(box));
            entry->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(entry, keys.split(QChar('\t')).first());
            for (const QString& next : keys.split(QChar('\t')).mid(1)) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClicks(QApplication::focusWidget(), next);
            }
            for (const QString& key : press.split(' '))
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        };
        if (dialog == "opens") { // the command opens a modal dialog: the probe reads it
            QString seen;
            testing::whenModal([&](QWidget* shown) { seen = probe(shown); });
            typeAndPress(w);
            QTRY_COMPARE(seen, expected);
            return;
        }
        if (dialog.isEmpty()) {
            typeAndPress(w);
        } else { // the dialog runs its own loop: typed into once shown, closed by the access key
            testing::whenModal([&](QWidget* shown) {
                QTimer::singleShot(5000, shown, &QWidget::close); // should the access key not close it
                typeAndPress(shown);
            });
            w->findChild<QPushButton*>(dialog)->click();
        }
        QTRY_COMPARE(probe(w), expected);
    }

    // Closing the program acts on the figure being typed: the earnings just typed are unsaved, so
    // the database menu asks before they are lost (and the program stays open when told to).
    void closingTheProgramAsksAboutTheFigureTyped() {
        QWidget* w = openFromMenu<QWidget>("Ratios");
        QVERIFY(w);
        QVERIFY(qobject_cast<DatabaseMenu*>(w)->loadFile(samplePath()));
        w->findChild<QPushButton*>("OpenDbase")->click();
        auto* earnings = m_frame->currentTask()->findChild<EntryBox*>("InEarnTxt0");
        QVERIFY(earnings);
        earnings->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(earnings, "9.99");
        QString asked;
        testing::whenModal([&asked](QWidget* question) {
            asked = question->windowTitle();
            question->close(); // nothing chosen: stay
        });
        m_frame->close();
        QVERIFY2(!asked.isEmpty(), "closing asked nothing");
        QVERIFY(m_frame->isVisible());
        QCOMPARE(db().earnings[0].amount, 9.99);
    }

    // With another currency symbol, an amount box clicked into and left with Enter stores the figure
    // it showed: the box shows the same figure afterwards (blanks aside).
    void anOpeningAmountIsWhatItStores_data() {
        QTest::addColumn<QString>("open");
        for (const char* open :
             {"Canadian", "LoanPmt", "Savings", "SavComp", "CompCompare", "Retirement", "CapReq", "Plan401"})
            QTest::newRow(open) << open;
    }
    void anOpeningAmountIsWhatItStores() {
        QFETCH(QString, open);
        program().shell.CurrencySymbol = "EUR ";
        QWidget* w = openFromMenu<QWidget>(open.toLatin1().constData());
        QVERIFY(w);
        QStringList changed;
        for (EntryBox* box : w->findChildren<EntryBox*>()) {
            if (box->kind() != EntryBox::Kind::Amount || !box->isVisible()) continue;
            const QString shown = box->text().simplified();
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_Return);
            if (box->text().simplified().remove(' ') != QString(shown).remove(' '))
                changed << box->objectName() + ": " + shown + " -> " + box->text().simplified();
        }
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(", ")));
    }
};

QTEST_MAIN(TestTypedFigures)
#include "test_typed_figures.moc"
