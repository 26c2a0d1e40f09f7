#pragma once
// TZadTrackBarDropDown: a drop-down edit whose popup holds a horizontal
// slider and whose edit shows the slider's position as an integer. The
// position also follows Up and Down in the edit and a horizontal drag of the
// mouse over the edit. Typing is off by default.
#include <QSlider>
#include <functional>

#include "dropdowns/base/zad_custom_drop_down.h"

class TZadTrackBarDropDown : public TZadCustomDropDown {
 public:
  explicit TZadTrackBarDropDown(QWidget* AOwner = nullptr);

  // Made with the popup; lives as long as the edit.
  QSlider* TrackBar() const { return FTrackBar; }

  // Min, Max and Position hold what the slider accepted (it clamps them).
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  // Tick spacing of the slider and the step of Up and Down.
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  // The slider's page step and the divisor of a mouse drag over the edit.
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);

  // The slider was moved (after the edit's text and OnChange).
  std::function<void(TZadCustomDropDown* Sender)> OnTrackChange;

  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DoHideDropDown(bool CancelChanges) override;

 protected:
  void Finish_Construction() override;
  void HandleTextChange() override;
  void keyPressEvent(QKeyEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  void TrackBarChange();
  // Position := Value and the edit shows it.
  void Take_Position(int Value);
  // Min, Max and Position to the slider and back.
  void Sync_Range();

  QSlider* FTrackBar = nullptr;
  int FMin = 0;
  int FFrequency = 1;
  int FPageSize = 2;
  int FMax = 10;
  int FPosition = 0;
  bool FMouseDraging = false;
  int FMouseX = 0;
  // The position at opening, put back by a cancelled close.
  int FOpenPosition = 0;
};
