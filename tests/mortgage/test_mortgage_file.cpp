// Mortgage and loan files: the layout on disk, round trips in both modes, and damaged files.
#include "mortgage/core/mortgage_file.h"

#include <gtest/gtest.h>

#include <map>

using namespace brisk;
using namespace std::chrono;

namespace {
const ShortDateForm us = shortDateFormFromPattern("M/d/yyyy");

// A mortgage file's first line, of no payment lines, with the fields changed (0 the principal).
std::string firstLine(const std::map<std::size_t, std::string>& changed = {}) {
    std::vector<std::string> fields = {
        "1000", "5",     "10", "\"      Monthly\"", "\"      Monthly\"", "\"\"", "0", "1", "1", "0", "0", "1",
        "365",  "\"O\"", "0"};
    for (const auto& [at, value] : changed)
        fields[at] = value;
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "" : ",") + field;
    return line + "\r\n";
}
} // namespace

TEST(MortgageFile, WritesTheFifteenFieldsAndThePaymentLines) {
    MortgageInputs in = MortgageInputs::defaults(MortgageKind::Mortgage);
    in.termYears = Years::fromWhole(2);
    in.frequency = FrequencyKind::BiweeklyAcc;
    in.StartDate = Date{year(2002), month(3), day(1)};
    in.ViewDates = true;
    in.DaysChoice = 0;
    in.ExtraPercent = 0.05f;
    in.ExtraPayments[1] = {Currency::fromWhole(1), Currency::fromWhole(0)};
    in.ExtraPayments[2] = {Currency::fromWhole(2), *Currency::fromDouble(2500.5)};
    in.ExtraPaymentCount = 1;
    EXPECT_EQ(mortgageFileBytes(in, us),
              "100000,10.125,2,\"      Monthly\",\" Biweekly(Acc)\",\"3/1/2002\",1,0,1,2,1,1,"
              "365.25,\"O\",0.05\r\n1,0\r\n2,2500.5\r\n");
}

// Each payment line holds the year as the table numbers it, then the amount; they read back into
// the same years.
TEST(MortgageFile, TheYearsOfTheAdditionalPayments) {
    MortgageInputs in = MortgageInputs::defaults(MortgageKind::Mortgage);
    in.termYears = Years::fromWhole(3);
    in.numberExtraYears();
    in.ExtraPayments[3].amount = Currency::fromWhole(700);
    in.ExtraPaymentCount = 1;
    const std::string bytes = mortgageFileBytes(in, us);
    EXPECT_NE(bytes.find("\r\n1,0\r\n2,0\r\n3,700\r\n"), std::string::npos) << bytes;
    const auto back = parseMortgageFile(bytes, MortgageKind::Mortgage, us);
    ASSERT_TRUE(back);
    for (int y = 1; y <= 3; ++y)
        EXPECT_EQ(back->ExtraPayments[y].year, Currency::fromWhole(y));
    EXPECT_EQ(back->ExtraPayments[3].amount, Currency::fromWhole(700));
}

TEST(MortgageFile, RoundTripsBothModes) {
    for (MortgageKind mode : {MortgageKind::Mortgage, MortgageKind::Loan}) {
        MortgageInputs in = MortgageInputs::defaults(mode);
        in.rate = *Percent::fromDouble(6.125);
        in.compounding = CompoundingKind::Semiannual;
        in.CalcMode = ShowPayments::All;
        in.DaysChoice = 3;
        for (int y = 1; y <= in.extraYears(); ++y)
            in.ExtraPayments[y] = {Currency::fromWhole(y), Currency::fromWhole(y * 10)};
        in.ExtraPaymentCount = in.extraYears();
        const std::string bytes = mortgageFileBytes(in, us);
        const auto back = parseMortgageFile(bytes, mode, us);
        ASSERT_TRUE(back) << static_cast<int>(mode);
        EXPECT_EQ(mortgageFileBytes(*back.value, us), bytes);
        EXPECT_EQ(back->compounding, CompoundingKind::Semiannual);
        EXPECT_EQ(back->ExtraPayments[3].amount, Currency::fromWhole(30));
        EXPECT_FALSE(back->StartDate.has_value()); // never set: the window falls back to today
    }
}

// A start date saved in one short date form loads under another, and under the command line's ISO
// form, wherever only one date fits the text; the writer's own form decides the rest.
TEST(MortgageFile, TheStartDateReadsInEveryFormThatFitsOneDate) {
    const ShortDateForm uk = shortDateFormFromPattern("dd/MM/yyyy"),
                        german = shortDateFormFromPattern("dd.MM.yyyy");
    const ShortDateForm iso;
    const struct {
        const char* saved;
        ShortDateForm reader;
        std::optional<Date> expected;
    } cases[] = {
        {"12/7/2026", us, Date{year(2026), month(12), day(7)}},   // the writer's own form first
        {"12/7/2026", uk, Date{year(2026), month(7), day(12)}},   // ... whatever it is
        {"12/7/2026", iso, std::nullopt},                         // 7 December or 12 July: refused
        {"25/12/2026", us, Date{year(2026), month(12), day(25)}}, // only day-month-year fits
        {"12/25/2026", uk, Date{year(2026), month(12), day(25)}}, // only month-day-year fits
        {"25.12.2026", iso, Date{year(2026), month(12), day(25)}},
        {"7/7/2026", iso, Date{year(2026), month(7), day(7)}}, // both orders give one date
        {"1/13/2026", german, Date{year(2026), month(1), day(13)}},
        {"2026-12-07", german, Date{year(2026), month(12), day(7)}},
        {"2026/12/07", us, Date{year(2026), month(12), day(7)}},
        {"13/13/2026", us, std::nullopt},
        {"31/2/2026", iso, std::nullopt},
        {"12/7", uk, std::nullopt},
    };
    for (const auto& c : cases) {
        MortgageInputs in = MortgageInputs::defaults(MortgageKind::Mortgage);
        in.StartDate = Date{year(2026), month(1), day(1)};
        std::string bytes = mortgageFileBytes(in, iso);
        const std::size_t at = bytes.find("\"2026-01-01\"");
        ASSERT_NE(at, std::string::npos) << bytes;
        bytes.replace(at + 1, 10, c.saved);
        const auto back = parseMortgageFile(bytes, MortgageKind::Mortgage, c.reader);
        if (!c.expected) {
            EXPECT_FALSE(back) << c.saved;
            continue;
        }
        ASSERT_TRUE(back) << c.saved;
        EXPECT_EQ(back->StartDate, c.expected) << c.saved;
    }
}

TEST(MortgageFile, AFileWithNoPaymentLinesHasOneLine) {
    MortgageInputs in = MortgageInputs::defaults(MortgageKind::Loan);
    in.termYears = *Years::fromDouble(6.0 / 12);
    const std::string bytes = mortgageFileBytes(in, us);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1);
    EXPECT_TRUE(parseMortgageFile(bytes, MortgageKind::Loan, us));
}

TEST(MortgageFile, DaysChoiceFourReadsAs365Point25) {
    std::string bytes = firstLine({{7, "4"}});
    bytes.replace(bytes.find(",365,"), 5, ",365.25,");
    const auto in = parseMortgageFile(bytes, MortgageKind::Mortgage, us);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->DaysChoice, 0);
}

TEST(MortgageFile, AcceptsAnyCountUpToFortyFiveWhateverTheTerm) {
    std::string bytes = firstLine({{9, "45"}});
    for (int i = 1; i <= 45; ++i)
        bytes += std::to_string(i) + ",0\r\n";
    EXPECT_TRUE(parseMortgageFile(bytes, MortgageKind::Mortgage, us));
}

TEST(MortgageFile, RefusesDamagedFilesWithMessage13) {
    const std::string good = firstLine({{5, "\"3/1/2002\""}, {9, "2"}}) + "1,0\r\n2,0\r\n";
    std::vector<std::pair<std::string, std::string>> cases = {
        {"empty", ""},
        {"truncated", good.substr(0, 40)},
        {"missing line", good.substr(0, good.size() - 5)},
        {"other mode", firstLine({{11, "2"}})},
        {"unknown list text", firstLine({{3, "\"Monthly\""}})},
        {"reordered", "\"      Monthly\",1000,5,10,\"      Monthly\",\"\",0,1,1,0,0,1,365,\"O\",0\r\n"},
        {"negative principal", firstLine({{0, "-1000"}})},
        {"huge principal", firstLine({{0, "1e14"}})},
        {"term past the limit", firstLine({{2, "41"}})},
        {"count below 0", firstLine({{9, "-1"}})},
        {"count above 45", firstLine({{9, "46"}})},
        {"bad date", firstLine({{5, "\"2/30/2002\""}})},
        {"no marker", firstLine({{13, "\"X\""}})},
        {"binary", std::string("\x00\x01\x02\xff\xfe", 5)},
    };
    for (const auto& [why, bytes] : cases) {
        const auto in = parseMortgageFile(bytes, MortgageKind::Mortgage, us);
        EXPECT_FALSE(in) << why;
        EXPECT_EQ(in.message, Msg::BadFile) << why;
    }
}
