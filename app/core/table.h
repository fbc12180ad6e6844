// A rectangular table of cells addressed by (row, column), as the program-wide result tables are.
#pragma once

#include <cassert>
#include <vector>

namespace brisk {

template <typename T> class Table {
  public:
    Table() = default;
    Table(int rows, int cols) { resize(rows, cols); }

    // Re-dimensioning empties the table, as the windows expect.
    void resize(int rows, int cols) {
        m_rows = rows;
        m_cols = cols;
        m_cells.assign(static_cast<std::size_t>(rows) * cols, T{});
    }
    void clear() { resize(0, 0); }
    int rows() const { return m_rows; }
    int cols() const { return m_cols; }

    T& operator()(int row, int col) { return m_cells[index(row, col)]; }
    const T& operator()(int row, int col) const { return m_cells[index(row, col)]; }

  private:
    std::size_t index(int row, int col) const {
        assert(row >= 0 && row < m_rows && col >= 0 && col < m_cols);
        return static_cast<std::size_t>(row) * m_cols + col;
    }
    int m_rows = 0, m_cols = 0;
    std::vector<T> m_cells;
};

} // namespace brisk
