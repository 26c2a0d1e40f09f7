#pragma once
// The button at the right edge of a drop-down edit: a container of fixed
// width (so the edit's text can end left of it) holding one painted speed
// button. The speed button draws a themed, classic or coloured arrow, a
// glyph, or a push-button face; its left-button release is the container's
// click, so the popup opens on release.
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "controls/tcolor.h"

class TDropDownEditButton;
class TZadCustomDropDown;

enum TButtonStyle { bsButton, bsDropDown };

class TZadDropDownSpeedButton : public QWidget {
 public:
  explicit TZadDropDownSpeedButton(QWidget* AOwner = nullptr);

  TButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TButtonStyle Value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  bool Focused() const { return FFocused; }
  void SetFocused(bool Value);
  // Always paint as released.
  void SetUp() { FUp = true; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Hot() const { return FHot; }
  // Pressed as the look shows it: the left button is down over it.
  bool Pressed() const { return FDown && !FUp; }

  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value) { FNumGlyphs = Value; }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);

  // The themed part state the arrow is drawn in: 4 disabled, 3 pressed,
  // 2 hot, 1 normal.
  int Theme_State() const;
  // Visual styles are drawn (the theme library is loaded and in use).
  bool Themed() const;

  std::function<void()> OnClick;
  std::function<void(Qt::MouseButton)> OnMouseDown, OnMouseUp;

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  TDropDownEditButton* Container() const;
  TZadCustomDropDown* Edit() const;
  void Paint_Arrow(QPainter& Painter);
  void Paint_Push_Button(QPainter& Painter);
  void Paint_Classic_Face(QPainter& Painter);

  bool FEtched = false;
  bool FFocused = false;
  bool FHot = false;
  bool FUp = false;
  bool FIsWinXP = true;
  bool FDown = false;
  bool FFlat = false;
  TButtonStyle FButtonStyle = bsDropDown;
  QImage FGlyph;
  int FNumGlyphs = 1;
  QString FCaption;
};

class TDropDownEditButton : public QWidget {
 public:
  explicit TDropDownEditButton(QWidget* AOwner = nullptr);

  // The width is always ButtonWidth, whatever a caller asks for.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  int ButtonWidth() const { return FBWidth; }
  void SetButtonWidth(int Value);
  TZadDropDownSpeedButton* Button() const { return FButton; }

  QImage Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const QImage& Value) { FButton->SetGlyph(Value); }
  int NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
  QString ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const QString& Value) { FButton->SetCaption(Value); }
  QWidget* FocusControl() const { return FFocusControl; }
  void SetFocusControl(QWidget* Value) { FFocusControl = Value; }

  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;

  std::function<void()> OnClick;
  // A left press on the button, before its release clicks.
  std::function<void()> OnPress;

 protected:
  void resizeEvent(QResizeEvent* Event) override;
  void changeEvent(QEvent* Event) override;

 private:
  TZadDropDownSpeedButton* FButton;
  QPointer<QWidget> FFocusControl;
  int FBWidth = 16;
};
