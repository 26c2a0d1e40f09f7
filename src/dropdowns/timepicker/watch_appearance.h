#pragma once
// TWatchAppearance: everything the analogue watch draws its face and hands
// from. Every property write that changes a value fires OnChange; the two
// fonts and the picture fire on every write, the AM/PM fill and frame
// colours never (they are plain fields, read at the next painting).
#include <QImage>
#include <cstdint>
#include <functional>

#include "controls/tcolor.h"
#include "dropdowns/timepicker/watch_types.h"

class TWatchAppearance {
 public:
  TWatchAppearance() { Reset(); }
  TWatchAppearance(const TWatchAppearance&) = delete;
  TWatchAppearance& operator=(const TWatchAppearance&) = delete;

  // The defaults, written without notice.
  void Reset();
  // Copies every field. Notifies only through the picture and the three
  // settings written through their setters (the outer centre ring, the tick
  // marks and the hour mark style).
  void Assign(const TWatchAppearance& Source);
  void Changed() {
    if (OnChange) OnChange();
  }

  // Side of the watch square in pixels; 0 or less: automatic.
  int Size() const { return FSize; }
  void SetSize(int Value) { Set(FSize, Value); }
  TColor HourPointer() const { return FHourPointer; }
  void SetHourPointer(TColor Value) { Set(FHourPointer, Value); }
  TColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(TColor Value) { Set(FBackgroundColor, Value); }
  TColor MinutePointerShadow() const { return FMinutePointerShadow; }
  void SetMinutePointerShadow(TColor Value) { Set(FMinutePointerShadow, Value); }
  TColor BackgroundColorTo() const { return FBackgroundColorTo; }
  void SetBackgroundColorTo(TColor Value) { Set(FBackgroundColorTo, Value); }
  TColor HourPointerShadow() const { return FHourPointerShadow; }
  void SetHourPointerShadow(TColor Value) { Set(FHourPointerShadow, Value); }
  // Kept and copied; the watch does not draw it.
  TColor SecondPointerShadow() const { return FSecondPointerShadow; }
  TColor SecondPointer() const { return FSecondPointer; }
  void SetSecondPointer(TColor Value) { Set(FSecondPointer, Value); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { Set(FBorderColor, Value); }
  TColor MinutePointer() const { return FMinutePointer; }
  void SetMinutePointer(TColor Value) { Set(FMinutePointer, Value); }
  // The owned fonts: changing them through these references notifies nobody.
  TWatchFont& HourFont() { return FHourFont; }
  const TWatchFont& HourFont() const { return FHourFont; }
  void SetHourFont(const TWatchFont& Value) {
    FHourFont = Value;
    Changed();
  }
  TWatchFont& AMPMFont() { return FAMPMFont; }
  const TWatchFont& AMPMFont() const { return FAMPMFont; }
  void SetAMPMFont(const TWatchFont& Value) {
    FAMPMFont = Value;
    Changed();
  }
  // Drawn over the dial at its own size; a null image draws nothing.
  const QImage& Picture() const { return FPicture; }
  void SetPicture(const QImage& Value) {
    FPicture = Value;
    Changed();
  }
  TAMPMFrame AMPMFrame() const { return FAMPMFrame; }
  void SetAMPMFrame(TAMPMFrame Value) { Set(FAMPMFrame, Value); }
  TWatchShape Shape() const { return FWatchShape; }
  void SetShape(TWatchShape Value) { Set(FWatchShape, Value); }
  TPointerStyle PointerStyle() const { return FPointerStyle; }
  void SetPointerStyle(TPointerStyle Value) { Set(FPointerStyle, Value); }
  // Kept and copied; the watch does not draw it.
  TWatchBorderStyle BorderStyle() const { return FBorderStyle; }
  uint8_t HourPointerSize() const { return FHourPointerSize; }
  void SetHourPointerSize(uint8_t Value) { Set(FHourPointerSize, Value); }
  uint8_t SecondPointerSize() const { return FSecondPointerSize; }
  void SetSecondPointerSize(uint8_t Value) { Set(FSecondPointerSize, Value); }
  uint8_t MinutePointerSize() const { return FMinutePointerSize; }
  void SetMinutePointerSize(uint8_t Value) { Set(FMinutePointerSize, Value); }
  TColor HourColor() const { return FHourColor; }
  void SetHourColor(TColor Value) { Set(FHourColor, Value); }
  TColor MinuteColor() const { return FMinuteColor; }
  void SetMinuteColor(TColor Value) { Set(FMinuteColor, Value); }
  // Diameter of the centre point; 0: none.
  uint8_t CenterPointSize() const { return FCenterPointSize; }
  void SetCenterPointSize(uint8_t Value) { Set(FCenterPointSize, Value); }
  TColor CenterPointColor() const { return FCenterPointColor; }
  void SetCenterPointColor(TColor Value) { Set(FCenterPointColor, Value); }
  TColor CenterPointBorderColor() const { return FCenterPointBorderColor; }
  void SetCenterPointBorderColor(TColor Value) { Set(FCenterPointBorderColor, Value); }
  TWatchGradient BackgroundGradient() const { return FBackgroundGradient; }
  void SetBackgroundGradient(TWatchGradient Value) { Set(FBackgroundGradient, Value); }
  // Kept and copied; the watch does not draw it.
  int Rounding() const { return FRounding; }
  // 0: automatic.
  uint8_t HourMarkLength() const { return FHourMarkLength; }
  void SetHourMarkLength(uint8_t Value) { Set(FHourMarkLength, Value); }
  uint8_t HourMarkWidth() const { return FHourMarkWidth; }
  void SetHourMarkWidth(uint8_t Value) { Set(FHourMarkWidth, Value); }
  // 0: automatic.
  uint8_t MinuteMarkLength() const { return FMinuteMarkLength; }
  void SetMinuteMarkLength(uint8_t Value) { Set(FMinuteMarkLength, Value); }
  uint8_t MinuteMarkWidth() const { return FMinuteMarkWidth; }
  void SetMinuteMarkWidth(uint8_t Value) { Set(FMinuteMarkWidth, Value); }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { Set(FBorderWidth, Value); }
  // Plain fields: written without notice.
  TColor AMPMColor() const { return FAMPMColor; }
  void SetAMPMColor(TColor Value) { FAMPMColor = Value; }
  TColor AMPMBorderColor() const { return FAMPMBorderColor; }
  void SetAMPMBorderColor(TColor Value) { FAMPMBorderColor = Value; }
  TColor CenterPointOuterBorderColor() const { return FCenterPointOuterBorderColor; }
  void SetCenterPointOuterBorderColor(TColor Value) { Set(FCenterPointOuterBorderColor, Value); }
  TTickMarks TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMarks Value) { Set(FTickMarks, Value); }
  THourMarkStyle HourMarkStyle() const { return FHourMarkStyle; }
  void SetHourMarkStyle(THourMarkStyle Value) { Set(FHourMarkStyle, Value); }

  std::function<void()> OnChange;

 private:
  template <class T>
  void Set(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }

  int FSize;
  TColor FHourPointer;
  TColor FBackgroundColor;
  TColor FMinutePointerShadow;
  TColor FBackgroundColorTo;
  TColor FHourPointerShadow;
  TColor FSecondPointerShadow;
  TColor FSecondPointer;
  TColor FBorderColor;
  TColor FMinutePointer;
  TWatchFont FHourFont;
  TWatchFont FAMPMFont;
  QImage FPicture;
  TAMPMFrame FAMPMFrame;
  TWatchShape FWatchShape;
  TPointerStyle FPointerStyle;
  TWatchBorderStyle FBorderStyle;
  uint8_t FHourPointerSize;
  uint8_t FSecondPointerSize;
  uint8_t FMinutePointerSize;
  TColor FHourColor;
  TColor FMinuteColor;
  uint8_t FCenterPointSize;
  TColor FCenterPointColor;
  TColor FCenterPointBorderColor;
  TWatchGradient FBackgroundGradient;
  int FRounding;
  uint8_t FHourMarkLength;
  uint8_t FHourMarkWidth;
  uint8_t FMinuteMarkLength;
  uint8_t FMinuteMarkWidth;
  int FBorderWidth;
  TColor FAMPMColor;
  TColor FAMPMBorderColor;
  TColor FCenterPointOuterBorderColor;
  TTickMarks FTickMarks;
  THourMarkStyle FHourMarkStyle;
};
