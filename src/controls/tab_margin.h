#pragma once
#include <functional>

// Extra room around a tab's caption. A change fires OnMarginChange (new value,
// old value, which: 0 left, 1 top, 2 right) before it is stored.
class TTabMargin {
 public:
  std::function<void(int new_value, int old_value, int which)> OnMarginChange;
  // After a change is stored (the owning control re-lays its tabs).
  std::function<void()> OnMarginStored;

  int LeftMargin() const { return left_; }
  int TopMargin() const { return top_; }
  int RightMargin() const { return right_; }
  void Set_LeftMargin(int value) { Set(left_, value, 0); }
  void Set_TopMargin(int value) { Set(top_, value, 1); }
  void Set_RightMargin(int value) { Set(right_, value, 2); }
  // Copies the three margins without notification.
  void Assign(const TTabMargin& other) {
    left_ = other.left_;
    top_ = other.top_;
    right_ = other.right_;
  }

 private:
  void Set(int& field, int value, int which) {
    if (field == value) return;
    if (OnMarginChange) OnMarginChange(value, field, which);
    field = value;
    if (OnMarginStored) OnMarginStored();
  }

  int left_ = 0;
  int top_ = 0;
  int right_ = 0;
};
