// The watch's time, hands, keys, mouse and timers; painting is in
// zad_watch_paint.cpp.
#include "dropdowns/timepicker/zad_watch.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QRegion>
#include <QThread>
#include <cmath>
#include <stdexcept>

#include "dropdowns/timepicker/watch_geometry.h"
#include "dropdowns/timepicker/watch_motion.h"
#include "dropdowns/timepicker/watch_styles.h"

TZadWatch::TZadWatch(QWidget* AOwner) : QWidget(AOwner) {
  Now = [] { return Now_Date_Time(); };
  Pause = [](int Milliseconds) { QThread::msleep(static_cast<unsigned long>(Milliseconds)); };
  FAppearance.OnChange = [this] { AppearanceChanged(); };
  FSettings.OnChange = [this] { SettingsChanged(); };
  FWatchTimer.setInterval(100);
  connect(&FWatchTimer, &QTimer::timeout, this, [this] { WatchTimerTick(); });
  FAnimationTimer.setInterval(1);
  connect(&FAnimationTimer, &QTimer::timeout, this, [this] { AnimationTimerTick(); });
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  resize(180, 180);
}

TZadWatch::~TZadWatch() {
  FAnimationTimer.stop();
  FWatchTimer.stop();
  FAppearance.OnChange = nullptr;
  FSettings.OnChange = nullptr;
}

// ---- time ----

TZadWatch::Parts TZadWatch::Split(TDateTime Value) {
  const QTime t = Time_Of(Value);
  return {t.hour(), t.minute(), t.second(), t.msec()};
}

TDateTime TZadWatch::Join(int Hour, int Minute, int Second, int Msec) {
  return Encode_Time(QTime(Hour, Minute, Second, Msec));
}

TDateTime TZadWatch::CurrentTime() const {
  if (!FSettings.Auto()) return FTime;
  const TDateTime now = Now ? Now() : Now_Date_Time();
  return now + FSettings.TimeOffset() / 1440.0;
}

void TZadWatch::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  StoreTime(Value);
  PaintHands();
}

void TZadWatch::StoreTime(TDateTime Value) {
  if (Value == FTime) return;
  FTime = Value;
  FInternalSet = true;
  SetAM(Split(Value).Hour < 12);
  FInternalSet = false;
}

void TZadWatch::SetAM(bool Value) {
  if (Value == FAM) return;
  FAM = Value;
  if (FAnimation && FShowAMPM && FAppearance.AMPMColor() != clNone && !FInternalSet && isVisible()) {
    // The label rolls one pixel at a time from the old half to the new.
    const TRect box = GetAMPMRect().Inflate(-1, -1);
    const int hi = box.Height();
    for (int step = 1; step <= hi; ++step) {
      FRollOffset = Value ? hi - step : step;
      repaint();
      if (Pause) Pause(10);
    }
    FRollOffset = -1;
  }
  PaintAll();
}

void TZadWatch::SetHour(uint8_t Value) {
  if (Value >= 24) return;
  const Parts p = Split(CurrentTime());
  if (Value == p.Hour) return;
  // A change from outside the animation sets the target it completes at.
  if (!FInternalCall) FCurrentHourTo = Value;
  if (FAnimation && !FInternalCall) {
    if (!FHourAnimating) Finish_Animation();
    FHourAnimating = true;
    FAnimationTimer.start();
    return;
  }
  StoreTime(Join(Value, p.Minute, p.Second, p.Msec));
  PaintHands();
  if (Value == FCurrentHourTo && OnChange) OnChange(this);
}

void TZadWatch::SetMinute(uint8_t Value) {
  if (Value >= 60) throw std::invalid_argument("Invalid time");
  const Parts p = Split(CurrentTime());
  if (Value == p.Minute) return;
  if (!FInternalCall) FCurrentMinuteTo = Value;
  if (FAnimation && !FInternalCall) {
    if (FHourAnimating) Finish_Animation();
    FHourAnimating = false;
    FMinuteFrom = static_cast<uint8_t>(p.Minute);
    FAnimationTimer.start();
    return;
  }
  if (!FAnimation) FMinuteFrom = static_cast<uint8_t>(p.Minute);
  int hour = p.Hour;
  // Forward through twelve o'clock: the next hour.
  if (Value == 0 && FMinuteFrom > 30) {
    hour = (hour + 1) % 24;
    FMinuteFrom = 0;
  }
  StoreTime(Join(hour, Value, p.Second, p.Msec));
  PaintHands();
  if (Value == FCurrentMinuteTo && OnChange) OnChange(this);
}

void TZadWatch::Internal_Set_Hour(int Value) {
  FInternalCall = true;
  SetHour(static_cast<uint8_t>(Value));
  FInternalCall = false;
}

void TZadWatch::Internal_Set_Minute(int Value) {
  FInternalCall = true;
  SetMinute(static_cast<uint8_t>(Value));
  FInternalCall = false;
}

void TZadWatch::Set_Hour_Direct(int Value) {
  FAnimationTimer.stop();
  FCurrentHourTo = static_cast<uint8_t>(Value);
  Internal_Set_Hour(Value);
}

void TZadWatch::Set_Minute_Direct(int Value) {
  FAnimationTimer.stop();
  FCurrentMinuteTo = static_cast<uint8_t>(Value);
  Internal_Set_Minute(Value);
}

void TZadWatch::AnimationTimerTick() {
  if (!FAnimation) {
    FAnimationTimer.stop();
    return;
  }
  const Parts p = Split(CurrentTime());
  const Hand_Step step = FHourAnimating ? Step_Hour_Toward(p.Hour, FCurrentHourTo, FAnimationFactor)
                                        : Step_Minute_Toward(p.Minute, FCurrentMinuteTo, FAnimationFactor);
  if (step.Done) FAnimationTimer.stop();
  if (FHourAnimating)
    Internal_Set_Hour(step.Value);
  else
    Internal_Set_Minute(step.Value);
}

void TZadWatch::WatchTimerTick() { PaintHands(); }

void TZadWatch::Finish_Animation() {
  for (int i = 0; FAnimationTimer.isActive() && i < 1000; ++i) AnimationTimerTick();
}

// ---- settings ----

void TZadWatch::SetShowAMPM(bool Value) {
  if (FShowAMPM == Value) return;
  FShowAMPM = Value;
  PaintAll();
}

void TZadWatch::SetShowNumbers(bool Value) {
  if (FShowNumbers == Value) return;
  FShowNumbers = Value;
  PaintAll();
}

void TZadWatch::SetStyle(TWatchStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  const Watch_Look_Flags flags = ApplyWatchStyle(FAppearance, Value, width(), height());
  if (flags.Animation) FAnimation = *flags.Animation;
  if (flags.AnimationFactor) FAnimationFactor = *flags.AnimationFactor;
  if (flags.ShowAMPM) FShowAMPM = *flags.ShowAMPM;
  if (flags.ShowNumbers) FShowNumbers = *flags.ShowNumbers;
  PaintAll();
}

void TZadWatch::SetComponentStyle(TDUDStyle AStyle) {
  ApplyControlStyle(FAppearance, AStyle);
  PaintAll();
}

void TZadWatch::AppearanceChanged() { PaintAll(); }

void TZadWatch::SettingsChanged() {
  if (FSettings.Auto()) {
    FWatchTimer.start();
    const TDateTime now = Now ? Now() : Now_Date_Time();
    SetTime(now);
    FInternalSet = true;
    SetAM(Split(now).Hour < 12);
    FInternalSet = false;
  } else {
    FWatchTimer.stop();
  }
  PaintAll();
}

void TZadWatch::PaintAll() {
  FFaceDirty = true;
  update();
}

void TZadWatch::PaintHands() { update(); }

// ---- geometry ----

TRect TZadWatch::GetWatchRect() const { return Watch_Geometry(TRect::From_QRect(rect()), FAppearance.Size()).Dial; }

QPoint TZadWatch::GetWatchCenter() const {
  return Watch_Geometry(TRect::From_QRect(rect()), FAppearance.Size()).Center;
}

int TZadWatch::GetRadius() const { return Watch_Geometry(TRect::From_QRect(rect()), FAppearance.Size()).Radius; }

TRect TZadWatch::GetAMPMRect() const {
  if (!FShowAMPM) return TRect{-1, -1, -1, -1};
  const QFontMetrics metrics(FAppearance.AMPMFont().Font);
  const QSize text(metrics.horizontalAdvance(QStringLiteral("AM")), metrics.height());
  return AMPM_Box(GetWatchCenter(), GetRadius(), text);
}

bool TZadWatch::IsInsideEllipse(QPoint P, const TRect& R) {
  if (R.Is_Empty()) return false;
  return QRegion(R.To_QRect(), QRegion::Ellipse).contains(P);
}

int TZadWatch::MinuteFromPoint(int X, int Y) const { return Minute_From_Point(GetWatchCenter(), X, Y); }

int TZadWatch::HourFromPoint(int X, int Y) const { return Hour_From_Point(GetWatchCenter(), X, Y, FAM); }

// ---- input ----

void TZadWatch::ProcessKey(int Key) {
  if (FSettings.Auto()) return;
  const Parts p = Split(CurrentTime());
  if (Key == Qt::Key_A && p.Hour >= 12) SetHour(static_cast<uint8_t>(p.Hour - 12));
  if (Key == Qt::Key_P && p.Hour < 12) SetHour(static_cast<uint8_t>(p.Hour + 12));
  switch (Key) {
    case Qt::Key_PageUp:
      if (p.Hour == 23)
        Set_Hour_Direct(0);
      else
        SetHour(static_cast<uint8_t>(p.Hour + 1));
      break;
    case Qt::Key_PageDown:
      if (p.Hour == 0)
        Set_Hour_Direct(23);
      else
        SetHour(static_cast<uint8_t>(p.Hour - 1));
      break;
    case Qt::Key_Home:
      Set_Hour_Direct(12);
      break;
    case Qt::Key_End:
      SetMinute(0);
      break;
    case Qt::Key_Left:
      if (p.Minute == 0) {
        // Back through twelve o'clock: the previous hour at once.
        FAnimationTimer.stop();
        SetTime(Join((p.Hour + 23) % 24, 59, p.Second, p.Msec));
        if (OnChange) OnChange(this);
      } else {
        SetMinute(static_cast<uint8_t>(p.Minute - 1));
      }
      break;
    case Qt::Key_Right:
      SetMinute(static_cast<uint8_t>(p.Minute == 59 ? 0 : p.Minute + 1));
      break;
    default:
      break;
  }
}

void TZadWatch::mouseReleaseEvent(QMouseEvent* Event) {
  QWidget::mouseReleaseEvent(Event);
  if (FSettings.Auto()) return;
  const QPoint at = Event->position().toPoint();
  if (!IsInsideEllipse(at, GetWatchRect())) {
    SetMinute(static_cast<uint8_t>(MinuteFromPoint(at.x(), at.y())));
  } else if (GetAMPMRect().Contains(at.x(), at.y())) {
    if (FAnimation) SetAM(!FAM);
    const int h = Split(FTime).Hour;
    FCurrentHourTo = static_cast<uint8_t>(h < 12 ? h + 12 : h - 12);
    FAnimationTimer.stop();
    Internal_Set_Hour(FCurrentHourTo);
  } else {
    SetHour(static_cast<uint8_t>(HourFromPoint(at.x(), at.y())));
  }
}

void TZadWatch::mouseMoveEvent(QMouseEvent* Event) {
  QWidget::mouseMoveEvent(Event);
  const QPoint at = Event->position().toPoint();
  setCursor(GetAMPMRect().Contains(at.x(), at.y()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TZadWatch::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  PaintAll();
}
