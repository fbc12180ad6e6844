#include "mortgage/ui/mortgage_window.h"

#include "app/core/atomic_file.h"
#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/text_align.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/entry_box.h"
#include "app/ui/file_dialog.h"
#include "app/ui/header_input.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/printer_backend.h"
#include "app/ui/program_state.h"
#include "app/ui/result_grid.h"
#include "app/ui/text_area.h"
#include "app/ui/twips.h"
#include "mortgage/core/mortgage_chart.h"
#include "mortgage/core/mortgage_file.h"
#include "mortgage/core/mortgage_printout.h"
#include "mortgage/core/schedule_text.h"
#include "mortgage/ui/mortgage_dialogs.h"
#include "mortgage/ui/mortgage_state.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace brisk {

MortgageState& mortgage() {
    static MortgageState state;
    return state;
}

void registerMortgageWindows() {
    MenuMain::registerWindow("MortgageCalc", [] { return new MortgageCalc; });
}

namespace {

QStringList listItems(const auto& table) {
    QStringList items;
    for (const auto& entry : table)
        items << entry.item;
    return items;
}

QString helpText(bool loan) {
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

QString money(double value, int width = 12) {
    return qs(RightAlign(program().shell.CurrencySymbol + Format(value, "###,,###.00"), width,
                         Overflow::KeepWhole));
}

} // namespace

bool MortgageCalc::isLoan() const {
    return mortgage().inputs.MortgageMode == kModeLoan;
}

MortgageCalc::MortgageCalc(QWidget* parent) : QWidget(parent) {
    setObjectName("MortgageCalc");
    MortgageState& state = mortgage();
    state = MortgageState{};
    state.inputs =
        MortgageInputs::defaults(program().shell.MortgageMode == kModeLoan ? kModeLoan : kModeMortgage);
    program().chart.reset();
    const bool loan = isLoan();
    if (program().frame) program().frame->setWindowTitle(loan ? "Personal Loan Tables" : "Mortgage Tables");

    auto label = [this](const QString& text, QWidget* buddy = nullptr) {
        return fieldCaption(this, text, buddy);
    };

    m_principal = new EntryBox(EntryBox::Kind::Amount, this);
    m_principal->setObjectName("InPrincipal");
    m_principal->setFormat("####,,###.00", 16);
    m_rate = new EntryBox(EntryBox::Kind::Rate, this);
    m_rate->setObjectName("InRate");
    m_rate->setFormat("###.000", 14, 3);
    m_rate->setItems({"6 ", "7 ", "8 ", "9 ", "10 "});
    m_term = new EntryBox(EntryBox::Kind::Whole, this);
    m_term->setObjectName("InTerm");
    m_term->setFormat("###", 16);
    m_term->setItems(loan ? QStringList{"24", "36", "48", "60"} : QStringList{"25", "30", "40"});
    m_compounding = new EntryBox(EntryBox::Kind::Text, this);
    m_compounding->setObjectName("Comperiod");
    m_compounding->setItems(listItems(kCompoundings), true);
    m_frequency = new EntryBox(EntryBox::Kind::Text, this);
    m_frequency->setObjectName("FreqPmt");
    m_frequency->setItems(listItems(kFrequencies), true);
    for (EntryBox* box : {m_principal, m_rate, m_term, m_compounding, m_frequency}) {
        box->setMinimumWidth(twips(1300));
        connect(box, &EntryBox::stale, this, &MortgageCalc::ClearMortgageResults);
    }
    m_principal->setNext(m_rate);
    m_rate->setNext(m_term);
    m_term->setNext(m_compounding);
    m_compounding->setNext(m_frequency);

    connect(m_principal, &EntryBox::stored, this,
            [](double v) { mortgage().inputs.principal = Currency::fromDoubleOrFail(v); });
    connect(m_rate, &EntryBox::stored, this,
            [](double v) { mortgage().inputs.rate = Currency::fromDoubleOrFail(v); });
    m_term->setLimitCheck([this](EntryBox& box) {
        if (!program().shell.entry.EntryEdited) return;
        const int limit = isLoan() ? kLoanMonthLimit : kMortgageYearLimit;
        if (parseEntryText(ss(box.text()), "") > limit) {
            showMessage(5, this);
            box.setText(QString::number(limit));
            program().shell.entry.EntryEdited = 1;
        }
    });
    connect(m_term, &EntryBox::stored, this, [this](double v) {
        MortgageInputs& in = mortgage().inputs;
        const auto term = Currency::fromDouble(isLoan() ? v / 12 : v);
        in.termYears = term.value_or(Currency());
        // A new term makes the additional payments of the old one meaningless.
        in.eraseExtraPayments();
        updateExtraIndicator();
    });
    connect(m_compounding, &EntryBox::stored, this,
            [this] { mortgage().inputs.compounding = ss(m_compounding->text()); });
    connect(m_frequency, &EntryBox::stored, this,
            [this] { mortgage().inputs.frequency = ss(m_frequency->text()); });

    auto* showGroup = new QGroupBox(" Show payments.", this);
    m_all = new QRadioButton("All ", showGroup);
    m_all->setObjectName("Option1");
    m_annual = new QRadioButton("Annual", showGroup);
    m_annual->setObjectName("Option2");
    m_annual->setChecked(true);
    auto* showLayout = new QHBoxLayout(showGroup);
    showLayout->addWidget(m_all);
    showLayout->addWidget(m_annual);
    connect(m_all, &QRadioButton::clicked, this, [this] {
        mortgage().inputs.CalcMode = kCalcAllPayments;
        recalculateIfShown();
    });
    connect(m_annual, &QRadioButton::clicked, this, [this] {
        mortgage().inputs.CalcMode = kCalcAnnual;
        recalculateIfShown();
    });

    auto* inputs = new QGridLayout;
    inputs->addWidget(
        label(loan ? " Principal amount of the     loan." : " Principal amount of           mortgage.",
              m_principal),
        0, 0);
    inputs->addWidget(label(loan ? " Annual interest rate%." : " Annual interest rate %", m_rate), 0, 1);
    inputs->addWidget(
        label(loan ? " Payback period of the      loan in months." : " Amortization period in       years.",
              m_term),
        0, 2);
    inputs->addWidget(label(" Interest compound           periods per year.", m_compounding), 0, 3);
    inputs->addWidget(label(" Frequency and type of     each payment.", m_frequency), 0, 4);
    inputs->addWidget(m_principal, 1, 0);
    inputs->addWidget(m_rate, 1, 1);
    inputs->addWidget(m_term, 1, 2);
    inputs->addWidget(m_compounding, 1, 3);
    inputs->addWidget(m_frequency, 1, 4);
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
        results->addWidget(label(resultCaptions[i].second, value), (i / 4) * 2, i % 4);
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

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("MGrid");
    GridModel* g = m_grid->grid();
    g->setCols(6);
    g->setRows(26);
    g->setWrapHeadings(true);
    const int widen[] = {520, 550, 650, 700, 700, 700};
    const char* headings[] = {" Payment  Year",    "Interest Payment",    "Principal Payment",
                              "Remaining Balance", "Cumulative Interest", "Cumulative Principal"};
    for (int c = 0; c < 6; ++c) {
        m_grid->setColWidthTwips(c, ResultGrid::defaultColWidthTwips() + widen[c]);
        g->setColAlignment(c, c == 0 ? 2 : 1);
        g->setFixedAlignment(c, 2);
        g->setText(0, c, headings[c]);
    }
    m_grid->setHeadingHeightTwips(510);
    m_helpText = new TextArea(this);
    m_helpText->setObjectName("MTextBox");
    m_helpText->setFirstBox(m_principal);
    m_gridOrHelp = new QStackedWidget(this);
    m_gridOrHelp->addWidget(m_grid);
    m_gridOrHelp->addWidget(m_helpText);

    auto button = [this](const QString& name, const QString& caption, void (MortgageCalc::*slot)()) {
        QPushButton* b = commandButton(this, name, caption);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    m_graphs = button("MGraphs", "&Show Graph", &MortgageCalc::MGraphs_Click);
    m_help = button("MHelp", "Quick &Help", &MortgageCalc::MHelp_Click);
    m_dateNumber = button("MDateNumber", "&View payment date", &MortgageCalc::MDateNumber_Click);
    const QList<QPushButton*> commands = {
        button("MCalc", "&Calculate", &MortgageCalc::MCalc_Click),
        m_graphs,
        m_help,
        button("MPrinter", "To &Printer", &MortgageCalc::MPrinter_Click),
        button("MSaveFile", "S&ave File", &MortgageCalc::MSaveFile_Click),
        button("MLoadFile", "&Open File", &MortgageCalc::MLoadFile_Click),
        button("MShowIRF", "&Days in year", &MortgageCalc::MShowIRF_Click),
        m_dateNumber,
        button("MAddPrePay", "&Additional payments", &MortgageCalc::MAddPrePay_Click),
        button("MExit", "E&xit to Menu", &MortgageCalc::MExit_Click)};

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(150), twips(90), twips(150), twips(90));
    layout->setSpacing(twips(60));
    layout->addLayout(inputs);
    layout->addLayout(results);
    layout->addLayout(gridAndCommands(m_gridOrHelp, commands), 1);
    addF1Help(this);

    showInputs();
    // The opening texts, as the window has always shown them.
    const QString symbol = qs(program().shell.CurrencySymbol);
    m_principal->setText(symbol + (loan ? "   20,000.00" : "   100,000.00"));
    m_rate->setText(loan ? "         10.125%" : "        10.125%");
    m_term->setText(loan ? "            48" : "            25");
    updateExtraIndicator();
    m_graphs->setEnabled(MenuMain::hasWindow("GraphsAll"));
}

void MortgageCalc::showInputs() {
    const MortgageInputs& in = mortgage().inputs;
    m_principal->setValue(in.principal.toDouble());
    m_rate->setValue(in.rate.toDouble());
    m_term->setValue(isLoan() ? in.termYears.toDouble() * 12 : in.termYears.toDouble());
    m_compounding->setText(qs(in.compounding));
    m_frequency->setText(qs(in.frequency));
    (in.CalcMode == kCalcAnnual ? m_annual : m_all)->setChecked(true);
    m_dateNumber->setText(in.ViewDates == 1 ? "&View payment No." : "&View payment date");
}

void MortgageCalc::ClearMortgageResults() {
    if (m_gridOrHelp->currentWidget() == m_helpText) MHelp_Click();
    m_includes->setText(" P+I includes      0.000%");
}

void MortgageCalc::updateExtraIndicator() {
    const MortgageInputs& in = mortgage().inputs;
    const bool active = in.ExtraPercent > 0 || in.ExtraPaymentCount > 0;
    QPalette palette = m_extraIndicator->palette();
    palette.setColor(QPalette::Window,
                     active ? QColor(248, 0, 0) : QGuiApplication::palette().color(QPalette::Button));
    m_extraIndicator->setPalette(palette);
}

void MortgageCalc::MCalc_Click() {
    MortgageState& state = mortgage();
    if (const auto message = validate(state.inputs)) {
        showMessage(*message, this);
        return;
    }
    ClearMortgageResults();
    program().shell.entry.EntryEdited = 0;
    program().shell.PrintHeader.reset();
    MortgageInputs in = state.inputs;
    if (!in.StartDate) in.StartDate = parseDate(program().shell.TodayText, program().shell.DateForm);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto outcome = calculateSchedule(in);
    QGuiApplication::restoreOverrideCursor();
    if (!outcome) {
        showMessage(outcome.message, this); // the previous results stay as they were
        return;
    }
    if (!handOverChart(mortgageChart(in, *outcome.value), this)) return;
    state.schedule = std::move(outcome.value);
    state.calculated = in;
    showResults();
    fillGrid();
}

void MortgageCalc::showResults() {
    const MortgageState& state = mortgage();
    const Schedule& s = *state.schedule;
    const float percent = state.calculated.ExtraPercent * 100.0f;
    findChild<QLabel*>("InMonthPI")->setText(money(s.payment));
    findChild<QLabel*>("NumPmtsYear")->setText(qs(RightAlign(Format(s.paymentsPerYear, "###"), 12)));
    findChild<QLabel*>("PeriodicR")->setText(qs(rateFactorText(s)));
    findChild<QLabel*>("InDays")->setText(qs(daysInYearText(s)));
    m_includes->setText(qs(" P+I includes  " + RightAlign(Format(percent, "##0.000"), 9) + "%"));
    findChild<QLabel*>("PPpercent")->setText(money(s.paymentIncrease));
    findChild<QLabel*>("EndMortYear")
        ->setText(qs(RightAlign(finalPaymentText(s, state.calculated.MortgageMode), 12)));
    findChild<QLabel*>("AllPayments")->setText(money(s.totalPaid));
    findChild<QLabel*>("TotSavd")->setText(money(s.interestSavings));
}

void MortgageCalc::fillGrid() {
    const MortgageState& state = mortgage();
    const Schedule& s = *state.schedule;
    GridModel* g = m_grid->grid();
    const auto& rows = s.shown();
    const int shown = static_cast<int>(rows.size());
    const int extras = state.calculated.countExtraPayments();
    g->setRows(std::max(shown + 4 + (extras > 0 ? extras + 4 : 0), 23));
    g->clearBelowHeadings();
    g->setText(0, 0, s.annual ? " Payment  Year" : s.viewDates ? " Payment  Date" : "  Payment   No.  Year");
    const ShortDateForm& form = program().shell.DateForm;
    for (int r = 0; r < shown; ++r) {
        const ScheduleRow& row = rows[r];
        g->setText(r + 1, 0, qs(firstColumnText(s, row, form)));
        const double values[] = {row.interest, row.principal, row.balance, row.cumulativeInterest,
                                 row.cumulativePrincipal};
        for (int c = 0; c < 5; ++c)
            g->setText(r + 1, c + 1, qs(moneyText(values[c])));
    }
    if (shown > 0) {
        const ScheduleRow& last = rows.back();
        const QString symbol = qs(program().shell.CurrencySymbol);
        g->setText(shown + 2, 0, "Total:");
        g->setText(shown + 2, 3, symbol + qs(moneyText(last.balance)));
        g->setText(shown + 2, 4, symbol + qs(moneyText(last.cumulativeInterest)));
        g->setText(shown + 2, 5, symbol + qs(moneyText(last.cumulativePrincipal)));
    }
    if (extras > 0) {
        int r = shown + 4;
        g->setText(r, 0, "Additional ");
        g->setText(r, 1, "Payments  ");
        g->setText(r, 2, "Applied  ");
        g->setText(++r, 0, "Year  ");
        for (int y = 1; y <= state.calculated.extraYears(); ++y) {
            const Currency amount = state.calculated.ExtraPayments[y].amount;
            if (amount <= Currency()) continue;
            const bool applied = std::find(s.appliedExtraYears.begin(), s.appliedExtraYears.end(), y) !=
                                 s.appliedExtraYears.end();
            g->setText(++r, 0, QString::number(y));
            g->setText(r, 1, qs(Format(amount.toDouble(), "###,,###.00")));
            g->setText(r, 2, applied ? "Yes" : "No");
        }
    }
    m_grid->scrollToTop();
}

void MortgageCalc::recalculateIfShown() {
    if (mortgage().schedule) MCalc_Click();
}

void MortgageCalc::MHelp_Click() {
    if (m_help->text() == "Quick &Help") {
        m_help->setText("Close &Help");
        m_helpText->setPlainText(helpText(isLoan()));
        m_gridOrHelp->setCurrentWidget(m_helpText);
    } else {
        m_help->setText("Quick &Help");
        m_helpText->clear();
        m_gridOrHelp->setCurrentWidget(m_grid);
    }
}

void MortgageCalc::MDateNumber_Click() {
    MortgageInputs& in = mortgage().inputs;
    if (m_dateNumber->text() == "&View payment date") {
        MortDateInput dialog(this);
        dialog.exec();
        in.ViewDates = 1;
        m_dateNumber->setText("&View payment No.");
    } else {
        in.ViewDates = 0;
        m_dateNumber->setText("&View payment date");
    }
    recalculateIfShown();
}

void MortgageCalc::MAddPrePay_Click() {
    MortPrePay dialog(this);
    dialog.exec();
    updateExtraIndicator();
    recalculateIfShown();
}

void MortgageCalc::MShowIRF_Click() {
    MortIRFTable dialog(this);
    dialog.exec();
    recalculateIfShown();
}

void MortgageCalc::MPrinter_Click() {
    const MortgageState& state = mortgage();
    if (!state.schedule) {
        showMessage(1, this);
        return;
    }
    if (!askPrintHeader(this)) return;
    const ShellState& shell = program().shell;
    const Printout printout =
        mortgagePrintout(state.calculated, *state.schedule,
                         {*shell.PrintHeader, shell.CurrencySymbol, shell.PrinterFontChoice, shell.DateForm});
    printAndReport(printout, isLoan() ? "Personal Loan Table" : "Mortgage Table", this);
}

bool MortgageCalc::saveFile(const QString& path) {
    const MortgageState& state = mortgage();
    const std::string bytes = mortgageFileBytes(state.calculated, program().shell.DateForm);
    if (writeFileAtomically(ss(path), bytes)) {
        showMessage(isLoan() ? 38 : 37, this);
        return false;
    }
    (isLoan() ? program().shell.LoanFileName : program().shell.MortFileName) = ss(QFileInfo(path).fileName());
    return true;
}

void MortgageCalc::MSaveFile_Click() {
    if (!mortgage().schedule) {
        showMessage(15, this);
        return;
    }
    ShellState& shell = program().shell;
    shell.FileOp = isLoan() ? 8 : 6;
    FileDirectory(this);
    const bool cancelled = shell.FileOp == kFileOpCancelled;
    const QString chosen = qs(shell.ChosenFile);
    shell.FileOp = 0;
    shell.ChosenFile.clear();
    if (!cancelled) saveFile(chosen);
}

bool MortgageCalc::loadFile(const QString& path) {
    const auto bytes = readFileStart(ss(path), 1 << 20);
    auto in = bytes ? parseMortgageFile(*bytes, mortgage().inputs.MortgageMode, program().shell.DateForm)
                    : Outcome<MortgageInputs>::failure(kMsgBadFile);
    if (!in) {
        showMessage(kMsgBadFile, this);
        return false;
    }
    mortgage().inputs = *in.value;
    (isLoan() ? program().shell.LoanFileName : program().shell.MortFileName) = ss(QFileInfo(path).fileName());
    showInputs();
    updateExtraIndicator();
    MCalc_Click();
    return true;
}

void MortgageCalc::MLoadFile_Click() {
    ShellState& shell = program().shell;
    shell.FileOp = isLoan() ? 7 : 5;
    FileDirectory(this);
    const bool cancelled = shell.FileOp == kFileOpCancelled;
    const QString chosen = qs(shell.ChosenFile);
    shell.FileOp = 0;
    shell.ChosenFile.clear();
    if (!cancelled) loadFile(chosen);
}

void MortgageCalc::MGraphs_Click() {
    const MortgageState& state = mortgage();
    if (!state.schedule) {
        showMessage(2, this);
        return;
    }
    if (program().frame) program().frame->openChart(this);
}

void MortgageCalc::MExit_Click() {
    mortgage() = MortgageState{};
    program().chart.reset();
    program().shell.entry.EntryEdited = 0;
    if (program().frame) program().frame->returnToMenu();
}

QString MortgageCalc::gridText(int row, int col) const {
    return m_grid->grid()->text(row, col);
}

} // namespace brisk
