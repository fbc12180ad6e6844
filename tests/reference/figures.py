#!/usr/bin/env python3
"""Where the tests' long expected figures come from: each worked out here from its closed form or a
plain loop, apart from the program's code. Run it to see every figure with the test that uses it:
    python3 tests/reference/figures.py
"""
import struct


def single(x):
    """x rounded to single precision, as the planners keep their rates."""
    return struct.unpack("f", struct.pack("f", x))[0]


def cents4(x):
    """x to four decimals, half to even, as money is stored."""
    return round(x * 10000) / 10000


def level_payment(principal, rate, periods):
    """The closed form: M = P i / (1 - (1 + i)^-n)."""
    return principal * rate / (1 - (1 + rate) ** -periods)


def amortize(principal, rate, payment):
    """A plain schedule: each period's interest, the payment less it off the balance, the last payment
    what is left with its interest. Returns the payments, each (interest, principal, balance)."""
    rows, balance = [], principal
    while balance > 0:
        interest = balance * rate
        paid = min(payment - interest, balance)
        balance -= paid
        rows.append((interest, paid, balance))
    return rows


MONTHLY = 0.10125 / 12  # 10.125% a year, compounded monthly


def mortgage_figures():
    payment = level_payment(100000, MONTHLY, 300)
    rows = amortize(100000, MONTHLY, payment)
    total = sum(i + p for i, p, _ in rows)
    yield "test_schedule StandardMonthlyMortgage: payment", payment
    yield "test_schedule StandardMonthlyMortgage: total paid", total
    first_year = rows[:12]
    yield "test_schedule AnnualTotalsSumEachYear: year 1 interest", sum(i for i, _, _ in first_year)
    yield "test_schedule AnnualTotalsSumEachYear: year 1 principal", sum(p for _, p, _ in first_year)
    yield "test_schedule AnnualTotalsSumEachYear: year 1 balance", first_year[-1][2]
    semiannual = (1 + 0.10125 / 2) ** (1 / 6) - 1  # the monthly rate equivalent to semi-annual
    yield "test_schedule SemiannualCompounding: payment", level_payment(100000, semiannual, 300)
    # Two weeks of 364 days: exactly 26 periods, each the monthly rate's equivalent.
    yield "test_schedule DaysInYear: 364-day two-weekly rate", (1 + MONTHLY) ** (12 / 26) - 1
    # Accelerated two-weekly: half the monthly payment every two weeks of a 365-day year
    # (26.07142857 periods), to the end of the balance.
    biweekly = (1 + MONTHLY) ** (12 / 26.07142857) - 1
    acc = amortize(100000, biweekly, payment / 2)
    acc_total = sum(i + p for i, p, _ in acc)
    yield "test_schedule AcceleratedPayments: payments", len(acc)
    yield "test_schedule AcceleratedPayments: total paid", acc_total
    yield "test_schedule AcceleratedPayments: interest saved", total - acc_total


def savings_figures():
    # 30,000 at no interest, 5% inflation taken off each year for 25 years.
    yield "test_savings_plan InflationWithoutInterest: value", 30000 * 0.95 ** 25


def retirement_figures():
    # 100,000 at 10% a year (its monthly equivalent in single precision), 1,000 a month raised
    # 2.5% a year, until a year's withdrawals exceed what is left: that year's whole months, then
    # the rest. Values are kept to four decimals as money is.
    q = single((1 + single(0.10)) ** (1 / 12) - 1)
    value, monthly = 100000.0, 1000.0
    while True:
        for _ in range(12):
            value = cents4(value + cents4(value * q) - monthly)
        next_value, monthly = value + monthly * 0.025, monthly * 1.025
        if next_value <= 12 * monthly:
            break
    interest = 0.0
    for _ in range(int(value // monthly)):
        i = value * q
        interest += i
        value = cents4(value + cents4(i) - monthly)
    yield "test_retirement_plans AFixedAmountRunningOut: last year's interest", interest


def fixed_amount(capital, rate, monthly, increase):
    """The fixed amount option's whole years, month by month: each month the interest at the
    monthly equivalent of the yearly rate (single precision), the amount drawn; after each year the
    amount is raised, and the next year follows while what is left with that year's raise is above
    the raised annual amount, to 50 years. Returns each year's (interest, value at its end) and
    whether the 50 years were reached."""
    q = single((1 + single(rate / 100)) ** (1 / 12) - 1)
    g = cents4(increase / 100)
    value, annual, rows = capital, 12 * monthly, []
    while True:
        interest = 0.0
        for _ in range(12):
            i = value * q
            end = value + cents4(i) - monthly
            interest += i
            value = cents4(end)
        rows.append((interest, end))
        raised, monthly, annual = end + monthly * g, monthly + monthly * g, annual + annual * g
        if len(rows) == 50:
            return rows, True
        if not raised > annual:
            return rows, False


def fifty_year_figures():
    # The least capital that lasts the 50 years at 8.57%, drawing 448.15 a month raised 1.26% a
    # year (found by halving the range of whole cents); with a cent less, the 49th year's end is the
    # last whole one and the 50th is the partial year the capital runs out in.
    rows, full = fixed_amount(74080.01, 8.57, 448.15, 1.26)
    yield "test_retirement_plans AFixedAmountLastsFiftyYearsFromTheLeastCapital: 74,080.01 lasts", full
    yield "test_retirement_plans AFixedAmountLastsFiftyYearsFromTheLeastCapital: year 1 interest", rows[0][0]
    yield "test_retirement_plans AFixedAmountLastsFiftyYearsFromTheLeastCapital: year 2 interest", rows[1][0]
    yield "test_retirement_plans AFixedAmountLastsFiftyYearsFromTheLeastCapital: value after year 50", rows[-1][1]
    rows, full = fixed_amount(74080.00, 8.57, 448.15, 1.26)
    yield "test_retirement_plans AFixedAmountLastsFiftyYearsFromTheLeastCapital: 74,080.00 lasts", full
    yield "test_retirement_plans AFixedAmountLastsFiftyYearsFromTheLeastCapital: whole years", len(rows)
    # Nothing drawn: 10,000 at 6% only grows, for the 50 years.
    rows, full = fixed_amount(10000, 6, 0, 3)
    yield "test_retirement_plans NothingDrawnMonthlyGrowsFiftyYears: years", len(rows)
    yield "test_retirement_plans NothingDrawnMonthlyGrowsFiftyYears: value after year 50", rows[-1][1]


if __name__ == "__main__":
    for figures in (mortgage_figures, savings_figures, retirement_figures, fifty_year_figures):
        for name, value in figures():
            print(f"{name}: {value!r}")
