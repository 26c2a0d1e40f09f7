#include "dropdowns/base/custom_item_selector.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <stdexcept>

#include "dropdowns/base/number_text.h"
#include "dropdowns/base/zad_custom_item_selector.h"
#include "grid/draw/gradient_paint.h"
#include "grid/html/html_plain_text.h"

namespace {

// The image as a disabled item shows it: grey, and fainter.
QImage Disabled_Copy(const QImage& Image) {
  QImage grey = Image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const int g = qGray(line[x]);
      line[x] = qRgba(g, g, g, qAlpha(line[x]) / 2);
    }
  }
  return grey;
}

}  // namespace

TCustomItemSelector::TCustomItemSelector(QWidget* AOwner)
    : QWidget(AOwner), FZadItemSelector(dynamic_cast<TZadCustomItemSelector*>(AOwner)) {
  if (!FZadItemSelector) throw std::runtime_error("Invalid parent");
  setMouseTracking(true);
  // Every pixel is painted by paintEvent.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int TCustomItemSelector::Columns() const { return FZadItemSelector->Columns(); }
TSelectorItems& TCustomItemSelector::Items() const { return FZadItemSelector->Items(); }
TSelectorType TCustomItemSelector::SelectorType() const { return FZadItemSelector->SelectorType(); }
TItemLayout TCustomItemSelector::ItemLayout() const { return FZadItemSelector->ItemLayout(); }
const TDropDownImages* TCustomItemSelector::Images() const { return FZadItemSelector->Images(); }
int TCustomItemSelector::ColorBoxHeight() const { return FZadItemSelector->ColorBoxHeight(); }
int TCustomItemSelector::ColorBoxWidth() const { return FZadItemSelector->ColorBoxWidth(); }
TSelectionColorStyle TCustomItemSelector::ItemColorStyle() const {
  return FZadItemSelector->ItemAppearance().ColorStyle();
}
TColor TCustomItemSelector::ItemColorHot() const { return FZadItemSelector->ItemAppearance().ColorHot; }
TColor TCustomItemSelector::ItemColorHotTo() const { return FZadItemSelector->ItemAppearance().ColorHotTo; }
TColor TCustomItemSelector::ItemColorSelected() const { return FZadItemSelector->ItemAppearance().ColorSelected; }
TColor TCustomItemSelector::ItemColorSelectedTo() const { return FZadItemSelector->ItemAppearance().ColorSelectedTo; }

TColor TCustomItemSelector::Panel_Color() const { return FZadItemSelector->Color(); }

void TCustomItemSelector::SetItemIndex(int Value) {
  const int count = Items().Count();
  if (Value < -1 || Value >= count) return;
  if (Value >= 0 && !Items().GetItem(Value)->Enabled) return;
  if (FItemIndex >= 0 && FItemIndex != Value) {
    const int old = FItemIndex;
    FItemIndex = -1;
    InvalidateItem(old);
  }
  FItemIndex = Value;
  if (Value < 0) return;
  repaint(GetItemRect(Value).To_QRect());
  if (OnItemSelect) OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(int Index) {
  if (Index == FItemHot || Index < -1 || Index >= Items().Count()) return;
  if (Index >= 0 && !Items().GetItem(Index)->Enabled) return;
  if (FItemHot >= 0) {
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
  }
  FItemHot = Index;
  if (Index >= 0) repaint(GetItemRect(Index).To_QRect());
}

int TCustomItemSelector::Move_Target(int From, int Step) const {
  const int target = From == -1 ? 0 : From + Step;
  return target >= 0 && target < Items().Count() ? target : -1;
}

void TCustomItemSelector::SelectFirst() {
  if (Items().Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast() {
  if (Items().Count() > 0) SetItemIndex(Items().Count() - 1);
}

void TCustomItemSelector::SelectNext() {
  if (const int target = Move_Target(FItemIndex, 1); target >= 0) SetItemIndex(target);
}

void TCustomItemSelector::SelectPrevious() {
  if (const int target = Move_Target(FItemIndex, -1); target >= 0) SetItemIndex(target);
}

void TCustomItemSelector::HotNext() {
  if (const int target = Move_Target(FItemHot, 1); target >= 0) SetItemHot(target);
}

void TCustomItemSelector::HotPrevious() {
  if (const int target = Move_Target(FItemHot, -1); target >= 0) SetItemHot(target);
}

bool TCustomItemSelector::LookupItem(const QString& S) {
  if (S.isEmpty()) return false;
  const TSelectorItems& items = Items();
  for (int i = 0; i < items.Count(); ++i) {
    const TSelectorItem& item = *items.GetItem(i);
    if (!item.Enabled) continue;
    if (Match_Case_Text(HtmlToPlainText(item.Caption()).trimmed(), false).startsWith(S)) {
      SetItemIndex(i);
      return true;
    }
  }
  return false;
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
  const int index = FGrid.Item_At({X, Y});
  return index < Items().Count() ? index : -1;
}

TRect TCustomItemSelector::GetItemRect(int Index) const {
  if (Index < 0 || Index >= Items().Count()) return {-1, -1, -1, -1};
  return Items().GetItem(Index)->Rect();
}

void TCustomItemSelector::InvalidateItem(int Index) {
  if (Index >= 0 && Index < Items().Count()) update(GetItemRect(Index).To_QRect());
}

TRect TCustomItemSelector::GetItemsRect() const { return {OffSetX, OffSetY, width() - OffSetX, height() - OffSetY}; }

QSize TCustomItemSelector::Content_Size(int Index) const {
  if (SelectorType() == stColor) return {ColorBoxWidth(), ColorBoxHeight()};
  const TSelectorItem& item = *Items().GetItem(Index);
  if (!item.Image().isNull()) return item.Image().size();
  const TDropDownImages* images = Images();
  if (images && item.ImageIndex() >= 0 && item.ImageIndex() < static_cast<int>(images->size()))
    return (*images)[static_cast<size_t>(item.ImageIndex())].size();
  return {0, 0};
}

QSize TCustomItemSelector::GetItemSize() {
  if (FZadItemSelector->OnItemSize) {
    QSize size(0, 0);
    FZadItemSelector->OnItemSize(this, size);
    return size;
  }
  QSize content(0, 0), caption(0, 0);
  if (SelectorType() == stColor) content = {ColorBoxWidth(), ColorBoxHeight()};
  QImage scratch(1, 1, QImage::Format_ARGB32);
  QPainter painter(&scratch);
  TCanvas canvas(painter);
  canvas.Font = FZadItemSelector->ItemAppearance().Font;
  const TSelectorItems& items = Items();
  for (int i = 0; i < items.Count(); ++i) {
    if (SelectorType() == stImage) content = content.expandedTo(Content_Size(i));
    const QPoint extent =
        Draw_Html_Caption(canvas, items.GetItem(i)->Caption(), {0, 0, 1000, 500}, Images(), false, this);
    caption = caption.expandedTo(QSize(extent.x(), extent.y()));
  }
  return Selector_Cell_Size(ItemLayout(), content, caption, ItemOffSetX, ItemOffSetY, CaptionGap);
}

void TCustomItemSelector::ArrangeItems() {
  TSelectorItems& items = Items();
  FItemHot = -1;
  // A selection the list no longer holds is dropped.
  if (FItemIndex >= items.Count()) FItemIndex = -1;
  if (items.Count() == 0) {
    FGrid = {};
    resize(100, 50);
    update();
    return;
  }
  const QSize cell = GetItemSize();
  const TRect area = GetItemsRect();
  FGrid = TSelectorGrid(items.Count(), Columns(), {area.Left, area.Top}, cell);
  for (int i = 0; i < items.Count(); ++i) items.GetItem(i)->SetRect(FGrid.Cell_Rect(i));
  resize(FGrid.Panel_Size().expandedTo({0, 0}));
  update();
}

QPoint TCustomItemSelector::Draw_Centred_Caption(TCanvas& Canvas, const QString& Caption, TRect C) {
  const QPoint size = Draw_Html_Caption(Canvas, Caption, C, Images(), false, this);
  if (size.y() < C.Height()) C.Top += (C.Height() - size.y()) / 2;
  Draw_Html_Caption(Canvas, Caption, C, Images(), true, this);
  return size;
}

void TCustomItemSelector::Draw_Content(TCanvas& Canvas, int Index, QPoint At) {
  const TSelectorItem& item = *Items().GetItem(Index);
  if (SelectorType() == stColor) {
    Canvas.Pen.Style = TPenStyle::psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = clBlack;
    // An item without a colour shows an empty box.
    Canvas.Brush.Style = item.Color() == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
    Canvas.Brush.Color = item.Color();
    Canvas.Rectangle(At.x(), At.y(), At.x() + ColorBoxWidth(), At.y() + ColorBoxHeight());
    return;
  }
  if (!item.Image().isNull()) {
    Canvas.Painter().drawImage(At, item.Image());
    return;
  }
  const TDropDownImages* images = Images();
  if (images && item.ImageIndex() >= 0 && item.ImageIndex() < static_cast<int>(images->size())) {
    const QImage& image = (*images)[static_cast<size_t>(item.ImageIndex())];
    Canvas.Painter().drawImage(At, item.Enabled ? image : Disabled_Copy(image));
  }
}

void TCustomItemSelector::DrawItem(int Index, TCanvas& Canvas) {
  if (Index < 0 || Index >= Items().Count()) return;
  const TSelectorItem& item = *Items().GetItem(Index);
  const TRect R = item.Rect();
  if (R.Left < 0 && R.Right < 0) return;
  const TItemAppearance& a = FZadItemSelector->ItemAppearance();
  TColor border = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
  TColor fill = clNone, fill_to = clNone, mirror = clNone, mirror_to = clNone;
  bool lit = false;
  auto light = [&](TColor From, TColor To, TColor Mirror, TColor MirrorTo, TColor PlainBorder) {
    fill = From;
    fill_to = To;
    mirror = Mirror;
    mirror_to = MirrorTo;
    if (PlainBorder != clNone) {
      border = PlainBorder;
      top = bottom = edge = clNone;
    }
    lit = true;
  };
  if (Index == FItemHot) light(a.ColorHot, a.ColorHotTo, a.ColorMirrorHot, a.ColorMirrorHotTo, a.BorderColorHot);
  if (Index == FItemIndex)
    light(a.ColorSelected, a.ColorSelectedTo, a.ColorMirrorSelected, a.ColorMirrorSelectedTo, a.BorderColorSelected);
  const TColor back = Panel_Color();
  if (!lit) {
    Canvas.Brush.Style = TBrushStyle::bsSolid;
    Canvas.Brush.Color = back;
    Canvas.Fill_Rect(R);
  } else if (top == clNone) {
    Draw_Filled_Rect(&Canvas, R, fill, fill_to, border, 1, false);
  } else {
    DrawRoundedGradientFrame(Canvas, R, fill, fill_to, mirror, mirror_to, border, top, bottom, edge, back,
                             kFrameBothEnds);
  }
  if (FZadItemSelector->OnDrawItem) {
    FZadItemSelector->OnDrawItem(this, Canvas, R, Index);
    return;
  }

  const QSize content = Content_Size(Index);
  const int W = content.width(), H = content.height();
  const bool has_content = SelectorType() == stColor || (W > 0 || H > 0);
  TRect C = R.Inflate(-ItemOffSetX, -ItemOffSetY);
  TRect P = C;
  Canvas.Font = a.Font;
  Canvas.Font_Color = Index == FItemIndex ? a.ColorSelectedText : Index == FItemHot ? a.ColorHotText : a.FontColor;
  Canvas.Brush.Style = TBrushStyle::bsClear;
  const QString& caption = item.Caption();
  // Colour boxes sit at the top, pictures in the middle of the height.
  auto side_top = [&] { return SelectorType() == stColor ? P.Top : P.Top + (P.Height() - H) / 2; };
  switch (ItemLayout()) {
    case ilCaptionLeft:
      if (!caption.isEmpty()) {
        C.Right -= W;
        P.Left = C.Left + Draw_Centred_Caption(Canvas, caption, C).x() + CaptionGap;
      }
      Draw_Content(Canvas, Index, {P.Left, side_top()});
      break;
    case ilCaptionRight:
      Draw_Content(Canvas, Index, {P.Left, side_top()});
      if (has_content) C.Left = P.Left + W + CaptionGap;
      if (!caption.isEmpty()) Draw_Centred_Caption(Canvas, caption, C);
      break;
    case ilCaptionTop:
      if (!caption.isEmpty()) {
        C.Bottom -= H;
        P.Top = C.Top + Draw_Html_Caption(Canvas, caption, C, Images(), true, this).y() + CaptionGap;
      } else {
        P.Top += (P.Height() - H) / 2;
      }
      P.Left += (P.Width() - W) / 2;
      Draw_Content(Canvas, Index, {P.Left, P.Top});
      break;
    case ilCaptionBottom:
      if (caption.isEmpty()) P.Top += (P.Height() - H) / 2;
      P.Left += (P.Width() - W) / 2;
      Draw_Content(Canvas, Index, {P.Left, P.Top});
      if (has_content) C.Top = P.Top + H + CaptionGap;
      if (!caption.isEmpty()) Draw_Html_Caption(Canvas, caption, C, Images(), true, this);
      break;
  }
}

void TCustomItemSelector::DrawAllItems(TCanvas& Canvas) {
  for (int i = 0; i < Items().Count(); ++i) DrawItem(i, Canvas);
}

void TCustomItemSelector::paintEvent(QPaintEvent* Event) {
  QPainter painter(this);
  TCanvas canvas(painter);
  const TRect region = TRect::From_QRect(Event->rect());
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Panel_Color();
  canvas.Fill_Rect(region);
  for (int i : FGrid.Items_In(region))
    if (i < Items().Count()) DrawItem(i, canvas);
}

void TCustomItemSelector::mousePressEvent(QMouseEvent* Event) {
  const QPoint p = Event->position().toPoint();
  const int i = ItemAtPos(p.x(), p.y());
  if (i >= 0 && Items().GetItem(i)->Enabled) SetItemIndex(i);
}

void TCustomItemSelector::mouseMoveEvent(QMouseEvent* Event) {
  QWidget::mouseMoveEvent(Event);
  const QPoint p = Event->position().toPoint();
  const int i = ItemAtPos(p.x(), p.y());
  if (i >= 0 && i != FItemHot) {
    const TSelectorItem& item = *Items().GetItem(i);
    SetItemHot(item.Enabled ? i : -1);
    if (i != FHintItem) {
      // The tool tip that shows now is the new item's.
      FHintItem = i;
      setToolTip(item.Hint);
      QToolTip::hideText();
    }
  } else if (i < 0 && FItemHot >= 0) {
    SetItemHot(-1);
  }
}

void TCustomItemSelector::leaveEvent(QEvent* Event) {
  QWidget::leaveEvent(Event);
  FHintItem = -1;
  if (FItemHot >= 0) SetItemHot(-1);
}
