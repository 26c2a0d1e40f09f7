// What a click does to the controls drawn inside cells (TZadIrururOziz):
// where a cell's button and expand toggle lie, which item of a radio group
// a press chooses, and the events these controls report.
#include <QFontMetrics>
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/draw/progress_paint.h"

void TZadIrururOziz::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  const TGridCoord cell = MouseCoord(X, Y);
  ACol = cell.X;
  ARow = cell.Y;
}

TRect TZadIrururOziz::GetButtonRect(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return TRect{};
  const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!graphic || (graphic->CellType != ctButton && graphic->CellType != ctBitButton)) return TRect{};
  const TRect cell = CellRect(ACol, ARow);
  // The painter packs the offset it drew the button at: top in the high word.
  const int packed = int(graphic->CellValue);
  const int bw = graphic->CellIndex & 0xFFFF, bh = (uint32_t(graphic->CellIndex) >> 16) & 0xFFFF;
  TRect r{cell.Left + (packed & 0xFFFF), cell.Top + ((packed >> 16) & 0xFFFF), 0, 0};
  r.Right = r.Left + bw;
  r.Bottom = r.Top + bh;
  if (graphic->CellHAlign == haFull) {
    r.Left = cell.Left;
    r.Right = cell.Right;
  }
  if (graphic->CellVAlign == vaFull) {
    r.Top = cell.Top;
    r.Bottom = cell.Bottom;
  }
  return r;
}

TRect TZadIrururOziz::GetExpandButtonRect(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return TRect{};
  const QPoint base = BaseCell(RealColIndex(ACol), ARow);
  if (GetCellType(base.x(), base.y()) != ctExpand) return TRect{};
  const TRect cell = CellRect(ACol, ARow);
  return TRect{cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
}

bool TZadIrururOziz::ToggleExpand(int ACol, int ARow) {
  const QPoint base = BaseCell(RealColIndex(ACol), ARow);
  TCellGraphic* graphic = GetCellGraphic(base.x(), base.y());
  if (!graphic) return false;
  const bool expanded = !graphic->CellVar.toBool();
  graphic->CellVar = expanded;
  return expanded;
}

void TZadIrururOziz::DoExpandClick(int ACol, int ARow, bool Expanded) {
  if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
  const QPoint base = BaseCell(RealColIndex(ACol), ARow);
  if (const TCellGraphic* graphic = GetCellGraphic(base.x(), base.y()); graphic && graphic->CellType == ctExpand)
    SetRowHeights(ARow, Expanded ? graphic->CellAngle : graphic->CellIndex);
}

void TZadIrururOziz::DoRatingChange(int ACol, int ARow, double& Value, bool& Allow) {
  if (OnRatingChange) OnRatingChange(this, ACol, ARow, Value, Allow);
}

void TZadIrururOziz::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
  if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) RepaintRect(Selection());
  FSelChange = true;
  // The key-up reports only a selection not reported yet.
  FMoveSelection = TGridRect{ALeft, ATop, ARight, ABottom};
  if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TZadIrururOziz::ClickRadioGroup(int ACol, int ARow, int X, int Y) {
  if (ACol >= FixedCols() && ARow >= FixedRows()) FocusCell(ACol, ARow);
  const QPoint base = BaseCell(RealColIndex(ACol), ARow);
  TCellGraphic* graphic = GetCellGraphic(base.x(), base.y());
  if (!graphic || graphic->CellType != ctRadio || !graphic->CellBitmap) return;
  const QStringList items = *static_cast<const QStringList*>(graphic->CellBitmap);
  QFont font = GridFont();
  TCanvas::Brush_State brush;
  TColor font_color = FontColor();
  DoGetCellColor(base.x(), base.y(), 0, brush, font, font_color);
  const QFontMetrics metrics(font);
  const int glyph = FControlLook.ControlStyle() >= csWinXP ? 16 : FControlLook.RadioSize();
  const bool horizontal = graphic->CellBoolean;
  const int offset = horizontal ? X : Y;
  int start = 0, chosen = -1;
  for (int i = 0; i < items.size(); ++i) {
    const int length = horizontal ? metrics.horizontalAdvance(items[i]) + glyph
                                  : std::max(glyph, metrics.boundingRect(QStringLiteral("gh")).height());
    // A press exactly on the line between two items chooses neither.
    if (start < offset && offset < start + length) {
      chosen = i;
      break;
    }
    start += length;
  }
  if (chosen < 0) return;
  if (graphic->CellIndex >= -1)
    graphic->CellIndex = chosen;
  else
    SetCellEx(base.x(), base.y(), items[chosen]);
  SetCellEx(base.x(), base.y(), GetCellEx(base.x(), base.y()));
  SetRadioIdx(base.x(), base.y(), chosen);
  if (OnRadioClick) OnRadioClick(this, ACol, ARow, chosen);
}

bool TZadIrururOziz::Mouse_Editing_Option() const { return Options() & goEditing; }

void TZadIrururOziz::Fire_Mouse_Down(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& pos) {
  if (OnMouseDown) OnMouseDown(this, button, shift, pos.x(), pos.y());
}

// A rating takes half a mark per full 9 pixels from the cell's left edge.
bool TZadIrururOziz::Press_Cell_Object(int ACol, int ARow, const QPoint& pos) {
  const int real = RealColIndex(ACol);
  TCellGraphic* graphic = GetCellGraphic(real, ARow);
  if (!graphic) return false;
  const TRect cell = CellRect(ACol, ARow);
  switch (graphic->CellType) {
    case ctRating: {
      if (!IsEditable(ACol, ARow)) return false;
      HideInplaceEdit();
      double value = ((pos.x() - cell.Left) / 9) / 2.0;
      // A press left of the first mark or past the last never stores a rating
      // outside the scale.
      value = std::clamp(value, 0.0, double(std::max(0, graphic->CellAngle)));
      bool allow = true;
      DoRatingChange(ACol, ARow, value, allow);
      if (allow) {
        QString format;
        GetCellFloatFormat(real, ARow, format);
        SetCellEx(real, ARow, Format_Progress_Value(format.isEmpty() ? QStringLiteral("%g") : format, value, false));
        RepaintCell(ACol, ARow);
      }
      return true;
    }
    case ctButton:
    case ctBitButton:
    case ctExpand: {
      HideInplaceEdit();
      const bool expand = graphic->CellType == ctExpand;
      const TRect r = expand ? GetExpandButtonRect(ACol, ARow) : GetButtonRect(ACol, ARow);
      if (!r.Contains(pos.x(), pos.y())) return false;
      PushButton(ACol, ARow, true);
      FPushedCellButton = QPoint(ACol, ARow);
      FPushedIsExpand = expand;
      if (OnClickCell) OnClickCell(this, ARow, ACol);
      return true;
    }
    default:
      return false;
  }
}

void TZadIrururOziz::Release_Cell_Button(const QPoint& pos) {
  if (FPushedCellButton.x() < 0) return;
  const QPoint held = FPushedCellButton;
  FPushedCellButton = QPoint(-1, -1);
  int c = -1, r = -1;
  MouseToCell(pos.x(), pos.y(), c, r);
  const bool held_fixed = held.x() < FixedCols() || held.y() < FixedRows();
  bool enabled;
  if (c < 0 || r < 0)
    enabled = Mouse_Editing_Option();
  else
    enabled = IsEditable(c, r) && !(c < FixedCols() || r < FixedRows());
  enabled = enabled || FControlLook.NoDisabledButtonLook() || held_fixed;
  if (!enabled) {
    PushButton(held.x(), held.y(), false);
    return;
  }
  PushButton(held.x(), held.y(), false);
  bool inside = held_fixed && held.y() < FixedRows();
  if (c >= 0 && r >= 0) {
    const QPoint base = BaseCell(RealColIndex(c), r);
    const int bc = DisplColIndex(base.x());
    const TRect rect = FPushedIsExpand ? GetExpandButtonRect(bc, base.y()) : GetButtonRect(bc, base.y());
    inside = inside || rect.Contains(pos.x(), pos.y());
  }
  if (!inside) return;
  if (FPushedIsExpand) {
    DoExpandClick(held.x(), held.y(), ToggleExpand(held.x(), held.y()));
  } else if (OnButtonClick) {
    OnButtonClick(this, held.x(), held.y());
  }
}
