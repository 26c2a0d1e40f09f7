// The mouse moving over the grid: hover feedback (hover row, fixed cells,
// the list-view hot cell, cell buttons), dragging selections over the fixed
// cells, sizing fixed columns and rows with a dotted line, the selection
// resizer's square, the start of a drag out of the grid, enhanced row and
// column moves with their picture and arrows, the selection modes of the
// next press, the sizing events and the size hint; and the mouse leaving.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "grid/columns/html_hint_window.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/dragdrop/grid_drop_source.h"
#include "grid/dragdrop/drop_source.h"
#include "grid/input/header_drag_button.h"

namespace {

// The dotted line that shows where a sized fixed column or row will end.
class Sizing_Line : public QWidget {
 public:
  explicit Sizing_Line(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    if (width() == 1)
      painter.drawLine(0, 0, 0, height());
    else
      painter.drawLine(0, 0, width(), 0);
  }
};

TGridRect Normalised(TGridRect r) {
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  return r;
}

bool Same_Rect(const TGridRect& a, const TGridRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

// A cell's text as rich text: the cell's own when it holds some, else the
// plain text with the rich-text specials escaped.
QString As_Rich_Text(const QString& text) {
  if (text.startsWith(QLatin1String("{\\rtf"))) return text;
  QString out = QStringLiteral("{\\rtf1\\ansi ");
  for (QChar ch : text) {
    if (ch == '\\' || ch == '{' || ch == '}')
      out += '\\' + QString(ch);
    else if (ch == '\n')
      out += QStringLiteral("\\par ");
    else if (ch == '\r')
      continue;
    else if (ch.unicode() > 127)
      out += QStringLiteral("\\u%1?").arg(int(int16_t(ch.unicode())));
    else
      out += ch;
  }
  return out + '}';
}

}  // namespace

std::unique_ptr<TZSGDropSource> TZadIrururOziz::CreateDragSource() { return std::make_unique<TGridDropSource>(this); }

bool TZadIrururOziz::Left_Button_Down() const {
  return (QGuiApplication::mouseButtons() | FMoveButtons) & Qt::LeftButton;
}

// ---- the movement

void TZadIrururOziz::mouseMoveEvent(QMouseEvent* event) {
  FMoveButtons = event->buttons();
  const QPoint pos = event->position().toPoint();
  HandleMouseMove(event->modifiers(), pos.x(), pos.y());
}

void TZadIrururOziz::HandleMouseMove(Qt::KeyboardModifiers Shift, int X, int Y) {
  const QPoint pos(X, Y);
  const bool left_down = Left_Button_Down();
  if (left_down && FMouseActions->RangeSelectAndEdit() && (Options() & goEditing) && !EditMode())
    SetOptions(Options() & ~goEditing);
  const TGridRect old_selection = Selection();
  if (GridState() == gsSelecting && SelectionRectangle()) FSizeSelection = Selection();

  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool valid = ACol >= 0 && ARow >= 0;
  bool cursor_handled = false;
  if (valid && !IsDesigning()) Hover_Cells(ACol, ARow, pos);

  // Selecting whole rows (columns) by dragging over the fixed column (row).
  FRowScrolledUp = false;
  if (FMouseSelectStart >= 0 && valid && left_down) {
    if (FMouseActions->RowSelect() && FMouseSelectMode == msRow && ARow < RowCount() - FFixedFooters) {
      const int to = std::max(FixedRows(), ARow);
      SetSelection(
          TGridRect{FixedCols(), std::min(FMouseSelectStart, to), ColCount() - 1, std::max(FMouseSelectStart, to)});
      if (Y > viewport()->height() - 4 && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
      if (FixedRows() > 0 && Y < RowHeights(0) && TopRow() > FixedRows()) {
        SetTopRow(TopRow() - 1);
        FRowScrolledUp = true;
      }
    }
    if (FMouseActions->ColSelect() && FMouseSelectMode == msColumn) {
      const int to = std::max(FixedCols(), ACol);
      SetSelection(
          TGridRect{std::min(FMouseSelectStart, to), FixedRows(), std::max(FMouseSelectStart, to), RowCount() - 1});
    }
  }

  // Fixed column and row borders.
  if (!IsDesigning()) {
    FSizeFixed = FSizeFixedR = false;
    if (valid) Fixed_Border_Hot(pos, ACol, ARow);
    if (FSizingFixed) {
      FSizeFixedX = X;
      Draw_Sizing_Line(true, X);
    }
    if (FSizingFixedR) {
      FSizeFixedY = Y;
      Draw_Sizing_Line(false, Y);
    }
  }

  // The selection resizer's square.
  FOnResizer = false;
  if (SelectionResizer() && SelectionRectangle()) {
    const TGridRect sel = Normalised(Selection());
    const TRect r = CellRect(sel.Right, sel.Bottom);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const int corner_x = rtl ? r.Left : r.Right;
    FOnResizer = !r.Is_Empty() && std::abs(X - corner_x) <= 3 && std::abs(Y - r.Bottom) <= 3;
  }

  if (valid && FSelectionClick && Ole_Drag_Start(ACol, ARow, pos)) return;

  // What the platform does on its own: sizing and moving.
  if (!IsDesigning()) {
    if ((GridState() == gsColMoving || GridState() == gsRowMoving) && !FMoveAnnounced) {
      FMoveAnnounced = true;
      bool allow = true;
      if (GridState() == gsColMoving && OnColumnMove) OnColumnMove(this, Movecell, allow);
      if (GridState() == gsRowMoving && OnRowMove) OnRowMove(this, Movecell, allow);
      if (!allow) SetGridState(gsNormal);
    }
  }
  const bool away = std::abs(X - Clickposx) > 2 || std::abs(Y - Clickposy) > 2;
  if (FEnhRowColMove && (GridState() == gsColMoving || GridState() == gsRowMoving) && RowCount() > 1 && away &&
      !FSizingFixed && !FSizingFixedR)
    Enhanced_Move(pos, ACol, ARow);

  // What the next press selects.
  FMouseSelectMode = msNormal;
  if (valid) {
    if (FOnResizer) {
      FMouseSelectMode = msResize;
    } else if (ACol < FixedCols() && ARow < FixedRows()) {
      if (FMouseActions->AllSelect()) FMouseSelectMode = msAll;
    } else if (ARow < FixedRows() && FMouseActions->ColSelect() && !SizingBorderAt(X, Y)) {
      FMouseSelectMode = msColumn;
    } else if (ACol < FixedCols() && FMouseActions->RowSelect() && !SizingBorderAt(X, Y)) {
      const bool footer = FloatingFooter().Visible() && FloatingFooter().FooterStyle() == fsFixedLastRow;
      const int last = footer ? RowCount() - 2 : RowCount() - 1;
      if ((ARow <= last && ARow >= FixedRows()) || FRowScrolledUp) FMouseSelectMode = msRow;
    }
    cursor_handled = FMouseSelectMode != msNormal;
  }
  if (cursor_handled) Invokedchange = true;

  // A hint of another cell goes.
  if (valid) {
    const QPoint base = BaseCell(RealColIndex(ACol), ARow);
    if (base.x() != FLastHintPos.X || base.y() != FLastHintPos.Y) {
      if (FLastHintPos.X >= 0) QToolTip::hideText();
      FLastHintPos = TGridCoord{-1, -1};
    }
    if (FBalloon.Enable() && (base.x() != FLastBalloonPos.X || base.y() != FLastBalloonPos.Y))
      FLastBalloonPos = TGridCoord{-1, -1};
  }

  if (GridState() == gsSelecting && SelectionRectangle() && !Same_Rect(Selection(), FMoveSelection)) {
    InvalidateGridRect(Normalised(FMoveSelection));
    InvalidateGridRect(Normalised(Selection()));
    FMoveSelection = Selection();
  }

  // The platform's own handling: range selection, sizing, moving.
  {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), viewport()->mapToGlobal(QPointF(pos)), Qt::NoButton, FMoveButtons,
                     Shift);
    TBaseGrid::mouseMoveEvent(&move);
  }
  if (FNavigation->KeepHorizScroll() && left_down && GridState() != gsColMoving && LeftCol() != FOldKeepLeftCol &&
      FOldKeepLeftCol >= FixedCols())
    SetLeftCol(FOldKeepLeftCol);

  // Sizing events and the size hint.
  const bool col_sizing = GridState() == gsColSizing || FSizingFixed;
  const bool row_sizing = GridState() == gsRowSizing || FSizingFixedR;
  if (col_sizing && OnColumnSizing) {
    if (FSizingFixed)
      OnColumnSizing(this, 0, FSizeFixedX);
    else
      OnColumnSizing(this, Colclicked, Colclickedsize + X - Clickposx);
  }
  if (row_sizing && OnRowSizing) {
    if (FSizingFixedR)
      OnRowSizing(this, 0, FSizeFixedY);
    else
      OnRowSizing(this, Rowclicked, Rowclickedsize + Y - Clickposy);
  }
  if ((IsDesigning() || FHintShowSizing) && (col_sizing || row_sizing)) Show_Size_Hint();

  if (GridState() == gsNormal) Html_Hover(pos);
  if (FEnhRowColMove && (GridState() == gsColMoving || GridState() == gsRowMoving)) viewport()->update();

  if (!Same_Rect(Selection(), old_selection)) {
    const TGridRect sel = Normalised(Selection());
    DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
  }
}

// Hover row, cell scroll bar, hovered fixed cells, the hot cell of the
// list-view look and hovered cell buttons.
void TZadIrururOziz::Hover_Cells(int ACol, int ARow, const QPoint& pos) {
  if (HoverRow() && HoverRowIdx() != ARow) {
    const int old = HoverRowIdx();
    SetHoverRowIdx(ARow);
    for (int c = 0; c < ColCount(); ++c) {
      if (old >= 0 && old < RowCount()) RepaintCell(c, old);
      RepaintCell(c, ARow);
    }
  }
  Cell_Scroll_Bar_Hover(ACol, ARow);
  const bool in_fixed = ACol <= FixedCols() || ARow <= FixedRows();
  if (FPaintLook.HoverFixedCells != hfNone && !FNoMouseLeave && (ACol != FHoverFixedX || ARow != FHoverFixedY)) {
    const int old_x = FHoverFixedX, old_y = FHoverFixedY;
    FHoverFixedX = ACol;
    FHoverFixedY = ARow;
    if (old_x >= 0 && old_y >= 0 && (old_x <= FixedCols() || old_y <= FixedRows())) RepaintCell(old_x, old_y);
    if (in_fixed) RepaintCell(ACol, ARow);
  }
  if (Look() == glListView && (ACol != FHotFixedCell.x() || ARow != FHotFixedCell.y())) {
    const QPoint old = FHotFixedCell;
    FHotFixedCell = QPoint(ACol, ARow);
    if (old.x() >= 0 && old.y() >= 0 && (old.x() < FixedCols() || old.y() < FixedRows())) RepaintCell(old.x(), old.y());
    if (ACol < FixedCols() || ARow < FixedRows()) RepaintCell(ACol, ARow);
  }
  const QPoint base = BaseCell(RealColIndex(ACol), ARow);
  const int bc = DisplColIndex(base.x()), br = base.y();
  const bool on_button =
      GetButtonRect(bc, br).Contains(pos.x(), pos.y()) || GetExpandButtonRect(bc, br).Contains(pos.x(), pos.y());
  const QPoint hover = on_button ? QPoint(bc, br) : QPoint(-1, -1);
  if (hover != FHoverButton) {
    const QPoint old = FHoverButton;
    FHoverButton = hover;
    if (old.x() >= 0) RepaintCell(old.x(), old.y());
    if (hover.x() >= 0) RepaintCell(hover.x(), hover.y());
  }
}

// The mouse within 2 pixels of a fixed column's right border (a fixed
// row's bottom border) may size that column (row).
bool TZadIrururOziz::Fixed_Border_Hot(const QPoint& pos, int ACol, int ARow) {
  (void)ACol, (void)ARow;
  auto hot = [](int at, int count, const std::function<int(int)>& far_edge, int& index) {
    for (int i = 0; i < count; ++i) {
      if (std::abs(at - far_edge(i)) < 3) {
        index = i;
        return true;
      }
    }
    return false;
  };
  int index = -1;
  if (FixedCols() > 0 && FMouseActions->SizeFixedCol() &&
      hot(
          pos.x(), FixedCols(), [this](int i) { return UnclippedCellRect(i, 0).Right; }, index)) {
    FSizeFixed = true;
    if (!FSizingFixed && !FSizingFixedR) FSizeFixedIndex = index;
  }
  if (FixedRows() > 0 && FMouseActions->SizeFixedRow() &&
      hot(
          pos.y(), FixedRows(), [this](int i) { return UnclippedCellRect(0, i).Bottom; }, index)) {
    FSizeFixedR = true;
    if (!FSizingFixed && !FSizingFixedR) FSizeFixedIndex = index;
  }
  if (FSizeFixed || FSizeFixedR) {
    Invokedchange = true;
    viewport()->setCursor(FSizeFixed ? Qt::SplitHCursor : Qt::SplitVCursor);
  }
  return FSizeFixed || FSizeFixedR;
}

void TZadIrururOziz::Draw_Sizing_Line(bool vertical, int at) {
  if (!FSizingLine) FSizingLine = new Sizing_Line(viewport());
  int extent = vertical ? viewport()->height() : viewport()->width();
  if (vertical) {
    int bottom = 0;
    for (int r = 0; r < RowCount() && bottom < extent; ++r) bottom += RowHeights(r);
    extent = std::max(extent, bottom);
    FSizingLine->setGeometry(at, 0, 1, extent);
  } else {
    FSizingLine->setGeometry(0, at, extent, 1);
  }
  FSizingLine->show();
  FSizingLine->raise();
}

bool TZadIrururOziz::Press_Fixed_Sizing(const QPoint& pos) {
  if (!FSizeFixed && !FSizeFixedR) return false;
  FSizingFixed = FSizeFixed;
  FSizingFixedR = !FSizeFixed && FSizeFixedR;
  FSizeFixedX = pos.x();
  FSizeFixedY = pos.y();
  Draw_Sizing_Line(FSizingFixed, FSizingFixed ? pos.x() : pos.y());
  return true;
}

void TZadIrururOziz::Show_Size_Hint() {
  int value = 0, c = 0, r = 0;
  if (FSizingFixed || FSizingFixedR) {
    value = FSizingFixed ? FSizeFixedX : FSizeFixedY;
  } else if (GridState() == gsColSizing) {
    c = SizingIndex() >= 0 ? SizingIndex() : ColCount() - 1;
    value = ColWidths(c);
  } else {
    r = SizingIndex() >= 0 ? SizingIndex() : RowCount() - 1;
    value = RowHeights(r);
  }
  const bool columns = FSizingFixed || GridState() == gsColSizing;
  FSizeHintText = (columns ? QStringLiteral("cw=<b>") : QStringLiteral("rh=<b>")) + QString::number(value) + "</b>";
  THTMLHintWindow* window = HTMLHintWindow();
  window->SetColor(FHintColor);
  const TRect cell = UnclippedCellRect(c, r);
  const QPoint at = viewport()->mapToGlobal(QPoint(cell.Left, cell.Top));
  TRect rect = window->CalcHintRect(200, FSizeHintText);
  rect = rect.Offset(at.x(), at.y());
  window->ActivateHintData(rect, FSizeHintText, this);
  FScrollHintShow = true;
}

// ---- enhanced moves

void TZadIrururOziz::Enhanced_Move(const QPoint& pos, int ACol, int ARow) {
  if (OnStartBlockFocus) OnStartBlockFocus(this);
  bool allow = true;
  const bool columns = GridState() == gsColMoving;
  THeaderDragButton* button = MoveButton();
  if (columns && Movecell >= FixedCols()) {
    const int real = RealColIndex(Movecell);
    if (FDragDropSettings.ShowCells() && !MoveForm)
      MoveForm =
          SelectionToForm(TGridRect{Movecell, 0, Movecell, std::min(RowCount() - 1, TopRow() + VisibleRowCount())});
    button->SetCaption(GetFormattedCell(real, 0));
    button->resize(ColWidths(Movecell), RowHeights(0));
  } else if (!columns && Movecell >= FixedRows()) {
    if (FDragDropSettings.ShowCells() && !MoveForm)
      MoveForm =
          SelectionToForm(TGridRect{0, Movecell, std::min(ColCount() - 1, LeftCol() + VisibleColCount()), Movecell});
    button->SetCaption(GetFormattedCell(0, Movecell));
    button->resize(ACol >= 0 ? ColWidths(ACol) : ColWidths(0), RowHeights(Movecell));
  }
  const QPoint at = viewport()->mapToGlobal(QPoint(pos.x() - MoveOfsX, pos.y() - MoveOfsY));
  if (MoveForm) {
    MoveForm->move(at);
    MoveForm->show();
    MoveForm->raise();
  } else {
    button->move(at);
  }

  if (columns) {
    TArrowWindow* down = ArrowWindow(arrDown);
    TArrowWindow* up = ArrowWindow(arrUp);
    if (ACol >= FixedCols()) {
      const TRect cell = CellRect(ACol, 0);
      const int edge = (ACol < Movecell ? cell.Left : cell.Right) - 5;
      const QPoint top = viewport()->mapToGlobal(QPoint(edge, cell.Top - 8 - down->height()));
      const QPoint below = viewport()->mapToGlobal(QPoint(edge, cell.Bottom + 2));
      down->move(top);
      up->move(below);
      const bool shown = !cell.Is_Empty();
      down->setVisible(shown);
      up->setVisible(shown);
    } else {
      down->hide();
      up->hide();
    }
    FMoveColInd = ACol;
    if (OnColumnMoving) OnColumnMoving(this, ACol, allow);
    if (pos.x() < FixedWidth() && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if (pos.x() > viewport()->width() && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
  } else {
    TArrowWindow* left = ArrowWindow(arrLeft);
    TArrowWindow* right = ArrowWindow(arrRight);
    const bool footer_row =
        FloatingFooter().Visible() && FloatingFooter().FooterStyle() == fsFixedLastRow && ARow == RowCount() - 1;
    if (ARow >= FixedRows() && !footer_row) {
      const TRect cell = CellRect(0, ARow);
      const int y = (ARow < Movecell ? cell.Top : cell.Bottom) - 5;
      left->move(viewport()->mapToGlobal(QPoint(-10, y)));
      right->move(viewport()->mapToGlobal(QPoint(std::min(viewport()->width(), FixedWidth() + 1), y)));
      const bool shown = !cell.Is_Empty();
      left->setVisible(shown);
      right->setVisible(shown);
    } else {
      left->hide();
      right->hide();
    }
    FMoveRowInd = ARow;
    if (OnRowMoving) OnRowMoving(this, ARow, allow);
    if (pos.y() < FixedHeight() && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if (pos.y() > viewport()->height() && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
  }
  if (!FDragDropSettings.ShowCells() || !MoveForm) {
    button->setEnabled(true);
    button->show();
    button->raise();
  }
  const QCursor cursor(allow ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
  if (FMoveCursor)
    QGuiApplication::changeOverrideCursor(cursor);
  else
    QGuiApplication::setOverrideCursor(cursor);
  FMoveCursor = true;
  FMoveAllowed = allow;
}

// ---- the release

void TZadIrururOziz::Release_Mouse_Move(const QPoint& pos) {
  // The platform sizes live while the mouse moves; the end of a user sizing
  // (proportional sizing, the end events, the width hook) runs once, here.
  if (GridState() == gsColSizing && SizingIndex() >= 0 && ColWidths(SizingIndex()) != FPressWidth) {
    Colclicked = SizingIndex();
    Colclickedsize = FPressWidth;
    ColSized = true;
    ColWidthsChanged();
  }
  if (GridState() == gsRowSizing && SizingIndex() >= 0) {
    if (Rowclicked != SizingIndex()) Rowclickedsize = 0;
    Rowclicked = SizingIndex();
    Rowsized = true;
    RowHeightsChanged();
  }
  if (FSizingFixed || FSizingFixedR) {
    if (FSizingLine) FSizingLine->hide();
    if (FSizeFixedIndex >= 0) {
      if (FSizingFixed) {
        SetColWidths(FSizeFixedIndex, std::max(1, pos.x() - UnclippedCellRect(FSizeFixedIndex, 0).Left));
      } else {
        SetRowHeights(FSizeFixedIndex, std::max(1, pos.y() - UnclippedCellRect(0, FSizeFixedIndex).Top));
      }
    }
    FSizingFixed = FSizingFixedR = false;
  }
  if (FScrollHintShow) {
    if (FHTMLHintWindow) FHTMLHintWindow->hide();
    FScrollHintShow = false;
  }
  if (FMoveCursor) {
    QGuiApplication::restoreOverrideCursor();
    FMoveCursor = false;
    if (FMoveButton) {
      FMoveButton->setEnabled(false);
      FMoveButton->hide();
    }
    for (TArrowDirection dir : {arrUp, arrDown, arrLeft, arrRight}) ArrowWindow(dir)->hide();
    if (OnEndBlockFocus) OnEndBlockFocus(this);
  }
  if (MoveForm) delete MoveForm.data();
  FMoveAnnounced = false;
  FMoveColInd = FMoveRowInd = -1;
}

// ---- dragging out

bool TZadIrururOziz::Ole_Drag_Start(int ACol, int ARow, const QPoint& pos) {
  const bool moved = std::abs(pos.x() - Clickposx) > 3 || std::abs(pos.y() - Clickposy) > 3;
  if (!Left_Button_Down() || !moved || !FDragDropSettings.OleDropSource() || GridState() == gsColSizing || FOnResizer)
    return false;
  FSelectionClick = false;
  int press_col = -1, press_row = -1;
  MouseToCell(Clickposx, Clickposy, press_col, press_row);
  if (press_col < 0 || press_row < 0) return false;
  const int real = RealColIndex(press_col);
  const bool column_drag = press_row < FixedRows() && FDragDropSettings.OleColumnDragDrop();
  bool allow = !(FDragDropSettings.OleColumnsOnly() && press_row >= FixedRows());
  if (allow && OnOleDrag) OnOleDrag(this, press_row, real, GetFormattedCell(real, press_row), allow);
  if (!allow) {
    if (GridState() == gsNormal) SetGridState(gsSelecting);
    return false;
  }
  (void)ACol, (void)ARow;
  std::unique_ptr<TZSGDropSource> source = CreateDragSource();
  if (OnOleDragStart) OnOleDragStart(this, press_row, real);
  if (OnStartBlockFocus) OnStartBlockFocus(this);

  if (FDragDropSettings.ShowCells() && !MoveForm) {
    const TGridRect sel = Normalised(Selection());
    const int last_row = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    const int last_col = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    const TGridRect shown = column_drag ? TGridRect{press_col, 0, press_col, last_row}
                                        : TGridRect{std::max(sel.Left, LeftCol()), std::max(sel.Top, TopRow()),
                                                    std::min(sel.Right, last_col), std::min(sel.Bottom, last_row)};
    if (QWidget* form = SelectionToForm(shown)) {
      const QPixmap picture = form->grab();
      source->SetDragPixmap(picture,
                            QPoint(std::min(MoveOfsX, picture.width() - 1), std::min(MoveOfsY, picture.height() - 1)));
      delete form;
    }
  }
  int effect = DROPEFFECT_NONE;
  SetGridState(gsNormal);
  if (column_drag) {
    if (!FDragDropSettings.ShowCells()) {
      THeaderDragButton* button = MoveButton();
      button->SetCaption(GetFormattedCell(real, 0));
      button->resize(ColWidths(press_col), RowHeights(0));
      source->SetDragPixmap(button->grab(), QPoint(MoveOfsX, MoveOfsY));
    }
    const int result = BeginColumnDrag(*source, real, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    if (result != DRAGDROP_S_CANCEL && OnOleDragStop) OnOleDragStop(this, effect);
    if (FMoveButton) FMoveButton->hide();
    ArrowWindow(arrUp)->hide();
    ArrowWindow(arrDown)->hide();
  } else {
    FDropSelection = Normalised(Selection());
    FOwnDropRect = TGridRect{-1, -1, -1, -1};
    std::optional<QByteArray> stream;
    if (FNavigation->AllowFmtClipboard()) {
      stream = QByteArray();
      try {
        SaveRectToBinStream(FDropSelection, *stream);
      } catch (const VAzaZeriVader&) {
        // Cells beyond the format's 16-bit indexes are dragged as text only.
        stream.reset();
      }
    }
    QString text;
    for (int r = FDropSelection.Top; r <= FDropSelection.Bottom; ++r) {
      if (r > FDropSelection.Top) text += QStringLiteral("\r\n");
      for (int c = FDropSelection.Left; c <= FDropSelection.Right; ++c) {
        if (c > FDropSelection.Left) text += '\t';
        text += GetFormattedCell(RealColIndex(c), r);
      }
    }
    const QString rich = As_Rich_Text(GetCellEx(real, press_row));
    const int result = BeginTextDrag(*source, text, rich, effect, DROPEFFECT_COPY | DROPEFFECT_MOVE, stream);
    if (result != DRAGDROP_S_CANCEL) {
      if (effect == DROPEFFECT_MOVE && !FDragDropSettings.OleCopyAlways()) {
        if (FDragDropSettings.OleRemoveRows() && (Options() & goRowSelect)) {
          ClearAndRemoveRows(FDropSelection.Top, FDropSelection.Bottom - FDropSelection.Top + 1);
        } else {
          // A move within this grid keeps what was dropped onto the source.
          const TGridRect& kept = FOwnDropRect;
          for (int r = FDropSelection.Top; r <= FDropSelection.Bottom; ++r)
            for (int c = FDropSelection.Left; c <= FDropSelection.Right; ++c)
              if (!(c >= kept.Left && c <= kept.Right && r >= kept.Top && r <= kept.Bottom))
                ClearRect(RealColIndex(c), r, RealColIndex(c), r);
        }
      }
      if (OnOleDragStop) OnOleDragStop(this, effect);
    }
  }
  if (OnEndBlockFocus) OnEndBlockFocus(this);
  return true;
}

// ---- the mouse leaving

void TZadIrururOziz::ResetFixedCellHighlight() {
  FSizeFixed = FSizeFixedR = false;
  FNoMouseLeave = false;
  if (FPaintLook.HoverFixedCells != hfNone) {
    const int x = FHoverFixedX, y = FHoverFixedY;
    FHoverFixedX = FHoverFixedY = -1;
    if (x >= 0 && y >= 0) RepaintCell(x, y);
  }
}

void TZadIrururOziz::Mouse_Leave_Move() {
  FMouseSelectMode = msNormal;
  FSizeFixed = FSizeFixedR = false;
  if (!FNoMouseLeave && FHoverFixedX >= 0 && FHoverFixedY >= 0) {
    const int x = FHoverFixedX, y = FHoverFixedY;
    FHoverFixedX = FHoverFixedY = -1;
    RepaintCell(x, y);
  }
  if (Look() == glListView && FHotFixedCell.x() >= 0) {
    const QPoint old = FHotFixedCell;
    FHotFixedCell = QPoint(-1, -1);
    RepaintCell(old.x(), old.y());
  }
  if (HoverRow() && HoverRowIdx() >= 0) {
    const int old = HoverRowIdx();
    SetHoverRowIdx(-1);
    if (old < RowCount())
      for (int c = 0; c < ColCount(); ++c) RepaintCell(c, old);
  }
}
