#include "charts/ui/chart_windows.h"

#include "app/ui/calculator_parts.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/printer_backend.h"
#include "app/ui/program_state.h"
#include "charts/render/chart_painter.h"
#include "charts/ui/chart_view.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace brisk {

void registerChartWindows() {
    MainMenu::registerChartWindow(
        [](ProgramState& program, const ChartHandover& chart) { return new ChartWindow(program, chart); });
}

void printChart(const ChartData& chart, QWidget* parent) {
    if (!askYesNo(Question::ContinuePrintout, parent)) return;
    ChartData printed = chart;
    printed.colour = askYesNo(Question::PrintInColour, parent);
    printDrawingAndReport(
        QString::fromStdString(printed.title.empty() ? "Chart" : printed.title),
        [printed](QPainter& painter, const QRectF& page) { paintChart(painter, page, printed); }, parent);
}

ChartWindow::ChartWindow(ProgramState& program, ChartHandover chart, QWidget* parent)
    : QWidget(parent), m_program(program), m_chart(std::move(chart)) {
    setObjectName("GraphsAll");
    m_view = new ChartView(this);
    const ChartHandover& h = m_chart;
    const PlannerMode calcMode = h.CalcMode;
    const bool comparisons = isComparisonCaller(h.GraphCaller, calcMode);
    QPushButton* sav2d = commandButton(this, "Sav2D", "Show Graph in &2D");
    QPushButton* threeDee = commandButton(this, "ThreeDee", "Show Graph in &3D");
    QPushButton* oned = commandButton(this, "Oned", "&Gain/Loss %");
    QPushButton* pie = commandButton(this, "Pie2d", "&Value of each fund");
    QPushButton* ptr = commandButton(this, "Ptr", "&To Printer");
    QPushButton* exit = commandButton(this, "ExitBut", "E&xit to Menu");
    connect(sav2d, &QPushButton::clicked, this,
            [this, comparisons] { comparisons ? Compare2D() : showKind(kKindYear2D); });
    connect(threeDee, &QPushButton::clicked, this, [this, comparisons] {
        if (comparisons)
            Compare3D();
        else
            showKind(m_chart.GraphCaller == ChartCaller::None ? kKindPie3D : kKindYear3D);
    });
    connect(oned, &QPushButton::clicked, this, [this] { showKind(kKindGainLoss); });
    connect(pie, &QPushButton::clicked, this, [this] { showKind(kKindPie); });
    connect(ptr, &QPushButton::clicked, this, &ChartWindow::print);
    connect(exit, &QPushButton::clicked, this, &ChartWindow::closeChart);
    // Only the buttons whose charts have data for this caller are offered.
    const std::vector<int> kinds = offeredKinds(h.GraphCaller, calcMode);
    auto offered = [&](int kind) { return std::find(kinds.begin(), kinds.end(), kind) != kinds.end(); };
    oned->setVisible(offered(kKindGainLoss));
    pie->setVisible(offered(kKindPie));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {sav2d, threeDee, oned, pie})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ptr);
    buttons->addWidget(exit);
    layOutChartWindow(this, m_view, buttons);
    showKind(firstKind(h.GraphCaller, calcMode));
}

void ChartWindow::showKind(int kind) {
    m_kind = kind;
    m_view->setChart(prepareChart(m_chart, kind, m_program.shell.CurrencySymbol));
}

void ChartWindow::Compare2D() {
    showKind(kKindCompare2D);
}
void ChartWindow::Compare3D() {
    showKind(kKindCompare3D);
}

void ChartWindow::print() {
    printChart(m_view->chart(), this);
}

void ChartWindow::closeChart() {
    if (m_program.frame) m_program.frame->closeOver(); // back to the calculator, its results intact
}

} // namespace brisk
