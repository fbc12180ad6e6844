#include "growth/ui/growth_windows.h"

#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/text_align.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/entry_box.h"
#include "app/ui/header_input.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/printer_backend.h"
#include "app/ui/program_state.h"
#include "app/ui/quick_help.h"
#include "app/ui/result_grid.h"
#include "app/ui/text_area.h"
#include "app/ui/twips.h"
#include "growth/core/growth_chart.h"
#include "growth/core/growth_printout.h"
#include "growth/ui/growth_state.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace brisk {

GrowthState& growth() {
    static GrowthState state;
    return state;
}

void registerGrowthWindows() {
    MenuMain::registerWindow("SavingsCalc", [] { return new SavingsCalc; });
    MenuMain::registerWindow("FindCompoundCalc", [] { return new FindCompoundCalc; });
}

namespace {

QString savingsHelp(bool comparisons) {
    const QString s = qs(program().shell.CurrencySymbol);
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

QString finderHelp() {
    const QString s = qs(program().shell.CurrencySymbol);
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

// A rate or amount stored from a box into a currency input.
void storeInto(EntryBox* box, Currency& slot) {
    QObject::connect(box, &EntryBox::stored, box,
                     [&slot](double v) { slot = Currency::fromDouble(v).value_or(Currency()); });
}

} // namespace

bool SavingsCalc::comparisons() const {
    return program().shell.CalcMode == kComparisons;
}

SavingsCalc::SavingsCalc(QWidget* parent) : QWidget(parent) {
    setObjectName("SavingsCalc");
    GrowthState& state = growth();
    state.inputs = SavingsInputs{};
    state.plan.reset();
    state.examples.clear();
    for (std::string& text : state.ReportPageText)
        text.clear();
    program().chart.reset();
    program().shell.entry.EntryEdited = 0;
    if (program().frame)
        program().frame->setWindowTitle(comparisons() ? " Investment Growth Comparisons"
                                                      : " Investment Growth Calculations");

    struct Field {
        const char* name;
        const char* caption;
        EntryBox::Kind kind;
        const char* mask;
        int width;
        QStringList items;
        Currency* slot;
    };
    SavingsInputs& in = state.inputs;
    const Field fields[] = {
        {"InLumpInv",
         " Amount of  lump sum             invested at start.",
         EntryBox::Kind::Amount,
         "###,,###.00",
         15,
         {"10000", "15000", "20000", "25000", "30000", "35000"},
         &in.lumpSum},
        {"InInvest",
         " Amount invested at each       contribution period.",
         EntryBox::Kind::Amount,
         "####,,###.00",
         13,
         {"100", "300", "1200"},
         &in.amount},
        {"InMonthsYrs",
         " Frequency of each                contribution period.",
         EntryBox::Kind::Text,
         "",
         0,
         {"Annually", "Quarterly", "Monthly"},
         nullptr},
        {"InRate",
         " Annual interest/growth          rate (%).",
         EntryBox::Kind::Rate,
         "###.00",
         14,
         {"10", "12.5", "15", "17.5", "20"},
         &in.rate},
        {"InIncrRate",
         " Increase the annual               investment rate(%) by",
         EntryBox::Kind::Rate,
         "###.00",
         14,
         {"3", "4", "5", "6", "7"},
         &in.increase},
        {"inInflatRate",
         " Adjust current value for          annual inflation rate(%).     ",
         EntryBox::Kind::Rate,
         "###.00",
         14,
         {"3", "4", "5", "6", "7"},
         &in.inflation},
        {"InTerm",
         " Number of years invested.",
         EntryBox::Kind::Whole,
         "###",
         17,
         {"5", "10", "15", "20", "25", "30"},
         &in.term},
    };
    auto* inputs = new QGridLayout;
    QList<EntryBox*> boxes;
    for (int i = 0; i < 7; ++i) {
        const Field& f = fields[i];
        auto* box = new EntryBox(f.kind, this);
        box->setObjectName(f.name);
        box->setItems(f.items, f.kind == EntryBox::Kind::Text);
        box->setMinimumWidth(twips(1250));
        if (f.slot) {
            box->setFormat(f.mask, f.width);
            box->setValue(f.slot->toDouble());
            storeInto(box, *f.slot);
        } else {
            box->setText("Annually");
            connect(box, &EntryBox::stored, this, [box] { growth().inputs.frequency = ss(box->text()); });
        }
        connect(box, &EntryBox::stale, this, &SavingsCalc::ClearResults);
        inputs->addWidget(fieldCaption(this, f.caption, box), 0, i);
        inputs->addWidget(box, 1, i);
        boxes << box;
    }
    // The amount shows its opening figure with the shorter mask.
    boxes[1]->setText(qs(RightAlign(program().shell.CurrencySymbol + Format(1200, "###,,###.00"), 13)));
    boxes[4]->setAllowMinus(true);
    boxes[5]->setAllowMinus(true);
    boxes[6]->setLimitCheck([this](EntryBox& box) {
        if (program().shell.entry.EntryEdited && parseEntryText(ss(box.text()), "") > kSavingsYearLimit) {
            showMessage(5, this);
            box.setText("40");
        }
    });

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("SGrid");
    m_grid->grid()->setWrapHeadings(true);
    m_helpText = new TextArea(this);
    m_helpText->setObjectName("STextBox");
    m_helpText->setFirstBox(boxes[0]);
    m_helpText->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* stack = new QStackedWidget(this);
    stack->addWidget(m_grid);
    stack->addWidget(m_helpText);

    QPushButton* calc = commandButton(this, "SCalc", "&Calculate");
    QPushButton* help = commandButton(this, "SHelp", "Quick &Help");
    QPushButton* graphs = commandButton(this, "SGraphs", "&Show Graph");
    QPushButton* printer = commandButton(this, "SPrinter", "To &Printer");
    QPushButton* exit = commandButton(this, "SExit", "E&xit to Menu");
    graphs->setEnabled(MenuMain::hasWindow("GraphsAll"));
    connect(calc, &QPushButton::clicked, this, &SavingsCalc::SCalc_Click);
    connect(graphs, &QPushButton::clicked, this, &SavingsCalc::SGraphs_Click);
    connect(printer, &QPushButton::clicked, this, &SavingsCalc::SPrinter_Click);
    connect(exit, &QPushButton::clicked, this, &SavingsCalc::SExit_Click);
    m_help = new QuickHelp(help, stack, m_grid, m_helpText, {printer, graphs},
                           [this] { return savingsHelp(comparisons()); });
    for (int i = 0; i + 1 < boxes.size(); ++i)
        boxes[i]->setNext(boxes[i + 1]);
    boxes.last()->setNext(calc);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(150), twips(90), twips(150), twips(90));
    layout->addLayout(inputs);
    layout->addLayout(gridAndCommands(stack, {calc, help, graphs, printer, exit}), 1);
    addF1Help(this);
    SetupGrid();
}

void SavingsCalc::SetupGrid() {
    GridModel* g = m_grid->grid();
    const bool compare = comparisons();
    g->setCols(compare ? 8 : 4);
    g->setRows(compare ? 23 : 25);
    const QStringList planning = {" Year  Number", "          Invested          Annually",
                                  "      Interest/Growth      Compounded",
                                  "              Current                Value"};
    const QStringList comparing = {
        "Total Period",  "Lump Sum Investment", "Period Investment",       "Interest/ Growth",
        "Increase Rate", "Inflation Rate",      "   Total       Invested", "     Current       Value"};
    const QStringList& headings = compare ? comparing : planning;
    const QList<int> widen =
        compare ? QList<int>{-50, 430, 420, 225, 225, 225, 550, 670} : QList<int>{300, 1450, 1450, 1510};
    for (int c = 0; c < headings.size(); ++c) {
        g->setText(0, c, headings[c]);
        m_grid->setColWidthTwips(c, ResultGrid::defaultColWidthTwips() + widen[c]);
        g->setColAlignment(c, c == 0 ? 2 : 1);
        g->setFixedAlignment(c, 2);
    }
    m_grid->setHeadingHeightTwips(compare ? 510 : 500);
}

void SavingsCalc::ClearResults() {
    program().shell.entry.EntryEdited = 1;
    if (growth().examples.empty()) {
        m_grid->grid()->clearBelowHeadings();
        growth().plan.reset();
    }
    if (m_help->isOpen()) {
        m_help->close();
        program().shell.entry.EntryEdited = 0;
    }
    program().chart.GraphPointCount = 0;
}

void SavingsCalc::SCalc_Click() {
    GrowthState& state = growth();
    ChartHandover& chart = program().chart;
    m_help->close();
    program().shell.entry.EntryEdited = 0;
    const int examplesBefore = static_cast<int>(state.examples.size());
    if (comparisons() && examplesBefore >= kMaxExamples) {
        showMessage(6, this);
        chart.GraphPointCount = examplesBefore;
        return;
    }
    auto outcome = calculateSavings(state.inputs);
    if (!outcome) {
        showMessage(outcome.message, this); // nothing is counted as a result
        return;
    }
    const SavingsPlan& plan = *outcome.value;
    GridModel* g = m_grid->grid();
    std::vector<SavingsExample> examples = state.examples;
    if (comparisons()) examples.push_back({state.inputs, plan});
    if (!handOverChart(comparisons() ? comparisonsChart(examples) : planChart(plan), this)) return;
    if (!comparisons()) {
        const int p = plan.periodsPerYear;
        const int term = plan.periodCount / p;
        const QString frequency = qs(state.inputs.frequency);
        const QString heading = p == 1 ? " Year  Number" : p == 4 ? "Quarter Number" : " Month Number";
        const int shown = static_cast<int>(plan.periods.size());
        int rows = p == 1 ? std::max(term + 4, 25) : p * term + 4;
        g->setRows(std::max(rows, shown + 3));
        g->setText(0, 0, heading);
        g->setText(0, 1, "          Invested         " + frequency);
        g->clearBelowHeadings();
        for (const SavingsPeriod& period : plan.periods) {
            g->setText(period.number, 0, QString::number(period.number));
            g->setText(period.number, 1, qs(Format(period.invested, "####,,###.00")));
            g->setText(period.number, 2, qs(Format(period.interest, "####,,###.00")));
            g->setText(period.number, 3, qs(Format(period.value, "####,,###.00")));
        }
        const QString symbol = qs(program().shell.CurrencySymbol);
        g->setText(shown + 2, 0, "Total:");
        g->setText(shown + 2, 1, symbol + qs(Format(plan.totalInvested, "####,,##0.00")));
        g->setText(shown + 2, 2, symbol + qs(Format(plan.totalInterest(), "####,,##0.00")));
        g->setText(shown + 2, 3, symbol + qs(Format(plan.finalValue, "####,,##0.00")));
        state.plan = plan;
        state.planned = state.inputs;
    } else {
        if (examplesBefore == 0) g->clearBelowHeadings();
        state.examples = std::move(examples);
        const int n = static_cast<int>(state.examples.size());
        const auto cells = exampleCells(state.examples.back());
        if (n >= g->gridRows()) g->setRows(n + 1);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c)
            g->setText(n, c, qs(cells[c]));
        state.ReportPageText[n <= 15 ? 1 : 2] += examplePrintText(state.examples.back());
    }
    m_grid->setCurrentCell(1, 0);
}

void SavingsCalc::SPrinter_Click() {
    const GrowthState& state = growth();
    if (program().chart.GraphPointCount == 0) {
        showMessage(1, this);
        return;
    }
    if (!askPrintHeader(this)) return;
    const ShellState& shell = program().shell;
    const PrintContext context{*shell.PrintHeader, shell.CurrencySymbol, shell.PrinterFontChoice,
                               shell.DateForm};
    // The examples' text stays after printing: a second printout shows them again.
    if (comparisons())
        printAndReport(comparisonsPrintout(state.ReportPageText[1], state.ReportPageText[2], context),
                       "Investment Growth Comparisons", this);
    else if (state.plan)
        printAndReport(savingsPrintout(state.planned, *state.plan, context), "Investment Growth Calculation",
                       this);
}

void SavingsCalc::SGraphs_Click() {
    ChartHandover& chart = program().chart;
    if (chart.GraphPointCount == 0) {
        showMessage(2, this);
        return;
    }
    if (program().frame) program().frame->openChart(this);
}

void SavingsCalc::SExit_Click() {
    growth() = GrowthState{};
    program().shell.CalcMode = 0;
    program().chart.reset();
    if (program().frame) program().frame->returnToMenu();
}

QString SavingsCalc::gridText(int row, int col) const {
    return m_grid->grid()->text(row, col);
}
int SavingsCalc::gridRows() const {
    return m_grid->grid()->gridRows();
}

FindCompoundCalc::FindCompoundCalc(QWidget* parent) : QWidget(parent) {
    setObjectName("FindCompoundCalc");
    GrowthState& state = growth();
    state.finderInputs = FinderInputs{};
    state.finderRows.clear();
    for (std::string& text : state.finderPageText)
        text.clear();
    program().chart.reset();
    program().shell.entry.EntryEdited = 0;
    if (program().frame) program().frame->setWindowTitle(" Find Annual Compound Growth");

    FinderInputs& in = state.finderInputs;
    auto* cost = new EntryBox(EntryBox::Kind::Amount, this);
    cost->setObjectName("InCost");
    cost->setFormat("####,,###.00", 16);
    cost->setValue(10000);
    cost->setText("      $10,000.00");
    auto* value = new EntryBox(EntryBox::Kind::Amount, this);
    value->setObjectName("InValNow");
    value->setFormat("####,,###.00", 16);
    value->setValue(20000);
    value->setText("      $20,000.00");
    auto* term = new EntryBox(EntryBox::Kind::Whole, this);
    term->setObjectName("InTerm");
    term->setFormat("#,,###", 16);
    term->setValue(5);
    term->setText("               5");
    m_name = new EntryBox(EntryBox::Kind::Text, this);
    m_name->setObjectName("NamInv");
    m_name->setText("XYZ mutual fund.");
    storeInto(cost, in.cost);
    storeInto(value, in.value);
    storeInto(term, in.term);
    connect(m_name, &EntryBox::stored, this, [this] { growth().finderInputs.name = ss(m_name->text()); });
    term->setLimitCheck([this](EntryBox& box) {
        if (program().shell.entry.EntryEdited && parseEntryText(ss(box.text()), "") > kFinderYearLimit) {
            showMessage(4, this);
            box.setText("50");
        }
    });
    auto* inputs = new QGridLayout;
    const QList<QPair<EntryBox*, const char*>> fields = {
        {cost, " Purchase cost of your       investment."},
        {value, " Present or future                value.    "},
        {term, " Term in years."},
        {m_name, " Optional: Name of             your investment."}};
    for (int i = 0; i < fields.size(); ++i) {
        fields[i].first->setMinimumWidth(twips(1500));
        connect(fields[i].first, &EntryBox::stale, this, &FindCompoundCalc::clearStep);
        inputs->addWidget(fieldCaption(this, fields[i].second, fields[i].first), 0, i);
        inputs->addWidget(fields[i].first, 1, i);
    }

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("FGrid");
    GridModel* g = m_grid->grid();
    g->setCols(6);
    g->setRows(24);
    g->setWrapHeadings(true);
    const char* headings[] = {
        "         Name of         Investment", "Term in Years",   "   Cost of     Investment",
        "  Current or    Future Value",        "Annual Compound", "Total Gain/Loss"};
    const int widen[] = {200, 750, 750, 400, 400, 0};
    for (int c = 0; c < 6; ++c) {
        g->setText(0, c, headings[c]);
        m_grid->setColWidthTwips(c, ResultGrid::defaultColWidthTwips() + widen[c]);
        g->setColAlignment(c, c == 0 ? 0 : 1);
        g->setFixedAlignment(c, 2);
    }
    m_grid->setHeadingHeightTwips(510);
    auto* helpText = new TextArea(this);
    helpText->setObjectName("FTextBox");
    helpText->setFirstBox(cost);
    auto* stack = new QStackedWidget(this);
    stack->addWidget(m_grid);
    stack->addWidget(helpText);

    QPushButton* calc = commandButton(this, "FCalc", "&Calculate");
    QPushButton* help = commandButton(this, "FHelp", "Quick &Help");
    QPushButton* graphs = commandButton(this, "FGraphs", "&Show Graph");
    QPushButton* printer = commandButton(this, "FPrinter", "To &Printer ");
    QPushButton* exit = commandButton(this, "FExit", "E&xit to Menu");
    graphs->setEnabled(MenuMain::hasWindow("GraphsAll"));
    connect(calc, &QPushButton::clicked, this, &FindCompoundCalc::FCalc_Click);
    connect(graphs, &QPushButton::clicked, this, &FindCompoundCalc::FGraphs_Click);
    connect(printer, &QPushButton::clicked, this, &FindCompoundCalc::FPrinter_Click);
    connect(exit, &QPushButton::clicked, this, &FindCompoundCalc::FExit_Click);
    m_help = new QuickHelp(help, stack, m_grid, helpText, {printer, graphs}, finderHelp);
    cost->setNext(value);
    value->setNext(term);
    term->setNext(m_name);
    m_name->setNext(calc);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(150), twips(90), twips(150), twips(90));
    layout->addLayout(inputs);
    layout->addLayout(gridAndCommands(stack, {calc, help, graphs, printer, exit}), 1);
    addF1Help(this);
}

void FindCompoundCalc::clearStep() {
    program().shell.entry.EntryEdited = 1;
    if (growth().finderRows.empty()) m_grid->grid()->clearBelowHeadings();
    if (m_help->isOpen()) {
        m_help->close();
        program().shell.entry.EntryEdited = 0;
    }
}

void FindCompoundCalc::FCalc_Click() {
    GrowthState& state = growth();
    m_help->close();
    program().shell.entry.EntryEdited = 0;
    const auto row = findCompoundGrowth(state.finderInputs);
    if (!row) {
        showMessage(row.message, this);
        return;
    }
    if (state.finderRows.size() >= static_cast<std::size_t>(kMaxExamples)) {
        showMessage(6, this);
        return;
    }
    std::vector<FinderRow> rows = state.finderRows;
    rows.push_back(*row.value);
    if (!handOverChart(finderChart(rows), this)) return;
    GridModel* g = m_grid->grid();
    if (state.finderRows.empty()) {
        g->setRows(24);
        g->clearBelowHeadings();
    }
    state.finderRows = std::move(rows);
    const int n = static_cast<int>(state.finderRows.size());
    const std::string& symbol = program().shell.CurrencySymbol;
    const auto cells = finderCells(*row.value, symbol);
    for (int c = 0; c < 6; ++c)
        g->setText(n, c, qs(cells[c]));
    state.finderPageText[n <= kFinderRowsFirstPage ? 1 : 2] += finderPrintText(*row.value, symbol);
    m_grid->setCurrentCell(1, 0);
}

void FindCompoundCalc::FPrinter_Click() {
    const GrowthState& state = growth();
    if (state.finderRows.empty()) {
        showMessage(1, this);
        return;
    }
    if (!askPrintHeader(this)) return;
    const ShellState& shell = program().shell;
    printAndReport(
        finderPrintout(state.finderPageText[1], state.finderPageText[2],
                       {*shell.PrintHeader, shell.CurrencySymbol, shell.PrinterFontChoice, shell.DateForm}),
        "Annual Compounding Comparisons", this);
}

void FindCompoundCalc::FGraphs_Click() {
    if (growth().finderRows.empty()) {
        showMessage(2, this);
        return;
    }
    if (program().frame) program().frame->openChart(this);
}

void FindCompoundCalc::FExit_Click() {
    growth() = GrowthState{};
    program().shell.CalcMode = 0;
    program().chart.reset();
    if (program().frame) program().frame->returnToMenu();
}

QString FindCompoundCalc::gridText(int row, int col) const {
    return m_grid->grid()->text(row, col);
}

} // namespace brisk
