#pragma once

#include <QString>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

namespace chartwindow {

// One cell of a chart's data grid: empty, a raw whole number, a scaled
// single-precision number, or the text of a row label.
using ChartCell = std::variant<std::monostate, int32_t, float, QString>;

// The grid a chart is drawn from: rows 0..Rows()-1 and columns 1..Columns().
// Column 1 holds the row labels; every further column is one series.
class ChartGrid {
 public:
  ChartGrid(int rows, int columns)
      : rows_(rows), columns_(columns), cells_(static_cast<std::size_t>(rows * columns)) {}

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }

  ChartCell& operator()(int row, int column) { return cells_[Index(row, column)]; }
  const ChartCell& operator()(int row, int column) const { return cells_[Index(row, column)]; }

  // A number cell's exact value; text and empty cells count as 0.
  double Value(int row, int column) const {
    const ChartCell& cell = (*this)(row, column);
    if (const auto* whole = std::get_if<int32_t>(&cell)) return *whole;
    if (const auto* single = std::get_if<float>(&cell)) return *single;
    return 0.0;
  }
  // The value as the chart plots it, in single precision.
  float Number(int row, int column) const { return static_cast<float>(Value(row, column)); }

  QString Text(int row, int column) const {
    const auto* text = std::get_if<QString>(&(*this)(row, column));
    return text ? *text : QString();
  }

 private:
  std::size_t Index(int row, int column) const {
    assert(row >= 0 && row < rows_ && column >= 1 && column <= columns_);
    return static_cast<std::size_t>(row * columns_ + column - 1);
  }

  int rows_;
  int columns_;
  std::vector<ChartCell> cells_;
};

}  // namespace chartwindow
