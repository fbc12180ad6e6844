#include "retirement/ui/retirement_windows.h"
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
#include "retirement/core/retirement_chart.h"
#include "retirement/core/retirement_plans.h"
#include "retirement/core/retirement_printouts.h"
#include "retirement/ui/retirement_document.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brisk {

void registerRetirementWindows() {
    MainMenu::registerWindow(TaskWindow::Retirement, [](ProgramState& program) {
        return new RetirementWindow(program, new RetirementDocument);
    });
    MainMenu::registerWindow(TaskWindow::CapitalRequired, [](ProgramState& program) {
        return new CapitalRequiredWindow(program, new CapitalDocument);
    });
    MainMenu::registerWindow(TaskWindow::Plan401k, [](ProgramState& program) {
        return new Plan401kWindow(program, new Plan401kDocument);
    });
}

YearTableWindow::YearTableWindow(ProgramState& program, CalculatorDocument* document,
                                 std::optional<YearTable>& table, const QString& name, const QString& letter,
                                 const QString& caption)
    : CalculatorWindow(program, document, name, letter, caption), m_table(table) {}

void YearTableWindow::finishLayout(QWidget* options, const QStringList& headings, const QList<int>& widen) {
    resultGrid()->grid()->setRows(25);
    setColumns(headings, widen, 500);
    auto* top = new QHBoxLayout;
    if (options) top->addWidget(options);
    top->addLayout(fieldGrid(4), 1);
    finish(top);
}

void YearTableWindow::dropResults() {
    resultGrid()->grid()->clearBelowHeadings();
    resultGrid()->setCurrentCell(1, 0);
    m_table.reset();
    calculatorDocument().chart.GraphPointCount = 0;
}

bool YearTableWindow::hasResults() const {
    return m_table.has_value();
}

void YearTableWindow::showTable(const YearTable& table, Planner planner, bool balanceRow) {
    ResultTable shown = yearResultTable(table, planner);
    // The balance brought in stands above the first year, under the value.
    if (balanceRow) {
        TableRow start(shown.columns.size());
        start.back() = table.startValue;
        shown.rows.insert(shown.rows.begin(), std::move(start));
    }
    resultGrid()->showTable(
        shown, m_program.shell.DateForm, m_program.shell.CurrencySymbol,
        {.leastRows = gridRowsFor(table.years()) + (balanceRow ? 1 : 0), .totalsMask = mask::Total});
    resultGrid()->setCurrentCell(1, 0);
}

RetirementWindow::RetirementWindow(ProgramState& program, RetirementDocument* document, QWidget* parent)
    : YearTableWindow(program, document, document->result, "RetireCalc", "R", " Retirement Calculations"),
      m_doc(document) {
    setParent(parent);
    RetireInputs& in = m_doc->inputs;
    EntryBox* invest = addField("InInvest", " Current value of your             investment on retirement",
                                EntryBox::Kind::Amount, mask::WideAmount, 13,
                                {"500000", "600000", "700000", "800000", "900000", "1000000"});
    EntryBox* rate = addField("InRate", " Annual interest/growth          rate (%).", EntryBox::Kind::Rate,
                              mask::Percent, 14, {"10", "12.5 ", "15", "17.5 ", "20"});
    EntryBox* drawn = addField("InRateDrawn", "", EntryBox::Kind::Rate, mask::Percent, 14, {});
    EntryBox* term = addField("InTerm", "", EntryBox::Kind::Whole, mask::Years, 17, {});
    bindFigure(invest, &in.value);
    bindFigure(rate, &in.rate);
    // The two last boxes hold the figures of the option chosen.
    connect(drawn, &EntryBox::stored, this, [this](double v) {
        RetireInputs& in = m_doc->inputs;
        storeIn(in.option == RetireOption::Fixed ? FigureSlot(&in.monthly) : &in.withdrawnPercent, v);
    });
    connect(term, &EntryBox::stored, this, [this](double v) {
        RetireInputs& in = m_doc->inputs;
        storeIn(in.option == RetireOption::Fixed ? FigureSlot(&in.yearlyIncrease) : &in.years, v);
    });
    invest->setValue(500000);
    rate->setValue(10);
    limitField(
        term, [] { return kRetireYearLimit; }, Msg::YearLimit50,
        [this] { return m_doc->inputs.option == RetireOption::Percentage; });
    // A fixed-amount increase shows its "%" after editing.
    connect(term, &EntryBox::stored, this, [this, term](double v) {
        if (m_doc->inputs.option == RetireOption::Fixed)
            term->setText(qs(RightAlign(Format(v, mask::Percent), 15, Overflow::KeepWhole) + "%"));
    });

    auto* group = new QGroupBox(" Withdrawal choices:", this);
    auto* percentage = new QRadioButton("Percentage", group);
    percentage->setObjectName("Option1");
    auto* fixedAmount = new QRadioButton("Fixed Amount", group);
    fixedAmount->setObjectName("Option2");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(percentage);
    groupLayout->addWidget(fixedAmount);
    connect(percentage, &QRadioButton::clicked, this, [this] { chooseOption(false); });
    connect(fixedAmount, &QRadioButton::clicked, this, [this] { chooseOption(true); });
    finishLayout(group,
                 {"  Year Number", "   Interest/Growth    Compounded", "   Annual Income     Withdrawn",
                  "            Current              Value"},
                 {450, 1400, 1410, 1450});
    percentage->setChecked(true);
    chooseOption(false);
}

void RetirementWindow::chooseOption(bool fixed) {
    const bool helpOpen = helpShown();
    if (helpOpen) toggleHelp();
    dropResults();
    RetireInputs& in = m_doc->inputs;
    EntryBox* invest = m_fields[0];
    EntryBox* drawn = m_fields[2];
    EntryBox* term = m_fields[3];
    if (!fixed) {
        in.option = RetireOption::Percentage;
        m_captions[2]->setText(" Annual Income Withdrawn    as a (%) of Current Value.");
        m_captions[3]->setText(" Time in years");
        drawn->setKind(EntryBox::Kind::Rate);
        drawn->setFormat(mask::Percent, 14);
        drawn->setItems({"10", "12.5", "15", "17.5", "20"});
        term->setKind(EntryBox::Kind::Whole);
        term->setFormat(mask::Years, 17);
        term->setItems({"10", "15", "20", "25", "30"});
        in.withdrawnPercent = Percent::fromWhole(8);
        in.years = Years::fromWhole(20);
        term->setValue(20);
    } else {
        in.option = RetireOption::Fixed;
        m_captions[2]->setText(" Monthly Amount of Cash        Withdrawn.");
        m_captions[3]->setText(" Increase Annual Amount       Withdrawn by %.");
        drawn->setKind(EntryBox::Kind::Amount);
        drawn->setFormat(mask::WideAmount, 13);
        drawn->setItems({"1000", "2000", "3000", "4000"});
        term->setKind(EntryBox::Kind::Rate);
        term->setFormat(mask::Percent, 15);
        term->setItems({"2", "2.5", "3", "3.5"});
        in.value = Currency::fromWhole(100000);
        invest->setValue(100000);
        in.monthly = Currency::fromWhole(1000);
        in.yearlyIncrease = Percent();
        term->setText(qs(RightAlign(Format(0, mask::Percent) + "%", 17)));
    }
    drawn->setValue(fixed ? in.monthly.toDouble() : in.withdrawnPercent.toDouble());
    typingState().EntryEdited = 0;
    if (helpOpen) toggleHelp(); // the help follows the option
}

void RetirementWindow::computeResults() {
    dropResults();
    auto table = calculateRetirement(m_doc->inputs);
    if (!table) {
        showMessage(table.message, this);
        return;
    }
    if (!handOverChart(retirementChart(*table.value, m_doc->inputs.option == RetireOption::Fixed))) return;
    m_doc->setResult(std::move(*table.value));
    showTable(*m_doc->result, Planner::Income, false);
}

std::pair<Printout, QString> RetirementWindow::printout(const PrintContext& context) const {
    return {retirementPrintout(m_doc->calculated, *m_doc->result, context), "Retirement Income Calculation"};
}

QString RetirementWindow::helpText() const {
    const QString b = "\r\n";
    QString text;
    if (m_doc->inputs.option == RetireOption::Percentage) {
        text = " Using Percentage Option. Click green box to change, start typing in numbers, deletes "
               "previous ones. For "
               "results click Calculate.  Press F1 key for detailed information." +
               b.repeated(2) + "100,000.00" + b.repeated(4) + "         20%" + b.repeated(5) + "        15%" +
               b.repeated(5) + "          25" + b.repeated(2) + "Shows " +
               qs(m_program.shell.CurrencySymbol) +
               "100,000.00 lump sum invested on retirement at 20% Interest/Growth rate compounded annually "
               "for 25 years, after "
               "withdrawing 15% each year." +
               b.repeated(2) +
               "Notice that both the Annual Income and the Current Value each increase by 5% annually." +
               b.repeated(2) +
               "Annual Income Withdrawn is defined as being made up of Annual Interest/Growth and the sale "
               "of some investments if "
               "neccessary to give the Income you require.";
    } else {
        text = " Using Fixed Amount Option. Click green box to change, start typing in numbers, deletes "
               "previous ones. For "
               "results click Calculate.  Press F1 key for detailed information." +
               b.repeated(2) + " 100,000.00" + b.repeated(5) + "        10%" + b.repeated(5) + "   1,000.00" +
               b.repeated(4) + "          0%" + b.repeated(2) +
               "Shows taking out a fixed amount monthly. If you are taking out more cash annually than is "
               "being generated by the "
               "Interest/Growth rate, shows number of years before Capital is gone." +
               b.repeated(2) +
               "Increase Annual Amount Withdrawn by % = 2.5%, compensates for inflation each year by "
               "increasing the withdrawal "
               "amount by 2.5%." +
               b.repeated(2) +
               "If the Annual Income is less than the Interest/Growth rate then the calculation ends at 50 "
               "years." +
               b.repeated(2) +
               "Table shows annual totals based on monthly calculation of Annual Income, Interest/Growth and "
               "Current Value." +
               b.repeated(2) +
               "Annual Amount of Cash Withdrawn is defined as being made up of Annual Interest/Growth and "
               "the sale of some of your "
               "investments if neccessary to give the Income you require." +
               b.repeated(2) + "See 'How to use the Program' for more complex retirement planning.";
    }
    return text + b.repeated(3) + QString(70, ' ') + "End";
}

CapitalRequiredWindow::CapitalRequiredWindow(ProgramState& program, CapitalDocument* document,
                                             QWidget* parent)
    : YearTableWindow(program, document, document->result, "CapitalReqdCalc", "C", " Capital Required"),
      m_doc(document) {
    setParent(parent);
    CapitalInputs& in = m_doc->inputs;
    EntryBox* amount = addField("InLumpInv", "", EntryBox::Kind::Amount, mask::WideAmount, 13, {});
    EntryBox* rate = addField("InRate", " Annual interest/growth               rate (%).",
                              EntryBox::Kind::Rate, mask::Percent, 14, {"10", "12.5", "15", "17.5", "20"});
    EntryBox* term = addField("InTerm", " At the end of how many            years.", EntryBox::Kind::Whole,
                              mask::Years, 17, {"5", "10", "15", "20", "25", "30"});
    connect(amount, &EntryBox::stored, this, [this](double v) {
        CapitalInputs& in = m_doc->inputs;
        (in.option == CapitalOption::Income ? in.yearlyIncome : in.capital) =
            Currency::fromDouble(v).value_or(Currency());
    });
    bindFigure(rate, &in.rate);
    bindFigure(term, &in.term);
    limitField(
        term, [] { return kRetireYearLimit; }, Msg::YearLimit50);
    auto* group = new QGroupBox("Select Option", this);
    auto* capital = new QRadioButton("Amount of capital required at retirement", group);
    capital->setObjectName("CRCapitalChoices0");
    auto* income = new QRadioButton("Annual income required at retirement", group);
    income->setObjectName("CRCapitalChoices1");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(capital);
    groupLayout->addWidget(income);
    connect(capital, &QRadioButton::clicked, this, [this] { chooseOption(false); });
    connect(income, &QRadioButton::clicked, this, [this] { chooseOption(true); });
    finishLayout(group,
                 {"Year Number", "        Annual       Investment", "Interest/Growth Compounded",
                  "             Current              Value"},
                 {450, 1400, 1410, 1450});
    capital->setChecked(true);
    chooseOption(false);
}

void CapitalRequiredWindow::chooseOption(bool income) {
    const bool helpOpen = helpShown();
    if (helpOpen) toggleHelp();
    dropResults();
    CapitalInputs& in = m_doc->inputs;
    in.option = income ? CapitalOption::Income : CapitalOption::Capital;
    in.capital = Currency::fromWhole(100000);
    in.yearlyIncome = Currency::fromWhole(40000);
    in.rate = Percent::fromWhole(15);
    in.term = Years::fromWhole(25);
    m_fields[0]->setItems(income ? QStringList{"25000", "30000", "35000", "40000", "45000", "50000"}
                                 : QStringList{"100000", "200000", "300000", "400000", "500000", "600000"});
    m_captions[0]->setText(income ? " Annual income required at         retirement"
                                  : " Amount of capital required at     retirement");
    m_fields[0]->setValue((income ? in.yearlyIncome : in.capital).toDouble());
    m_fields[1]->setValue(15);
    m_fields[2]->setValue(25);
    typingState().EntryEdited = 0;
    if (helpOpen) toggleHelp();
}

void CapitalRequiredWindow::computeResults() {
    dropResults();
    auto table = calculateCapital(m_doc->inputs);
    if (!table) {
        showMessage(table.message, this);
        return;
    }
    if (!handOverChart(capitalChart(*table.value))) return;
    m_doc->setResult(std::move(*table.value));
    showTable(*m_doc->result, Planner::Capital, false);
}

std::pair<Printout, QString> CapitalRequiredWindow::printout(const PrintContext& context) const {
    return {capitalPrintout(m_doc->calculated, *m_doc->result, context), "Amount of Capital Required"};
}

QString CapitalRequiredWindow::helpText() const {
    if (m_doc->inputs.option == CapitalOption::Income)
        return QStringList{"Annual Income Required Option", "40,000.00", "       20%", "        25",
                           "Example. Will show how much annual savings are required for 25 years when "
                           "compounded annually at "
                           "20% to build your capital to give an annual income of $40,000.00."}
            .join("\r\n");
    return QStringList{"Amount of Capital Required Option", "100,000.00", "        20%", "         25",
                       "Example. Will show how much annual savings are required for 25 years when compounded "
                       "annually at 20% "
                       "interest/growth rate to build your capital to " +
                           qs(m_program.shell.CurrencySymbol) + "100,000.00."}
        .join("\r\n");
}

Plan401kWindow::Plan401kWindow(ProgramState& program, Plan401kDocument* document, QWidget* parent)
    : YearTableWindow(program, document, document->result, "Plan401KCalc", "K",
                      " 401(k) Investment Growth Calculations"),
      m_doc(document) {
    setParent(parent);
    Plan401kInputs& in = m_doc->inputs;
    const EntryBox::Kind amount = EntryBox::Kind::Amount, rate = EntryBox::Kind::Rate;
    struct Field {
        const char* name;
        const char* caption;
        EntryBox::Kind kind;
        const char* mask;
        int width;
        FigureSlot slot;
    };
    const Field fields[] = {
        {"InCurrBal", " Current balance in the           401(k)  account.", amount, mask::WideAmount, 13,
         &in.balance},
        {"InCurrSal", " Your current annual salary.", amount, mask::WideAmount, 13, &in.salary},
        {"InCntrbRate", " Your annual 401(k) rate(%)    of contribution.", rate, mask::Percent, 14,
         &in.contribution},
        {"InCompRate", " The Company contribution      rate(%).", rate, mask::Percent, 14, &in.company},
        {"InAnnSalRaise", " Estimated rate(%) of annual   salary raise.", rate, mask::Percent, 14, &in.raise},
        {"InRetnRate", " Annual rate(%)  of return on   your 401(k).", rate, mask::Percent, 14,
         &in.returnRate},
        {"InInflRate", " Estimated rate(%) of annual   inflation.", rate, mask::Percent, 14, &in.inflation},
        {"InNumYears", " No. of years to retirement.", EntryBox::Kind::Whole, mask::Years, 15, &in.years}};
    for (const Field& f : fields) {
        EntryBox* box = addField(f.name, f.caption, f.kind, f.mask, f.width, {});
        bindFigure(box, f.slot);
        box->setValue(valueIn(f.slot));
    }
    m_fields[0]->setText(qs(RightAlign(moneyText(program.shell.CurrencySymbol, 10000, mask::Amount), 13)));
    m_fields[1]->setText(qs(RightAlign(moneyText(program.shell.CurrencySymbol, 50000, mask::Amount), 13)));
    limitField(
        m_fields.last(), [] { return kRetireYearLimit; }, Msg::YearLimit50);
    finishLayout(nullptr,
                 {"Year Number", "       Annual       Salary", " Combined Contributions",
                  " Interest/Growth Compounded", "        Current         Value"},
                 {300, 900, 900, 900, 1000});
}

void Plan401kWindow::computeResults() {
    dropResults();
    auto table = calculate401k(m_doc->inputs);
    if (!table) {
        showMessage(table.message, this);
        return;
    }
    if (!handOverChart(plan401kChart(*table.value))) return;
    m_doc->setResult(std::move(*table.value));
    showTable(*m_doc->result, Planner::Plan401k, m_doc->inputs.balance.toDouble() > 1);
}

std::pair<Printout, QString> Plan401kWindow::printout(const PrintContext& context) const {
    return {plan401kPrintout(m_doc->calculated, *m_doc->result, context), "Investment Growth - 401K Plan"};
}

QString Plan401kWindow::helpText() const {
    return QStringList{" For results click Calculate.",
                       " Click any green box and type in your figures.",
                       " If you have already have a plan, type the current balance. If none type 0.",
                       " Type in your current annual salary.",
                       " Type in your annual contribution rate.",
                       " Your company contribution rate. If none type 0.",
                       " Type in the estimated percentage of annual salary increase.",
                       " Type in the estimated annual income/growth rate of your plan.",
                       " Leave at 0 unless you want to see the purchasing power in today's dollars.",
                       " Type in inflation rate. Current Value each year will be reduced at this rate.",
                       " Type in the estimated number of years to retirement.",
                       QString(50, ' ') + "End"}
        .join("\r\n\r\n");
}

} // namespace brisk
