#pragma once

#include <array>
#include <cstdlib>
#include <memory>

namespace platform {

// A fixed run of controls addressed by index First..Last, like the control
// arrays of the window layout (the lists and option buttons 240..247). An
// index outside it stops the program in every build, as a table's does.
template <typename Control, int First, int Last>
class ControlArray {
 public:
  static constexpr int LBound() { return First; }
  static constexpr int UBound() { return Last; }
  static constexpr bool Contains(int index) { return index >= First && index <= Last; }

  Control& operator()(int index) const {
    if (!Contains(index)) std::abort();
    return *controls_[static_cast<std::size_t>(index - First)];
  }
  void Set(int index, std::unique_ptr<Control> control) {
    if (!Contains(index)) std::abort();
    controls_[static_cast<std::size_t>(index - First)] = std::move(control);
  }

 private:
  std::array<std::unique_ptr<Control>, Last - First + 1> controls_;
};

}  // namespace platform
