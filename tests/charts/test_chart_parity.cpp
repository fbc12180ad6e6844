// Every calculator's chart drawn from the same figures in the window and on the command line: the
// window's inputs go to brisklane-calc, and both charts must match point for point.
#include "app/core/mask_format.h"
#include "charts/core/chart_data.h"
#include "growth/ui/growth_document.h"
#include "growth/ui/growth_windows.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"
#include "retirement/ui/retirement_document.h"
#include "retirement/ui/retirement_windows.h"
#include "support/ui_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>

using namespace brisk;

namespace {

template <class Kind> QString figure(Fixed<Kind> value) {
    return QString::fromStdString(Format(value.toDouble(), "0.00##"));
}

// The chart brisklane-calc draws for `arguments`, as its .json figures.
QJsonObject commandLineChart(const QStringList& arguments, int kind) {
    QTemporaryDir dir;
    const QString out = dir.filePath("chart.json");
    // The default settings, whatever the user's own file holds.
    QFile settings(dir.filePath("default.zkp"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("\"$\",0,\"\"\r\n") < 0) return {};
    settings.close();
    QProcess calc;
    calc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    calc.start(BRISKLANE_CALC, QStringList{"chart"} + arguments +
                                   QStringList{"--kind", QString::number(kind), "--output", out, "--settings",
                                               settings.fileName()});
    if (!calc.waitForFinished(20000) || calc.exitCode() != 0) return {};
    QFile file(out);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

class TestChartParity : public testing::WindowTest {
    Q_OBJECT

  private slots:
    void initTestCase() {
        registerMortgageWindows();
        registerGrowthWindows();
        registerRetirementWindows();
    }

    void sameChartInWindowAndCommandLine_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("calculator");
        QTest::newRow("mortgage") << "Canadian"
                                  << "mortgage";
        QTest::newRow("loan") << "LoanPmt"
                              << "mortgage";
        QTest::newRow("planner") << "Savings"
                                 << "growth";
        QTest::newRow("comparisons") << "SavComp"
                                     << "growth";
        QTest::newRow("finder") << "CompCompare"
                                << "compound";
        QTest::newRow("retirement") << "Retirement"
                                    << "retirement";
        QTest::newRow("capital") << "CapReq"
                                 << "capital";
        QTest::newRow("401k") << "Plan401"
                              << "401k";
    }
    void sameChartInWindowAndCommandLine() {
        QFETCH(QString, button);
        QFETCH(QString, calculator);
        QWidget* window = openFromMenu<QWidget>(button.toLatin1().constData());
        QVERIFY(window);
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->objectName().endsWith("Calc")) b->click();
        const ChartHandover& handover = testing::chartOf(window);
        QVERIFY(handover.GraphPointCount > 0);

        // The window's inputs, as options of the command line.
        QStringList args{calculator};
        if (calculator == "mortgage") {
            const MortgageInputs& in = testing::documentOf<MortgageWindow>().calculated;
            const bool loan = in.MortgageMode == MortgageKind::Loan;
            if (loan) args << "--loan";
            args << "--principal" << figure(in.principal) << "--rate" << figure(in.rate) << "--term"
                 << QString::number(loan ? in.termYears.toDouble() * 12 : in.termYears.toDouble());
        } else if (calculator == "growth") {
            const SavingsInputs& in = button == "Savings"
                                          ? testing::documentOf<SavingsWindow>().calculated
                                          : testing::documentOf<SavingsWindow>().examples.at(0).inputs;
            const QStringList pairs{"lump=" + figure(in.lumpSum),
                                    "amount=" + figure(in.amount),
                                    "rate=" + figure(in.rate),
                                    "increase=" + figure(in.increase),
                                    "inflation=" + figure(in.inflation),
                                    "term=" + figure(in.term),
                                    "frequency=" + QString(frequencyName(in.frequency)).toLower()};
            if (button == "Savings")
                for (const QString& pair : pairs)
                    args << "--" + pair.section('=', 0, 0) << pair.section('=', 1);
            else
                args << "--example" << pairs.join(',');
        } else if (calculator == "compound") {
            const FinderInputs& in = testing::documentOf<CompoundFinderWindow>().result->at(0).inputs;
            args << "--cost" << figure(in.cost) << "--value" << figure(in.value) << "--term"
                 << figure(in.term) << "--name" << QString::fromStdString(in.name);
        } else if (calculator == "retirement") {
            const RetireInputs& in = testing::documentOf<RetirementWindow>().calculated;
            args << "--value" << figure(in.value) << "--rate" << figure(in.rate) << "--withdraw"
                 << figure(in.withdrawnPercent) << "--term" << figure(in.years);
        } else if (calculator == "capital") {
            const CapitalInputs& in = testing::documentOf<CapitalRequiredWindow>().calculated;
            args << "--amount" << figure(in.option == CapitalOption::Income ? in.yearlyIncome : in.capital)
                 << "--rate" << figure(in.rate) << "--term" << figure(in.term);
        } else {
            const Plan401kInputs& in = testing::documentOf<Plan401kWindow>().calculated;
            args << "--balance" << figure(in.balance) << "--salary" << figure(in.salary) << "--contribution"
                 << figure(in.contribution) << "--company" << figure(in.company) << "--raise"
                 << figure(in.raise) << "--return" << figure(in.returnRate) << "--inflation"
                 << figure(in.inflation) << "--years" << figure(in.years);
        }

        for (int kind : offeredKinds(handover.GraphCaller, handover.CalcMode)) {
            const ChartData shown = prepareChart(handover, kind, "$");
            const QJsonObject drawn = commandLineChart(args, kind);
            QCOMPARE(drawn["title"].toString(), QString::fromStdString(shown.title));
            QCOMPARE(drawn["axis_title"].toString(), QString::fromStdString(shown.axisTitle));
            const QJsonArray values = drawn["values"].toArray();
            const QJsonArray labels = drawn["labels"].toArray();
            QCOMPARE(values.size(), qsizetype(shown.values.size()));
            for (int i = 0; i < values.size(); ++i) {
                QCOMPARE(values[i].toDouble(), shown.values[i]);
                QCOMPARE(labels[i].toString(), QString::fromStdString(shown.labels[i]));
            }
        }
    }

    // An investment whose rate cannot be charted: the finder says so, in the window and on the command
    // line, and lists nothing.
    void aRateTooLargeToChartIsAMessage() {
        auto* finder = openFromMenu<CompoundFinderWindow>("CompCompare");
        QVERIFY(finder);
        testing::documentOf<CompoundFinderWindow>().inputs.cost = *Currency::fromDouble(0.01);
        testing::documentOf<CompoundFinderWindow>().inputs.value = Currency::fromWhole(900000000000);
        testing::documentOf<CompoundFinderWindow>().inputs.term = Years::fromWhole(1);
        QCOMPARE(testing::messageShownBy([finder] { finder->calculate(); }),
                 QString("Wrong or missing entry, try again."));
        QVERIFY(!testing::documentOf<CompoundFinderWindow>().result);
        QCOMPARE(testing::chartOf(finder).GraphPointCount, 0);

        QProcess calc;
        calc.start(BRISKLANE_CALC, {"chart", "compound", "--cost", "0.01", "--value", "900000000000",
                                    "--term", "1", "--output", QDir::temp().filePath("never.png")});
        QVERIFY(calc.waitForFinished(20000));
        QCOMPARE(calc.exitCode(), 2);
        QVERIFY(calc.readAllStandardError().endsWith("Wrong or missing entry, try again. (message 3)\n"));
    }
};

QTEST_MAIN(TestChartParity)
#include "test_chart_parity.moc"
