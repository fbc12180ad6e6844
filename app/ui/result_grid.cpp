#include "app/ui/result_grid.h"

#include "app/core/atomic_file.h"
#include "app/core/numeric_parse.h"
#include "app/core/text_table.h"
#include "app/ui/file_dialog.h"
#include "app/ui/program_state.h"
#include "app/ui/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QStyle>

#include <algorithm>

namespace brisk {

void GridModel::setRows(int rows) {
    rows = std::max(rows, 1);
    beginResetModel();
    m_rows = rows;
    m_cells.resize(rows);
    for (auto& row : m_cells)
        row.resize(m_cols);
    m_figures.resize(rows);
    for (auto& row : m_figures)
        row.resize(m_cols);
    endResetModel();
}

void GridModel::setCols(int cols) {
    cols = std::max(cols, 1);
    beginResetModel();
    m_cols = cols;
    for (auto& row : m_cells)
        row.resize(cols);
    for (auto& row : m_figures)
        row.resize(cols);
    m_colAlignment.resize(cols);
    m_fixedAlignment.resize(cols);
    m_editable.resize(cols);
    endResetModel();
}

void GridModel::setFixedCols(int fixedCols) {
    m_fixedCols = std::clamp(fixedCols, 0, 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

QString GridModel::text(int row, int col) const {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols) return {};
    return m_cells[row][col];
}

void GridModel::setText(int row, int col, const QString& text) {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols) return;
    m_cells[row][col] = text;
    m_figures[row][col].reset();
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

void GridModel::fill(int row1, int col1, int row2, int col2, const QString& text) {
    row1 = std::clamp(row1, 0, m_rows - 1), row2 = std::clamp(row2, 0, m_rows - 1);
    col1 = std::clamp(col1, 0, m_cols - 1), col2 = std::clamp(col2, 0, m_cols - 1);
    for (int r = std::min(row1, row2); r <= std::max(row1, row2); ++r)
        for (int c = std::min(col1, col2); c <= std::max(col1, col2); ++c) {
            m_cells[r][c] = text;
            m_figures[r][c].reset();
        }
    announceAll();
}

void GridModel::announceAll() {
    emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, m_cols - 1));
}

void GridModel::putCell(int row, int col, QString text, const TableCell* figure, FigureKind kind) {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols) return;
    m_cells[row][col] = std::move(text);
    if (figure)
        m_figures[row][col] = Figure{*figure, kind};
    else
        m_figures[row][col].reset();
}

void GridModel::setFigure(int row, int col, const QString& text, const TableCell& figure, FigureKind kind) {
    if (row < 1 || row >= m_rows || col < 0 || col >= m_cols) return;
    putCell(row, col, text, &figure, kind);
    emit dataChanged(index(row - 1, col), index(row - 1, col));
}

const TableCell* GridModel::figure(int row, int col, FigureKind* kind) const {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols || !m_figures[row][col]) return nullptr;
    if (kind) *kind = m_figures[row][col]->kind;
    return &m_figures[row][col]->cell;
}

void GridModel::clearBelowHeadings() {
    if (m_rows > 1) fill(1, 0, m_rows - 1, m_cols - 1, {});
}

void GridModel::setColAlignment(int col, int alignment) {
    if (col >= 0 && col < m_cols) m_colAlignment[col] = alignment;
}

void GridModel::setFixedAlignment(int col, int alignment) {
    if (col >= 0 && col < m_cols) m_fixedAlignment[col] = alignment;
}

void GridModel::setEditableCol(int col, bool editable) {
    if (col >= 0 && col < m_cols) m_editable[col] = editable;
}

Qt::Alignment GridModel::alignmentOf(int code) {
    switch (code) {
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows - 1;
}
int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row() + 1, col = index.column();
    const bool fixed = col < m_fixedCols;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_cells[row][col];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(fixed ? m_fixedAlignment[col] : m_colAlignment[col]));
    case Qt::BackgroundRole:
        if (fixed) return QApplication::palette().brush(QPalette::Button);
        return {};
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    setText(index.row() + 1, index.column(), value.toString());
    emit cellEdited(index.row() + 1, index.column());
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_cols) return {};
    if (role == Qt::DisplayRole) {
        const QString heading = m_cells[0][section].trimmed();
        if (!m_wrapHeadings) return heading;
        int best = -1;
        for (int i = 0; i < heading.size(); ++i)
            if (heading[i] == ' ' &&
                (best < 0 || std::abs(i - heading.size() / 2) < std::abs(best - heading.size() / 2)))
                best = i;
        return best < 0 ? heading : heading.left(best).trimmed() + '\n' + heading.mid(best + 1).trimmed();
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignmentOf(m_fixedAlignment[section]));
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable[index.column()] && index.column() >= m_fixedCols) f |= Qt::ItemIsEditable;
    return f;
}

ResultGrid::ResultGrid(QWidget* parent) : QTableView(parent), m_model(new GridModel(this)) {
    setModel(m_model);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultSectionSize(twips(defaultColWidthTwips()));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    // Tab and Shift+Tab leave the grid, as they leave every other widget; arrows move in it.
    setTabKeyNavigation(false);
    setAccessibleName(tr("Result table"));
    if (auto* corner = findChild<QAbstractButton*>()) corner->setAccessibleName(tr("Select the whole table"));
    connect(m_model, &QAbstractItemModel::modelReset, this, &ResultGrid::scheduleFit);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &ResultGrid::scheduleFit);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, &ResultGrid::scheduleFit);
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.row() + 1, index.column()); });
}

int ResultGrid::defaultColWidthTwips() {
    return 600;
}

void ResultGrid::setColWidthTwips(int col, int width) {
    if (col < 0) return;
    if (col >= m_leastWidthTwips.size()) m_leastWidthTwips.resize(col + 1, defaultColWidthTwips());
    m_leastWidthTwips[col] = width;
    setColumnWidth(col, twips(width));
    scheduleFit();
}

void ResultGrid::setHeadingHeightTwips(int height) {
    m_headingTwips = height;
    horizontalHeader()->setFixedHeight(twips(height));
    scheduleFit();
}

void ResultGrid::scheduleFit() {
    if (m_fitPending) return;
    m_fitPending = true;
    QMetaObject::invokeMethod(this, &ResultGrid::fitToContents, Qt::QueuedConnection);
}

void ResultGrid::fitToContents() {
    m_fitPending = false;
    const QFontMetrics metrics = fontMetrics();
    // What the item delegate puts around a cell's text: a margin each side and the grid line.
    const int around = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    QHeaderView* heading = horizontalHeader();
    for (int c = 0; c < m_model->gridCols(); ++c) {
        int widest = 0;
        for (int r = 1; r < m_model->gridRows(); ++r)
            widest = std::max(widest, metrics.horizontalAdvance(m_model->text(r, c)));
        const int least = twips(c < m_leastWidthTwips.size() ? m_leastWidthTwips[c] : defaultColWidthTwips());
        const int width = std::max({least, widest + around, heading->sectionSizeHint(c)});
        if (columnWidth(c) < width) setColumnWidth(c, width);
    }
    if (m_headingTwips > 0)
        heading->setFixedHeight(std::max(twips(m_headingTwips), heading->sizeHint().height()));
    verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
}

void ResultGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) scheduleFit();
}

namespace {

QString shownText(const TableCell& cell, const TableColumn& column, const ShortDateForm& dates) {
    return qs(displayText(cell, column, dates));
}

} // namespace

void ResultGrid::showTable(const ResultTable& table, const ShortDateForm& dates, const std::string& symbol,
                           const TablePlacement& placement) {
    std::vector<std::size_t> shown;
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        if (table.columns[c].use != ColumnUse::DataOnly) shown.push_back(c);
    const int cols = static_cast<int>(shown.size());
    if (m_model->gridCols() < cols) m_model->setCols(cols);
    const int rows = static_cast<int>(table.rows.size());
    m_totalsRow = table.totals ? rows + 2 : 0;
    GridModel& m = *m_model;
    // One reset for the whole table, not a signal a cell: a schedule has thousands of rows.
    m.beginResetModel();
    m.m_rows = std::max({placement.leastRows, rows + 1, m_totalsRow + 1});
    QVector<QString> headings = m.m_cells[0];
    if (placement.headings)
        for (int c = 0; c < cols; ++c)
            headings[c] = qs(table.columns[shown[c]].heading);
    m.m_cells = QVector<QVector<QString>>(m.m_rows, QVector<QString>(m.m_cols));
    m.m_cells[0] = headings;
    m.m_figures = QVector<QVector<std::optional<GridModel::Figure>>>(
        m.m_rows, QVector<std::optional<GridModel::Figure>>(m.m_cols));
    const QString currency = qs(symbol);
    std::vector<bool> withSymbol(cols);
    for (int c = 0; c < cols; ++c)
        withSymbol[c] = std::ranges::find(placement.symbolColumns, table.columns[shown[c]].id) !=
                        placement.symbolColumns.end();
    for (int r = 0; r < rows; ++r) {
        const TableRow& row = table.rows[r];
        for (int c = 0; c < cols; ++c) {
            const std::size_t at = shown[c];
            if (at >= row.size()) continue;
            const TableColumn& column = table.columns[at];
            QString text = shownText(row[at], column, dates);
            if (withSymbol[c] && cellNumber(row[at])) text.prepend(currency);
            m.putCell(r + 1, c, std::move(text), &row[at], column.kind);
        }
    }
    if (table.totals) {
        const TableRow& totals = *table.totals;
        for (int c = 0; c < cols; ++c) {
            const std::size_t at = shown[c];
            if (at >= totals.size() || std::holds_alternative<std::monostate>(totals[at])) continue;
            const TableColumn& column = table.columns[at];
            const bool money = column.kind == FigureKind::Money;
            TableColumn look = column;
            if (money && !placement.totalsMask.empty()) look.mask = placement.totalsMask;
            const QString text = shownText(totals[at], look, dates);
            m.putCell(m_totalsRow, c, money ? currency + text : text, &totals[at], column.kind);
        }
        if (cols > 0 && m.m_cells[m_totalsRow][0].isEmpty())
            m.putCell(m_totalsRow, 0, qs(table.totalsCaption));
    }
    m.endResetModel();
}

int ResultGrid::currentRow() const {
    return currentIndex().isValid() ? currentIndex().row() + 1 : 0;
}
int ResultGrid::currentCol() const {
    return currentIndex().isValid() ? currentIndex().column() : 0;
}

void ResultGrid::setCurrentCell(int row, int col) {
    setCurrentIndex(m_model->index(row - 1, col));
}

ResultGrid::Block ResultGrid::copiedBlock(int fewestSelected) const {
    Block b{0, m_model->gridRows() - 1, 0, m_model->gridCols() - 1};
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty() && selected.size() >= fewestSelected) {
        b.top = b.bottom = selected.first().row() + 1;
        b.left = b.right = selected.first().column();
        for (const QModelIndex& index : selected) {
            b.top = std::min(b.top, index.row() + 1), b.bottom = std::max(b.bottom, index.row() + 1);
            b.left = std::min(b.left, index.column()), b.right = std::max(b.right, index.column());
        }
    }
    return b;
}

std::string ResultGrid::copiedCell(int r, int c, bool csv) const {
    FigureKind kind = FigureKind::Text;
    const TableCell* figure = m_model->figure(r, c, &kind);
    // A table's own figure or date, exact however the grid rounds, groups or dresses it.
    if (figure && !std::holds_alternative<std::string>(*figure)) return plainText(*figure, kind);
    if (!csv) return ss(m_model->text(r, c).trimmed().replace('\t', ' '));
    const std::string text = ss(m_model->text(r, c).simplified());
    // A text the window set by itself: a heading keeps its words; a figure loses its symbol and
    // grouping.
    if (figure || r == 0) return text;
    return plainFigure(text, program().shell.CurrencySymbol).value_or(text);
}

QString ResultGrid::copyText() const {
    const Block b = copiedBlock();
    QStringList lines;
    for (int r = b.top; r <= b.bottom; ++r) {
        QStringList cells;
        for (int c = b.left; c <= b.right; ++c)
            cells << qs(copiedCell(r, c, false));
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

std::string ResultGrid::csvText() const {
    // A click (a right-click for the menu too) selects the cell under it: one cell is no choice of
    // cells, and the whole table is saved.
    const Block b = copiedBlock(2);
    const auto row = [&](int r) {
        std::vector<std::string> cells;
        for (int c = b.left; c <= b.right; ++c)
            cells.push_back(copiedCell(r, c, true));
        return cells;
    };
    TextTable table{row(0), {}};
    for (int r = std::max(b.top, 1); r <= b.bottom; ++r)
        table.rows.push_back(row(r));
    return brisk::csvText(table);
}

void ResultGrid::saveAsCsv() {
    const auto chosen = FileDirectory(FileOp::SaveTable, this);
    if (!chosen) return;
    if (const auto written = writeFileAtomically(ss(*chosen), csvText()); !written)
        QMessageBox::warning(this, tr("Save Table as CSV"),
                             tr("The table could not be saved as %1:\n%2").arg(*chosen, qs(written.error())));
}

void ResultGrid::copyToClipboard() const {
    QApplication::clipboard()->setText(copyText());
}

void ResultGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
        return;
    }
    if (!event->text().isEmpty()) emit cellKey(currentRow(), currentCol(), event->text().at(0).unicode());
    QTableView::keyPressEvent(event);
}

void ResultGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    if (!m_enterMovesDown || hint != QAbstractItemDelegate::SubmitModelCache) return;
    const QModelIndex below = m_model->index(currentIndex().row() + 1, currentIndex().column());
    if (!below.isValid()) return;
    setCurrentIndex(below);
    edit(below);
}

void ResultGrid::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(selectionModel()->hasSelection() ? "&Copy" : "&Copy Table", this,
                   &ResultGrid::copyToClipboard);
    menu.addAction("&Save Table as CSV…", this, &ResultGrid::saveAsCsv);
    menu.exec(event->globalPos());
}

} // namespace brisk
