#include "dropdowns/calculator/custom_button_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controls/editor_logic/classic_paint.h"
#include "dropdowns/calculator/keypad_layout.h"
#include "grid/theme/theme_api.h"

TCustomButtonPanel::TCustomButtonPanel(QWidget* AOwner) : QWidget(AOwner) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(230, 150);
  FButtons.OnChange = [this] { ButtonsChanged(); };
  FButtonAppearance.OnChange = [this] { ButtonAppearanceChanged(); };
}

TCustomButtonPanel::~TCustomButtonPanel() {
  FButtons.OnChange = nullptr;
  FButtonAppearance.OnChange = nullptr;
}

void TCustomButtonPanel::Loaded() {
  if (!FZadDropDown) CreateCalculatorButtons();
}

void TCustomButtonPanel::SetZadDropDown(TZadCustomDropDown* DropDown) {
  if (FZadDropDown != DropDown) FZadDropDown = DropDown;
}

void TCustomButtonPanel::SetImages(const TDropDownImages* Value) {
  FImages = Value;
  ArrangeButtons();
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value) {
  FButtonPanelType = Value;
  ArrangeButtons();
}

void TCustomButtonPanel::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  update();
}

// A panel inside a drop-down is repainted by its popup, not on every change.
void TCustomButtonPanel::ButtonsChanged() {
  if (!FZadDropDown) update();
}

void TCustomButtonPanel::ButtonAppearanceChanged() {
  if (!FZadDropDown) update();
}

// ---- keys ----

void TCustomButtonPanel::ClearButtons() { FButtons.Clear(); }

void TCustomButtonPanel::ResetButtons() {
  ClearButtons();
  CreateCalculatorButtons();
}

void TCustomButtonPanel::CreateCalculatorButtons() {
  if (FButtons.Count() > 0) return;
  if (FButtonPanelType == plCalculator) {
    for (const Calculator_Key& k : kCalculatorKeys) {
      TButtonItem* item = FButtons.Add();
      item->SetCaption(QString::fromLatin1(k.Caption));
      item->SetName(QString::fromLatin1(k.Name));
      item->SetTag(k.Tag);
      item->SetSpecial(k.Special);
      if (k.Special) item->SetCaptionColor(0x000080);
    }
  }
  ArrangeButtons();
}

void TCustomButtonPanel::ArrangeButtons() {
  if (FButtonPanelType != plCalculator || FButtons.Count() == 0) return;
  TRect area;
  GetButtonArea(area);
  const auto rects = Calculator_Key_Rects(area);
  // The layout addresses the keys by position; extra keys keep their place.
  const int n = std::min(FButtons.Count(), kCalculatorKeyCount);
  for (int i = 0; i < n; ++i) {
    const TRect& r = rects[static_cast<size_t>(i)];
    FButtons.Items(i)->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  }
  update();
}

void TCustomButtonPanel::GetButtonArea(TRect& Rect) const {
  Rect = TRect{FOffSetX, FOffSetY, width() - FOffSetX, height() - FOffSetY};
}

void TCustomButtonPanel::GetButtonRect(int Index, TRect& Rect) const {
  const TButtonItem* item = FButtons.Items(Index);
  Rect = item ? item->GetBounds() : TRect{-1, -1, -1, -1};
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const {
  for (int i = 0; i < FButtons.Count(); ++i) {
    const TRect r = FButtons.Items(i)->GetBounds();
    if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
  }
  return -1;
}

QSize TCustomButtonPanel::Image_Size(const TButtonItem& Item) const {
  if (!Item.Image().isNull()) return Item.Image().size();
  if (FImages && Item.ImageIndex() >= 0 && Item.ImageIndex() < static_cast<int>(FImages->size()))
    return (*FImages)[static_cast<size_t>(Item.ImageIndex())].size();
  return QSize(0, 0);
}

void TCustomButtonPanel::GetButtonSize(int& Width, int& Height) {
  QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  TCanvas canvas(painter);
  canvas.Font = font();
  QSize caption(0, 0), image(0, 0);
  for (int i = 0; i < FButtons.Count(); ++i) {
    const TButtonItem& item = *FButtons.Items(i);
    const QSize c = Measure_Text(canvas, item.Caption());
    caption = caption.expandedTo(c);
    image = image.expandedTo(Image_Size(item));
  }
  const bool both = !caption.isEmpty() && !image.isEmpty();
  const int gap = both ? FCaptionGap : 0;
  if (FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight) {
    Width = 2 * FButtonOffSetX + image.width() + gap + caption.width();
    Height = std::max(image.height(), caption.height()) + 2 * FButtonOffSetY;
  } else {
    Width = std::max(image.width(), caption.width()) + 2 * FButtonOffSetX;
    Height = 2 * FButtonOffSetY + image.height() + gap + caption.height();
  }
}

// ---- painting ----

void TCustomButtonPanel::Draw_Face(TCanvas& Canvas, const TRect& R, int State) {
  const Theme_Library& lib = AT_Theme_Library();
  HTHEME theme = lib.OpenThemeData(this, kThemeButton);
  const bool drawn = lib.DrawThemeBackground(theme, Canvas.Painter(), BP_PUSHBUTTON, State, R.To_QRect(), this);
  lib.CloseThemeData(theme);
  if (drawn) return;
  // Without a theme: the classic raised face, sunken while pressed.
  TRect r = R;
  Canvas.Brush.Color = State == PBS_HOT ? clBtnHighlight : clBtnFace;
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  Canvas.Fill_Rect(r);
  Canvas.Brush.Color = clBtnFace;
  Canvas.Fill_Rect(r.Inflate(-2, -2));
  Draw_Edge(Canvas, r, State == PBS_PRESSED ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas& Canvas) {
  const TButtonItem* item = FButtons.Items(Index);
  if (!item) return;
  const TRect r = item->GetBounds();
  if (r.Left == -1 && r.Top == -1 && r.Right == -1 && r.Bottom == -1) return;

  Canvas.Brush.Color = FColor;
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  Canvas.Fill_Rect(r);
  int state = PBS_NORMAL;
  if (!isEnabled())
    state = PBS_DISABLED;
  else if (Index == FButtonDown)
    state = PBS_PRESSED;
  else if (Index == FButtonHot)
    state = PBS_HOT;
  Draw_Face(Canvas, r, state);

  const QSize image = Image_Size(*item);
  const bool has_image = !image.isEmpty();
  TRect cr{r.Left + FButtonOffSetX, r.Top + FButtonOffSetY, r.Right - FButtonOffSetX, r.Bottom - FButtonOffSetY};
  Canvas.Font = FButtonAppearance.Font();
  Canvas.Font_Color = item->Special() ? FButtonAppearance.SpecialTextColor() : FButtonAppearance.TextColor();
  Canvas.Brush.Style = TBrushStyle::bsClear;
  const bool side_by_side = FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight;
  unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (!side_by_side || !has_image) flags |= DT_CENTER;
  const QString caption = item->Caption();
  const int centre_y = (cr.Bottom - cr.Top - image.height()) / 2;
  QPoint at(cr.Left, cr.Top + centre_y);

  switch (FButtonLayout) {
    case ilCaptionLeft:
      if (!caption.isEmpty()) {
        cr.Right -= image.width();
        TRect t = cr;
        Canvas.Draw_Text(caption, t, flags);
        at.setX(cr.Left + Canvas.Text_Width(caption) + FCaptionGap);
      }
      break;
    case ilCaptionRight: {
      cr.Left += image.width() + (has_image ? FCaptionGap : 0);
      TRect t = cr;
      Canvas.Draw_Text(caption, t, flags);
      break;
    }
    case ilCaptionTop:
      if (!caption.isEmpty()) {
        cr.Bottom -= image.height();
        TRect t = cr;
        Canvas.Draw_Text(caption, t, flags);
        at.setY(cr.Top + Canvas.Text_Height(caption) + FCaptionGap);
      }
      break;
    case ilCaptionBottom:
      if (!caption.isEmpty()) at.setY(cr.Top);
      cr.Top = at.y() + image.height() + FCaptionGap;
      {
        TRect t = cr;
        Canvas.Draw_Text(caption, t, flags);
      }
      break;
  }
  if (!has_image) return;
  if (!item->Image().isNull()) {
    Canvas.Painter().drawImage(at, item->Image());
  } else {
    const QImage& picture = (*FImages)[static_cast<size_t>(item->ImageIndex())];
    if (item->Enabled()) {
      Canvas.Painter().drawImage(at, picture);
    } else {
      Canvas.Painter().save();
      Canvas.Painter().setOpacity(0.4);
      Canvas.Painter().drawImage(at, picture.convertToFormat(QImage::Format_Grayscale8));
      Canvas.Painter().restore();
    }
  }
}

void TCustomButtonPanel::DrawAllButtons(TCanvas& Canvas, bool IncludeHot) {
  for (int i = 0; i < FButtons.Count(); ++i)
    if (IncludeHot || i != FButtonHot) DrawButton(i, Canvas);
}

void TCustomButtonPanel::paintEvent(QPaintEvent* Event) {
  (void)Event;
  QPainter painter(this);
  TCanvas canvas(painter);
  canvas.Brush.Color = FColor;
  canvas.Fill_Rect(TRect{0, 0, width(), height()});
  if (!FZadDropDown) {
    canvas.Brush.Color = clBlack;
    canvas.Frame_Rect(TRect{0, 0, width(), height()});
  }
  // The hot key last, so that its glow lies over its neighbours.
  DrawAllButtons(canvas, false);
  if (FButtonHot >= 0) DrawButton(FButtonHot, canvas);
}

void TCustomButtonPanel::InvalidateButton(int Index) {
  const TButtonItem* item = FButtons.Items(Index);
  if (!item) return;
  update(item->GetBounds().Inflate(8, 8).To_QRect());
}

void TCustomButtonPanel::Paint_Now(int Index) { InvalidateButton(Index); }

// ---- mouse ----

void TCustomButtonPanel::SetButtonHot(int Index) {
  if (Index == FButtonHot) return;
  if (const TButtonItem* item = FButtons.Items(Index); item && !item->Enabled()) return;
  const int previous = FButtonHot;
  FButtonHot = Index;
  if (previous >= 0) InvalidateButton(previous);
  if (Index >= 0) Paint_Now(Index);
}

void TCustomButtonPanel::SetButtonDown(int Index) {
  if (Index == FButtonDown) return;
  if (const TButtonItem* item = FButtons.Items(Index); item && !item->Enabled()) return;
  const int previous = FButtonDown;
  FButtonDown = Index;
  if (previous >= 0) InvalidateButton(previous);
  if (Index >= 0) Paint_Now(Index);
}

void TCustomButtonPanel::mousePressEvent(QMouseEvent* Event) {
  QWidget::mousePressEvent(Event);
  const QPoint p = Event->position().toPoint();
  const int at = ButtonAtPos(p.x(), p.y());
  if (at >= 0 && FButtons.Items(at)->Enabled()) SetButtonDown(at);
}

void TCustomButtonPanel::mouseMoveEvent(QMouseEvent* Event) {
  QWidget::mouseMoveEvent(Event);
  const QPoint p = Event->position().toPoint();
  const int at = ButtonAtPos(p.x(), p.y());
  if (at >= 0 && FButtons.Items(at)->Enabled())
    SetButtonHot(at);
  else
    SetButtonHot(-1);
}

void TCustomButtonPanel::mouseReleaseEvent(QMouseEvent* Event) {
  QWidget::mouseReleaseEvent(Event);
  if (FButtonDown < 0) return;
  const int pressed = FButtonDown;
  SetButtonDown(-1);
  const QPoint p = Event->position().toPoint();
  if (ButtonAtPos(p.x(), p.y()) == pressed) DoButtonClick(pressed);
}

void TCustomButtonPanel::leaveEvent(QEvent* Event) {
  QWidget::leaveEvent(Event);
  SetButtonHot(-1);
}

void TCustomButtonPanel::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  ArrangeButtons();
}

void TCustomButtonPanel::DoButtonClick(int Index) {
  if (OnButtonClick) OnButtonClick(this, Index);
}
