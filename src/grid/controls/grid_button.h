#pragma once
// TZadGridButton: the grid pack's light button. Flat by default with colour
// gradients for its normal, hot, pressed and checked looks, an optional
// rounded border, up to four glyphs and a grey shade behind the glyph while
// hot, a drop-down part, radio-group behaviour through GroupIndex, a check
// style, Office-like colour presets (Look) and adaptation to the desktop's
// colour scheme. The grid's search footer builds its buttons from it.
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "controls/tcolor.h"
#include "controls/trect.h"
#include "grid/controls/grid_button_layout.h"

class QAction;
class TCanvas;
class TZadGridButtonActionLink;

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TZadGridButtonStyle { tasButton, tasCheck };

class TZadGridButton : public QWidget {
  Q_OBJECT

 public:
  explicit TZadGridButton(QWidget* parent = nullptr);
  ~TZadGridButton() override;

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnDropDown;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor Value) { FColorHot = Value; }
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor Value) { FColorHotTo = Value; }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value) { FColorDown = Value; }
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor Value) { FColorDownTo = Value; }
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor Value);
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor BorderDownColor() const { return FBorderDownColor; }
  void SetBorderDownColor(TColor Value) { FBorderDownColor = Value; }
  TColor BorderHotColor() const { return FBorderHotColor; }
  void SetBorderHotColor(TColor Value) { FBorderHotColor = Value; }

  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool Value);
  bool Shaded() const { return FShaded; }
  void SetShaded(bool Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { FTransparent = Value; }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // -1 centres glyph and caption; values below -1 are ignored.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);

  // The first glyph also gives the disabled glyph while that is empty.
  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& Value);
  const QImage& GlyphHot() const { return FGlyphHot; }
  void SetGlyphHot(const QImage& Value);
  const QImage& GlyphDown() const { return FGlyphDown; }
  void SetGlyphDown(const QImage& Value);
  const QImage& GlyphDisabled() const { return FGlyphDisabled; }
  void SetGlyphDisabled(const QImage& Value);
  const QImage& GlyphShade() const { return FGlyphShade; }

  // Buttons of one parent with the same non-zero index act as radio buttons.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  TZadGridButtonStyle Style() const { return FStyle; }
  void SetStyle(TZadGridButtonStyle Value);

  // The rightmost 12 pixels open OnDropDown and the menu instead of clicking.
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool Value);
  QMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(QMenu* Value) { FDropDownMenu = Value; }

  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool AutoXPStyle() const { return FAutoXPStyle; }
  void SetAutoXPStyle(bool Value) { FAutoXPStyle = Value; }
  // Colour presets 0 to 6; other values change nothing.
  int Look() const { return FLook; }
  void SetLook(int Value);

  // Linked to an action: its text, checked state and enabled state reach the
  // button, a click triggers it. Null unlinks.
  void SetAction(QAction* Value);
  QAction* Action() const;

  TButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }
  void Click();
  // The button as it paints now.
  QImage Render();

  QSize sizeHint() const override { return QSize(22, 23); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  friend class TZadGridButtonActionLink;

  void Paint(TCanvas& Canvas);
  void Paint_Flat_Face(TCanvas& Canvas, TRect& R);
  void Paint_Content(TCanvas& Canvas, TRect R, QPoint Shift);
  void Update_Exclusive();
  void Button_Pressed(int Group, TZadGridButton* Sender);
  void Set_Hot(bool Value);
  void Retest_Hot();
  void Apply_Theme_Look();
  void Update_Accelerator();

  bool FIsComCtl6;
  int FGroupIndex = 0;
  QImage FGlyph;
  bool FDown = false;
  bool FDragging = false;
  bool FAllowAllUp = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FSpacing = 4;
  bool FTransparent = true;
  int FMargin = -1;
  bool FFlat = true;
  bool FMouseInControl = false;
  TColor FColor = clBtnFace;
  TColor FColorTo = clNone;
  TColor FColorHot = 0xCAC7C7;
  TColor FColorHotTo = clNone;
  TColor FColorDown = 0xD8D3D2;
  TColor FColorDownTo = clNone;
  TColor FBorderColor = clNone;
  TColor FBorderDownColor = clNone;
  TColor FBorderHotColor = clNone;
  QImage FGlyphDisabled;
  QImage FGlyphHot;
  QImage FGlyphDown;
  QImage FGlyphShade;
  bool FShaded = true;
  TColor FColorChecked = 0x808080;
  TColor FColorCheckedTo = clNone;
  TZadGridButtonStyle FStyle = tasButton;
  int FLook = 0;
  bool FRounded = false;
  bool FDropDownButton = false;
  bool FAutoThemeAdapt = false;
  bool FAutoXPStyle = false;
  QPointer<QMenu> FDropDownMenu;
  bool FShowCaption = true;
  TButtonState FState = bsUp;

  QString FCaption;
  int FAccelerator = 0;
  TZadGridButtonActionLink* FActionLink = nullptr;
};
