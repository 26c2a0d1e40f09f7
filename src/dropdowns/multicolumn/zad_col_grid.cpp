#include "dropdowns/multicolumn/zad_col_grid.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "controls/canvas.h"
#include "dropdowns/base/draw_gradient_steps.h"
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/multicolumn/zad_multi_column_drop_down.h"

namespace multi_column {

TZadColGrid::TZadColGrid(QWidget* AOwner) : List_Grid(AOwner) {
  FFixedLineColor = 0xD1BBA4;
  SetFixedCols(0);
  SetFixedRows(1);
  SetOptions((Options() | goHorzLine | goRowSelect) & ~(goRangeSelect | goDrawFocusSelected));
  setFrameShape(QFrame::NoFrame);
}

void TZadColGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = Value;
  viewport()->update();
}

void TZadColGrid::ApplyDropDownSettings(TZadMultiColumnDropDown* ADropDown) {
  if (!ADropDown) return;
  SetDropDown(ADropDown);
  FColumns.Assign(ADropDown->Columns());
  SetColCount(std::max(FColumns.Count(), 1));
  const int rows = ADropDown->Items().Count() + 1;
  SetRowCount(rows);
  SetFixedRows(rows > 1 ? 1 : 0);
  if (rows > 1) SetRow(1);
  for (int c = 0; c < FColumns.Count(); ++c) SetColWidths(c, FColumns.Items(c).Width);
  Take_Drop_Down_Look(*ADropDown);
  SetRowHeights(0, FHeaderHeight);
  const TGridOptions sizing = ADropDown->ColumnSizing() ? TGridOptions(goColSizing) : 0;
  SetOptions((Options() & ~goColSizing) | sizing);
  AutoSizeDropDownColumns();
  UpdateRowHeights();
  viewport()->update();
}

void TZadColGrid::AutoSizeColumn(int Index) {
  if (Index < 0 || Index >= FColumns.Count() || !FColumns.Items(Index).AutoSize) return;
  if (!FZadDropDown || !dynamic_cast<TDropDownForm*>(parentWidget())) return;
  TDropDownColumn& column = FColumns.Items(Index);
  const QFontMetrics metrics(column.Font);
  const TDropDownItems& items = FZadDropDown->Items();
  int widest = 0;
  for (int i = 0; i < items.Count() && i + 1 < RowCount(); ++i) {
    const TDropDownItem& item = items.Items(i);
    int w = 0;
    const int image = item.ImageIndex;
    if (column.ColumnType == ctImage && image >= 0 && FImages && size_t(image) < FImages->size())
      w += (*FImages)[size_t(image)].width() + 4;
    const QString text = item.Column_Text(Index);
    if (!text.isEmpty()) w += metrics.horizontalAdvance(text) + 6;
    widest = std::max(widest, w);
  }
  column.Width = widest;
  FZadDropDown->Columns().Items(Index).Width = widest;
  SetColWidths(Index, widest);
}

void TZadColGrid::UpdateRowHeights() {
  if (!FZadDropDown || !dynamic_cast<TDropDownForm*>(parentWidget())) return;
  bool wraps = false;
  for (int c = 0; c < FColumns.Count(); ++c) wraps = wraps || FColumns.Items(c).Wordwrap;
  if (!wraps) return;
  const TDropDownItems& items = FZadDropDown->Items();
  for (int r = 1; r < RowCount() && r - 1 < items.Count(); ++r) {
    const TDropDownItem& item = items.Items(r - 1);
    int height = 24;
    for (int c = 0; c < FColumns.Count() && c < ColCount(); ++c) {
      const TDropDownColumn& column = FColumns.Items(c);
      if (!column.Wordwrap) continue;
      const int image = item.ImageIndex;
      if (column.ColumnType == ctImage && image >= 0 && FImages && size_t(image) < FImages->size())
        height = std::max(height, (*FImages)[size_t(image)].height() + 6);
      const QString text = item.Column_Text(c);
      if (text.isEmpty()) continue;
      const QRect bound = QFontMetrics(column.Font)
                              .boundingRect(QRect(0, 0, std::max(ColWidths(c), 1), 1 << 20), Qt::TextWordWrap, text);
      height = std::max(height, bound.height() + 6);
    }
    SetRowHeights(r, height);
  }
}

int TZadColGrid::Scroll_Bar_Room() const {
  const int room = height() - (RowCount() > 0 ? RowHeights(0) : 0);
  int rows = 0;
  for (int r = FixedRows(); r < RowCount() && rows <= room; ++r) rows += RowHeights(r);
  if (rows <= room) return 0;
  return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
}

int TZadColGrid::NeededWidth() const {
  int width = 0;
  for (int c = 0; c < ColCount(); ++c) width += ColWidths(c);
  return width + Scroll_Bar_Room();
}

TRect TZadColGrid::FullCellRect(int ACol, int ARow) const {
  if (PlatformCellRect(ACol, ARow).Is_Empty()) return TRect{};
  return UnclippedCellRect(ACol, ARow);
}

void TZadColGrid::Draw_Cell_Lines(TCanvas& Canvas, const TRect& R, bool Header) const {
  const TGridOptions options = Options();
  int c = 1;
  if (Header) {
    Canvas.Pen.Color = FFixedLineColor;
    Canvas.Pen.Width = 1;
  } else {
    if (FGridLineWidth <= 0) return;
    Canvas.Pen.Color = FLineColor;
    Canvas.Pen.Width = FGridLineWidth;
    c = (FGridLineWidth + 1) / 2;
  }
  Canvas.Pen.Style = TPenStyle::psSolid;
  if (options & (Header ? goFixedHorzLine : goHorzLine)) {
    Canvas.Move_To(R.Left - c + 1, R.Bottom - c);
    Canvas.Line_To(R.Right - c + 1, R.Bottom - c);
  }
  if (options & (Header ? goFixedVertLine : goVertLine)) {
    const int x = R.Right - c + (layoutDirection() == Qt::RightToLeft ? 1 : 0);
    Canvas.Move_To(x, R.Bottom - c);
    Canvas.Line_To(x, R.Top - c);
  }
}

void TZadColGrid::DrawCell(QPainter& Painter, int ACol, int ARow, const TRect& Rect, TGridDrawState State) {
  TCanvas canvas(Painter);
  if (FZadDropDown && FZadDropDown->OnDropDownDrawItem) {
    FZadDropDown->OnDropDownDrawItem(FZadDropDown, ACol, ARow, canvas, Rect);
    return;
  }
  TRect r = Rect;
  // Where the cell sits in the selection bar: 1 first, 2 last, 3 between,
  // 0 for a single column.
  int position = 3;
  if (ColCount() == 1)
    position = 0;
  else if (ACol == 0)
    position = 1;
  else if (ACol == ColCount() - 1)
    position = 2;
  const bool header = ARow == 0;
  QString text;
  TColor color = FZadDropDown ? FZadDropDown->DropDownColor() : clWhite;
  TAlignment alignment = taLeftJustify;
  bool wrap = false, ellipsis = false;
  int image = -1;
  canvas.Font = FHeaderFont;
  canvas.Font_Color = FZadDropDown ? FZadDropDown->HeaderFontColor() : clWindowText;
  if (ACol < FColumns.Count() && !header) {
    const TDropDownColumn& column = FColumns.Items(ACol);
    color = column.Color;
    alignment = column.Alignment;
    wrap = column.Wordwrap;
    ellipsis = column.Ellipsis;
    canvas.Font = column.Font;
    canvas.Font_Color = clWindowText;
    if (FZadDropDown && ARow >= 1 && ARow - 1 < FZadDropDown->Items().Count()) {
      const TDropDownItem& item = FZadDropDown->Items().Items(ARow - 1);
      if (column.ColumnType == ctImage) image = item.ImageIndex;
      if (ACol < item.Text.size()) text = item.Text[ACol];
    }
  }
  if (FZadDropDown && FZadDropDown->OnDropDownGetItemText)
    FZadDropDown->OnDropDownGetItemText(FZadDropDown, ACol, ARow, text);
  const bool selected = !header && (State & gdSelected);
  canvas.Pen.Width = 1;
  if (!header) {
    if (!selected) {
      canvas.Brush.Color = color;
      canvas.Pen.Color = color;
      canvas.Rectangle(r);
    } else if (FZadDropDown) {
      FZadDropDown->DrawSelectionBackground(canvas, r, color, position);
    } else {
      canvas.Brush.Color = clActiveCaption;
      canvas.Pen.Color = clActiveCaption;
      canvas.Rectangle(r);
    }
  } else {
    text = ACol < FColumns.Count() ? FColumns.Items(ACol).Header : QString();
    image = -1;
    if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
      if (FHeaderColor != clNone) {
        canvas.Brush.Color = FHeaderColor;
        canvas.Pen.Color = FHeaderColor;
        canvas.Rectangle(r);
      }
    } else if (FZadDropDown) {
      FZadDropDown->DrawGradient(canvas, FHeaderColor, FHeaderColorTo, 80, r, gdVertical);
    } else {
      Draw_Gradient_Bands(canvas, FHeaderColor, FHeaderColorTo, false, r, 80);
    }
  }
  Draw_Cell_Lines(canvas, r, header);
  r = TRect{r.Left + FGridLineWidth, r.Top + FGridLineWidth, r.Right - FGridLineWidth, r.Bottom - FGridLineWidth};
  int x = r.Left + 2;
  if (FImages && image >= 0 && size_t(image) < FImages->size()) {
    const QImage& picture = (*FImages)[size_t(image)];
    int y = r.Top;
    if (picture.height() < r.Height()) y += (r.Height() - picture.height()) / 2;
    Painter.drawImage(x, y, picture);
    x += picture.width() + 4;
  }
  if (text.isEmpty()) return;
  unsigned flags = wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
  if (alignment == taRightJustify) flags |= DT_RIGHT;
  if (alignment == taCenter) flags |= DT_CENTER;
  if (ellipsis) flags |= DT_END_ELLIPSIS;
  flags |= DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
  if (selected) canvas.Font_Color = FZadDropDown ? FZadDropDown->SelectionTextColor() : clHighlightText;
  canvas.Brush.Style = TBrushStyle::bsClear;
  TRect text_rect{x, r.Top, r.Right, r.Bottom};
  canvas.Draw_Text(text, text_rect, flags);
}

void TZadColGrid::DoSelect() {
  if (OnSelect) OnSelect();
}

bool TZadColGrid::SelectCell(int c, int r) {
  if (!Platform_Grid::SelectCell(c, r)) return false;
  if (r != Row() && r >= FixedRows() && OnSelectCell) OnSelectCell(r);
  return true;
}

bool TZadColGrid::HandleKeyDown(int Key, Qt::KeyboardModifiers Shift) {
  FConfirmSelection = true;
  if ((Key == Qt::Key_Up || Key == Qt::Key_Down) && (Shift & Qt::AltModifier)) {
    // Toggles the popup through the edit.
    if (FZadDropDown) {
      QKeyEvent copy(QEvent::KeyPress, Key, Shift);
      QCoreApplication::sendEvent(FZadDropDown, &copy);
    }
    return true;
  }
  bool used = false;
  // Home and End go to the first and last item.
  if ((Key == Qt::Key_Home || Key == Qt::Key_End) && RowCount() > FixedRows()) {
    FocusCell(Col(), Key == Qt::Key_Home ? FixedRows() : RowCount() - 1);
    used = true;
  } else {
    used = Platform_Grid::HandleKeyDown(Key, Shift);
  }
  if (OnKeyDown) OnKeyDown(Key, Shift);
  if (Key == Qt::Key_Return || Key == Qt::Key_Enter) DoSelect();
  return used;
}

void TZadColGrid::keyPressEvent(QKeyEvent* Event) {
  // Tab is no key of the list.
  if (Event->key() == Qt::Key_Tab || Event->key() == Qt::Key_Backtab) {
    Event->accept();
    return;
  }
  Platform_Grid::keyPressEvent(Event);
  // Every key was the list's: none goes on to the popup, which would hand
  // it to the edit a second time.
  Event->accept();
}

bool TZadColGrid::event(QEvent* Event) {
  if (Takes_Shortcut(Event)) return true;
  return Platform_Grid::event(Event);
}

void TZadColGrid::HandleMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  const bool sizing = GridState() == gsColSizing;
  Platform_Grid::HandleMouseUp(Button, Shift, X, Y);
  if (sizing || Button != Qt::LeftButton) return;
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.Y >= FixedRows()) DoSelect();
}

void Draw_Gradient_Bands(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R,
                         int Steps) {
  Draw_Gradient_Steps(Canvas, FromColor, ToColor, Steps, R, Horizontal);
}

}  // namespace multi_column
