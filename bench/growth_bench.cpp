// 40 years of monthly contributions (480 periods): the calculation alone, Calculate to the grid
// filled in the real window, and a plain loop of as many iterations, in one run.
#include "app/ui/main_window.h"
#include "app/ui/program_state.h"
#include "bench/timing.h"
#include "growth/core/savings_plan.h"
#include "growth/ui/growth_document.h"
#include "growth/ui/growth_windows.h"

#include <QApplication>

#include <cstdio>
#include <vector>

using namespace brisk;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initProgram();
    SavingsInputs in;
    in.frequency = Contributions::Monthly;
    in.amount = Currency::fromWhole(100);
    in.increase = Percent::fromWhole(3);
    in.inflation = Percent::fromWhole(2);
    in.term = Years::fromWhole(40);
    volatile double sink = 0;
    const double calc = medianMs(101, [&] { sink = sink + calculateSavings(in)->finalValue; });
    const double plain = medianMs(101, [&] {
        std::vector<double> values;
        values.reserve(480);
        double value = 0, c = 100;
        for (int k = 0; k < 480; ++k) {
            c += c * 0.0025;
            value = (value + c) * 1.005 * 0.998;
            values.push_back(value);
        }
        sink = sink + values.back();
    });
    MainFrame frame(program());
    auto* document = new SavingsDocument(PlannerMode::Planning);
    document->inputs = in;
    auto* window = new SavingsWindow(program(), document);
    frame.openTask(window);
    const double window_ms = medianMs(21, [&] { window->calculate(); });
    std::printf("plain loop (480 periods):     %.4f ms (median)\n", plain);
    std::printf("calculation alone:            %.4f ms (median), %.2fx the plain loop\n", calc, calc / plain);
    std::printf("Calculate to grid filled:     %.3f ms (median)\n", window_ms);
    return 0;
}
