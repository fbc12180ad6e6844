#include "valuedb/ui/trend_graph_window.h"

#include "app/ui/calculator_parts.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"
#include "charts/ui/chart_view.h"
#include "charts/ui/chart_windows.h"
#include "valuedb/core/trend_pages.h"
#include "valuedb/ui/database_document.h"
#include "valuedb/ui/database_windows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace brisk {

TrendGraphWindow::TrendGraphWindow(ProgramState& program, const DatabaseDocument& document,
                                   TrendCaller caller, QWidget* parent)
    : QWidget(parent), m_program(program), m_document(document), m_caller(caller) {
    setObjectName("TrendGraph");
    setCaption(m_program, " Brisklane Graphs");
    m_view = new ChartView(this);
    m_forward = commandButton(this, "Forward", "&Forward");
    m_prev = commandButton(this, "Prev", "&Back");
    QPushButton* ptr = commandButton(this, "Ptr", "To &Printer");
    m_oned = commandButton(this, "Oned", "Show &2D Graph");
    m_threeDButton = commandButton(this, "ThreeD", "Show &3D Graph");
    QPushButton* exit = commandButton(this, "ExitBut", "E&xit");
    auto* label = new QLabel(this);
    label->setObjectName("Label1");
    connect(m_forward, &QPushButton::clicked, this, &TrendGraphWindow::showNewerPage);
    connect(m_prev, &QPushButton::clicked, this, &TrendGraphWindow::showOlderPage);
    connect(ptr, &QPushButton::clicked, this, &TrendGraphWindow::print);
    connect(exit, &QPushButton::clicked, this, &TrendGraphWindow::closeTrendGraph);
    connect(m_oned, &QPushButton::clicked, this, [this] {
        m_threeD = false;
        draw();
    });
    connect(m_threeDButton, &QPushButton::clicked, this, [this] {
        m_threeD = true;
        draw();
    });
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_prev, m_forward, m_oned, m_threeDButton})
        buttons->addWidget(b);
    buttons->addWidget(label, 1);
    buttons->addWidget(ptr);
    buttons->addWidget(exit);
    layOutChartWindow(this, m_view, buttons);

    const int records = m_document.database().RecordCount();
    if (records == 0) {
        showMessage(Msg::NoData, this);
        return;
    }
    const TrendPage page = firstTrendPage(records);
    m_first = page.first;
    m_last = page.last;
    m_forward->setEnabled(false); // nothing is newer than the first page
    m_prev->setEnabled(m_last < records);
    draw();
}

void TrendGraphWindow::draw() {
    m_view->setChart(trendChart(m_document.database(), {m_first, m_last}, m_threeD, true));
    m_oned->setEnabled(m_threeD);
    m_threeDButton->setEnabled(!m_threeD);
}

void TrendGraphWindow::showOlderPage() {
    turnPage(olderPage({m_first, m_last}, m_document.database().RecordCount()), m_prev, m_forward);
}

void TrendGraphWindow::showNewerPage() {
    turnPage(newerPage({m_first, m_last}), m_forward, m_prev);
}

// Shows `next`; when there is no page that way, the button pressed only disables itself.
void TrendGraphWindow::turnPage(const TrendPage& next, QPushButton* pressed, QPushButton* other) {
    other->setEnabled(true);
    if (next == TrendPage{m_first, m_last}) {
        pressed->setEnabled(false);
        other->setFocus();
        return;
    }
    m_first = next.first;
    m_last = next.last;
    draw();
}

void TrendGraphWindow::print() {
    printChart(m_view->chart(), this);
}

void TrendGraphWindow::closeTrendGraph() {
    if (!m_program.frame) return;
    m_program.frame->closeOver();
    setCaption(m_program, m_caller == TrendCaller::Averages ? "  Averages and Ratios" : "  Brisklane Menu");
}

} // namespace brisk
