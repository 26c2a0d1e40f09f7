#include "dropdowns/colorpicker/custom_color_selector.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/canvas.h"

TCustomColorSelector::TCustomColorSelector(QWidget* AOwner) : TZadCustomColorSelectorPanel(AOwner) {
  SetItemColorStyle(scOffice2007);
  if (AOwner) SetColor(From_QColor(AOwner->palette().color(QPalette::Window)));
}

// ---- layout ----

void TCustomColorSelector::GetBoxesRect(TRect& R) const {
  R = TRect{FOffSetX, FOffSetY, width() - FOffSetX, height() - FOffSetY};
}

void TCustomColorSelector::GetColorBoxSize(QSize& Size) const { Size = QSize(FColorBoxWidth, FColorBoxHeight); }

void TCustomColorSelector::UpdateBoxLayout() {
  if (FItems.Count() > 0) FItemHot = -1;
  Box_Layout_Settings settings;
  settings.Columns = FColumns;
  settings.ColumnGap = FColumnGap;
  GetColorBoxSize(settings.BoxSize);
  GetBoxesRect(settings.Area);
  resize(Lay_Out_Boxes(FItems, settings));
  update();
}

void TCustomColorSelector::SetColumns(int Value) {
  if (FColumns == Value) return;
  FColumns = Value;
  UpdateBoxLayout();
}

void TCustomColorSelector::SetColumnGap(int Value) {
  if (FColumnGap == Value) return;
  FColumnGap = Value;
  UpdateBoxLayout();
}

void TCustomColorSelector::SetColorBoxWidth(int Value) {
  if (FColorBoxWidth == Value) return;
  FColorBoxWidth = Value;
  UpdateBoxLayout();
}

void TCustomColorSelector::SetColorBoxHeight(int Value) {
  if (FColorBoxHeight == Value) return;
  FColorBoxHeight = Value;
  UpdateBoxLayout();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
  if (FItemColorStyle == Value) return;
  FItemColorStyle = Value;
  FColorBoxAppearance.SetStyle(Value);
  update();
}

void TCustomColorSelector::AddDefaultColorBoxes() { Add_Theme_Color_Boxes(FItems); }

// ---- selection ----

void TCustomColorSelector::InvalidateBox(int Index) {
  if (!Valid(Index)) return;
  const TRect& r = FItems.GetItem(Index)->Rect;
  update(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top));
}

void TCustomColorSelector::SetItemIndex(int Index) {
  // Our callers pass -1 or a box; an index past the boxes is no box.
  if (Index >= FItems.Count()) return;
  if (Index >= 0 && !FItems.GetItem(Index)->Enabled) return;
  if (FItemIndex >= 0 && Index != FItemIndex) {
    const int old = FItemIndex;
    FItemIndex = -1;
    InvalidateBox(old);
  }
  FItemIndex = Index < 0 ? -1 : Index;
  if (FItemIndex < 0) return;
  FSelectedColor = FItems.GetItem(FItemIndex)->Color();
  InvalidateBox(FItemIndex);
  if (OnItemSelect) OnItemSelect(this);
}

void TCustomColorSelector::SetItemHot(int Index) {
  if (Index == FItemHot || Index >= FItems.Count()) return;
  if (Index >= 0 && !FItems.GetItem(Index)->Enabled) return;
  if (FItemHot >= 0) {
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateBox(old);
  }
  FItemHot = Index < 0 ? -1 : Index;
  InvalidateBox(FItemHot);
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
  if (FSelectedColor == Value) return;
  FSelectedColor = Value;
  if (Value == clNone) SetItemIndex(-1);
  for (int i = 0; i < FItems.Count(); ++i)
    if (FItems.GetItem(i)->Color() == Value) {
      SetItemIndex(i);
      return;
    }
  SetItemIndex(-1);
}

void TCustomColorSelector::SelectFirst() {
  if (FItems.Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast() {
  if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TCustomColorSelector::SelectNext() {
  if (FItemIndex + 1 < FItems.Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious() {
  if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext() {
  if (FItemHot + 1 < FItems.Count()) SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious() {
  if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(int Key, bool EditorEnabled, bool DroppedDown) {
  if (!isEnabled()) return;
  const bool sideways = !EditorEnabled || DroppedDown;
  const auto row = [&](int Direction) {
    const int target = FItemIndex < 0 ? 0 : FItemIndex + Direction * FColumns;
    if (target >= 0 && target < FItems.Count()) SetItemIndex(target);
  };
  switch (Key) {
    case Qt::Key_PageUp:
    case Qt::Key_Home:
      SelectFirst();
      break;
    case Qt::Key_PageDown:
    case Qt::Key_End:
      SelectLast();
      break;
    case Qt::Key_Left:
      if (sideways) SelectPrevious();
      break;
    case Qt::Key_Right:
      if (sideways) SelectNext();
      break;
    case Qt::Key_Up:
      if (DroppedDown)
        row(-1);
      else
        SelectPrevious();
      break;
    case Qt::Key_Down:
      if (DroppedDown)
        row(1);
      else
        SelectNext();
      break;
    default:
      break;
  }
}

// ---- painting ----

void TCustomColorSelector::DrawColorBox(int Index, TCanvas& Canvas) {
  if (!Valid(Index)) return;
  const TColorBoxItem& item = *FItems.GetItem(Index);
  TRect r = item.Rect;
  if (r.Left < 0 && r.Right < 0) return;
  const TColorBoxAppearance& a = FColorBoxAppearance;
  TColor outer = a.BorderColor, inner = clNone;
  bool framed = false;
  if (Index == FItemHot) outer = a.OuterBorderColorHot, inner = a.InnerBorderColorHot, framed = true;
  if (Index == FItemIndex) outer = a.OuterBorderColorSelected, inner = a.InnerBorderColorSelected, framed = true;
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  if (item.Color() != clNone) {
    Canvas.Pen.Color = item.Color();
    Canvas.Brush.Color = item.Color();
    Canvas.Rectangle(r);
  }
  if (framed) {
    Canvas.Brush.Style = TBrushStyle::bsClear;
    if (outer != clNone) {
      Canvas.Pen.Color = outer;
      Canvas.Rectangle(r);
      r = r.Inflate(-1, -1);
    }
    if (inner != clNone) {
      Canvas.Pen.Color = inner;
      Canvas.Rectangle(r);
    }
    return;
  }
  Canvas.Pen.Color = a.BorderColor;
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  switch (item.ColorBoxPos()) {
    case ipStandAlone:
      Canvas.Move_To(L, B);
      Canvas.Line_To(L, T);
      Canvas.Line_To(R, T);
      Canvas.Line_To(R, B);
      Canvas.Line_To(L, B);
      break;
    case ipTop:
      Canvas.Move_To(L, B);
      Canvas.Line_To(L, T);
      Canvas.Line_To(R, T);
      Canvas.Line_To(R, B);
      break;
    case ipMiddle:
      Canvas.Move_To(L, T);
      Canvas.Line_To(L, B);
      Canvas.Move_To(R, T);
      Canvas.Line_To(R, B);
      break;
    case ipBottom:
      Canvas.Move_To(L, T);
      Canvas.Line_To(L, B);
      Canvas.Line_To(R, B);
      Canvas.Move_To(R, T);
      Canvas.Line_To(R, B + 1);
      break;
  }
}

void TCustomColorSelector::paintEvent(QPaintEvent* Event) {
  TZadCustomColorSelectorPanel::paintEvent(Event);
  QPainter painter(this);
  TCanvas canvas(painter);
  for (int i = 0; i < FItems.Count(); ++i) DrawColorBox(i, canvas);
}

// ---- mouse ----

void TCustomColorSelector::mousePressEvent(QMouseEvent* Event) {
  TZadCustomColorSelectorPanel::mousePressEvent(Event);
  const QPoint at = Event->position().toPoint();
  const int i = BoxAtPoint(at.x(), at.y());
  if (i >= 0 && FItems.GetItem(i)->Enabled) SetItemIndex(i);
}

void TCustomColorSelector::mouseMoveEvent(QMouseEvent* Event) {
  TZadCustomColorSelectorPanel::mouseMoveEvent(Event);
  const QPoint at = Event->position().toPoint();
  const int i = BoxAtPoint(at.x(), at.y());
  if (i < 0) {
    SetItemHot(-1);
  } else if (i != FItemHot) {
    if (FItems.GetItem(i)->Enabled)
      SetItemHot(i);
    else
      SetItemHot(-1);
  }
}

void TCustomColorSelector::leaveEvent(QEvent* Event) {
  TZadCustomColorSelectorPanel::leaveEvent(Event);
  SetItemHot(-1);
}
