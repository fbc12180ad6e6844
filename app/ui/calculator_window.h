// The one shape every calculator window is built on: the entry fields above, the result grid (or
// its quick help) beside the column of commands, and what those commands share: Calculate, Quick
// Help, Show Graph, To Printer, Exit to Menu, F1, the Enter chain through the boxes to Calculate,
// and results dropped when an entry changes. A calculator declares its fields, its grid columns
// and what Calculate does.
#pragma once

#include "app/ui/calculator_document.h"
#include "app/ui/entry_box.h"

// moc reads no further than the class; the core header's C++20 library includes are beyond it.
#ifndef Q_MOC_RUN
#include "app/core/messages.h"
#include "app/core/outcome.h"
#include "app/core/printout.h"
#include "charts/core/chart_handover.h"
#endif

#include <QList>
#include <QWidget>

#include <functional>
#include <utility>

class QGridLayout;
class QLabel;
class QLayout;
class QPushButton;
class QStackedWidget;

namespace brisk {

struct ProgramState;
class ResultGrid;
class TextArea;

class CalculatorWindow : public QWidget {
    Q_OBJECT
  public:
    enum class Command { Calculate, Help, Graphs, Printer, Exit };

    // The shared commands, as their buttons run them.
    void calculate();
    void toggleHelp();
    void showChart();
    void print();
    void exitToMenu();

    QPushButton* command(Command which) const;
    ResultGrid* resultGrid() const { return m_grid; }
    bool helpShown() const;
    QString gridText(int row, int col) const;
    int gridRows() const;
    // What the window works on, whichever calculator it is.
    CalculatorDocument& calculatorDocument() const { return *m_document; }

  protected:
    // `letter` names the commands, the grid and the help text ("M" gives MCalc, MGrid, MTextBox);
    // `caption` is the frame's caption while the window is open. The window owns its document.
    CalculatorWindow(ProgramState& program, CalculatorDocument* document, const QString& name,
                     const QString& letter, const QString& caption);

    // An entry field: Enter moves from each field to the next, and from the last to Calculate.
    EntryBox* addField(const QString& name, const QString& caption, EntryBox::Kind kind,
                       const QString& mask = {}, int width = 0, const QStringList& items = {});
    // A figure typed above `limit` (where `applies` says the limit holds now) shows the message and
    // puts the limit in the box, which is then stored.
    void limitField(EntryBox* box, std::function<int()> limit, Msg message,
                    std::function<bool()> applies = {});
    // A calculation's chart into the document; false (its message shown) where it has none.
    bool handOverChart(const Outcome<ChartHandover>& chart);
    // A command of this calculator alone, placed before Exit to Menu.
    QPushButton* addCommand(const QString& name, const QString& caption, std::function<void()> run);
    // The grid's headings; each column is the standard width plus its widening (twips).
    void setColumns(const QStringList& headings, const QList<int>& widen, int headingHeight,
                    bool firstColumnCentred = true);
    // The captions over their boxes, `perRow` fields to a row.
    QGridLayout* fieldGrid(int perRow) const;
    // Lays the window out: `above` over the grid and the commands (in `order` where given).
    void finish(QLayout* above, QList<QPushButton*> order = {});

    // What Calculate does: compute, fill the grid, hand over the chart; messages on failure.
    virtual void computeResults() = 0;
    // An entry was edited: results that no longer match the boxes are dropped.
    virtual void dropResults() {}
    // Whether there are results to print; then their printout, with its title.
    virtual bool hasResults() const = 0;
    virtual std::pair<Printout, QString> printout(const PrintContext& context) const = 0;
    virtual QString helpText() const = 0;

    ProgramState& m_program;
    QList<EntryBox*> m_fields;
    QList<QLabel*> m_captions;

  private:
    void entryChanged();

    CalculatorDocument* m_document;
    ResultGrid* m_grid;
    TextArea* m_helpText;
    QStackedWidget* m_gridOrHelp;
    QList<QPushButton*> m_commands; // Calculate, Help, Graphs, Printer, Exit
    QList<QPushButton*> m_own;
};

} // namespace brisk
