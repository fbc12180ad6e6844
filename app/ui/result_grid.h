// The grid of every result window: text cells with a fixed heading row (and, in most windows, a
// fixed first column), on Qt's model/view.
#pragma once

#include "app/core/result_table.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <QVector>

#include <optional>
#include <string>
#include <vector>

namespace brisk {

// Cells (row, col) of the whole grid; row 0 is the heading row, shown by the view's header.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(int rows);
    void setCols(int cols);
    int gridRows() const { return m_rows; }
    int gridCols() const { return m_cols; }
    void setFixedCols(int fixedCols);
    int fixedCols() const { return m_fixedCols; }

    QString text(int row, int col) const;
    // Sets the shown text; the cell holds no figure of a table any more (an edit, a window's own row).
    void setText(int row, int col, const QString& text);
    // The table cell behind a shown cell and its kind: copying writes its figure, not its display.
    // None where the text was set by itself.
    void setFigure(int row, int col, const QString& text, const TableCell& figure, FigureKind kind);
    const TableCell* figure(int row, int col, FigureKind* kind = nullptr) const;
    // Sets every cell of the block to `text` at once (the fill-repeat style).
    void fill(int row1, int col1, int row2, int col2, const QString& text);
    // Empties every cell below the heading row.
    void clearBelowHeadings();
    // Alignment of data cells and of fixed cells in column `col`: 0 left, 1 right, 2 centre.
    void setColAlignment(int col, int alignment);
    void setFixedAlignment(int col, int alignment);
    void setEditableCol(int col, bool editable);
    // Shows each heading on two lines, broken at the blank nearest its middle.
    void setWrapHeadings(bool wrap) { m_wrapHeadings = wrap; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    void cellEdited(int row, int col);

  private:
    friend class ResultGrid;
    struct Figure {
        TableCell cell;
        FigureKind kind = FigureKind::Text;
    };
    static Qt::Alignment alignmentOf(int code);
    // Sets the cell without telling the view; whoever fills many cells tells it once.
    void putCell(int row, int col, QString text, const TableCell* figure = nullptr,
                 FigureKind kind = FigureKind::Text);
    void announceAll();
    int m_rows = 1, m_cols = 1, m_fixedCols = 1;
    QVector<QVector<QString>> m_cells{1, QVector<QString>(1)};
    // Beside each shown text, the table cell it shows; none where the text stands alone.
    QVector<QVector<std::optional<Figure>>> m_figures{1, QVector<std::optional<Figure>>(1)};
    QVector<int> m_colAlignment, m_fixedAlignment;
    QVector<bool> m_editable;
    bool m_wrapHeadings = false;
};

// Where a window's grid differs from the table it shows.
struct TablePlacement {
    int leastRows = 0;        // the grid's rows at least, its heading row included
    bool headings = false;    // the table's headings replace those the window set
    std::string totalsMask{}; // the totals' mask where the window shows them otherwise than the rows
    std::vector<std::string> symbolColumns{}; // ids of the columns whose every figure shows the symbol
};

class ResultGrid : public QTableView {
    Q_OBJECT
  public:
    explicit ResultGrid(QWidget* parent = nullptr);
    GridModel* grid() const { return m_model; }

    void setColWidthTwips(int col, int twips);
    static int defaultColWidthTwips();
    void setHeadingHeightTwips(int twips);
    // Widens each column (and heightens the heading row and the rows) to what its cells and heading
    // need in the grid's font, never below the width set; runs by itself after the cells change.
    void fitToContents();

    // Shows the table: its rows from grid row 1, each column (but the data-only ones) through its
    // mask, a rate with its percent sign; a blank row, then the totals after their caption, money
    // with the currency symbol; blank rows to `leastRows`. Copies write the cells' own figures.
    void showTable(const ResultTable& table, const ShortDateForm& dates, const std::string& currencySymbol,
                   const TablePlacement& placement = {});
    // The grid row of the totals the last table shown has; 0 without.
    int totalsRow() const { return m_totalsRow; }

    // The current cell, in grid coordinates (row 0 is the heading row).
    int currentRow() const;
    int currentCol() const;
    void setCurrentCell(int row, int col);

    // The selected cells as tab-separated text, or the whole grid with its headings when nothing is
    // selected; what a spreadsheet pastes into columns. A table's figures go plain (as the CSV).
    QString copyText() const;
    void copyToClipboard() const;
    // The same cells as CSV under the heading row, figures plain (no currency symbol, no grouping;
    // a table's figures as the table holds them, dates ISO) so that a spreadsheet reads them, the whole grid
    // unless more than one cell is selected; saveAsCsv asks where and writes it whole.
    std::string csvText() const;
    void saveAsCsv();
    // After an edit is committed with Enter, the cell below becomes current and is edited.
    void setEnterMovesDown(bool moves) { m_enterMovesDown = moves; }

  signals:
    void cellClicked(int row, int col);
    void cellKey(int row, int col, int key);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Block {
        int top, bottom, left, right; // grid rows and columns, inclusive
    };
    // The selected cells when at least `fewestSelected` are, else the whole grid.
    Block copiedBlock(int fewestSelected = 1) const;
    void scheduleFit();
    // The cell as a copy (or, `csv`, a CSV file) writes it: a table's figure plain, else the text.
    std::string copiedCell(int row, int col, bool csv) const;

    GridModel* m_model;
    int m_totalsRow = 0;
    bool m_enterMovesDown = false;
    bool m_fitPending = false;
    QVector<int> m_leastWidthTwips; // per column, as set
    int m_headingTwips = 0;
};

} // namespace brisk
