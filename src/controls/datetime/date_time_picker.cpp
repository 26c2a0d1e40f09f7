#include "controls/datetime/date_time_picker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/canvas.h"
#include "controls/datetime/month_calendar.h"
#include "controls/editor_logic/classic_paint.h"
#include "controls/editor_logic/editor_theme.h"
#include "controls/editors/editor_input.h"

namespace {

constexpr int kCheckSize = 13;
constexpr int kUpDownWidth = 16;

}  // namespace

TDateTimePicker::TDateTimePicker(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  FValue = QDateTime(QDate::currentDate(), QTime::currentTime());
  FValue.setTime(QTime(FValue.time().hour(), FValue.time().minute(), FValue.time().second()));
  Rebuild_Fields();
  resize(186, 21);
}

TDateTimePicker::~TDateTimePicker() {
  if (FCalendar) FCalendar->OnClosed = nullptr;
}

QSize TDateTimePicker::sizeHint() const { return QSize(186, fontMetrics().height() + 8); }

// --- fields and values -----------------------------------------------------

QString TDateTimePicker::Shown_Format() const {
  return FFormat.isEmpty() ? Default_Dtp_Format(FKind == dtkTime) : FFormat;
}

void TDateTimePicker::Rebuild_Fields() {
  FFields = Parse_Dtp_Format(Shown_Format());
  FTyping.Clear();
  FField = -1;
  for (int i = 0; i < int(FFields.size()); ++i)
    if (FFields[size_t(i)].Editable()) {
      FField = i;
      break;
    }
  if (FField < 0 && !FShowCheckbox) FField = 0;
  update();
}

QString TDateTimePicker::Shown_Text() const { return Dtp_Text(FFields, FValue); }

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  Rebuild_Fields();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
  FDateMode = Value;
  update();
}

void TDateTimePicker::SetFormat(const QString& Value) {
  FFormat = Value;
  Rebuild_Fields();
}

QDateTime TDateTimePicker::Min_Value() const { return FMinDate != 0 ? To_QDateTime(FMinDate) : QDateTime(); }
QDateTime TDateTimePicker::Max_Value() const { return FMaxDate != 0 ? To_QDateTime(FMaxDate) : QDateTime(); }

void TDateTimePicker::SetMinDate(TDateTime Value) {
  FMinDate = Value;
  FValue = Dtp_Clamp(FValue, Min_Value(), Max_Value());
  update();
}

void TDateTimePicker::SetMaxDate(TDateTime Value) {
  FMaxDate = Value;
  FValue = Dtp_Clamp(FValue, Min_Value(), Max_Value());
  update();
}

void TDateTimePicker::Set_System_Time(bool Valid, const QDateTime& Value) {
  if (Valid) {
    FValue = Dtp_Clamp(Value, Min_Value(), Max_Value());
    FChecked = true;
  } else {
    FChecked = false;
  }
  update();
}

void TDateTimePicker::SetDateTime(TDateTime Value) {
  const QDateTime value = To_QDateTime(Value);
  if (FShowCheckbox && !FChecked) {
    // An unchecked picker keeps the value for when it is checked again.
    FValue = Dtp_Clamp(value, Min_Value(), Max_Value());
    update();
    return;
  }
  Set_System_Time(true, value);
}

void TDateTimePicker::SetDate(TDateTime Value) { SetDateTime(Encode_Date_Time(Date_Of(Value), FValue.time())); }

void TDateTimePicker::SetTime(TDateTime Value) { SetDateTime(Encode_Date_Time(FValue.date(), Time_Of(Value))); }

void TDateTimePicker::SetShowCheckbox(bool Value) {
  FShowCheckbox = Value;
  if (!Value) FChecked = true;
  update();
}

void TDateTimePicker::SetChecked(bool Value) {
  if (!FShowCheckbox) {
    FChecked = true;
    return;
  }
  Set_System_Time(Value, FValue);
}

void TDateTimePicker::Date_Time_Changed(bool) {
  if (OnChange) OnChange(this);
}

void TDateTimePicker::User_Set(const QDateTime& Value) {
  const QDateTime value = Dtp_Clamp(Value, Min_Value(), Max_Value());
  if (value == FValue) return;
  FValue = value;
  update();
  Date_Time_Changed(true);
}

void TDateTimePicker::User_Check(bool Value) {
  if (Value == FChecked) return;
  FChecked = Value;
  update();
  Date_Time_Changed(Value);
}

void TDateTimePicker::SetColor(TColor Value) {
  FColor = Value;
  update();
}

void TDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  update();
}

void TDateTimePicker::SetCtl3D(bool Value) {
  FCtl3D = Value;
  update();
}

// --- fields under the keys ---------------------------------------------------

void TDateTimePicker::SetFieldIndex(int Value) {
  if (Value == -1 && FShowCheckbox) {
    FField = -1;
  } else if (Value >= 0 && Value < int(FFields.size()) && FFields[size_t(Value)].Editable()) {
    FField = Value;
  } else {
    return;
  }
  FTyping.Clear();
  update();
}

void TDateTimePicker::Next_Field(int Delta) {
  for (int i = FField + Delta; i >= -1 && i < int(FFields.size()); i += Delta) {
    if (i == -1) {
      if (FShowCheckbox) SetFieldIndex(-1);
      return;
    }
    if (FFields[size_t(i)].Editable()) {
      SetFieldIndex(i);
      return;
    }
  }
}

void TDateTimePicker::Step_Current(int Delta) {
  if (!FChecked || FField < 0 || FField >= int(FFields.size())) return;
  FTyping.Clear();
  User_Set(Dtp_Step_Field(FValue, FFields[size_t(FField)].Kind, Delta));
}

void TDateTimePicker::KeyPress(QChar& Key) {
  if (OnKeyPress) OnKeyPress(Key);
  if (Key.isNull() || !FChecked || FField < 0 || FField >= int(FFields.size())) return;
  const Dtp_Field_Kind kind = FFields[size_t(FField)].Kind;
  if (kind == Dtp_Field_Kind::Am_Pm) {
    const QChar lower = Key.toLower();
    const int hour = FValue.time().hour();
    if ((lower == QLatin1Char('a') && hour >= 12) || (lower == QLatin1Char('p') && hour < 12))
      User_Set(Dtp_Step_Field(FValue, kind, 1));
    return;
  }
  QDateTime value = FValue;
  Dtp_Type_Digit(value, kind, Key, FTyping);
  User_Set(value);
}

void TDateTimePicker::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  const Qt::KeyboardModifiers shift = event->modifiers();
  if (OnKeyDown) OnKeyDown(key, shift);
  if (key == 0) return;
  const bool alt = shift & Qt::AltModifier;
  switch (key) {
    case Qt::Key_F4:
      if (!alt && !Uses_Up_Down()) SetDroppedDown(!FDropped);
      return;
    case Qt::Key_Left:
      Next_Field(-1);
      return;
    case Qt::Key_Right:
      Next_Field(1);
      return;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (alt && !Uses_Up_Down()) {
        SetDroppedDown(!FDropped);
        return;
      }
      Step_Current(key == Qt::Key_Up ? 1 : -1);
      return;
    case Qt::Key_Home:
      for (int i = 0; i < int(FFields.size()); ++i)
        if (FFields[size_t(i)].Editable()) {
          SetFieldIndex(i);
          break;
        }
      return;
    case Qt::Key_End:
      for (int i = int(FFields.size()) - 1; i >= 0; --i)
        if (FFields[size_t(i)].Editable()) {
          SetFieldIndex(i);
          break;
        }
      return;
    case Qt::Key_Space:
      if (FField == -1 && FShowCheckbox) {
        User_Check(!FChecked);
        return;
      }
      break;
    default:
      break;
  }
  QChar ch = Typed_Char(event);
  if (!ch.isNull() && ch.unicode() >= 32) {
    KeyPress(ch);
    return;
  }
  QWidget::keyPressEvent(event);
}

// --- mouse -------------------------------------------------------------------

int TDateTimePicker::Field_At(int X) const {
  std::vector<Dtp_Span> spans;
  const QString text = Dtp_Text(FFields, FValue, &spans);
  const QFontMetrics metrics = fontMetrics();
  const int x0 = Check_Rect().isNull() ? Border_Width() + 2 : Check_Rect().right() + 4;
  int best = -1;
  for (int i = 0; i < int(FFields.size()); ++i) {
    if (!FFields[size_t(i)].Editable()) continue;
    const int left = x0 + metrics.horizontalAdvance(text.left(spans[size_t(i)].Start));
    if (best < 0 || X >= left) best = i;
  }
  return best;
}

void TDateTimePicker::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  const QPoint at = event->position().toPoint();
  if (!Check_Rect().isNull() && Check_Rect().adjusted(-2, -2, 2, 2).contains(at)) {
    SetFieldIndex(-1);
    User_Check(!FChecked);
    return;
  }
  const QRect button = Button_Rect();
  if (button.contains(at)) {
    FButtonDown = true;
    if (Uses_Up_Down()) {
      FArrowDown = at.y() < button.center().y() ? 1 : -1;
      Step_Current(FArrowDown);
    } else {
      SetDroppedDown(!FDropped);
    }
    update();
    return;
  }
  const int field = Field_At(at.x());
  if (field >= 0) SetFieldIndex(field);
}

void TDateTimePicker::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  FButtonDown = false;
  FArrowDown = 0;
  update();
  if (rect().contains(event->position().toPoint()) && OnClick) OnClick(this);
}

void TDateTimePicker::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TDateTimePicker::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  FTyping.Clear();
  update();
}

// --- the drop-down calendar -----------------------------------------------------

bool TDateTimePicker::DroppedDown() const { return FDropped; }

void TDateTimePicker::SetDroppedDown(bool Value) {
  if (Value == FDropped) return;
  if (!Value) {
    if (FCalendar) FCalendar->hide();
    return;
  }
  if (Uses_Up_Down()) return;
  if (OnDropDown) OnDropDown(this);
  if (!FCalendar) {
    FCalendar = new TMonthCalendar(this, true);
    FCalendar->OnSelect = [this](const QDate& Day) {
      // Choosing a day also checks the check box.
      const bool was_checked = FChecked;
      const QDateTime value = Dtp_Clamp(QDateTime(Day, FValue.time()), Min_Value(), Max_Value());
      FChecked = true;
      if (value == FValue && was_checked) return;
      FValue = value;
      update();
      Date_Time_Changed(true);
    };
    FCalendar->OnClosed = [this] { Calendar_Closed(); };
  }
  FCalendar->setFont(font());
  FCalendar->SetWeekNumbers(FWeekNumbers);
  FCalendar->SetShowToday(FShowToday);
  FCalendar->SetShowTodayCircle(FShowTodayCircle);
  FCalendar->SetRange(Min_Value().date(), Max_Value().date());
  FCalendar->SetDate(FValue.date());
  FDropped = true;
  const QSize size = FCalendar->sizeHint();
  FCalendar->setGeometry(QRect(mapToGlobal(QPoint(width() - size.width(), height())), size));
  FCalendar->show();
  FCalendar->setFocus();
  update();
}

void TDateTimePicker::Calendar_Closed() {
  if (!FDropped) return;
  FDropped = false;
  FButtonDown = false;
  update();
  if (OnCloseUp) OnCloseUp(this);
}

// --- painting ------------------------------------------------------------------

int TDateTimePicker::Border_Width() const {
  if (FBorderStyle != bsSingle) return 0;
  return FCtl3D ? 2 : 1;
}

QRect TDateTimePicker::Check_Rect() const {
  if (!FShowCheckbox) return {};
  const int b = Border_Width();
  return QRect(b + 2, (height() - kCheckSize) / 2, kCheckSize, kCheckSize);
}

QRect TDateTimePicker::Button_Rect() const {
  const int b = Border_Width();
  const int w = Uses_Up_Down() ? kUpDownWidth : kNativeButtonWidth;
  return QRect(width() - b - w, b, w, std::max(0, height() - 2 * b));
}

void TDateTimePicker::Paint_Base(QPainter& painter) {
  TCanvas canvas(painter);
  const QPalette& pal = palette();
  const int w = width(), h = height();
  painter.fillRect(rect(), To_QColor(isEnabled() ? FColor : clBtnFace, pal));
  TRect frame{0, 0, w, h};
  if (FBorderStyle == bsSingle && FCtl3D) {
    Draw_Edge(canvas, frame, EDGE_SUNKEN, BF_RECT);
  } else if (FBorderStyle == bsSingle) {
    canvas.Brush.Color = clWindowFrame;
    canvas.Frame_Rect(frame);
  }

  int x = Border_Width() + 2;
  const QRect check = Check_Rect();
  if (!check.isNull()) {
    TRect box = TRect::From_QRect(check);
    painter.fillRect(check, To_QColor(isEnabled() ? clWindow : clBtnFace, pal));
    Draw_Edge(canvas, box, EDGE_SUNKEN, BF_RECT);
    if (FChecked) {
      const QColor mark = To_QColor(isEnabled() ? clWindowText : clGrayText, pal);
      // The classic tick: three pixels thick, from the left down then up.
      for (int i = 0; i < 7; ++i) {
        const int cx = check.left() + 3 + i;
        const int cy = i < 3 ? check.top() + 5 + i : check.top() + 7 - (i - 2);
        painter.fillRect(QRect(cx, cy, 1, 3), mark);
      }
    }
    if (hasFocus() && FField == -1) canvas.Draw_Focus_Rect(TRect::From_QRect(check.adjusted(-1, -1, 1, 1)));
    x = check.right() + 4;
  }

  // The fields, the current one highlighted while focused.
  std::vector<Dtp_Span> spans;
  const QString text = Dtp_Text(FFields, FValue, &spans);
  const QFontMetrics metrics = fontMetrics();
  const QRect button = Button_Rect();
  painter.save();
  painter.setClipRect(QRect(x, 0, std::max(0, button.left() - x), h));
  painter.setFont(font());
  const bool grey = !isEnabled() || !FChecked;
  const int baseline = (h - metrics.height()) / 2 + metrics.ascent();
  for (int i = 0; i < int(FFields.size()); ++i) {
    const QString part = text.mid(spans[size_t(i)].Start, spans[size_t(i)].Length);
    const int left = x + metrics.horizontalAdvance(text.left(spans[size_t(i)].Start));
    const int width = metrics.horizontalAdvance(part);
    const bool current = hasFocus() && i == FField && !grey && !FDropped;
    if (current) {
      painter.fillRect(QRect(left, (h - metrics.height()) / 2, width, metrics.height()), To_QColor(clHighlight, pal));
      painter.setPen(To_QColor(clHighlightText, pal));
    } else {
      painter.setPen(To_QColor(grey ? clGrayText : clWindowText, pal));
    }
    painter.drawText(left, baseline, part);
  }
  painter.restore();

  // The button: a drop-down button for dates, up and down arrows otherwise.
  if (Uses_Up_Down()) {
    const QRect up(button.left(), button.top(), button.width(), button.height() / 2);
    const QRect down(button.left(), up.bottom() + 1, button.width(), button.height() - up.height());
    const bool themed = Editor_Theme_Active();
    for (int i = 0; i < 2; ++i) {
      const bool pressed = FButtonDown && FArrowDown == (i == 0 ? 1 : -1);
      const QRect r = i == 0 ? up : down;
      if (themed && Draw_Editor_Theme_Part(painter, this, kEditorThemeSpin, i == 0 ? 1 : 2,
                                           !isEnabled() ? 4
                                           : pressed    ? 3
                                                        : 1,
                                           r))
        continue;
      TRect t = TRect::From_QRect(r);
      Draw_Frame_Control(
          canvas, t, DFC_SCROLL,
          (i == 0 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) | (pressed ? DFCS_PUSHED : 0) | (isEnabled() ? 0 : DFCS_INACTIVE));
    }
  } else {
    const int state = !isEnabled() ? 4 : FDropped ? 3 : 1;
    if (!Draw_Editor_Theme_Part(painter, this, kEditorThemeComboBox, 1, state, button)) {
      TRect t = TRect::From_QRect(button);
      Draw_Frame_Control(canvas, t, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (FDropped ? DFCS_PUSHED : 0) | (isEnabled() ? 0 : DFCS_INACTIVE));
    }
  }
}

void TDateTimePicker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint_Base(painter);
}
