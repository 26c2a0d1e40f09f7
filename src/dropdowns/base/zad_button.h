#pragma once
// The small button of a popup's header and footer bars: lights up while the
// mouse is over it, acts as a push button, a check button or one of an
// exclusive group, and on a footer closes the popup with its modal result.
// Qt composes the parent's background under it (no auto-fill).
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "dropdowns/base/drop_down_drawing.h"

class TCanvas;
class TZadButtonAppearance;
class TZadCustomDropDown;

enum TZadButtonStyle { tasButton, tasCheck };

class TZadButton : public QWidget {
 public:
  explicit TZadButton(QWidget* AOwner = nullptr);

  // Sets the popup form's modal result, closes the popup for the closing
  // results and, unless the click came from the keyboard, fires OnClick.
  virtual void Click();
  // Paints the face over what lies under the button.
  virtual void DrawButton(TCanvas& Canvas);
  // Caption (or picture) plus 8 pixels across and 4 down.
  void AdjustButtonSize();

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  TZadButtonStyle Style() const { return FStyle; }
  void SetStyle(TZadButtonStyle Value) { FStyle = Value; }
  bool MouseInControl() const { return FMouseInControl; }
  bool MouseDownInControl() const { return FMouseDownInControl; }
  TZadButtonAppearance* Appearance() const { return FAppearance; }
  void SetAppearance(TZadButtonAppearance* Value);
  const TDropDownImages* Images() const { return FImages; }
  void SetImages(const TDropDownImages* List) { FImages = List; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int Value) { FModalResult = Value; }
  TZadCustomDropDown* ZadDropDown() const { return FZadDropDown; }
  void SetZadDropDown(TZadCustomDropDown* DropDown);
  // While loading, SetDown only records the state; EndLoading applies it.
  void BeginLoading() { FLoading = true; }
  void EndLoading();

  std::function<void()> OnClick, OnMouseEnter, OnMouseLeave;
  // Where the cursor is, in global coordinates (tests replace it).
  std::function<QPoint()> CursorPos;

  // The hot-state poll, run by the un-hot timer every millisecond.
  void UnHotTimerTick();
  const QTimer& UnHotTimer() const { return FUnHotTimer; }

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  bool event(QEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;

 private:
  void MouseEntered();
  void MouseLeft();
  void UpdateTracking();
  void UpdateExclusive();
  // Another button of the parent went down in group Group.
  void ButtonPressed(int Group, const TZadButton* Sender);
  void UpdateAccelerator();
  void RepaintIfEnabled();

  QString FCaption;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FMouseInControl = false;
  TZadButtonStyle FStyle = tasButton;
  bool FMouseDownInControl = false;
  bool FDragging = false;
  bool FLoading = false;
  bool FInitialDown = false;
  bool FInternalClick = false;
  bool FPressedInside = false;
  int FAcceleratorId = 0;
  QTimer FUnHotTimer;
  TZadButtonAppearance* FAppearance = nullptr;
  const TDropDownImages* FImages = nullptr;
  int FImageIndex = -1;
  int FModalResult = 0;
  TZadCustomDropDown* FZadDropDown = nullptr;
};
