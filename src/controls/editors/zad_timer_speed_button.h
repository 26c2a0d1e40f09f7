#pragma once
// One arrow button of the spin edit's pair. It clicks on release over it
// and, while held with auto-repeat allowed, first after 400 ms and then
// every 100 ms; moving the mouse off the held button pauses the repeat
// (the button shows up) and moving back resumes it.
#include <QImage>
#include <QWidget>
#include <functional>

#include "controls/editor_logic/classic_paint.h"

class QTimer;
class TZsgSpinButton;

enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };

enum TTimeBtnStateFlag { tbFocusRect = 0x1, tbAllowTimer = 0x2 };
using TTimeBtnState = unsigned;

class TZadTimerSpeedButton : public QWidget {
  Q_OBJECT

 public:
  explicit TZadTimerSpeedButton(TZsgSpinButton* owner);

  std::function<void(TZadTimerSpeedButton* Sender)> OnClick;
  std::function<void(TZadTimerSpeedButton* Sender, Qt::MouseButton Button)> OnMouseDown;

  TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
  void SetTimeBtnState(TTimeBtnState Value);
  TButtonDirection ButtonDirection() const { return FButtonDirection; }
  void SetButtonDirection(TButtonDirection Value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  QImage Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);

  bool HasMouse() const { return FHasMouse; }
  // Pressed state: held down with the mouse over it.
  bool Down() const { return FDown; }
  // The repeat timer, created on the first press.
  QTimer* RepeatTimer() const { return FRepeatTimer; }
  // One tick of the repeat timer (tests run it by hand).
  void RepeatTick();
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Paint_Classic(class TCanvas& Canvas, const TRect& R);
  QImage Glyph_Part(int Index) const;

  TZsgSpinButton* FOwner;
  QTimer* FRepeatTimer = nullptr;
  TTimeBtnState FTimeBtnState = 0;
  TButtonDirection FButtonDirection = bdUp;
  bool FIsWinXP = false;
  bool FHasMouse = false;
  bool FFlat = false;
  bool FTransparent = false;
  bool FDown = false;
  // The left button went down on this button and is not yet released.
  bool FHeld = false;
  QImage FGlyph;
  int FNumGlyphs = 1;
};
