// Dense tables sized for the limits and allocated once.  Index base 1: row 0
// and column 0 exist and are never used.  Rows are contiguous so that the
// loop over the partners of one object runs over one row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorel {

inline constexpr int kMaxObjects = 1000;
inline constexpr int kMaxAttributes = 100;
inline constexpr int kMaxDimensions = 8;

template <class T>
class Table2D {
 public:
  // rows and cols count index 0; the row stride is rounded up to a multiple
  // of 16 elements so that every row starts on a 64-byte boundary for floats.
  Table2D(int rows, int cols)
      : rows_(rows),
        cols_(cols),
        stride_((cols + 15) / 16 * 16),
        cells_(static_cast<size_t>(rows) * stride_ + 16, T{}) {
    offset_ = AlignmentOffset();
  }
  Table2D(const Table2D&) = delete;
  Table2D& operator=(const Table2D&) = delete;

  T& operator()(int i, int j) { return cells_[offset_ + static_cast<size_t>(i) * stride_ + j]; }
  const T& operator()(int i, int j) const {
    return cells_[offset_ + static_cast<size_t>(i) * stride_ + j];
  }
  T* Row(int i) { return &cells_[offset_ + static_cast<size_t>(i) * stride_]; }
  const T* Row(int i) const { return &cells_[offset_ + static_cast<size_t>(i) * stride_]; }

  void Fill(const T& value) {
    for (auto& c : cells_) c = value;
  }
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }

 private:
  size_t AlignmentOffset() const {
    auto address = reinterpret_cast<std::uintptr_t>(cells_.data());
    size_t misalign = (address % 64) / sizeof(T);
    return misalign == 0 ? 0 : (64 / sizeof(T) - misalign) % 16;
  }

  int rows_, cols_;
  size_t stride_;
  std::vector<T> cells_;
  size_t offset_ = 0;
};

// Object-by-object tables: 1001 x 1001.
template <class T>
class PairTable : public Table2D<T> {
 public:
  PairTable() : Table2D<T>(kMaxObjects + 1, kMaxObjects + 1) {}
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
