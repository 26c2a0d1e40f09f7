#include "dropdowns/base/zad_drop_down_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

#include "dropdowns/base/draw_gradient_steps.h"
#include "dropdowns/base/drop_down_colors.h"
#include "dropdowns/base/zad_button.h"
#include "dropdowns/base/zad_custom_drop_down.h"

TZadDropDownBar::TZadDropDownBar(QWidget* AOwner) : QWidget(AOwner) {}

TZadDropDownBar::~TZadDropDownBar() = default;

void TZadDropDownBar::SetZadDropDown(TZadCustomDropDown* DropDown) {
  FZadDropDown = DropDown;
  if (!DropDown) {
    FImages = nullptr;
    return;
  }
  FImages = DropDown->Images();
  if (const TDropDownBarAppearance* source = Drop_Down_Appearance()) Appearance().Assign(*source);
}

void TZadDropDownBar::InitializeButtons() {
  if (FZadDropDown) CreateButtons();
}

void TZadDropDownBar::CreateButtons() {
  if (!FZadDropDown) return;
  ClearButtons();
  const int h = GetButtonsRect().Height();
  for (int i = 0; i < Item_Count(); ++i) {
    const THeaderButton* item = Item(i);
    auto* button = new TZadButton(this);
    Setup_Button(button, i);
    button->SetAppearance(&FZadDropDown->ButtonAppearance());
    button->SetCaption(item->Caption());
    button->SetImages(FImages);
    button->SetImageIndex(item->ImageIndex);
    button->setEnabled(item->Enabled());
    button->AdjustButtonSize();
    int width = button->width(), height = button->height();
    if (item->Width() > 0) width = item->Width();
    if (item->Height() > 0) height = item->Height();
    button->resize(width, std::min(height, h));
    button->OnClick = [this, i] { Button_Clicked(i); };
    button->show();
    FButtonList.Add(button);
  }
  ArrangeButtons();
}

void TZadDropDownBar::ClearButtons() {
  for (int i = FButtonList.Count() - 1; i >= 0; --i) delete FButtonList.GetItemsEx(i);
  FButtonList.Clear();
}

void TZadDropDownBar::ArrangeButtons() {
  if (FButtonList.Count() == 0) return;
  const TRect a = GetButtonsRect();
  int x = Appearance().ButtonAlignment == baRight ? a.Right : a.Left;
  for (int i = 0; i < FButtonList.Count(); ++i) {
    TZadButton* button = FButtonList.GetItemsEx(i);
    const int top = std::max(a.Top, (a.Bottom - button->height()) / 2);
    if (Appearance().ButtonAlignment == baRight) {
      x -= button->width();
      button->move(x, top);
    } else {
      button->move(x, top);
      x += button->width();
    }
  }
}

void TZadDropDownBar::UpdateButtons() {
  if (!FZadDropDown) return;
  for (int i = 0; i < FButtonList.Count(); ++i) {
    TZadButton* button = FButtonList.GetItemsEx(i);
    button->SetAppearance(&FZadDropDown->ButtonAppearance());
    button->SetImages(FImages);
    if (i < Item_Count()) {
      button->SetCaption(Item(i)->Caption());
      button->SetImageIndex(Item(i)->ImageIndex);
      button->setEnabled(Item(i)->Enabled());
    }
  }
  ArrangeButtons();
}

TRect TZadDropDownBar::GetCaptionRect() const {
  if (FButtonList.Count() == 0) return {-1, -1, -1, -1};
  TRect r = GetButtonsRect();
  const TZadButton* last = FButtonList.Last();
  // With the buttons on the left the caption follows them instead of lying
  // under them.
  if (const_cast<TZadDropDownBar*>(this)->Appearance().ButtonAlignment == baLeft)
    r.Left = last->x() + last->width() + 2;
  else
    r.Right = last->x() - 2;
  return r;
}

void TZadDropDownBar::AppearanceChanged() {
  setVisible(Appearance().Visible());
  resize(width(), Appearance().Height);
}

bool TZadDropDownBar::Framed_By_Popup() const {
  return FZadDropDown && FZadDropDown->DropDownBorderWidth() > 0 && FZadDropDown->DropDownBorderColor() != clNone;
}

void TZadDropDownBar::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  ArrangeButtons();
}

void TZadDropDownBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  const TRect r{0, 0, width(), height()};
  if (OnDrawBackGround) {
    OnDrawBackGround(this, canvas, r);
    return;
  }
  const TDropDownBarAppearance& a = Appearance();
  if (a.ColorTo == clNone) {
    if (a.Color != clNone) {
      canvas.Brush.Style = TBrushStyle::bsSolid;
      canvas.Brush.Color = a.Color;
      canvas.Fill_Rect(r);
    }
  } else {
    Draw_Gradient_Steps(canvas, a.Color, a.ColorTo, 80, r, a.GradientHorizontal);
  }
  if (a.BorderColor != clNone && a.BorderWidth > 0) {
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Width = a.BorderWidth;
    canvas.Pen.Color = a.BorderColor;
    Draw_Border(canvas, r);
  }
  TRect t = r.Inflate(-a.BorderWidth, -a.BorderWidth);
  if (a.ImageIndex >= 0 && FImages && a.ImageIndex < static_cast<int>(FImages->size())) {
    const QImage& image = (*FImages)[static_cast<size_t>(a.ImageIndex)];
    painter.drawImage(QPoint(t.Left + 4, t.Top + (t.Height() - image.height()) / 2), image);
    t.Left += image.width() + 8;
  }
  QString text = a.Caption;
  if (OnGetText) OnGetText(this, text);
  if (!text.isEmpty()) {
    if (FButtonList.Count() > 0) {
      const TRect caption = GetCaptionRect();
      if (a.ButtonAlignment == baLeft)
        t.Left = std::max(t.Left, caption.Left);
      else
        t.Right = caption.Right;
    }
    canvas.Font = a.Font;
    canvas.Font_Color = a.FontColor;
    const QPoint size = Draw_Html_Caption(canvas, text, t, FImages, false, this);
    if (size.y() < t.Height()) t.Top += (t.Height() - size.y()) / 2;
    Draw_Html_Caption(canvas, text, t, FImages, true, this);
  }
  // The grip shows also on a footer without a caption.
  Draw_Extras(canvas, r);
}

TZadHeader::TZadHeader(QWidget* AOwner) : TZadDropDownBar(AOwner), FAppearance(AOwner) {
  FAppearance.OnChange = [this] { AppearanceChanged(); };
  FAppearance.OnButtonsChanged = [] {};
}

TRect TZadHeader::GetButtonsRect() const { return {2, 2, width() - 2, height() - 3}; }

const TDropDownBarAppearance* TZadHeader::Drop_Down_Appearance() const {
  return ZadDropDown() ? &ZadDropDown()->DropDownHeader() : nullptr;
}

int TZadHeader::Item_Count() const { return ZadDropDown() ? ZadDropDown()->DropDownHeader().Buttons().Count() : 0; }

const THeaderButton* TZadHeader::Item(int Index) const {
  return ZadDropDown()->DropDownHeader().Buttons().GetItem(Index);
}

void TZadHeader::Button_Clicked(int Index) {
  if (ZadDropDown() && ZadDropDown()->OnDropDownHeaderButtonClick)
    ZadDropDown()->OnDropDownHeaderButtonClick(ZadDropDown(), Index);
}

void TZadHeader::Draw_Border(TCanvas& Canvas, const TRect& R) {
  const int bw = Appearance().BorderWidth;
  Canvas.Move_To(R.Left, R.Bottom - 1);
  Canvas.Line_To(R.Right, R.Bottom - 1);
  if (!Framed_By_Popup()) {
    Canvas.Move_To(R.Left, R.Bottom - 1);
    Canvas.Line_To(R.Left, R.Top);
    Canvas.Line_To(R.Right, R.Top);
    Canvas.Line_To(R.Right, R.Bottom - 1);
  }
  Canvas.Pen.Width = 1;
  Canvas.Brush.Style = TBrushStyle::bsClear;
  Canvas.Pen.Color = Mix_Colors(Appearance().BorderColor, 0xFFFFFF, 20);
  Canvas.Rectangle(R.Left, R.Top, R.Right, R.Bottom - bw);
}

TZadFooter::TZadFooter(QWidget* AOwner) : TZadDropDownBar(AOwner), FAppearance(AOwner) {
  FAppearance.OnChange = [this] { AppearanceChanged(); };
  setMouseTracking(true);
  StartPopupResize = [this] {
    QWindow* handle = window()->windowHandle();
    return handle && handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
  };
}

bool TZadFooter::In_Grip_Zone(const QPoint& P) const {
  return HasSizeGrip() && parentWidget() && P.x() > width() - 12 && P.y() > height() - 15;
}

void TZadFooter::mousePressEvent(QMouseEvent* Event) {
  TZadDropDownBar::mousePressEvent(Event);
  if (Event->button() == Qt::LeftButton && In_Grip_Zone(Event->position().toPoint()) && StartPopupResize)
    StartPopupResize();
}

void TZadFooter::mouseMoveEvent(QMouseEvent* Event) {
  TZadDropDownBar::mouseMoveEvent(Event);
  if (In_Grip_Zone(Event->position().toPoint()))
    setCursor(Qt::SizeFDiagCursor);
  else
    unsetCursor();
}

void TZadFooter::mouseReleaseEvent(QMouseEvent* Event) {
  TZadDropDownBar::mouseReleaseEvent(Event);
  unsetCursor();
}

void TZadFooter::leaveEvent(QEvent* Event) {
  TZadDropDownBar::leaveEvent(Event);
  unsetCursor();
}

TRect TZadFooter::GetButtonsRect() const {
  const int grip = HasSizeGrip() ? 12 : 0;
  return {2, 2, width() - 2 - grip, height() - 2};
}

bool TZadFooter::HasSizeGrip() const {
  return FAppearance.SizeGrip && ZadDropDown() && ZadDropDown()->DropDownSizeable();
}

const TDropDownBarAppearance* TZadFooter::Drop_Down_Appearance() const {
  return ZadDropDown() ? &ZadDropDown()->DropDownFooter() : nullptr;
}

int TZadFooter::Item_Count() const { return ZadDropDown() ? ZadDropDown()->DropDownFooter().Buttons().Count() : 0; }

const THeaderButton* TZadFooter::Item(int Index) const {
  return ZadDropDown()->DropDownFooter().Buttons().GetItem(Index);
}

void TZadFooter::Setup_Button(TZadButton* Button, int Index) {
  Button->SetZadDropDown(ZadDropDown());
  Button->SetModalResult(ZadDropDown()->DropDownFooter().Buttons().GetItem(Index)->ModalResult);
}

void TZadFooter::Button_Clicked(int Index) {
  if (ZadDropDown() && ZadDropDown()->OnDropDownFooterButtonClick)
    ZadDropDown()->OnDropDownFooterButtonClick(ZadDropDown(), Index);
}

void TZadFooter::Draw_Border(TCanvas& Canvas, const TRect& R) {
  const int bw = FAppearance.BorderWidth;
  Canvas.Move_To(R.Left, R.Top);
  Canvas.Line_To(R.Right, R.Top);
  if (!Framed_By_Popup()) {
    Canvas.Move_To(R.Left, R.Top);
    Canvas.Line_To(R.Left, R.Bottom);
    Canvas.Line_To(R.Right, R.Bottom);
    Canvas.Line_To(R.Right, R.Top);
  }
  Canvas.Pen.Width = 1;
  Canvas.Brush.Style = TBrushStyle::bsClear;
  Canvas.Pen.Color = Mix_Colors(FAppearance.BorderColor, 0xFFFFFF, 20);
  Canvas.Rectangle(R.Left, R.Top + bw, R.Right, R.Bottom);
}

void TZadFooter::Draw_Extras(TCanvas& Canvas, const TRect& R) {
  if (!HasSizeGrip()) return;
  const int bw = FAppearance.BorderWidth;
  DrawSizeGrip(Canvas, {R.Right - bw - 16, 1, R.Right - bw - 1, R.Bottom});
}

void TZadFooter::DrawSizeGrip(TCanvas& Canvas, const TRect& G) {
  const int l = G.Left, b = G.Bottom;
  // (x, y) of each dot's lower-left corner; dots are 2 x 2.
  static constexpr int kDots[6][2] = {{5, 2}, {9, 2}, {13, 2}, {13, 6}, {13, 10}, {9, 6}};
  Canvas.Pen.Width = 1;
  Canvas.Pen.Style = TPenStyle::psSolid;
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  auto dots = [&](TColor color, int shift) {
    Canvas.Pen.Color = color;
    Canvas.Brush.Color = color;
    for (const auto& d : kDots)
      Canvas.Rectangle(l + d[0] - shift, b - d[1] - 2 - shift, l + d[0] + 2 - shift, b - d[1] - shift);
  };
  dots(Mix_Colors(0xFFFFFF, 0xFFFFFF, 50), 0);
  dots(Mix_Colors(FAppearance.BorderColor, 0xFFFFFF, 100), 1);
}
