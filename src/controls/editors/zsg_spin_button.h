#pragma once
// The spin edit's pair of arrow buttons: up and down (or, horizontal, left
// and right), each repeating while held. It can hold the focus itself, then
// Space clicks the focused button and Up/Down move to a button and click it.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "controls/editors/zad_timer_speed_button.h"
#include "controls/tcolor.h"

enum TSpinDirection { spVertical, spHorizontal };

class TZsgSpinButton : public QWidget {
  Q_OBJECT

 public:
  explicit TZsgSpinButton(QWidget* parent = nullptr);

  std::function<void(QObject* Sender)> OnUpClick;
  std::function<void(QObject* Sender)> OnDownClick;

  TZadTimerSpeedButton* UpButton() const { return FUpButton; }
  TZadTimerSpeedButton* DownButton() const { return FDownButton; }
  TZadTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  QWidget* FocusControl() const { return FFocusControl; }
  void SetFocusControl(QWidget* Value) { FFocusControl = Value; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool Value) { setFocusPolicy(Value ? Qt::StrongFocus : Qt::NoFocus); }

  // Null reloads the default arrow (with NumGlyphs 1).
  QImage UpGlyph() const { return FUpButton->Glyph(); }
  void SetUpGlyph(const QImage& Value);
  QImage DownGlyph() const { return FDownButton->Glyph(); }
  void SetDownGlyph(const QImage& Value);
  int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
  void SetUpNumGlyphs(int Value) { FUpButton->SetNumGlyphs(Value); }
  int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
  void SetDownNumGlyphs(int Value) { FDownButton->SetNumGlyphs(Value); }

  // Custom colours (clNone: the themed or classic look). The text and border
  // colours are kept for the owner; painting does not read them.
  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value);
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor Value);
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor Value);
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }

  // Places the buttons in a W x H pair; W grows to the direction's minimum.
  void ArrangeButtons(int& W, int& H);
  void MoveFocusTo(TZadTimerSpeedButton* Button);

  QSize sizeHint() const override { return QSize(15, 25); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  TZadTimerSpeedButton* CreateSpinButton();
  void ButtonMouseDown(TZadTimerSpeedButton* Sender, Qt::MouseButton Button);
  void ButtonClicked(TZadTimerSpeedButton* Sender);
  void Repaint_Buttons();

  TZadTimerSpeedButton* FUpButton = nullptr;
  TZadTimerSpeedButton* FDownButton = nullptr;
  TZadTimerSpeedButton* FFocusedButton = nullptr;
  QPointer<QWidget> FFocusControl;
  TSpinDirection FDirection = spVertical;
  bool FIsWinXP = false;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clBlack;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
};
