// Dense tables, index base 1: row 0 and column 0 exist and are never used.
// Rows are contiguous and start on 64-byte boundaries, so that the loop over
// the partners of one object runs over one aligned row.  The object-by-object
// tables are sized to the problem in hand (SizeFor), not to the limit of 1000
// objects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quorel {

inline constexpr int kMaxObjects = 1000;
inline constexpr int kMaxAttributes = 100;
inline constexpr int kMaxDimensions = 8;

template <class T>
class Table2D {
 public:
  // rows and cols count index 0.
  Table2D(int rows, int cols) { Resize(rows, cols); }
  Table2D(const Table2D&) = delete;
  Table2D& operator=(const Table2D&) = delete;

  T& operator()(int i, int j) { return cells_[Cell(i, j)]; }
  const T& operator()(int i, int j) const { return cells_[Cell(i, j)]; }
  T* Row(int i) { return &cells_[Cell(i, 0)]; }
  const T* Row(int i) const { return &cells_[Cell(i, 0)]; }

  // Cells inside both the old and the new size keep their values; the others
  // are T{}.  The same size again changes nothing.
  void Resize(int rows, int cols) {
    if (rows == rows_ && cols == cols_) return;
    // The row stride is a multiple of 16 elements: every row of floats then
    // starts on a 64-byte boundary.
    const size_t stride = (static_cast<size_t>(cols) + 15) / 16 * 16;
    std::vector<T> cells(static_cast<size_t>(rows) * stride + 16, T{});
    const size_t offset = AlignmentOffset(cells.data());
    const int keep_rows = rows < rows_ ? rows : rows_;
    const int keep_cols = cols < cols_ ? cols : cols_;
    for (int i = 0; i < keep_rows; ++i)
      for (int j = 0; j < keep_cols; ++j)
        cells[offset + static_cast<size_t>(i) * stride + j] = (*this)(i, j);
    cells_.swap(cells);
    rows_ = rows;
    cols_ = cols;
    stride_ = stride;
    offset_ = offset;
  }

  void Fill(const T& value) {
    for (auto& c : cells_) c = value;
  }
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }

 private:
  static size_t AlignmentOffset(const T* data) {
    auto address = reinterpret_cast<std::uintptr_t>(data);
    size_t misalign = (address % 64) / sizeof(T);
    return misalign == 0 ? 0 : (64 / sizeof(T) - misalign) % 16;
  }

  size_t Cell(int i, int j) const {
#ifdef QUOREL_TABLE_BOUNDS_CHECKS
    // The sanitizer build checks every index: a table sized to the problem
    // must never be read beyond it.
    if (i < 0 || i >= rows_ || j < 0 || j >= cols_) {
      std::fprintf(stderr, "table index (%d, %d) outside %d x %d\n", i, j, rows_, cols_);
      std::abort();
    }
#endif
    return offset_ + static_cast<size_t>(i) * stride_ + j;
  }

  int rows_ = 0, cols_ = 0;
  size_t stride_ = 0;
  std::vector<T> cells_;
  size_t offset_ = 0;
};

// Object-by-object tables, indices 0..n for a problem of n objects.
template <class T>
class PairTable : public Table2D<T> {
 public:
  PairTable() : Table2D<T>(1, 1) {}
  void SizeFor(int n) { this->Resize(n + 1, n + 1); }
};

// Object-by-attribute tables: 1001 x 101.
template <class T>
class AttribTable : public Table2D<T> {
 public:
  AttribTable() : Table2D<T>(kMaxObjects + 1, kMaxAttributes + 1) {}
};

// Flags are stored as bytes (not vector<bool>) so rows can be read directly.
using Flag = std::uint8_t;

}  // namespace quorel
