// Fixed-size tables with stated index bounds (some start at 1 or -1). Every access outside them
// is an IndexOutOfRange error naming the table, never undefined behaviour.
#pragma once

#include <array>
#include <string>

#include "common/error.h"

namespace gw {

[[noreturn]] void ThrowTableIndex(const char* table, int index, int lower, int upper);

template <class T, int Lower, int Upper>
class Table {
 public:
  static_assert(Lower <= Upper);
  static constexpr int kLower = Lower;
  static constexpr int kUpper = Upper;

  explicit Table(const char* name) : name_(name) {}

  T& operator()(int i) { return items_[Offset(i)]; }
  const T& operator()(int i) const { return items_[Offset(i)]; }
  static constexpr bool Contains(int i) { return i >= Lower && i <= Upper; }

 private:
  size_t Offset(int i) const {
    if (!Contains(i)) ThrowTableIndex(name_, i, Lower, Upper);
    return static_cast<size_t>(i - Lower);
  }
  const char* name_;
  std::array<T, Upper - Lower + 1> items_{};
};

template <class T, int Lower1, int Upper1, int Lower2, int Upper2>
class Table2D {
 public:
  static constexpr int kLower1 = Lower1;
  static constexpr int kUpper1 = Upper1;
  static constexpr int kLower2 = Lower2;
  static constexpr int kUpper2 = Upper2;

  explicit Table2D(const char* name) : name_(name) {}

  T& operator()(int i, int j) { return items_[Offset(i, j)]; }
  const T& operator()(int i, int j) const { return items_[Offset(i, j)]; }
  static constexpr bool Contains(int i, int j) {
    return i >= Lower1 && i <= Upper1 && j >= Lower2 && j <= Upper2;
  }

 private:
  static constexpr size_t kColumns = Upper2 - Lower2 + 1;
  size_t Offset(int i, int j) const {
    if (i < Lower1 || i > Upper1) ThrowTableIndex(name_, i, Lower1, Upper1);
    if (j < Lower2 || j > Upper2) ThrowTableIndex(name_, j, Lower2, Upper2);
    return static_cast<size_t>(i - Lower1) * kColumns + static_cast<size_t>(j - Lower2);
  }
  const char* name_;
  std::array<T, (Upper1 - Lower1 + 1) * (Upper2 - Lower2 + 1)> items_{};
};

}  // namespace gw
