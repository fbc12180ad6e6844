#include "mortgage/ui/mortgage_window.h"
#include "app/core/figure_format.h"

#include "app/core/atomic_file.h"
#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/text_align.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/entry_box.h"
#include "app/ui/file_dialog.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"
#include "app/ui/result_grid.h"
#include "app/ui/twips.h"
#include "mortgage/core/mortgage_chart.h"
#include "mortgage/core/mortgage_file.h"
#include "mortgage/core/mortgage_printout.h"
#include "mortgage/core/schedule_text.h"
#include "mortgage/ui/mortgage_dialogs.h"
#include "mortgage/ui/mortgage_document.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace brisk {

void registerMortgageWindows() {
    MainMenu::registerWindow(TaskWindow::Mortgage, [](ProgramState& program) {
        return new MortgageWindow(program, new MortgageDocument(MortgageKind::Mortgage));
    });
    MainMenu::registerWindow(TaskWindow::Loan, [](ProgramState& program) {
        return new MortgageWindow(program, new MortgageDocument(MortgageKind::Loan));
    });
    // A .umd opens in the mortgage window, a .uld in the loan window, loaded and calculated.
    const auto load = [](QWidget* window, const QString& path) {
        return static_cast<MortgageWindow*>(window)->loadFile(path);
    };
    MainMenu::registerFileOpener("umd", {TaskWindow::Mortgage, load});
    MainMenu::registerFileOpener("uld", {TaskWindow::Loan, load});
}

namespace {

QStringList listItems(const auto& table) {
    QStringList items;
    for (const auto& entry : table)
        items << entry.item;
    return items;
}

QString mortgageHelp(bool loan) {
    QStringList lines = {
        "Click any green box and type in numbers, deletes previous ones.  For results click Calculate.",
        "                             Press F1 key for more detailed information."};
    if (!loan) {
        lines << "100,000.00"
              << "       6.125"
              << "           25"
              << "Click down arrow to select different compound interest periods."
              << "American = Monthly.  Canadian = Semi-Annual."
              << "Click down arrow to select different payment frequencies."
              << "Accelerated payments. 26 instead of 12 annual payments at half the monthly principal + "
                 "Interest. "
                 "Mortgage retired earlier."
              << "Show payments. Click option to show All payments or just the Annual totals."
              << "Click 'View Payment Date' to show dates, toggles to 'View Payment No.' for numbers."
              << "Click 'Additional Payments'. Type the amount of payment. 'OK' accepts all changes, 'Erase "
                 "all' sets "
                 "all cells to 0. Effects all calculations unless Amortization changed or 'Erase all'. "
                 "Amounts added "
                 "at start of that year to Principal Payment."
              << "Click 'Days in Year' to change the way interest is computed when used with all 'Frequency "
                 "and type "
                 "of each payment' except Monthly and Semimonthly payments. Read 'How to use Program' for "
                 "explanation.";
    } else {
        lines << "10,000.00"
              << "      6.125"
              << "          60"
              << "Monthly.   Almost all Loans are based on monthly compounding."
              << "Monthly.   All Loans are based on one payment each month, 12 payments each"
              << "               year during the payback period. Same as a Normal mortgage."
              << "Show Payments. Click option to show All payments or just the Annual totals."
              << "Click 'View Payment Dates' to show dates, toggles to 'View Payment No.' for numbers."
              << "Normally financial institutions do not allow Additional Payments. Use if allowed."
              << "When using accelerated payments, change the Days in Year. Use if allowed.";
    }
    return lines.join("\r\n");
}

QString money(const std::string& symbol, double value) {
    return qs(RightAlign(moneyText(symbol, value, mask::Amount), 12, Overflow::KeepWhole));
}

} // namespace

MortgageWindow::MortgageWindow(ProgramState& program, MortgageDocument* document, QWidget* parent)
    : CalculatorWindow(program, document, "MortgageCalc", "M",
                       document->isLoan() ? "Personal Loan Tables" : "Mortgage Tables"),
      m_doc(document) {
    setParent(parent);
    const bool loan = isLoan();

    m_principal =
        addField("InPrincipal",
                 loan ? " Principal amount of the     loan." : " Principal amount of           mortgage.",
                 EntryBox::Kind::Amount, mask::WideAmount, 16);
    m_rate = addField("InRate", loan ? " Annual interest rate%." : " Annual interest rate %",
                      EntryBox::Kind::Rate, mask::InterestRate, 14, {"6 ", "7 ", "8 ", "9 ", "10 "});
    m_rate->setFormat(mask::InterestRate, 14, 3);
    m_term = addField("InTerm",
                      loan ? " Payback period of the      loan in months."
                           : " Amortization period in       years.",
                      EntryBox::Kind::Whole, mask::Years, 16,
                      loan ? QStringList{"24", "36", "48", "60"} : QStringList{"25", "30", "40"});
    m_compounding = addField("Comperiod", " Interest compound           periods per year.",
                             EntryBox::Kind::Text, {}, 0, listItems(kCompoundings));
    m_frequency = addField("FreqPmt", " Frequency and type of     each payment.", EntryBox::Kind::Text, {}, 0,
                           listItems(kFrequencies));

    connect(m_principal, &EntryBox::stored, this,
            [this](double v) { m_doc->inputs.principal = Currency::fromDoubleOrFail(v); });
    connect(m_rate, &EntryBox::stored, this,
            [this](double v) { m_doc->inputs.rate = Percent::fromDoubleOrFail(v); });
    limitField(
        m_term, [this] { return isLoan() ? kLoanMonthLimit : kMortgageYearLimit; }, Msg::YearLimit40);
    connect(m_term, &EntryBox::stored, this, [this](double v) {
        MortgageInputs& in = m_doc->inputs;
        in.termYears = Years::fromDouble(isLoan() ? v / 12 : v).value_or(Years());
        // A new term makes the additional payments of the old one meaningless.
        in.eraseExtraPayments();
        updateExtraIndicator();
    });
    connect(m_compounding, &EntryBox::stored, this, [this] {
        if (const Compounding* c = findCompounding(ss(m_compounding->text())))
            m_doc->inputs.compounding = c->kind;
    });
    connect(m_frequency, &EntryBox::stored, this, [this] {
        if (const Frequency* f = findFrequency(ss(m_frequency->text()))) m_doc->inputs.frequency = f->kind;
    });

    auto* showGroup = new QGroupBox(" Show payments.", this);
    m_all = new QRadioButton("All ", showGroup);
    m_all->setObjectName("Option1");
    m_annual = new QRadioButton("Annual", showGroup);
    m_annual->setObjectName("Option2");
    m_annual->setChecked(true);
    auto* showLayout = new QHBoxLayout(showGroup);
    showLayout->addWidget(m_all);
    showLayout->addWidget(m_annual);
    // Toggled, not clicked: the keyboard, a program and a screen reader change the option too.
    connect(m_all, &QRadioButton::toggled, this, [this](bool checked) {
        if (!checked) return;
        m_doc->inputs.CalcMode = ShowPayments::All;
        recalculateIfShown();
    });
    connect(m_annual, &QRadioButton::toggled, this, [this](bool checked) {
        if (!checked) return;
        m_doc->inputs.CalcMode = ShowPayments::Annual;
        recalculateIfShown();
    });
    QGridLayout* inputs = fieldGrid(5);
    inputs->addWidget(showGroup, 0, 5, 2, 1);

    // The summary figures, four to a row, each under its caption.
    auto* results = new QGridLayout;
    results->setVerticalSpacing(0);
    const QList<QPair<QString, QString>> resultCaptions = {
        {"InMonthPI", " Principal + Interest   payment."},
        {"NumPmtsYear", " No. of payments   each year."},
        {"PeriodicR", " Interest rate        factor."},
        {"InDays", " Days          in year."},
        {"EndMortYear", loan ? " No. months to   final payment." : " No. of years to  final payment."},
        {"AllPayments",
         loan ? " Total paid over     life of the loan." : " Total paid over    life of mortgage"},
        {"TotSavd", " Total interest      savings."}};
    for (int i = 0; i < resultCaptions.size(); ++i) {
        QLabel* value = resultFigure(this, resultCaptions[i].first);
        results->addWidget(fieldCaption(this, resultCaptions[i].second, value), (i / 4) * 2, i % 4);
        results->addWidget(value, (i / 4) * 2 + 1, i % 4);
    }
    m_includes = new QLabel(" P+I includes      0.000%", this);
    m_includes->setObjectName("Label16");
    QLabel* increase = resultFigure(this, "PPpercent");
    m_extraIndicator = new QLabel(this);
    m_extraIndicator->setObjectName("AddPmtsOn");
    m_extraIndicator->setFixedSize(twipSize(240, 240));
    m_extraIndicator->setAutoFillBackground(true);
    m_extraIndicator->setToolTip("Additional payments or a payment increase are in use");
    auto* includesRow = new QHBoxLayout;
    includesRow->addWidget(m_includes);
    includesRow->addWidget(increase);
    includesRow->addWidget(m_extraIndicator);
    includesRow->addStretch();
    results->addLayout(includesRow, 3, 3, Qt::AlignBottom);

    resultGrid()->grid()->setRows(26);
    setColumns({" Payment  Year", "Interest Payment", "Principal Payment", "Remaining Balance",
                "Cumulative Interest", "Cumulative Principal"},
               {520, 550, 650, 700, 700, 700}, 510);

    QPushButton* save = addCommand("MSaveFile", "S&ave File", [this] { saveFileAs(); });
    QPushButton* open = addCommand("MLoadFile", "&Open File", [this] { openFile(); });
    QPushButton* days = addCommand("MShowIRF", "&Days in year", [this] { chooseDaysInYear(); });
    m_dateNumber = addCommand("MDateNumber", "&View payment date", [this] { switchDatesAndNumbers(); });
    QPushButton* extra = addCommand("MAddPrePay", "&Additional payments", [this] { editExtraPayments(); });
    auto* above = new QVBoxLayout;
    above->addLayout(inputs);
    above->addLayout(results);
    finish(above, {command(Command::Calculate), command(Command::Graphs), command(Command::Help),
                   command(Command::Printer), save, open, days, m_dateNumber, extra, command(Command::Exit)});

    showInputs();
    // The opening texts, as the window has always shown them.
    const QString symbol = qs(program.shell.CurrencySymbol);
    m_principal->setText(symbol + (loan ? "   20,000.00" : "   100,000.00"));
    m_rate->setText(loan ? "         10.125%" : "        10.125%");
    m_term->setText(loan ? "            48" : "            25");
    updateExtraIndicator();
}

void MortgageWindow::showInputs() {
    const MortgageInputs& in = m_doc->inputs;
    m_principal->setValue(in.principal.toDouble());
    m_rate->setValue(in.rate.toDouble());
    m_term->setValue(isLoan() ? in.termYears.toDouble() * 12 : in.termYears.toDouble());
    m_compounding->setText(compoundingOf(in.compounding).item);
    m_frequency->setText(frequencyOf(in.frequency).item);
    {
        // Showing the inputs calculates nothing; whoever shows them calculates after.
        const QSignalBlocker blockAll(m_all), blockAnnual(m_annual);
        (in.CalcMode == ShowPayments::Annual ? m_annual : m_all)->setChecked(true);
    }
    m_dateNumber->setText(in.ViewDates ? "&View payment No." : "&View payment date");
}

void MortgageWindow::dropResults() {
    m_includes->setText(" P+I includes      0.000%");
}

void MortgageWindow::updateExtraIndicator() {
    const MortgageInputs& in = m_doc->inputs;
    const bool active = in.ExtraPercent > 0 || in.ExtraPaymentCount > 0;
    QPalette palette = m_extraIndicator->palette();
    palette.setColor(QPalette::Window,
                     active ? QColor(248, 0, 0) : QGuiApplication::palette().color(QPalette::Button));
    m_extraIndicator->setPalette(palette);
}

void MortgageWindow::computeResults() {
    if (const auto message = validate(m_doc->inputs)) {
        showMessage(*message, this);
        return;
    }
    dropResults();
    MortgageInputs in = m_doc->inputs;
    if (!in.StartDate) in.StartDate = parseDate(m_program.shell.TodayText, m_program.shell.DateForm);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto outcome = calculateSchedule(in);
    QGuiApplication::restoreOverrideCursor();
    if (!outcome) {
        showMessage(outcome.message, this); // the previous results stay as they were
        return;
    }
    if (!handOverChart(mortgageChart(in, *outcome.value))) return;
    m_doc->setResult(std::move(*outcome.value), in);
    showResults();
    fillGrid();
}

void MortgageWindow::showResults() {
    const Schedule& s = *m_doc->result;
    const std::string& symbol = m_program.shell.CurrencySymbol;
    const float percent = m_doc->calculated.ExtraPercent * 100.0f;
    findChild<QLabel*>("InMonthPI")->setText(money(symbol, s.payment));
    findChild<QLabel*>("NumPmtsYear")->setText(qs(RightAlign(Format(s.paymentsPerYear, mask::Years), 12)));
    findChild<QLabel*>("PeriodicR")->setText(qs(rateFactorText(s)));
    findChild<QLabel*>("InDays")->setText(qs(daysInYearText(s)));
    m_includes->setText(qs(" P+I includes  " + RightAlign(Format(percent, mask::RateWithZero), 9) + "%"));
    findChild<QLabel*>("PPpercent")->setText(money(symbol, s.paymentIncrease));
    findChild<QLabel*>("EndMortYear")
        ->setText(qs(RightAlign(finalPaymentText(s, m_doc->calculated.MortgageMode), 12)));
    findChild<QLabel*>("AllPayments")->setText(money(symbol, s.totalPaid));
    findChild<QLabel*>("TotSavd")->setText(money(symbol, s.interestSavings));
}

void MortgageWindow::fillGrid() {
    const Schedule& s = *m_doc->result;
    const MortgageInputs& calculated = m_doc->calculated;
    const ShortDateForm& form = m_program.shell.DateForm;
    const int shown = static_cast<int>(s.shown().size());
    const int extras = calculated.countExtraPayments();
    ResultGrid* grid = resultGrid();
    grid->showTable(scheduleTable(s, form), form, m_program.shell.CurrencySymbol,
                    {.leastRows = std::max(shown + 4 + (extras > 0 ? extras + 4 : 0), 23), .headings = true});
    // Under the totals, the window's own list of the additional payments and whether each applied.
    if (extras > 0) {
        GridModel* g = grid->grid();
        int r = shown + 4;
        g->setText(r, 0, "Additional ");
        g->setText(r, 1, "Payments  ");
        g->setText(r, 2, "Applied  ");
        g->setText(++r, 0, "Year  ");
        for (int y = 1; y <= calculated.extraYears(); ++y) {
            const Currency amount = calculated.ExtraPayments[y].amount;
            if (amount <= Currency()) continue;
            const bool applied = std::find(s.appliedExtraYears.begin(), s.appliedExtraYears.end(), y) !=
                                 s.appliedExtraYears.end();
            g->setFigure(++r, 0, QString::number(y), std::int64_t{y}, FigureKind::Count);
            g->setFigure(r, 1, qs(Format(amount.toDouble(), mask::Amount)), amount.toDouble(),
                         FigureKind::Money);
            g->setText(r, 2, applied ? "Yes" : "No");
        }
    }
    grid->scrollToTop();
}

void MortgageWindow::recalculateIfShown() {
    if (m_doc->result) calculate();
}

QString MortgageWindow::helpText() const {
    return mortgageHelp(isLoan());
}

void MortgageWindow::switchDatesAndNumbers() {
    MortgageInputs& in = m_doc->inputs;
    if (m_dateNumber->text() == "&View payment date") {
        const ShellState& shell = m_program.shell;
        StartDateDialog dialog(in.StartDate, parseDate(shell.TodayText, shell.DateForm).value_or(today()),
                               shell.DateForm, this);
        const auto date = dialog.ask();
        if (!date) return; // still payment numbers, nothing changed
        in.StartDate = *date;
        in.ViewDates = true;
        m_dateNumber->setText("&View payment No.");
    } else {
        in.ViewDates = false;
        m_dateNumber->setText("&View payment date");
    }
    recalculateIfShown();
}

void MortgageWindow::editExtraPayments() {
    ExtraPaymentsDialog dialog(m_doc->inputs, this);
    const auto edited = dialog.ask();
    if (!edited) return; // closed: nothing changed
    MortgageInputs& in = m_doc->inputs;
    in.ExtraPayments = edited->ExtraPayments;
    in.ExtraPaymentCount = edited->ExtraPaymentCount;
    in.ExtraPercent = edited->ExtraPercent;
    m_doc->markChanged();
    updateExtraIndicator();
    recalculateIfShown();
}

void MortgageWindow::chooseDaysInYear() {
    DaysInYearDialog dialog(m_doc->inputs.DaysChoice, this);
    const auto choice = dialog.ask();
    if (!choice) return; // closed: the days as they were
    if (*choice != m_doc->inputs.DaysChoice) m_doc->markChanged();
    m_doc->inputs.DaysChoice = *choice;
    recalculateIfShown();
}

bool MortgageWindow::hasResults() const {
    return m_doc->result.has_value();
}

std::pair<Printout, QString> MortgageWindow::printout(const PrintContext& context) const {
    return {mortgagePrintout(m_doc->calculated, *m_doc->result, context),
            isLoan() ? "Personal Loan Table" : "Mortgage Table"};
}

// The file holds the inputs as the boxes show them (loading calculates again), a first date never
// set as an empty field; what a file could not hold is refused here as Calculate refuses it.
bool MortgageWindow::saveFile(const QString& path) {
    const MortgageInputs& in = m_doc->inputs;
    if (const auto message = validate(in)) {
        showMessage(*message, this);
        return false;
    }
    const std::string bytes = mortgageFileBytes(in, m_program.shell.DateForm);
    if (!writeFileAtomically(ss(path), bytes)) {
        showMessage(isLoan() ? Msg::BadLoanName : Msg::BadMortgageName, this);
        return false;
    }
    m_doc->file = QFileInfo(path).absoluteFilePath();
    m_doc->modified = false;
    return true;
}

void MortgageWindow::saveFileAs() {
    if (!m_doc->result) {
        showMessage(Msg::NoRecords, this);
        return;
    }
    if (const auto chosen =
            FileDirectory(isLoan() ? FileOp::SaveLoan : FileOp::SaveMortgage, this, m_doc->file))
        saveFile(*chosen);
}

bool MortgageWindow::loadFile(const QString& path) {
    const auto bytes = readFileStart(ss(path), 1 << 20);
    auto in = bytes ? parseMortgageFile(*bytes, m_doc->inputs.MortgageMode, m_program.shell.DateForm)
                    : Outcome<MortgageInputs>::failure(Msg::BadFile);
    if (!in) {
        showMessage(Msg::BadFile, this);
        return false;
    }
    m_doc->inputs = *in.value;
    m_doc->file = QFileInfo(path).absoluteFilePath();
    m_doc->modified = false;
    showInputs();
    updateExtraIndicator();
    calculate();
    return true;
}

void MortgageWindow::openFile() {
    if (const auto chosen =
            FileDirectory(isLoan() ? FileOp::OpenLoan : FileOp::OpenMortgage, this, m_doc->file))
        loadFile(*chosen);
}

} // namespace brisk
