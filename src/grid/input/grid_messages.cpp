// The message side of TZadIrururOziz in Qt terms: update counting (redraw
// off and on, paint events waiting while the count is above 0), the grid
// timer's tick (type-ahead ageing, hovering, blinking), the editing-done
// notification an editor posts, the edit text the in-place editor reads and
// writes as the user types, the mouse wheel, panning with the middle button
// and following the owner window's size.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_plain_text.h"

// ---- update counting

void TZadIrururOziz::BeginUpdate() {
  // Counted whether the grid is shown or not: a grid hidden inside the
  // bracket must still get its redraw back from the matching EndUpdate.
  ++FUpdateCount;
  viewport()->setUpdatesEnabled(false);
}

void TZadIrururOziz::EndUpdate() {
  if (FUpdateCount <= 0 || --FUpdateCount > 0 || Destroying()) return;
  FSelChange = false;
  viewport()->setUpdatesEnabled(true);
  InvalidateGrid();
}

void TZadIrururOziz::ResetUpdate() {
  FUpdateCount = 0;
  // A bracket cut short must not leave the redraw switched off for good.
  if (!viewport()->updatesEnabled()) viewport()->setUpdatesEnabled(true);
}

void TZadIrururOziz::SetLockUpdate(bool Value) {
  if (Value)
    BeginUpdate();
  else
    EndUpdate();
}

// ---- the grid timer

void TZadIrururOziz::GridTimerTick() {
  ++FTimerTicks;
  // Typed text lives 1.5 to 2 seconds after the last key.
  if (FNavigation->AutoGotoIncremental() && ++FSearchTics >= 4) {
    SearchInc.clear();
    FSearchTics = 0;
  }
  if (FHovering && !IsDesigning()) {
    const QPoint global = QCursor::pos();
    if (QApplication::widgetAt(global) == viewport()) {
      const QPoint pos = viewport()->mapFromGlobal(global);
      const TGridCoord cell = MouseCoord(pos.x(), pos.y());
      if (viewport()->rect().contains(pos) && cell.X >= FixedCols() && cell.Y >= FixedRows() && cell.X < ColCount() &&
          cell.Y < RowCount()) {
        setFocus();
        SetRow(cell.Y);
        SetCol(cell.X);
      }
    }
  }
  if (FEnableBlink) {
    FGridBlink = !FGridBlink;
    Repaint_Blinking_Cells();
  }
}

void TZadIrururOziz::Repaint_Blinking_Cells() {
  auto blinks = [this](int c, int r) {
    // Cells are read by real column (hidden columns count in) and repainted
    // where they show.
    if (GetGridCell(RealColIndex(c), r).contains(QLatin1String("<BLI"), Qt::CaseInsensitive)) RepaintCell(c, r);
  };
  const int last_row = std::min(RowCount(), TopRow() + VisibleRowCount() + 1);
  const int last_col = std::min(ColCount(), LeftCol() + VisibleColCount() + 1);
  for (int r = TopRow(); r < last_row; ++r)
    for (int c = LeftCol(); c < last_col; ++c) blinks(c, r);
  for (int r = 0; r < FixedRows(); ++r)
    for (int c = LeftCol(); c < last_col; ++c) blinks(c, r);
  for (int c = 0; c < FixedCols(); ++c)
    for (int r = TopRow(); r < last_row; ++r) blinks(c, r);
}

// ---- editing done

void TZadIrururOziz::PostEditDone(int ACol, int ARow) {
  // Handled after the editor's own event has run to its end, as a posted
  // window message would be; dropped with the grid.
  QMetaObject::invokeMethod(
      this, [this, ACol, ARow] { Handle_Edit_Done(ACol, ARow); }, Qt::QueuedConnection);
}

void TZadIrururOziz::Handle_Edit_Done(int ACol, int ARow) {
  if (OnEditCellDone) OnEditCellDone(this, ACol, ARow);
  if (FMouseActions->EditOnDblClickOnly()) {
    HideEditor();
    SetOptions(Options() & ~goEditing);
  }
}

// ---- edit text

QString TZadIrururOziz::GetEditText(int ACol, int ARow) {
  const QString text = Base_Cell_Text(ACol, ARow);
  if (FEditWithTags || !EnableHTML() || !text.contains(QLatin1Char('<'))) return text;
  return HtmlToPlainText(text);
}

void TZadIrururOziz::SetEditText(int ACol, int ARow, const QString& Value) {
  // SetCellEx writes a covered cell's text into its block's base cell.
  SetCellEx(RealColIndex(ACol), ARow, Value);
  InvalidateCell(ACol, ARow);
}

void TZadIrururOziz::EditTextChanged(const QString& Text) {
  if (!EditorMode()) return;
  SetEditText(Col(), Row(), Text);
}

void TZadIrururOziz::Watch_Editor(QWidget* editor) {
  if (FWatchedEditor == editor) return;
  FWatchedEditor = editor;
  // Only changes of a shown editor are written: filling it with the cell's
  // text before it shows is no edit (and would drop a cell's HTML tags).
  if (auto* line = qobject_cast<QLineEdit*>(editor))
    connect(line, &QLineEdit::textChanged, this, [this, line](const QString& text) {
      if (!line->isHidden()) EditTextChanged(text);
    });
  else if (auto* plain = qobject_cast<QPlainTextEdit*>(editor))
    connect(plain, &QPlainTextEdit::textChanged, this, [this, plain] {
      if (!plain->isHidden()) EditTextChanged(plain->toPlainText());
    });
}

bool TZadIrururOziz::Message_Filter(QObject* watched, QEvent* event) {
  if (watched == viewport()) {
    if (event->type() == QEvent::Paint) return FUpdateCount > 0;
    if (event->type() != QEvent::MouseButtonPress) return false;
    auto* press = static_cast<QMouseEvent*>(event);
    if (FWheelPan) {
      // Any press ends panning and does nothing else.
      EndPanning();
      return true;
    }
    if (press->button() == Qt::MiddleButton && FIntelliPan != ipNone && RowCount() > FixedRows()) {
      StartPanning(press->position().toPoint());
      return true;
    }
    return false;
  }
  if (watched == FOwnerForm && event->type() == QEvent::Resize) {
    Owner_Resized(*static_cast<QResizeEvent*>(event));
    return false;
  }
  QWidget* editor = InplaceEditor();
  if (!editor || watched != editor) return false;
  if (event->type() == QEvent::Show) {
    Watch_Editor(editor);
    // The stored text, tags and all, is what Escape brings back.
    FEditStartText = GetCellEx(RealColIndex(Col()), Row());
  } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
             (Options() & goEditing) && EditorMode()) {
    // The typed text already went into the cell; Escape takes it back.
    SetCellEx(RealColIndex(Col()), Row(), FEditStartText);
  }
  return false;
}

// ---- mouse wheel

void TZadIrururOziz::wheelEvent(QWheelEvent* event) {
  event->accept();
  const int delta = event->angleDelta().y();
  if (FWheelPan || delta == 0 || !FEnableWheel || (FFixedRowAlways && RowCount() == 1)) return;
  const bool towards_user = delta < 0;
  const int step = FMouseActions->WheelIncrement() >= 1 ? FMouseActions->WheelIncrement()
                                                        : std::max(1, QApplication::wheelScrollLines());
  const bool move_selection = FMouseActions->WheelAction() == waMoveSelection;
  const TGridRect before = Selection();
  const int last_data_row = RowCount() - FFixedFooters - 1;
  int target = Row();
  if (!move_selection) {
    if (towards_user) {
      if (TopRow() < RowCount() - VisibleRowCount()) SetTopRow(TopRow() + step);
    } else {
      SetTopRow(std::max(FixedRows(), TopRow() - step));
    }
  } else {
    target = towards_user ? Row() + step : Row() - step;
  }
  target = std::clamp(target, FixedRows(), std::max(FixedRows(), last_data_row));
  const int col = std::clamp(Col(), FixedCols(), ColCount() - 1);
  if (move_selection && target >= 0 && target < RowCount()) {
    if (FMouseActions->DisjunctRowSelect()) ClearRowSelect();
    FocusCell(col, target);
    // A refused row: half the way, rounded to even as the count of rows
    // between is.
    if (Row() != target) {
      const int half = int(std::nearbyint((target - Row()) / 2.0));
      if (half != 0) FocusCell(col, Row() + half);
    }
  }
  if (FMouseActions->WheelIncrement() != 0 || FMouseActions->DisjunctRowSelect()) {
    bool handled = false;
    const Qt::KeyboardModifiers shift = FMouseActions->DisjunctRowSelect() ? event->modifiers() : Qt::NoModifier;
    const QPoint pos = event->position().toPoint();
    if (towards_user && OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, handled);
    if (!towards_user && OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, handled);
  }
  const TGridRect after = Selection();
  if (!(after == before)) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// ---- panning with the middle button

void TZadIrururOziz::StartPanning(const QPoint& Anchor) {
  if (FWheelPan) return;
  FWheelPan = true;
  FWheelPanPos = Anchor;
  FPanCursor = 8000;
  viewport()->setCursor(Qt::SizeAllCursor);
  if (viewport()->isVisible()) viewport()->grabMouse();
  connect(&FPanTimer, &QTimer::timeout, this, &TZadIrururOziz::Pan_Timeout, Qt::UniqueConnection);
  FPanTimer.start(10);
  if (!FPanIndicator) {
    // A small marker of the press point with the directions panning takes.
    QPixmap mark(26, 26);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(1, 1, 24, 24);
    painter.setBrush(Qt::black);
    const bool vertical = FIntelliPan != ipHorizontal, horizontal = FIntelliPan != ipVertical;
    if (vertical) {
      painter.drawPolygon(QPolygon({QPoint(13, 4), QPoint(9, 9), QPoint(17, 9)}));
      painter.drawPolygon(QPolygon({QPoint(13, 22), QPoint(9, 17), QPoint(17, 17)}));
    }
    if (horizontal) {
      painter.drawPolygon(QPolygon({QPoint(4, 13), QPoint(9, 9), QPoint(9, 17)}));
      painter.drawPolygon(QPolygon({QPoint(22, 13), QPoint(17, 9), QPoint(17, 17)}));
    }
    painter.end();
    auto* label = new QLabel(viewport());
    label->setPixmap(mark);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->resize(26, 26);
    FPanIndicator = label;
  }
  FPanIndicator->move(Anchor);
  FPanIndicator->show();
}

void TZadIrururOziz::EndPanning() {
  if (!FWheelPan) return;
  FWheelPan = false;
  if (QWidget::mouseGrabber() == viewport()) viewport()->releaseMouse();
  FPanTimer.stop();
  viewport()->unsetCursor();
  if (FPanIndicator) FPanIndicator->hide();
  viewport()->update(QRect(FWheelPanPos, QSize(32, 32)));
}

void TZadIrururOziz::Pan_Timeout() { PanTick(viewport()->mapFromGlobal(QCursor::pos())); }

void TZadIrururOziz::PanTick(const QPoint& Pos) {
  if (!FWheelPan) return;
  auto direction = [](int at, int anchor) { return at < anchor - 5 ? -1 : at > anchor + 5 ? 1 : 0; };
  const int v = FIntelliPan == ipHorizontal ? 0 : direction(Pos.y(), FWheelPanPos.y());
  const int h = FIntelliPan == ipVertical ? 0 : direction(Pos.x(), FWheelPanPos.x());
  const int last_row = std::max(FixedRows(), RowCount() - FFixedFooters - 1);
  const int last_col = std::max(FixedCols(), ColCount() - FFixedRightCols - 1);
  const TGridRect before = Selection();
  const int r = std::clamp(Row(), FixedRows(), last_row), c = std::clamp(Col(), FixedCols(), last_col);
  if (r != Row() || c != Col()) FocusCell(c, r);
  if (FMouseActions->WheelAction() == waScroll) {
    if (h != 0) SetLeftCol(LeftCol() + h);
    if (v != 0) SetTopRow(TopRow() + v);
  } else {
    if (h != 0) FocusCell(std::clamp(Col() + h, FixedCols(), ColCount() - 1), Row());
    if (v != 0) FocusCell(Col(), std::clamp(Row() + v, FixedRows(), last_row));
  }
  static constexpr int cursors[3][3] = {{8006, 8004, 8005}, {8002, 8000, 8003}, {8008, 8001, 8007}};
  FPanCursor = cursors[v + 1][h + 1];
  const Qt::CursorShape shape = v == 0 && h == 0 ? Qt::SizeAllCursor
                                : h == 0         ? Qt::SizeVerCursor
                                : v == 0         ? Qt::SizeHorCursor
                                : v == h         ? Qt::SizeFDiagCursor
                                                 : Qt::SizeBDiagCursor;
  viewport()->setCursor(shape);
  if (FPanIndicator) FPanIndicator->raise();
  const TGridRect after = Selection();
  if (!(after == before)) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// ---- following the owner window

void TZadIrururOziz::Owner_Resized(const QResizeEvent& event) {
  if (Destroying()) return;
  if (FPrevSize.width() < 0) FPrevSize = event.oldSize().isValid() ? event.oldSize() : event.size();
  if (!FSizeWithForm) {
    FPrevSize = event.size();
    return;
  }
  const int w = width() + event.size().width() - FPrevSize.width();
  const int h = height() + event.size().height() - FPrevSize.height();
  if (w <= 0 || h <= 0) return;
  resize(w, h);
  FPrevSize = event.size();
}
