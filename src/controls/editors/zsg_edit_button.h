#pragma once
// The button part of the edit button: a small control holding one speed
// button over its whole area. A left-button release over the speed button
// fires OnClick (with this part as Sender) and then gives the focus back to
// the edit.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "controls/editors/zad_speed_button.h"
#include "controls/tcolor.h"

class TZsgEditButton : public QWidget {
  Q_OBJECT

 public:
  explicit TZsgEditButton(QWidget* parent = nullptr);

  std::function<void(QObject* Sender)> OnClick;

  TZadSpeedButton* Button() const { return FButton; }
  QWidget* FocusControl() const { return FFocusControl; }
  void SetFocusControl(QWidget* Value) { FFocusControl = Value; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool Value) { setFocusPolicy(Value ? Qt::StrongFocus : Qt::NoFocus); }

  QImage Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const QImage& Value) { FButton->SetGlyph(Value); }
  QString ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const QString& Value) { FButton->SetCaption(Value); }
  int NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }

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

  QSize sizeHint() const override { return QSize(20, 25); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Button_Released(TZadSpeedButton* Sender, bool Inside);

  TZadSpeedButton* FButton = nullptr;
  QPointer<QWidget> FFocusControl;
  bool FFlat = false;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
};
