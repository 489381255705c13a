#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

// The module matrix of a symbol, one byte per module, row index first.
// Bit 0 is the module's colour (1 dark); a value of 4 or more marks a
// function module, which data placement and masking leave alone.
class TMapMatrix {
 public:
  // Resizes to rows x columns and zeroes every module.
  void Reset(int rows, int columns) {
    rows_ = rows;
    columns_ = columns;
    cells_.assign(static_cast<std::size_t>(rows) * columns, 0);
  }

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }

  std::uint8_t& operator()(int row, int column) { return cells_[Index(row, column)]; }
  std::uint8_t operator()(int row, int column) const { return cells_[Index(row, column)]; }
  bool Dark(int row, int column) const { return ((*this)(row, column) & 1) != 0; }

  bool operator==(const TMapMatrix&) const = default;

 private:
  std::size_t Index(int row, int column) const { return static_cast<std::size_t>(row) * columns_ + column; }

  int rows_ = 0;
  int columns_ = 0;
  std::vector<std::uint8_t> cells_;
};

}  // namespace quorvel
