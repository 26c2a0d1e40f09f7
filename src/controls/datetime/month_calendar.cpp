#include "controls/datetime/month_calendar.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include "controls/canvas.h"
#include "controls/editor_logic/classic_paint.h"
#include "controls/format_settings.h"

TMonthCalendar::TMonthCalendar(QWidget* parent, bool popup) : QWidget(parent, popup ? Qt::Popup : Qt::Widget) {
  setFocusPolicy(Qt::StrongFocus);
  SetDate(QDate::currentDate());
}

void TMonthCalendar::SetDate(const QDate& Value) {
  if (!Value.isValid()) return;
  FDate = Value;
  ShowMonth(Value.year(), Value.month());
}

void TMonthCalendar::ShowMonth(int Year, int Month) {
  FGrid = Make_Month_Grid(Year, Month);
  update();
}

void TMonthCalendar::SetWeekNumbers(bool Value) {
  FWeekNumbers = Value;
  resize(sizeHint());
  update();
}

void TMonthCalendar::SetShowToday(bool Value) {
  FShowToday = Value;
  resize(sizeHint());
  update();
}

void TMonthCalendar::SetShowTodayCircle(bool Value) {
  FShowTodayCircle = Value;
  update();
}

void TMonthCalendar::SetRange(const QDate& Min, const QDate& Max) {
  FMin = Min;
  FMax = Max;
  update();
}

bool TMonthCalendar::Allowed(const QDate& Day) const {
  if (FMin.isValid() && FMax.isValid() && FMin < FMax) return Day >= FMin && Day <= FMax;
  return true;
}

int TMonthCalendar::Cell_Width() const { return fontMetrics().horizontalAdvance(QStringLiteral("00")) + 12; }
int TMonthCalendar::Cell_Height() const { return fontMetrics().height() + 4; }
int TMonthCalendar::Header_Height() const { return fontMetrics().height() + 12; }
int TMonthCalendar::Grid_Left() const { return 6 + (FWeekNumbers ? Cell_Width() : 0); }
// Under the header and the row of day names.
int TMonthCalendar::Grid_Top() const { return Header_Height() + Cell_Height() + 3; }

QSize TMonthCalendar::sizeHint() const {
  const int footer = FShowToday ? Cell_Height() + 6 : 4;
  return QSize(Grid_Left() + 7 * Cell_Width() + 6, Grid_Top() + 6 * Cell_Height() + footer);
}

QRect TMonthCalendar::Previous_Button() const {
  const int h = Header_Height() - 8;
  return QRect(6, 4, h + 4, h);
}

QRect TMonthCalendar::Next_Button() const {
  const int h = Header_Height() - 8;
  return QRect(width() - 6 - (h + 4), 4, h + 4, h);
}

QRect TMonthCalendar::Day_Rect(int Row, int Column) const {
  return QRect(Grid_Left() + Column * Cell_Width(), Grid_Top() + Row * Cell_Height(), Cell_Width(), Cell_Height());
}

QRect TMonthCalendar::Today_Rect() const {
  if (!FShowToday) return {};
  return QRect(6, Grid_Top() + 6 * Cell_Height() + 3, width() - 12, Cell_Height());
}

void TMonthCalendar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  TCanvas canvas(p);
  const QPalette& pal = palette();
  p.fillRect(rect(), To_QColor(clWindow, pal));
  canvas.Brush.Color = clWindowFrame;
  canvas.Frame_Rect(TRect{0, 0, width(), height()});

  // Header: the month and year between the paging buttons.
  const QRect header(1, 1, width() - 2, Header_Height() - 1);
  p.fillRect(header, To_QColor(clBtnFace, pal));
  for (const QRect& button : {Previous_Button(), Next_Button()}) {
    TRect r = TRect::From_QRect(button);
    Draw_Frame_Control(canvas, r, DFC_SCROLL, button == Previous_Button() ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT);
  }
  QFont bold = font();
  bold.setBold(true);
  p.setFont(bold);
  p.setPen(To_QColor(clBtnText, pal));
  const QString title =
      QLocale::c().monthName(FGrid.Month, QLocale::LongFormat) + QLatin1Char(' ') + QString::number(FGrid.Year);
  p.drawText(header, Qt::AlignCenter, title);
  p.setFont(font());

  // Day names, Monday first, over a line.
  const int names_top = Header_Height() + 1;
  p.setPen(To_QColor(clHotLight, pal));
  for (int c = 0; c < 7; ++c) {
    const QRect cell(Grid_Left() + c * Cell_Width(), names_top, Cell_Width(), Cell_Height());
    p.drawText(cell, Qt::AlignCenter, QLocale::c().dayName(c + 1, QLocale::ShortFormat).left(2));
  }
  p.setPen(To_QColor(clBtnShadow, pal));
  p.drawLine(Grid_Left(), Grid_Top() - 2, Grid_Left() + 7 * Cell_Width() - 1, Grid_Top() - 2);
  if (FWeekNumbers) {
    const int x = Grid_Left() - 2;
    p.drawLine(x, Grid_Top(), x, Grid_Top() + 6 * Cell_Height() - 1);
  }

  const QDate today = Today();
  for (int r = 0; r < 6; ++r) {
    if (FWeekNumbers) {
      p.setPen(To_QColor(clGrayText, pal));
      const QRect week(6, Grid_Top() + r * Cell_Height(), Cell_Width() - 4, Cell_Height());
      p.drawText(week, Qt::AlignCenter, QString::number(FGrid.Week_Numbers[size_t(r)]));
    }
    for (int c = 0; c < 7; ++c) {
      const QDate day = FGrid.Day_At(r, c);
      const QRect cell = Day_Rect(r, c);
      const bool in_month = day.month() == FGrid.Month;
      TColor text = in_month && Allowed(day) ? clWindowText : clGrayText;
      if (day == FDate) {
        p.fillRect(cell.adjusted(1, 0, -1, 0), To_QColor(hasFocus() ? clHighlight : clBtnFace, pal));
        if (hasFocus()) text = clHighlightText;
      }
      p.setPen(To_QColor(text, pal));
      p.drawText(cell, Qt::AlignCenter, QString::number(day.day()));
      if (FShowTodayCircle && day == today) {
        p.setPen(To_QColor(clRed, pal));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(cell.adjusted(1, 0, -2, -1));
      }
    }
  }

  if (FShowToday) {
    const QRect line = Today_Rect();
    int x = line.left() + 4;
    if (FShowTodayCircle) {
      p.setPen(To_QColor(clRed, pal));
      p.drawEllipse(QRect(x, line.top() + 2, 18, line.height() - 5));
      x += 24;
    }
    p.setFont(bold);
    p.setPen(To_QColor(clWindowText, pal));
    p.drawText(QRect(x, line.top(), line.right() - x, line.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Today: ") + Date_To_Str(today));
  }
}

void TMonthCalendar::Choose(const QDate& Day) {
  if (!Allowed(Day)) return;
  FDate = Day;
  if (OnSelect) OnSelect(Day);
  if (windowFlags() & Qt::Popup) hide();
}

void TMonthCalendar::Move_To(const QDate& Day) {
  if (!Day.isValid()) return;
  FDate = Day;
  if (Day.year() != FGrid.Year || Day.month() != FGrid.Month) ShowMonth(Day.year(), Day.month());
  update();
}

void TMonthCalendar::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!rect().contains(at)) {
    hide();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (Previous_Button().contains(at)) {
    const QDate shown = QDate(FGrid.Year, FGrid.Month, 1).addMonths(-1);
    ShowMonth(shown.year(), shown.month());
    return;
  }
  if (Next_Button().contains(at)) {
    const QDate shown = QDate(FGrid.Year, FGrid.Month, 1).addMonths(1);
    ShowMonth(shown.year(), shown.month());
    return;
  }
  if (Today_Rect().contains(at)) {
    Choose(Today());
    return;
  }
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 7; ++c)
      if (Day_Rect(r, c).contains(at)) {
        Choose(FGrid.Day_At(r, c));
        return;
      }
}

void TMonthCalendar::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      Move_To(FDate.addDays(-1));
      break;
    case Qt::Key_Right:
      Move_To(FDate.addDays(1));
      break;
    case Qt::Key_Up:
      if (event->modifiers() & Qt::AltModifier)
        Choose(FDate);
      else
        Move_To(FDate.addDays(-7));
      break;
    case Qt::Key_Down:
      Move_To(FDate.addDays(7));
      break;
    case Qt::Key_PageUp:
      Move_To(FDate.addMonths(-1));
      break;
    case Qt::Key_PageDown:
      Move_To(FDate.addMonths(1));
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
      Choose(FDate);
      break;
    case Qt::Key_Escape:
      hide();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TMonthCalendar::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (OnClosed) OnClosed();
}
