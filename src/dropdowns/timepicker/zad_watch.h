#pragma once
// TZadWatch: an analogue clock face showing a time of day. A release inside
// the dial points the hour hand, one outside it the minute hand, one on the
// AM/PM label switches the half of the day; the time picker hands it keys
// through ProcessKey. Hand changes can be animated. With Settings().Auto()
// it shows the live clock (plus TimeOffset minutes) and ignores input.
//
// The face (background, marks, numbers, label) is painted once into a
// cache; a hand movement paints the cache and the hands only.
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "controls/editor_logic/date_time_value.h"
#include "controls/trect.h"
#include "dropdowns/timepicker/watch_appearance.h"
#include "dropdowns/timepicker/watch_settings.h"
#include "dropdowns/timepicker/watch_types.h"
#include "grid/theme/style_if.h"

class QPainter;

class TZadWatch : public QWidget, public IDUDStyle {
 public:
  explicit TZadWatch(QWidget* AOwner = nullptr);
  ~TZadWatch() override;

  TWatchAppearance& Appearance() { return FAppearance; }
  void SetAppearance(const TWatchAppearance& Value) { FAppearance.Assign(Value); }
  TWatchSettings& Settings() { return FSettings; }
  void SetSettings(const TWatchSettings& Value) { FSettings.Assign(Value); }

  // The set time; only its time of day shows. A write fires no OnChange.
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime Value);
  // The time shown: the clock plus TimeOffset in Auto mode, else Time().
  TDateTime CurrentTime() const;
  // The label shows "AM".
  bool AM() const { return FAM; }

  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  // Divisor of an animation step; below 1 counts as 1.
  int AnimationFactor() const { return FAnimationFactor; }
  void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
  bool ShowAMPM() const { return FShowAMPM; }
  void SetShowAMPM(bool Value);
  bool ShowNumbers() const { return FShowNumbers; }
  void SetShowNumbers(bool Value);
  // Writing a look resets the appearance and applies it; the look it already
  // has changes nothing.
  TWatchStyle Style() const { return FStyle; }
  void SetStyle(TWatchStyle Value);

  // Points the hour hand (0 to 23; more is ignored) or the minute hand (0 to
  // 59; more throws "Invalid time"), animated when Animation is set. A minute
  // hand moved forward through twelve o'clock advances the hour.
  void SetHour(uint8_t Value);
  void SetMinute(uint8_t Value);
  void SetComponentStyle(TDUDStyle AStyle) override;
  // A key of the time picker's popup: A, P, Page Up, Page Down, Home, End,
  // Left, Right (Qt key codes).
  void ProcessKey(int Key);

  // Geometry in client coordinates.
  TRect GetWatchRect() const;
  QPoint GetWatchCenter() const;
  int GetRadius() const;
  // (-1, -1, -1, -1) without ShowAMPM.
  TRect GetAMPMRect() const;
  static bool IsInsideEllipse(QPoint P, const TRect& R);
  int HourFromPoint(int X, int Y) const;
  int MinuteFromPoint(int X, int Y) const;

  // Fires when a hand change reaches its target.
  std::function<void(TZadWatch* Sender)> OnChange;

  // The system clock (tests replace it).
  std::function<TDateTime()> Now;
  // The pause between two steps of the label's roll (tests replace it).
  std::function<void(int Milliseconds)> Pause;

  // The timers' work, callable directly: one animation step, one live-clock
  // repaint.
  void AnimationTimerTick();
  void WatchTimerTick();
  bool Animating() const { return FAnimationTimer.isActive(); }
  // Leaves a running hand animation where it stands.
  void StopAnimation() { FAnimationTimer.stop(); }
  bool ClockRunning() const { return FWatchTimer.isActive(); }
  // How often the face was painted into its cache (a hand movement does not
  // paint it).
  int FacePaintCount() const { return FFacePaints; }

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  struct Parts {
    int Hour = 0, Minute = 0, Second = 0, Msec = 0;
  };
  static Parts Split(TDateTime Value);
  static TDateTime Join(int Hour, int Minute, int Second, int Msec);

  void StoreTime(TDateTime Value);
  void SetAM(bool Value);
  void SettingsChanged();
  void AppearanceChanged();
  // The face is painted again at the next painting; hands alone otherwise.
  void PaintAll();
  void PaintHands();
  // Runs SetHour or SetMinute without animation, as a change of its own
  // that reaches its target at once.
  void Set_Hour_Direct(int Value);
  void Set_Minute_Direct(int Value);
  void Internal_Set_Hour(int Value);
  // The other hand's animation still running when a change starts lands
  // first, so that both changes arrive.
  void Finish_Animation();
  void Internal_Set_Minute(int Value);

  void Paint_Face(QPainter& Painter);
  void DrawBackground(QPainter& Painter, const TRect& Rect);
  void DrawTickMarks(QPainter& Painter);
  void DrawNumbers(QPainter& Painter);
  void DrawAMPM(QPainter& Painter);
  void DrawHands(QPainter& Painter);
  void DrawPicture(QPainter& Painter, const QImage& Picture, const TRect& Rect);
  void Draw_Label_Roll(QPainter& Painter);
  QColor Parent_Background() const;

  TWatchAppearance FAppearance;
  TWatchSettings FSettings;
  TDateTime FTime = 0;
  QPixmap FBKGCache;
  bool FFaceDirty = true;
  int FFacePaints = 0;
  QTimer FWatchTimer;
  bool FAnimation = true;
  int FAnimationFactor = 10;
  QTimer FAnimationTimer;
  uint8_t FCurrentHourTo = 0;
  uint8_t FCurrentMinuteTo = 0;
  uint8_t FMinuteFrom = 0;
  bool FHourAnimating = false;
  bool FInternalCall = false;
  bool FAM = true;
  bool FShowAMPM = true;
  bool FShowNumbers = true;
  bool FInternalSet = false;
  TWatchStyle FStyle = wsClassic;
  // The label's roll in progress: how far the window has moved down the
  // "AM" over "PM" strip (-1: no roll).
  int FRollOffset = -1;
};
