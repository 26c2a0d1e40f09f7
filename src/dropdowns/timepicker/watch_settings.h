#pragma once
// TWatchSettings: whether the watch runs as a live clock (Auto), shows the
// second hand then, and how many minutes it adds to the system clock. A
// write that changes a value fires OnChange.
#include <functional>

class TWatchSettings {
 public:
  TWatchSettings() = default;
  TWatchSettings(const TWatchSettings&) = delete;
  TWatchSettings& operator=(const TWatchSettings&) = delete;

  // Second and TimeOffset are copied as they are; Auto goes through its
  // setter, so only a change of Auto notifies.
  void Assign(const TWatchSettings& Source) {
    FSeconds = Source.FSeconds;
    FTimeOffset = Source.FTimeOffset;
    SetAuto(Source.FAuto);
  }
  void Changed() {
    if (OnChange) OnChange();
  }

  bool Auto() const { return FAuto; }
  void SetAuto(bool Value) { Set(FAuto, Value); }
  bool Second() const { return FSeconds; }
  void SetSecond(bool Value) { Set(FSeconds, Value); }
  // Minutes added to the system clock in Auto mode.
  int TimeOffset() const { return FTimeOffset; }
  void SetTimeOffset(int Value) { Set(FTimeOffset, Value); }

  std::function<void()> OnChange;

 private:
  template <class T>
  void Set(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }

  bool FAuto = false;
  bool FSeconds = true;
  int FTimeOffset = 0;
};
