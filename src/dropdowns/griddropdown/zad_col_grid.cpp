#include "dropdowns/griddropdown/zad_col_grid.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "dropdowns/griddropdown/zad_grid_drop_down.h"

namespace grid_drop_down {

namespace {

constexpr int Minimum_Row_Height = 24;

}  // namespace

using drop_down_list::Is_Enter_Key;

TZadColGrid::TZadColGrid(QWidget* AOwner) : List_Grid(AOwner) {
  SetFixedRowAlways(true);
  SetFixedRows(1);
  SetFixedCols(0);
  SetOptions((Options() & ~goRangeSelect) | goHorzLine | goRowSelect);
  SetBorderStyle(bsNone);
  FGridLineWidth = 1;
  FOldRow = Row();
}

TZadColGrid::~TZadColGrid() = default;

void TZadColGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = Value;
  TZadIrururOziz::SetGridLineWidth(0);
  update();
}

int TZadColGrid::Row_Item(int ARow) { return int(qintptr(AllObjects(0, ARow))); }

void TZadColGrid::ApplyDropDownSettings(TCustomZadGridDropDown* D) {
  if (!D) return;
  SetDropDown(D);
  FColumns.Assign(D->Columns());
  const int columns = FColumns.Count();
  if (ColCount() < columns) SetColCount(columns);
  if (D->UseItems()) SetRowCount(D->Items().Count() + 1);
  for (int i = 0; i < columns && i < ColCount(); ++i) SetColWidths(i, FColumns.Items(i).Width);
  Take_Drop_Down_Look(*D);
  SetHoverRow(D->HoverRow());
  SetHoverRowColor(D->HoverRowColor());
  SetHoverRowColorTo(D->HoverRowColorTo());
  if (RowCount() > 0) SetRowHeights(0, D->HeaderHeight());
  TGridOptions options = Options();
  const auto follow = [&options](bool Flag, TGridOptions Option) {
    options = Flag ? (options | Option) : (options & ~Option);
  };
  follow(D->ColumnSizing(), goColSizing);
  follow(D->ColumnMoving(), goColMoving);
  follow(D->RowSizing(), goRowSizing);
  follow(D->RowMoving(), goRowMoving);
  SetOptions(options);
  if (D->AutoSizeColumns()) {
    if (D->UseItems())
      AutoSizeDropDownColumns();
    else
      TZadIrururOziz::AutoSizeColumns(true, 4);
  }
  UpdateRowHeights();
}

void TZadColGrid::FillGridFromItems() {
  if (!FZadDropDown) return;
  const TDropDownColumns& columns = FZadDropDown->Columns();
  const TDropDownItems& items = FZadDropDown->Items();
  if (ColCount() != columns.Count() && columns.Count() > 0) SetColCount(columns.Count());
  for (int i = 0; i < columns.Count(); ++i) {
    SetCellEx(i, 0, columns.Items(i).Header);
    SetAllObjects(i, 0, quintptr(qintptr(-1)));
  }
  if (items.Count() == 0) return;
  SetRowCount(FixedRows() + items.Count());
  for (int r = 0; r < items.Count(); ++r) {
    const TDropDownItem& item = items.Items(r);
    for (int i = 0; i < ColCount(); ++i) SetCellEx(i, r + 1, item.Column_Text(i));
    SetAllObjects(0, r + 1, quintptr(qintptr(r)));
  }
}

void TZadColGrid::AutoSizeColumn(int Index) {
  if (!FZadDropDown || Index < 0 || Index >= FColumns.Count() || !FColumns.Items(Index).AutoSize) return;
  TDropDownColumn& column = FColumns.Items(Index);
  const QFontMetrics metrics(column.Font);
  const TDropDownItems& items = FZadDropDown->Items();
  int widest = 0;
  for (int r = 1; r < RowCount(); ++r) {
    const int index = r - 1;
    if (index >= items.Count()) break;
    const TDropDownItem& item = items.Items(index);
    int width = 0;
    if (column.ColumnType == ctImage && FImages && !FImages->empty() && item.ImageIndex >= 0)
      width = FImages->front().width() + 4;
    const QString text = item.Column_Text(Index);
    if (!text.isEmpty()) width += metrics.boundingRect(QRect(0, 0, 1000, 500), Qt::TextSingleLine, text).width() + 6;
    widest = std::max(widest, width);
  }
  column.Width = widest;
  SetColWidths(Index, widest);
}

void TZadColGrid::UpdateRowHeights() {
  if (!FZadDropDown) return;
  bool wraps = false;
  for (int c = 0; c < FColumns.Count(); ++c) wraps = wraps || FColumns.Items(c).Wordwrap;
  if (!wraps) return;
  const TDropDownItems& items = FZadDropDown->Items();
  for (int r = FixedRows(); r < RowCount(); ++r) {
    // The row's own item: a sorted grid shows the items in another order.
    const int index = Row_Item(r);
    const TDropDownItem* item = FZadDropDown->UseItems() && index >= 0 && index < items.Count() ? &items.Items(index)
                                                                                               : nullptr;
    int height = Minimum_Row_Height;
    for (int c = 0; c < ColCount() && c < FColumns.Count(); ++c) {
      const TDropDownColumn& column = FColumns.Items(c);
      if (!column.Wordwrap) continue;
      const QString text = item ? item->Column_Text(c) : GetCellEx(c, r);
      const int image = item && column.ColumnType == ctImage ? item->ImageIndex : -1;
      int cell = image >= 0 && FImages && !FImages->empty() ? FImages->front().height() + 6 : 0;
      if (!text.isEmpty()) {
        const QFontMetrics metrics(column.Font);
        const QRect bound =
            metrics.boundingRect(QRect(0, 0, std::max(ColWidths(c), 1), 500), Qt::TextWordWrap, text);
        cell = std::max(cell, bound.height() + 6);
      }
      height = std::max(height, cell);
    }
    SetRowHeights(r, height);
  }
}

int TZadColGrid::NeededWidth() const {
  int width = 2 * frameWidth();
  for (int c = 0; c < ColCount(); ++c) width += ColWidths(c);
  if (VisibleRowCount() + FixedRows() != RowCount()) width += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return width;
}

void TZadColGrid::DoSelect() {
  if (OnSelect) OnSelect(this);
}

bool TZadColGrid::SelectCell(int c, int r) {
  const bool allowed = TZadIrururOziz::SelectCell(c, r);
  if (allowed && OnCellSelected) OnCellSelected(c, r);
  return allowed;
}

void TZadColGrid::TopLeftChanged() {
  TZadIrururOziz::TopLeftChanged();
  if (OnTopLeft) OnTopLeft(this);
}

void TZadColGrid::mouseMoveEvent(QMouseEvent* Event) {
  TZadIrururOziz::mouseMoveEvent(Event);
  if (OnMouseMoved) {
    const QPoint at = Event->position().toPoint();
    OnMouseMoved(this, Event->modifiers(), at.x(), at.y());
  }
}

void TZadColGrid::HandleColumnMoved(int FromIndex, int ToIndex) {
  TZadIrururOziz::HandleColumnMoved(FromIndex, ToIndex);
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

bool TZadColGrid::event(QEvent* Event) {
  if (Takes_Shortcut(Event)) return true;
  // Tab never reaches the grid (no focus move either).
  if (Event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(Event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      Event->accept();
      return true;
    }
  }
  return TZadIrururOziz::event(Event);
}

void TZadColGrid::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const Qt::KeyboardModifiers shift = Event->modifiers();
  FConfirmSelection = true;
  if ((key == Qt::Key_Up || key == Qt::Key_Down) && (shift & Qt::AltModifier)) {
    // The edit closes the popup.
    if (FZadDropDown) {
      QKeyEvent copy(QEvent::KeyPress, key, shift);
      QApplication::sendEvent(FZadDropDown, &copy);
    }
    Event->accept();
    return;
  }
  if (Is_Enter_Key(key) && !EditMode()) {
    Event->accept();
    DoSelect();
    return;
  }
  TZadIrururOziz::keyPressEvent(Event);
  // Every key was the grid's: none goes on to the popup, which would hand
  // it to the edit a second time.
  Event->accept();
}

void TZadColGrid::wheelEvent(QWheelEvent* Event) {
  FMouseWheelSelection = true;
  FConfirmSelection = false;
  TZadIrururOziz::wheelEvent(Event);
  FMouseWheelSelection = false;
}

void TZadColGrid::HandleMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  TZadIrururOziz::HandleMouseUp(Button, Shift, X, Y);
  if (Button != Qt::LeftButton) return;
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  if (col < 0 || row < FixedRows() || row >= RowCount()) return;
  if (HasCheckBox(col, row)) return;
  DoSelect();
}

}  // namespace grid_drop_down
