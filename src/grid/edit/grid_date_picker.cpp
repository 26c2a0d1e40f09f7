#include "grid/edit/grid_date_picker.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include "controls/format_settings.h"
#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_editor_keys.h"

using Access = Grid_Edit_Access;

TGridDatePicker::TGridDatePicker(TZadIrururOziz* AOwner) : TZsgDateTimePicker(AOwner->viewport()), FGrid(AOwner) {
  hide();
  OnDropDown = [this](QObject*) { FOldDropped = true; };
  OnCloseUp = [this](QObject*) { FOldDropped = false; };
}

void TGridDatePicker::SetWeeknumbers(bool Value) {
  FWeekNumbers = Value;
  SetWeekNumbers(Value);
}

void TGridDatePicker::SetGridShowToday(bool Value) {
  FShowToday = Value;
  SetShowToday(Value);
}

void TGridDatePicker::SetGridShowTodayCircle(bool Value) {
  FShowTodayCircle = Value;
  SetShowTodayCircle(Value);
}

void TGridDatePicker::SetText(const QString& Value) {
  if (Kind() == dtkTime) {
    QTime time;
    if (Try_Str_To_Time(Value, time)) SetTime(Encode_Time(time));
  } else {
    QDate date;
    if (Try_Str_To_Date(Value, date)) SetDate(Encode_Date(date));
  }
}

void TGridDatePicker::Remember_Value() {
  const QDateTime v = Value();
  Fy = quint16(v.date().year());
  Fm = quint16(v.date().month());
  Fd = quint16(v.date().day());
  Fth = quint16(v.time().hour());
  Ftm = quint16(v.time().minute());
  Fts = quint16(v.time().second());
  Ftms = quint16(v.time().msec());
}

void TGridDatePicker::KeyPress(QChar& Key) {
  const bool digit = Key >= QLatin1Char('0') && Key <= QLatin1Char('9');
  if (digit) Remember_Value();
  TZsgDateTimePicker::KeyPress(Key);
  // Decided once the digit has been applied.
  if (digit)
    QMetaObject::invokeMethod(
        this, [this] { ShiftFocusCheck(); }, Qt::QueuedConnection);
  TZadIrururOziz& g = *FGrid;
  if (g.OnKeyPress) g.OnKeyPress(&g, Key);
}

bool TGridDatePicker::ShiftFocusCheck() {
  const QDateTime v = Value();
  bool move = false;
  if (Kind() == dtkTime) {
    move = v.time().hour() != Fth || v.time().minute() != Ftm || v.time().second() != Fts;
  } else {
    const bool day = v.date().day() != Fd, month = v.date().month() != Fm, year = v.date().year() != Fy;
    if (!Format().isEmpty()) {
      // The last field of the format has nowhere to move on to.
      const QChar last = Format().back().toLower();
      const bool last_changed = (day && last == QLatin1Char('d')) || (month && last == QLatin1Char('m')) ||
                                (year && last == QLatin1Char('y'));
      move = !last_changed && (day || month || year);
    } else {
      move = day || month;
    }
  }
  if (move) QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
  return move;
}

bool TGridDatePicker::event(QEvent* e) {
  if (Is_Kept_Tab_Press(e, [this] { return FGrid->WantsTabKey(); })) {
    keyPressEvent(static_cast<QKeyEvent*>(e));
    return true;
  }
  return TZsgDateTimePicker::event(e);
}

bool TGridDatePicker::Store_And_Validate() {
  TZadIrururOziz& g = *FGrid;
  g.SetCurrentCell(Text());
  if (g.ValidateCell(Text())) {
    SetText(g.CurrentCell());
    return true;
  }
  SetText(Access::New_Cell_Text(g));
  update();
  return false;
}

void TGridDatePicker::keyPressEvent(QKeyEvent* e) {
  TZadIrururOziz& g = *FGrid;
  int key = e->key();
  Qt::KeyboardModifiers shift = e->modifiers();
  Fold_Backtab(key, shift);
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
      break;
    default:
      TZsgDateTimePicker::keyPressEvent(e);
      return;
  }
  e->accept();
  if (key == Qt::Key_Escape) {
    const QString text = g.CurrentCell();
    if (Kind() == dtkTime) {
      QTime time;
      SetTime(Try_Str_To_Time(text, time) ? Encode_Time(time) : Now_Date_Time());
    } else {
      QDate date;
      SetDate(Try_Str_To_Date(text, date) ? Encode_Date(date) : Now_Date_Time());
    }
  }
  if (enter) {
    // Completes the field being typed.
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    TZsgDateTimePicker::keyPressEvent(&right);
    if (!Store_And_Validate()) {
      Access::No_Auto_Advance(g) = true;
      return;
    }
  }
  if (key == Qt::Key_Tab && g.WantsTabKey()) {
    if (!Store_And_Validate()) return;
    g.HideInplaceEdit();
    if (g.Options() & goTabs) {
      g.setFocus();
      g.TabAdvance(shift & Qt::ShiftModifier);
    } else {
      Access::Post_Key(g, Qt::Key_Tab, shift);
    }
    return;
  }
  if (!DroppedDown() && !FOldDropped) g.DoneInplaceEdit(key, shift);
}

void TGridDatePicker::paintEvent(QPaintEvent* e) {
  TZsgDateTimePicker::paintEvent(e);
  // A frame in the window colour joins the picker to the cell around it.
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Base));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void TGridDatePicker::focusOutEvent(QFocusEvent* e) {
  // The calendar takes the focus while it is open; hiding the editor moves
  // the focus too.
  if (isVisible() && !DroppedDown() && Ends_Edit(e)) FGrid->HideInplaceEdit();
  TZsgDateTimePicker::focusOutEvent(e);
}
