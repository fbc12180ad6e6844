// The 40-year weekly schedule with additional payments: the engine alone, Calculate to the grid
// filled in the real window, and a plain loop of as many iterations, in one run.
#include "app/ui/main_window.h"
#include "app/ui/program_state.h"
#include "bench/timing.h"
#include "mortgage/core/schedule.h"
#include "mortgage/ui/mortgage_document.h"
#include "mortgage/ui/mortgage_window.h"

#include <QApplication>

#include <cstdio>
#include <vector>

using namespace brisk;

namespace {

MortgageInputs benchInputs() {
    MortgageInputs in = MortgageInputs::defaults(MortgageKind::Mortgage);
    in.principal = Currency::fromWhole(400000);
    in.rate = *Percent::fromDouble(3.5);
    in.termYears = Years::fromWhole(40);
    in.frequency = FrequencyKind::OneWeek;
    in.CalcMode = ShowPayments::All;
    for (int y = 1; y <= 40; y += 3)
        in.ExtraPayments[y] = {Currency::fromWhole(y), Currency::fromWhole(1000)};
    in.ExtraPaymentCount = in.countExtraPayments();
    return in;
}

struct PlainRow {
    double interest, principal, balance, ci, cq;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initProgram();
    const MortgageInputs in = benchInputs();
    const int rows = static_cast<int>(calculateSchedule(in)->payments.size());
    volatile double sink = 0;

    const double engine = medianMs(51, [&] { sink = sink + calculateSchedule(in)->totalPaid; });
    const double plain = medianMs(51, [&] {
        std::vector<PlainRow> out;
        out.reserve(rows);
        double B = 400000, i = 0.0006, R = 1400, ci = 0, cq = 0;
        for (int k = 0; k < rows; ++k) {
            const double I = B * i, Q = R - I;
            B -= Q;
            ci += I;
            cq += Q;
            out.push_back({I, Q, B, ci, cq});
        }
        sink = sink + out.back().balance;
    });

    MainFrame frame(program());
    auto* document = new MortgageDocument(MortgageKind::Mortgage);
    document->inputs = in;
    auto* window = new MortgageWindow(program(), document);
    frame.openTask(window);
    const double window_ms = medianMs(21, [&] { window->calculate(); });

    std::printf("schedule rows:                %d\n", rows);
    std::printf("plain loop:                   %.3f ms (median)\n", plain);
    std::printf("engine alone:                 %.3f ms (median), %.2fx the plain loop (goal: within 3x)\n",
                engine, engine / plain);
    std::printf("Calculate to grid filled:     %.3f ms (median) (goal: under 30 ms)\n", window_ms);
    return 0;
}
