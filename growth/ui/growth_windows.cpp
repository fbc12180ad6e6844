#include "growth/ui/growth_windows.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/text_align.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/entry_box.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"
#include "app/ui/result_grid.h"
#include "app/ui/twips.h"
#include "growth/core/growth_chart.h"
#include "growth/core/growth_printout.h"
#include "growth/ui/growth_document.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace brisk {

void registerGrowthWindows() {
    MainMenu::registerWindow(TaskWindow::Savings, [](ProgramState& program) {
        return new SavingsWindow(program, new SavingsDocument(PlannerMode::Planning));
    });
    MainMenu::registerWindow(TaskWindow::SavingsComparisons, [](ProgramState& program) {
        return new SavingsWindow(program, new SavingsDocument(PlannerMode::Comparisons));
    });
    MainMenu::registerWindow(TaskWindow::CompoundFinder, [](ProgramState& program) {
        return new CompoundFinderWindow(program, new FinderDocument);
    });
}

namespace {

QString savingsHelp(bool comparisons, const QString& s) {
    QStringList parts = {
        "  Example 1                 Example 2                 Example 3                 Example 4           "
        "      Example 5\r\n"
        "             .00                   1,000.00                             .00                  "
        "30,000.00                30,000.00\r\n"
        "    1,000.00                            .00                     1.000.00                            "
        " .00                          .00\r\n"
        "     Annually                     Annually                      Annually                    "
        "Annually                 Annually\r\n"
        "            20%                           20%                             20%                       "
        "     .00%                      .00%\r\n"
        "           .00%                          .00%                           5.00%                       "
        "     .00%                     .00%\r\n"
        "           .00%                          .00%                            .00%                       "
        "    5.00%                  -5.00%\r\n"
        "            25                              25                                 25                   "
        "             25                        25",
        "Click green box to change, start typing in numbers, deletes previous ones. For results click "
        "Calculate.  Press F1 key for more detailed information.",
        "Example 1: Shows the future value of " + s +
            "1,000.00 invested each year for 25 years at a 20% Interest/Growth Rate compounded annually.",
        "Example 2: Shows the future value of a lump sum of " + s +
            "1,000.00 invested for 25 years at a 20% Interest/Growth Rate compounded annually.",
        "Example 3: Shows the future value of " + s +
            "1,000.00 invested the first year and increased by a 5% annual Rate in each year, for 25 years "
            "at 20% Interest/Growth Rate compounded annually.",
        "Example 4: Shows the future value of " + s +
            "30,000.00 at a 5% annnual inflation Rate for 25 years. What its purchasing power would be in "
            "the future.",
        "Example 5: Shows what the future value of " + s +
            "30,000.00 at 5% annual inflation Rate for 25 years would have to be worth to have the same "
            "purchasing power as today. Minus used only in this calculation.",
        "For Investments made on a more frequent basis than each year. click down arrow beside 'Frequency of "
        "each contribution period' for monthly or quarterly. Be sure to change the figures in 'Amount "
        "invested at each contribution period' also.",
        "Compounding takes place at the frequency chosen: Annually, once a year. Quarterly, 4 times a year. "
        "Monthly, 12 times a year. All percentage rates used in monthly and quarterly calculations are "
        "adjusted for the annual percentage rate."};
    if (!comparisons) {
        parts << "As the program is very flexible you can tailor it to meet any situation such as varying "
                 "the amounts invested or interest/growth Rates each year."
              << "For more complex calculations use several steps. For instance if you plan on investing " +
                     s + "1,000.00 each year for 5 years and then adding a lump sum of " + s +
                     "10,000.00 the sixth year for a total period of 25 years. First find Total Current "
                     "Value for 5 years, add this to the" +
                     s +
                     "10,000.00, enter this figure in ' Amount of Lump Sum Invested at Start' and calculate "
                     "for the remaining 20 years."
              << "Another situation may be investing varying amounts each year over 25 years. Enter as a "
                 "lump sum each year and calculate for the remaining years (25, 24, ...1).";
    }
    parts << "End";
    return parts.join("\r\n\r\n");
}

QString finderHelp(const QString& s) {
    return QStringList{
        "Click any green box and type in numbers, deletes previous ones, then 'Calculate'.",
        " To compare different investments on an annual compound yield basis.",
        " Enter the Cost of your Investment, then the Present or Future Value and",
        " the term in years it has or will be held. Change any entry and Calculate again.",
        " Example 1. Amount invested in Mutual Fund = " + s +
            "1,000.00, 5 years later with all dividends and capital gains reinvested it is worth " + s +
            "2,000.00 for an annual compound growth rate of 14.8698%.",
        " Example 2. House bought for " + s +
            "25,000.00, 20 years ago now worth 200,000 for an annual compound growth rate of 10.9569%.",
        " Example 3. Stripped Bond with a redemption value of" + s + "1,000.00 in 6 years bought for " + s +
            "500.00. Annual compound growth rate = 12.2462%.",
        " Example 4. Growth in earnings per share. Earnings: 1995 = " + s + "2.38,  2000 = " + s +
            "5.14 Annual compound growth rate for the 5 years = 16.648%.",
        "End"}
        .join("\r\n");
}

} // namespace

SavingsWindow::SavingsWindow(ProgramState& program, SavingsDocument* document, QWidget* parent)
    : CalculatorWindow(program, document, "SavingsCalc", "S",
                       document->comparisons() ? " Investment Growth Comparisons"
                                               : " Investment Growth Calculations"),
      m_doc(document) {
    setParent(parent);

    struct Field {
        const char* name;
        const char* caption;
        EntryBox::Kind kind;
        const char* mask;
        int width;
        QStringList items;
        std::optional<FigureSlot> slot; // none for the frequency list
    };
    SavingsInputs& in = m_doc->inputs;
    const Field fields[] = {
        {"InLumpInv",
         " Amount of  lump sum             invested at start.",
         EntryBox::Kind::Amount,
         mask::Amount,
         15,
         {"10000", "15000", "20000", "25000", "30000", "35000"},
         &in.lumpSum},
        {"InInvest",
         " Amount invested at each       contribution period.",
         EntryBox::Kind::Amount,
         mask::WideAmount,
         13,
         {"100", "300", "1200"},
         &in.amount},
        {"InMonthsYrs",
         " Frequency of each                contribution period.",
         EntryBox::Kind::Text,
         "",
         0,
         {"Annually", "Quarterly", "Monthly"},
         std::nullopt},
        {"InRate",
         " Annual interest/growth          rate (%).",
         EntryBox::Kind::Rate,
         mask::Percent,
         14,
         {"10", "12.5", "15", "17.5", "20"},
         &in.rate},
        {"InIncrRate",
         " Increase the annual               investment rate(%) by",
         EntryBox::Kind::Rate,
         mask::Percent,
         14,
         {"3", "4", "5", "6", "7"},
         &in.increase},
        {"inInflatRate",
         " Adjust current value for          annual inflation rate(%).     ",
         EntryBox::Kind::Rate,
         mask::Percent,
         14,
         {"3", "4", "5", "6", "7"},
         &in.inflation},
        {"InTerm",
         " Number of years invested.",
         EntryBox::Kind::Whole,
         mask::Years,
         17,
         {"5", "10", "15", "20", "25", "30"},
         &in.term},
    };
    for (const Field& f : fields) {
        EntryBox* box = addField(f.name, f.caption, f.kind, f.mask, f.width, f.items);
        box->setLeastWidth(twips(1250));
        if (f.slot) {
            box->setValue(valueIn(*f.slot));
            bindFigure(box, *f.slot);
        } else {
            box->setText("Annually");
            connect(box, &EntryBox::stored, this, [this, box] {
                if (const auto frequency = contributionsNamed(ss(box->text())))
                    m_doc->inputs.frequency = *frequency;
            });
        }
    }
    // The amount shows its opening figure with the shorter mask.
    m_fields[1]->setText(qs(RightAlign(moneyText(program.shell.CurrencySymbol, 1200, mask::Amount), 13)));
    m_fields[4]->setAllowMinus(true);
    m_fields[5]->setAllowMinus(true);
    limitField(
        m_fields[6], [] { return kSavingsYearLimit; }, Msg::YearLimit40);

    const bool compare = comparisons();
    resultGrid()->grid()->setRows(compare ? 23 : 25);
    if (compare)
        setColumns({"Total Period", "Lump Sum Investment", "Period Investment", "Interest/ Growth",
                    "Increase Rate", "Inflation Rate", "   Total       Invested", "     Current       Value"},
                   {-50, 430, 420, 225, 225, 225, 550, 670}, 510);
    else
        setColumns({" Year  Number", "          Invested          Annually",
                    "      Interest/Growth      Compounded", "              Current                Value"},
                   {300, 1450, 1450, 1510}, 500);
    finish(fieldGrid(7));
}

void SavingsWindow::dropResults() {
    if (m_doc->examples.empty()) {
        resultGrid()->grid()->clearBelowHeadings();
        m_doc->result.reset();
    }
    m_doc->chart.GraphPointCount = 0;
}

void SavingsWindow::computeResults() {
    SavingsDocument& state = *m_doc;
    const int examplesBefore = static_cast<int>(state.examples.size());
    if (comparisons() && examplesBefore >= kMaxExamples) {
        showMessage(Msg::ExampleLimit, this);
        state.chart.GraphPointCount = examplesBefore;
        return;
    }
    auto outcome = calculateSavings(state.inputs);
    if (!outcome) {
        showMessage(outcome.message, this); // nothing is counted as a result
        return;
    }
    const SavingsPlan& plan = *outcome.value;
    std::vector<SavingsExample> examples = state.examples;
    if (comparisons()) examples.push_back({state.inputs, plan});
    if (!handOverChart(comparisons() ? comparisonsChart(examples) : planChart(plan))) return;
    const ShortDateForm& dates = m_program.shell.DateForm;
    const std::string& symbol = m_program.shell.CurrencySymbol;
    if (!comparisons()) {
        const int p = plan.periodsPerYear;
        const int term = plan.periodCount / p;
        const QString frequency = frequencyName(state.inputs.frequency);
        GridModel* g = resultGrid()->grid();
        g->setText(0, 0, p == 1 ? " Year  Number" : p == 4 ? "Quarter Number" : " Month Number");
        g->setText(0, 1, "          Invested         " + frequency);
        // The window shows the plan's totals under its periods.
        ResultTable table = planTable(plan);
        table.totals = TableRow{{}, plan.totalInvested, plan.totalInterest(), plan.finalValue};
        resultGrid()->showTable(
            table, dates, symbol,
            {.leastRows = p == 1 ? std::max(term + 4, 25) : p * term + 4, .totalsMask = mask::Total});
        state.setResult(plan);
    } else {
        state.examples = std::move(examples);
        resultGrid()->showTable(comparisonsTable(state.examples), dates, symbol, {.leastRows = 23});
        state.setResult(plan);
    }
    resultGrid()->setCurrentCell(1, 0);
}

bool SavingsWindow::hasResults() const {
    return m_doc->chart.GraphPointCount > 0 && (comparisons() || m_doc->result);
}

// The examples' text stays after printing: a second printout shows them again.
std::pair<Printout, QString> SavingsWindow::printout(const PrintContext& context) const {
    if (comparisons())
        return {comparisonsPrintout(comparisonsTable(m_doc->examples), context),
                "Investment Growth Comparisons"};
    return {savingsPrintout(m_doc->calculated, *m_doc->result, context), "Investment Growth Calculation"};
}

QString SavingsWindow::helpText() const {
    return savingsHelp(comparisons(), qs(m_program.shell.CurrencySymbol));
}

CompoundFinderWindow::CompoundFinderWindow(ProgramState& program, FinderDocument* document, QWidget* parent)
    : CalculatorWindow(program, document, "FindCompoundCalc", "F", " Find Annual Compound Growth"),
      m_doc(document) {
    setParent(parent);
    FinderInputs& in = m_doc->inputs;
    EntryBox* cost = addField("InCost", " Purchase cost of your       investment.", EntryBox::Kind::Amount,
                              mask::WideAmount, 16);
    // The opening figures as the window has always shown them, with the user's currency symbol.
    const std::string& symbol = program.shell.CurrencySymbol;
    cost->setValue(10000);
    cost->setText(qs(RightAlign(symbol + "10,000.00", 16)));
    EntryBox* value = addField("InValNow", " Present or future                value.    ",
                               EntryBox::Kind::Amount, mask::WideAmount, 16);
    value->setValue(20000);
    value->setText(qs(RightAlign(symbol + "20,000.00", 16)));
    EntryBox* term = addField("InTerm", " Term in years.", EntryBox::Kind::Whole, mask::GroupedWhole, 16);
    term->setValue(5);
    term->setText("               5");
    EntryBox* name =
        addField("NamInv", " Optional: Name of             your investment.", EntryBox::Kind::Text);
    name->setText("XYZ mutual fund.");
    bindFigure(cost, &in.cost);
    bindFigure(value, &in.value);
    bindFigure(term, &in.term);
    connect(name, &EntryBox::stored, this, [this, name] { m_doc->inputs.name = ss(name->text()); });
    limitField(
        term, [] { return kFinderYearLimit; }, Msg::YearLimit50);
    for (EntryBox* box : m_fields)
        box->setLeastWidth(twips(1500));

    resultGrid()->grid()->setRows(24);
    setColumns({"         Name of         Investment", "Term in Years", "   Cost of     Investment",
                "  Current or    Future Value", "Annual Compound", "Total Gain/Loss"},
               {200, 750, 750, 400, 400, 0}, 510, false);
    command(Command::Printer)->setText("To &Printer ");
    finish(fieldGrid(4));
}

const std::vector<FinderRow>& CompoundFinderWindow::rows() const {
    static const std::vector<FinderRow> none;
    return m_doc->result ? *m_doc->result : none;
}

void CompoundFinderWindow::dropResults() {
    if (rows().empty()) resultGrid()->grid()->clearBelowHeadings();
}

void CompoundFinderWindow::computeResults() {
    const auto row = findCompoundGrowth(m_doc->inputs);
    if (!row) {
        showMessage(row.message, this);
        return;
    }
    if (rows().size() >= static_cast<std::size_t>(kMaxExamples)) {
        showMessage(Msg::ExampleLimit, this);
        return;
    }
    std::vector<FinderRow> listed = rows();
    listed.push_back(*row.value);
    if (!handOverChart(finderChart(listed))) return;
    m_doc->setResult(std::move(listed));
    resultGrid()->showTable(finderTable(rows()), m_program.shell.DateForm, m_program.shell.CurrencySymbol,
                            {.leastRows = 24, .symbolColumns = {"cost", "value"}});
    resultGrid()->setCurrentCell(1, 0);
}

bool CompoundFinderWindow::hasResults() const {
    return !rows().empty();
}

std::pair<Printout, QString> CompoundFinderWindow::printout(const PrintContext& context) const {
    return {finderPrintout(finderTable(rows()), context), "Annual Compounding Comparisons"};
}

QString CompoundFinderWindow::helpText() const {
    return finderHelp(qs(m_program.shell.CurrencySymbol));
}

} // namespace brisk
