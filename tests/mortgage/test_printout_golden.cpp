// The mortgage and loan printouts, page for page as they printed before their schedules were laid
// out from the schedule's table: both views, payment numbers and dates, additional payments, each
// printer font.
#include "mortgage/core/mortgage_printout.h"
#include "tests/support/golden.h"

#include <functional>

using namespace brisk;

namespace {

const Date kMarchFirst{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(1)};

MortgageInputs withExtras(MortgageInputs in) {
    in.ExtraPercent = 0.05f;
    in.ExtraPayments[1] = {Currency::fromWhole(1), Currency::fromWhole(2500)};
    in.ExtraPayments[3] = {Currency::fromWhole(3), *Currency::fromDouble(1000.5)};
    in.ExtraPaymentCount = 2;
    return in;
}

struct Case {
    const char* name;
    MortgageKind mode;
    ShowPayments view;
    int font;
    std::function<void(MortgageInputs&)> change = {};
    const char* header = "Ann Lee";
    const char* symbol = "$";
};

} // namespace

TEST(MortgagePrintoutGolden, EveryViewAsBefore) {
    const Case cases[] = {
        {"mortgage_annual", MortgageKind::Mortgage, ShowPayments::Annual, 0},
        {"mortgage_all_numbers", MortgageKind::Mortgage, ShowPayments::All, 1},
        {"mortgage_all_dates", MortgageKind::Mortgage, ShowPayments::All, 3,
         [](MortgageInputs& in) {
             in.StartDate = kMarchFirst;
             in.ViewDates = true;
             in.frequency = FrequencyKind::TwoWeeks;
         }},
        {"mortgage_annual_extra_payments", MortgageKind::Mortgage, ShowPayments::Annual, 2,
         [](MortgageInputs& in) { in = withExtras(in); }, "", "EUR "},
        {"mortgage_all_extra_payments", MortgageKind::Mortgage, ShowPayments::All, 0,
         [](MortgageInputs& in) {
             in = withExtras(in);
             in.compounding = CompoundingKind::Semiannual;
             in.frequency = FrequencyKind::BiweeklyAcc;
         }},
        // Figures wider than their columns keep every digit.
        {"mortgage_largest_principal", MortgageKind::Mortgage, ShowPayments::Annual, 0,
         [](MortgageInputs& in) {
             in.principal = *Currency::fromDouble(kMostPrincipal);
             in.rate = Percent::fromWhole(60);
             in.termYears = Years::fromWhole(40);
         },
         "Big", "CHF "},
        {"loan_annual", MortgageKind::Loan, ShowPayments::Annual, 0},
        {"loan_all_numbers", MortgageKind::Loan, ShowPayments::All, 2},
        {"loan_all_dates_extra_payments", MortgageKind::Loan, ShowPayments::All, 1,
         [](MortgageInputs& in) {
             in = withExtras(in);
             in.StartDate = kMarchFirst;
             in.ViewDates = true;
         },
         "Car loan", "\xc2\xa3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MortgageInputs in = MortgageInputs::defaults(c.mode);
        in.CalcMode = c.view;
        if (c.change) c.change(in);
        const auto schedule = calculateSchedule(in);
        ASSERT_TRUE(schedule);
        brisk::testing::expectGolden(
            "mortgage", c.name,
            mortgagePrintout(in, *schedule.value,
                             {c.header, c.symbol, c.font, shortDateFormFromPattern("M/d/yyyy")}));
    }
}
