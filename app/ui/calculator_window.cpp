#include "app/ui/calculator_window.h"

#include "app/core/numeric_parse.h"
#include "app/ui/calculator_parts.h"
#include "app/ui/header_input.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/printer_backend.h"
#include "app/ui/program_state.h"
#include "app/ui/result_grid.h"
#include "app/ui/text_area.h"
#include "app/ui/twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace brisk {

CalculatorWindow::CalculatorWindow(ProgramState& program, CalculatorDocument* document, const QString& name,
                                   const QString& letter, const QString& caption)
    : m_program(program), m_document(document) {
    setObjectName(name);
    document->setParent(this);
    typingState().EntryEdited = 0;
    if (program.frame) program.frame->setWindowTitle(caption);

    // The grid and the commands join the window in finish(), after the fields, so that the focus
    // chain (and Tab) runs from the first field through the grid to the commands.
    m_gridOrHelp = new QStackedWidget;
    m_grid = new ResultGrid(m_gridOrHelp);
    m_grid->setObjectName(letter + "Grid");
    m_grid->grid()->setWrapHeadings(true);
    m_helpText = new TextArea(m_gridOrHelp);
    m_helpText->setObjectName(letter + "TextBox");
    m_gridOrHelp->addWidget(m_grid);
    m_gridOrHelp->addWidget(m_helpText);

    const QList<QPair<QString, QString>> commands = {{"Calc", "&Calculate"},
                                                     {"Help", "Quick &Help"},
                                                     {"Graphs", "&Show Graph"},
                                                     {"Printer", "To &Printer"},
                                                     {"Exit", "E&xit to Menu"}};
    for (const auto& [suffix, text] : commands)
        m_commands << commandButton(nullptr, letter + suffix, text);
    connect(command(Command::Calculate), &QPushButton::clicked, this, &CalculatorWindow::calculate);
    connect(command(Command::Help), &QPushButton::clicked, this, &CalculatorWindow::toggleHelp);
    connect(command(Command::Graphs), &QPushButton::clicked, this, &CalculatorWindow::showChart);
    connect(command(Command::Printer), &QPushButton::clicked, this, &CalculatorWindow::print);
    connect(command(Command::Exit), &QPushButton::clicked, this, &CalculatorWindow::exitToMenu);
    command(Command::Graphs)->setEnabled(MainMenu::hasChartWindow());
}

QPushButton* CalculatorWindow::command(Command which) const {
    return m_commands[static_cast<int>(which)];
}

EntryBox* CalculatorWindow::addField(const QString& name, const QString& caption, EntryBox::Kind kind,
                                     const QString& mask, int width, const QStringList& items) {
    auto* box = new EntryBox(kind, this);
    box->setObjectName(name);
    box->setCurrencySymbol(m_program.shell.CurrencySymbol);
    if (!mask.isEmpty()) box->setFormat(mask, width);
    box->setItems(items, kind == EntryBox::Kind::Text && !items.isEmpty());
    box->setLeastWidth(twips(1300));
    connect(box, &EntryBox::stale, this, &CalculatorWindow::entryChanged);
    if (m_fields.isEmpty())
        m_helpText->setFirstBox(box);
    else
        m_fields.last()->setNext(box);
    box->setNext(command(Command::Calculate));
    m_fields << box;
    m_captions << fieldCaption(this, caption, box);
    return box;
}

void CalculatorWindow::limitField(EntryBox* box, std::function<int()> limit, Msg message,
                                  std::function<bool()> applies) {
    box->setLimitCheck([this, limit, message, applies](EntryBox& b) {
        if (!typingState().EntryEdited || (applies && !applies())) return;
        if (parseEntryText(ss(b.text()), "") <= limit()) return;
        showMessage(message, this);
        b.setText(QString::number(limit()));
        // Stored even though the message box took the focus away and back.
        typingState().EntryEdited = 1;
    });
}

bool CalculatorWindow::handOverChart(const Outcome<ChartHandover>& chart) {
    if (!chart) {
        showMessage(chart.message, this);
        return false;
    }
    m_document->chart = *chart;
    return true;
}

QPushButton* CalculatorWindow::addCommand(const QString& name, const QString& caption,
                                          std::function<void()> run) {
    QPushButton* button = commandButton(nullptr, name, caption);
    connect(button, &QPushButton::clicked, this, std::move(run));
    m_own << button;
    return button;
}

void CalculatorWindow::setColumns(const QStringList& headings, const QList<int>& widen, int headingHeight,
                                  bool firstColumnCentred) {
    GridModel* g = m_grid->grid();
    g->setCols(headings.size());
    for (int c = 0; c < headings.size(); ++c) {
        g->setText(0, c, headings[c]);
        m_grid->setColWidthTwips(c, ResultGrid::defaultColWidthTwips() + widen[c]);
        g->setColAlignment(c, c == 0 ? (firstColumnCentred ? 2 : 0) : 1);
        g->setFixedAlignment(c, 2);
    }
    m_grid->setHeadingHeightTwips(headingHeight);
}

QGridLayout* CalculatorWindow::fieldGrid(int perRow) const {
    auto* fields = new QGridLayout;
    for (int i = 0; i < m_fields.size(); ++i) {
        const int row = (i / perRow) * 2, column = i % perRow;
        fields->addWidget(m_captions[i], row, column);
        fields->addWidget(m_fields[i], row + 1, column);
    }
    return fields;
}

void CalculatorWindow::finish(QLayout* above, QList<QPushButton*> order) {
    if (order.isEmpty()) {
        order = {command(Command::Calculate), command(Command::Help), command(Command::Graphs),
                 command(Command::Printer)};
        order << m_own << command(Command::Exit);
    }
    // Joining the window now puts the grid and the commands after the fields in the focus chain.
    m_gridOrHelp->setParent(this);
    for (QPushButton* b : order)
        b->setParent(this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : order) {
        if (b == command(Command::Exit)) buttons->addStretch();
        buttons->addWidget(b);
    }
    auto* body = new QHBoxLayout;
    body->addWidget(m_gridOrHelp, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(150), twips(90), twips(150), twips(90));
    layout->setSpacing(twips(60));
    layout->addLayout(above);
    layout->addLayout(body, 1);
}

bool CalculatorWindow::helpShown() const {
    return m_gridOrHelp->currentWidget() == m_helpText;
}

// Quick Help swaps the grid for the help text; printing and charting wait while it shows.
void CalculatorWindow::toggleHelp() {
    const bool open = !helpShown();
    command(Command::Help)->setText(open ? "Close &Help" : "Quick &Help");
    if (open)
        m_helpText->setPlainText(helpText());
    else
        m_helpText->clear();
    m_gridOrHelp->setCurrentWidget(open ? static_cast<QWidget*>(m_helpText) : m_grid);
    command(Command::Printer)->setEnabled(!open);
    command(Command::Graphs)->setEnabled(!open && MainMenu::hasChartWindow());
}

void CalculatorWindow::entryChanged() {
    typingState().EntryEdited = 1;
    m_document->markChanged();
    if (helpShown()) {
        toggleHelp();
        typingState().EntryEdited = 0;
    }
    dropResults();
}

void CalculatorWindow::calculate() {
    if (helpShown()) toggleHelp();
    typingState().EntryEdited = 0;
    computeResults();
}

void CalculatorWindow::print() {
    if (!hasResults()) {
        showMessage(Msg::NothingToPrint, this);
        return;
    }
    const auto header = askPrintHeader(this);
    if (!header) return;
    const ShellState& shell = m_program.shell;
    const auto [page, title] =
        printout({*header, shell.CurrencySymbol, shell.PrinterFontChoice, shell.DateForm});
    printAndReport(page, title, this);
}

void CalculatorWindow::showChart() {
    if (m_document->chart.GraphPointCount == 0) {
        showMessage(Msg::NothingToGraph, this);
        return;
    }
    if (m_program.frame) m_program.frame->openChart(m_document->chart);
}

void CalculatorWindow::exitToMenu() {
    typingState().EntryEdited = 0;
    if (m_program.frame) m_program.frame->returnToMenu();
}

QString CalculatorWindow::gridText(int row, int col) const {
    return m_grid->grid()->text(row, col);
}

int CalculatorWindow::gridRows() const {
    return m_grid->grid()->gridRows();
}

} // namespace brisk
