#include "mortgage/core/schedule.h"

#include "app/core/whole_number.h"

#include <algorithm>
#include <cmath>

namespace brisk {

namespace {

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Adds one value to a year total kept in currency, rounding the sum as the table stores it.
void addTo(double& total, double value) {
    total = Currency::fromDoubleOrFail(total + value).toDouble();
}
double storedCurrency(double value) {
    return Currency::fromDoubleOrFail(value).toDouble();
}

// The dates of the payments: each frequency steps by months or days from the first date.
class PaymentDates {
  public:
    PaymentDates(Date start, FrequencyKind kind, bool annual) : m_start(start), m_kind(kind) {
        if (annual) {
            m_kind = FrequencyKind::Monthly;
            m_step = 12;
        } else if (kind == FrequencyKind::TwoWeeks || kind == FrequencyKind::BiweeklyAcc) {
            m_step = 14;
        } else if (kind == FrequencyKind::OneWeek || kind == FrequencyKind::WeeklyAcc) {
            m_step = 7;
        }
        m_byDays = m_step == 7 || m_step == 14;
        m_offset = -m_step;
    }

    // The date of payment `k` (1-based), called for k = 1, 2, 3 ... in order.
    Date next(int k) {
        if (m_kind == FrequencyKind::Semimonthly && k % 2 == 0) return m_last = addDays(m_last, 14);
        const int units = m_step + m_offset;
        m_offset += m_step;
        return m_last = m_byDays ? addDays(m_start, units) : addMonths(m_start, units);
    }

  private:
    Date m_start, m_last{};
    FrequencyKind m_kind;
    int m_step = 1;
    int m_offset = 0;
    bool m_byDays = false;
};

Schedule runSchedule(const MortgageInputs& in) {
    const Compounding* compounding = &compoundingOf(in.compounding);
    const Frequency* frequency = &frequencyOf(in.frequency);

    Schedule s;
    const DaysInYearChoice& days = in.days();
    s.DaysInYear = days.DaysInYear;
    s.paymentsPerYear = frequency->paymentsPerYear;
    s.annual = in.CalcMode == ShowPayments::Annual;
    s.viewDates = in.ViewDates;
    s.normalDays = frequency->kind == FrequencyKind::Monthly || frequency->kind == FrequencyKind::Semimonthly;
    double periods = frequency->paymentsPerYear;
    if (frequency->paymentsPerYear == 26) periods = days.BiweeklyPeriods;
    if (frequency->paymentsPerYear == 52) periods = days.WeeklyPeriods;

    const double P = in.principal.toDouble();
    const double r = in.rate.toDouble() / 100;
    const double T = in.termYears.toDouble();
    const double n = compounding->periodsPerYear;
    if (P < 0 || r <= 0 || T <= 0) throw CalcFailure();
    s.monthlyRate = std::pow(1 + r / n, n / 12) - 1;
    s.periodicRate = std::pow(1 + r / n, n / periods) - 1;
    const double v = std::pow(1 + r / n, -(n * T));
    if (!(1 - v > 0)) throw CalcFailure();
    const double M = P * s.monthlyRate / (1 - v);
    s.standardLifeTotal = M * 12 * T;
    double R = P * (s.monthlyRate * frequency->paymentFactor) / (1 - v);
    if (in.ExtraPercent > 0) {
        const double before = R;
        R = R + R * in.ExtraPercent;
        s.paymentIncrease = R - before;
    }
    s.payment = R;
    const double i = frequency->kind == FrequencyKind::Monthly ? s.monthlyRate : s.periodicRate;
    if (!allFinite({s.monthlyRate, s.periodicRate, M, R, i, s.standardLifeTotal})) throw CalcFailure();

    // Room for every row the loop can write, whatever the term and frequency.
    const int N = toInt32OrFail(frequency->boundPerYear * T + frequency->boundExtra);
    const int ppy = s.paymentsPerYear;
    s.payments.reserve(static_cast<std::size_t>(std::max(N, 0)));

    double B = P, I = P * i, Q = R - I;
    double RI = 0, RQ = 0, CI = 0, CQ = 0;
    std::optional<PaymentDates> dates;
    const Date start = in.StartDate.value_or(today());
    if (s.viewDates && !s.annual) dates.emplace(start, frequency->kind, false);
    for (int k = 1; k <= N; ++k) {
        const bool yearStarts = (k - 1) % ppy == 0;
        if (yearStarts) {
            const int y = toInt32OrFail(static_cast<double>(k) / ppy + 1);
            const Currency X = y <= kMaxExtraYears ? in.ExtraPayments[y].amount : Currency();
            const double previousPrincipal = s.payments.empty() ? 0 : s.payments.back().principal;
            // An additional payment that would pay off the loan is not applied.
            if (!(X.toDouble() >= B - previousPrincipal)) {
                Q = storedCurrency(Q + X.toDouble());
                if (X > Currency()) {
                    ++s.appliedExtraPayments;
                    s.appliedExtraYears.push_back(y);
                }
            }
        }
        RI += I;
        RQ += Q;
        B -= Q;
        I = i * B;
        Q = R - I;
        if (RI < 0) break; // the payment before already overpaid the balance
        CI += RI;
        CQ += RQ;
        ScheduleRow row;
        row.number = k;
        row.interest = RI;
        row.principal = RQ;
        row.balance = B;
        row.cumulativeInterest = CI;
        row.cumulativePrincipal = CQ;
        if (dates)
            row.date = dates->next(k);
        else if (yearStarts && !s.annual)
            row.yearLabel = toInt32OrFail(static_cast<double>(k) / ppy + 1);
        s.payments.push_back(row);
        RI = 0;
        RQ = 0;
    }
    if (!allFinite({B, CI, CQ})) throw CalcFailure();

    const int L = static_cast<int>(s.payments.size());
    // A balance left under 6.00 (or overpaid) is settled by the final payment.
    if (B < 6.0 && L > 0) {
        ScheduleRow& last = s.payments.back();
        // Before the first payment the balance is the principal.
        const ScheduleRow before = L > 1 ? s.payments[L - 2] : ScheduleRow{0, 0, 0, 0, P, 0, 0, {}};
        last.principal = before.balance;
        last.cumulativeInterest = last.interest + before.cumulativeInterest;
        last.cumulativePrincipal = last.cumulativePrincipal + last.balance;
        last.balance = before.balance - last.principal;
    }
    s.YearsToFinal = static_cast<float>(static_cast<double>(L) / ppy);
    if (L > 0) s.totalPaid = s.payments.back().cumulativeInterest + s.payments.back().cumulativePrincipal;
    s.interestSavings = s.standardLifeTotal - s.totalPaid;
    if (s.interestSavings < 10.0) s.interestSavings = 0;

    if (s.annual) {
        const int Y = toInt32OrFail(static_cast<double>(s.YearsToFinal) + 0.49);
        std::optional<PaymentDates> yearDates;
        if (s.viewDates) yearDates.emplace(start, frequency->kind, true);
        bool paidOff = false;
        for (int y = 1; y <= Y; ++y) {
            ScheduleRow total;
            total.number = y;
            // Only rows of this schedule: a payment year past its end has none.
            for (int j = (y - 1) * ppy + 1; j <= y * ppy && j <= L && !paidOff; ++j) {
                const ScheduleRow& row = s.payments[j - 1];
                addTo(total.interest, row.interest);
                addTo(total.principal, row.principal);
                total.balance = storedCurrency(row.balance);
                total.cumulativeInterest = storedCurrency(row.cumulativeInterest);
                total.cumulativePrincipal = storedCurrency(row.cumulativePrincipal);
                paidOff = row.balance <= 0;
            }
            if (yearDates) total.date = yearDates->next(y);
            s.years.push_back(total);
        }
    }
    return s;
}

} // namespace

double Schedule::finalPaymentTime(MortgageKind mortgageMode) const {
    return mortgageMode == MortgageKind::Loan ? YearsToFinal * 12.0f : YearsToFinal;
}

std::vector<double> Schedule::yearStartBalances(double principal) const {
    const int years = std::max(2, toInt32(YearsToFinal).value_or(0));
    std::vector<double> points{principal};
    for (int y = 1; y < years; ++y) {
        double balance = 0;
        if (annual) {
            if (y <= static_cast<int>(this->years.size())) balance = this->years[y - 1].balance;
        } else {
            const int last = std::min<int>(y * paymentsPerYear, static_cast<int>(payments.size()));
            if (last > 0) balance = payments[last - 1].balance;
        }
        points.push_back(std::max(balance, 0.0));
    }
    return points;
}

std::optional<Msg> validate(const MortgageInputs& inputs) {
    const double principal = inputs.principal.toDouble(), rate = inputs.rate.toDouble();
    if (principal < 0 || principal > kMostPrincipal || rate < 0 || rate > kMostRate) return Msg::WrongEntry;
    for (const ExtraPayment& extra : inputs.ExtraPayments)
        if (extra.amount.toDouble() < 0 || extra.amount.toDouble() > kMostPrincipal) return Msg::WrongEntry;
    if (!(inputs.ExtraPercent >= 0 && inputs.ExtraPercent <= 1)) return Msg::PercentLimit; // NaN too
    // Payment dates must stay within the years a date can be written in (and so read back).
    if (inputs.StartDate &&
        static_cast<int>(inputs.StartDate->year()) + std::ceil(inputs.termYears.toDouble()) + 1 > 9999)
        return Msg::WrongDate;
    // A term too short for one payment has no schedule.
    if (inputs.termYears.toDouble() > 0 &&
        std::nearbyint(inputs.termYears.toDouble() * frequencyOf(inputs.frequency).paymentsPerYear) < 1)
        return Msg::WrongEntry;
    if (inputs.MortgageMode == MortgageKind::Mortgage && inputs.termYears.toDouble() > kMortgageYearLimit)
        return Msg::YearLimit40;
    if (inputs.MortgageMode == MortgageKind::Loan &&
        inputs.termYears.toDouble() * 12 > kLoanMonthLimit + 0.005)
        return Msg::YearLimit40;
    return std::nullopt;
}

Outcome<Schedule> calculateSchedule(const MortgageInputs& inputs) {
    if (const auto message = validate(inputs)) return Outcome<Schedule>::failure(*message);
    return trapCalc([&] { return runSchedule(inputs); });
}

} // namespace brisk
