#pragma once

#include <array>
#include <cstddef>
#include <cstdlib>

namespace CURVEroutines {

// An index outside a table is a programming error. It stops the program in
// every build, rather than read or overwrite whatever lies beside the table.
[[noreturn]] inline void IndexOutsideTable() {
  std::abort();
}

// A fixed table indexed First..Last, like the program's curve codes and heights,
// so callers write `CurvePresent(code)` with the code itself.
template <typename T, int First, int Last>
class Table {
 public:
  static constexpr bool Contains(int i) { return i >= First && i <= Last; }

  T& operator()(int i) {
    if (!Contains(i)) IndexOutsideTable();
    return cells_[static_cast<std::size_t>(i - First)];
  }
  const T& operator()(int i) const {
    if (!Contains(i)) IndexOutsideTable();
    return cells_[static_cast<std::size_t>(i - First)];
  }
  void Fill(const T& value) { cells_.fill(value); }

 private:
  std::array<T, Last - First + 1> cells_{};
};

// The two-index form: rows First1..Last1, columns First2..Last2.
template <typename T, int First1, int Last1, int First2, int Last2>
class Table2 {
 public:
  static constexpr bool Contains(int i, int j) {
    return i >= First1 && i <= Last1 && j >= First2 && j <= Last2;
  }

  T& operator()(int i, int j) {
    if (!Contains(i, j)) IndexOutsideTable();
    return cells_[Index(i, j)];
  }
  const T& operator()(int i, int j) const {
    if (!Contains(i, j)) IndexOutsideTable();
    return cells_[Index(i, j)];
  }
  void Fill(const T& value) { cells_.fill(value); }

 private:
  static constexpr std::size_t kColumns = Last2 - First2 + 1;
  static constexpr std::size_t Index(int i, int j) {
    return static_cast<std::size_t>(i - First1) * kColumns + static_cast<std::size_t>(j - First2);
  }
  std::array<T, (Last1 - First1 + 1) * kColumns> cells_{};
};

}  // namespace CURVEroutines
