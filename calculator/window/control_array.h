// SPDX-License-Identifier: EUPL-1.2
// A control array addressed by the window's own indexes (First..Last).
#pragma once

#include <array>
#include <stdexcept>
#include <string>

namespace window {

template <typename T, int First, int Last>
class ControlArray {
 public:
  T& operator()(int index) { return items_[Slot(index)]; }
  const T& operator()(int index) const { return items_[Slot(index)]; }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  static std::size_t Slot(int index) {
    if (index < First || index > Last) {
      throw std::out_of_range("control index " + std::to_string(index) + " outside " +
                              std::to_string(First) + ".." + std::to_string(Last));
    }
    return static_cast<std::size_t>(index - First);
  }
  std::array<T, static_cast<std::size_t>(Last - First + 1)> items_;
};

}  // namespace window
