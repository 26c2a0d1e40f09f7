#include "dropdowns/timepicker/watch_appearance.h"

namespace {

TWatchFont Tahoma(int PointSize) {
  TWatchFont f;
  f.Font = QFont(QStringLiteral("Tahoma"), PointSize);
  f.Color = clBlack;
  return f;
}

}  // namespace

void TWatchAppearance::Reset() {
  FSize = 0;
  FHourPointer = 0x000000;
  FBackgroundColor = 0xFFFFFF;
  FMinutePointerShadow = clBtnShadow;
  FBackgroundColorTo = clNone;
  FHourPointerShadow = clBtnShadow;
  FSecondPointerShadow = clBtnShadow;
  FSecondPointer = 0x0000FF;
  FBorderColor = 0x000000;
  FMinutePointer = 0x000000;
  FHourFont = Tahoma(8);
  FAMPMFont = Tahoma(10);
  FPicture = QImage();
  FAMPMFrame = apRect;
  FWatchShape = wsCircle;
  FPointerStyle = psLine;
  FBorderStyle = wbLine;
  FHourPointerSize = 4;
  FSecondPointerSize = 1;
  FMinutePointerSize = 3;
  FHourColor = 0x000000;
  FMinuteColor = 0x808080;
  FCenterPointSize = 4;
  FCenterPointColor = 0x000000;
  FCenterPointBorderColor = clNone;
  FBackgroundGradient = wgVertical;
  FRounding = 5;
  FHourMarkLength = 0;
  FHourMarkWidth = 1;
  FMinuteMarkLength = 0;
  FMinuteMarkWidth = 1;
  FBorderWidth = 4;
  FAMPMColor = 0xFFFFFF;
  FAMPMBorderColor = 0x000000;
  FCenterPointOuterBorderColor = clNone;
  FTickMarks = tmAll;
  FHourMarkStyle = hmsLine;
}

void TWatchAppearance::Assign(const TWatchAppearance& Source) {
  if (&Source == this) return;
  FSize = Source.FSize;
  FHourPointer = Source.FHourPointer;
  FBackgroundColor = Source.FBackgroundColor;
  FMinutePointerShadow = Source.FMinutePointerShadow;
  FBackgroundColorTo = Source.FBackgroundColorTo;
  FHourPointerShadow = Source.FHourPointerShadow;
  FSecondPointerShadow = Source.FSecondPointerShadow;
  FSecondPointer = Source.FSecondPointer;
  FBorderColor = Source.FBorderColor;
  FMinutePointer = Source.FMinutePointer;
  FHourFont = Source.FHourFont;
  FAMPMFont = Source.FAMPMFont;
  FAMPMFrame = Source.FAMPMFrame;
  FWatchShape = Source.FWatchShape;
  FPointerStyle = Source.FPointerStyle;
  FBorderStyle = Source.FBorderStyle;
  FHourPointerSize = Source.FHourPointerSize;
  FSecondPointerSize = Source.FSecondPointerSize;
  FMinutePointerSize = Source.FMinutePointerSize;
  FHourColor = Source.FHourColor;
  FMinuteColor = Source.FMinuteColor;
  FCenterPointSize = Source.FCenterPointSize;
  FCenterPointColor = Source.FCenterPointColor;
  FCenterPointBorderColor = Source.FCenterPointBorderColor;
  FBackgroundGradient = Source.FBackgroundGradient;
  FRounding = Source.FRounding;
  FHourMarkLength = Source.FHourMarkLength;
  FHourMarkWidth = Source.FHourMarkWidth;
  FMinuteMarkLength = Source.FMinuteMarkLength;
  FMinuteMarkWidth = Source.FMinuteMarkWidth;
  FBorderWidth = Source.FBorderWidth;
  FAMPMColor = Source.FAMPMColor;
  FAMPMBorderColor = Source.FAMPMBorderColor;
  // The picture is assigned into the owned one, whose change notifies.
  SetPicture(Source.FPicture);
  SetCenterPointOuterBorderColor(Source.FCenterPointOuterBorderColor);
  SetTickMarks(Source.FTickMarks);
  SetHourMarkStyle(Source.FHourMarkStyle);
}
