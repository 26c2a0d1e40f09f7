#pragma once
// The popup of a drop-down edit: a frameless top-level window (a tool window
// kept on top, transient for the edit's window) holding an optional header
// bar, the control the drop-down hosts and an optional footer bar. It takes
// activation while open and closes when activation goes to a window that is
// not its own. Its bottom-right corner and the footer's grip resize it.
// Placing it at screen coordinates needs a window system that allows that
// (X11, or XWayland under Wayland).
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "dropdowns/base/popup_modal_result.h"

class TZadCustomDropDown;
class TZadFooter;
class TZadHeader;

class TDropDownForm : public QWidget, public IPopupModalResult {
 public:
  explicit TDropDownForm(QWidget* AOwner = nullptr);
  ~TDropDownForm() override;

  // Tick when the form last lost activation while visible.
  uint32_t DeActivateTime() const { return FDeActivate; }
  // The form has lost activation at least once.
  bool HasDeActivated() const { return FHasDeActivated; }
  // Kept for a compositor that draws shadows; the window itself draws none.
  bool Shadow() const { return FShadow; }
  void SetShadow(bool Value) { FShadow = Value; }
  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool Value) { FSizeable = Value; }
  bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
  void SetCancelOnDeActivate(bool Value) { FCancelOnDeActivate = Value; }
  bool BlockActivate() const { return FBlockActivate; }
  void SetBlockActivate(bool Value) { FBlockActivate = Value; }
  TZadHeader* Header() const { return FHeader; }
  TZadFooter* Footer() const { return FFooter; }
  TZadCustomDropDown* ZadDropDown() const { return FZadDropDown; }
  void SetZadDropDown(TZadCustomDropDown* Value) { FZadDropDown = Value; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int Value) override { FModalResult = Value; }

  // Creates or refreshes the bars from the owning edit's appearances.
  void InitializeAndUpdate();
  virtual void UpdateSize() {}
  // The hosted control fills what the border and the bars leave.
  void SetHostedControl(QWidget* Control);
  QWidget* HostedControl() const { return FControl; }
  // The inside of the border.
  QRect Client_Rect() const;

  // Activation went away: stamps the time and closes the popup unless the
  // newly active window (null for none or another program's) is the popup or
  // one of its own windows.
  void DeActivated(QWidget* NewlyActive);

  // Starts a resize of the window by its bottom-right corner, following the
  // mouse from GlobalPos until the left button is released. Source receives
  // the mouse while dragging (the form itself or its footer).
  void Begin_Grip_Drag(QWidget* Source, const QPoint& GlobalPos);
  bool Grip_Dragging() const { return FGripSource != nullptr; }

  // Tick source (tests replace it).
  std::function<uint32_t()> Clock;

  std::function<void()> OnHide, OnDestroy, OnSizing, OnWheelDown, OnWheelUp;
  // Key press (the key and its modifiers, no text), character and key release.
  std::function<void(int&Key, Qt::KeyboardModifiers Shift)> OnKeyDown, OnKeyUp;
  std::function<void(QChar& Key)> OnKeyPress;

 protected:
  bool event(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void hideEvent(QHideEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void keyReleaseEvent(QKeyEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;
  // Tab and Backtab are keys of the popup, relayed like any other.
  bool focusNextPrevChild(bool Next) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  bool In_Grip(const QPoint& P) const;
  void Grip_Move(const QPoint& GlobalPos);
  void End_Grip_Drag();
  void Layout_Children();

  uint32_t FDeActivate = 0;
  bool FHasDeActivated = false;
  bool FShadow = true;
  TZadFooter* FFooter = nullptr;
  TZadHeader* FHeader = nullptr;
  TZadCustomDropDown* FZadDropDown = nullptr;
  bool FSizeable = true;
  bool FCancelOnDeActivate = true;
  bool FBlockActivate = false;
  int FModalResult = 0;
  QWidget* FControl = nullptr;
  QWidget* FGripSource = nullptr;
  QPoint FGripStart;
  QSize FGripStartSize;
};
