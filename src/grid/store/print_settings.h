#pragma once
// TPrintSettings: the options of the string grid's printing (page furniture,
// borders, fonts, margins, scaling), read by the print engine. Every writer
// only stores.
#include <QFont>
#include <QString>
#include <QStringList>

#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "grid/store/stored_setting.h"

class QObject;

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
  pbNoborder,
  pbSingle,
  pbDouble,
  pbVertical,
  pbHorizontal,
  pbAround,
  pbAroundVertical,
  pbAroundHorizontal,
  pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation { poPortrait, poLandscape };

class TPrintSettings {
 public:
  explicit TPrintSettings(QObject* AOwner = nullptr) : FOwner(AOwner) {}

  QObject* Owner() const { return FOwner; }
  // Copies every setting (fonts and title lines by value) except
  // FixedCellsAlways, which stays the target's own.
  void Assign(const TPrintSettings& Source);

  STORED_SETTING(TPrintPosition, Time, ppNone)
  STORED_SETTING(TPrintPosition, Date, ppNone)
  STORED_SETTING(TPrintPosition, PageNr, ppNone)
  STORED_SETTING(TPrintPosition, Title, ppNone)
  STORED_SETTING(QString, PageNumSep, QStringLiteral("/"))
  STORED_SETTING(QString, DateFormat, QStringLiteral("dd/mm/yyyy"))
  STORED_SETTING(QString, TitleText, QString())
  STORED_SETTING(QStringList, TitleLines, QStringList())
  STORED_SETTING(QFont, Font, QFont())
  STORED_SETTING(QFont, FixedFont, QFont())
  STORED_SETTING(QFont, HeaderFont, QFont())
  STORED_SETTING(QFont, FooterFont, QFont())
  // The text colours of Font, HeaderFont and FooterFont.
  STORED_SETTING(TColor, FontColor, clBlack)
  STORED_SETTING(TColor, HeaderFontColor, clBlack)
  STORED_SETTING(TColor, FooterFontColor, clBlack)
  STORED_SETTING(TPrintBorders, Borders, pbSingle)
  STORED_SETTING(TPenStyle, BorderStyle, TPenStyle::psSolid)
  STORED_SETTING(TColor, BorderColor, clBlack)
  STORED_SETTING(bool, Centered, true)
  STORED_SETTING(bool, RepeatFixedRows, false)
  STORED_SETTING(bool, RepeatFixedCols, false)
  STORED_SETTING(int, FooterSize, 0)
  STORED_SETTING(int, HeaderSize, 0)
  STORED_SETTING(int, LeftSize, 0)
  STORED_SETTING(int, RightSize, 0)
  STORED_SETTING(int, ColumnSpacing, 0)
  STORED_SETTING(int, RowSpacing, 0)
  STORED_SETTING(int, TitleSpacing, 0)
  STORED_SETTING(TPrinterOrientation, Orientation, poPortrait)
  STORED_SETTING(bool, UseDefaultOrientation, false)
  STORED_SETTING(QString, PagePrefix, QString())
  STORED_SETTING(QString, PageSuffix, QString())
  STORED_SETTING(int, PageNumberOffset, 0)
  STORED_SETTING(int, MaxPagesOffset, 0)
  STORED_SETTING(int, FixedWidth, 0)
  STORED_SETTING(int, FixedHeight, 0)
  STORED_SETTING(bool, UseFixedWidth, false)
  STORED_SETTING(bool, UseFixedHeight, false)
  STORED_SETTING(TFitToPage, FitToPage, fpNever)
  STORED_SETTING(QString, JobName, QString())
  STORED_SETTING(bool, NoAutoSize, false)
  STORED_SETTING(bool, NoAutoSizeRow, false)
  STORED_SETTING(bool, PrintGraphics, false)
  STORED_SETTING(bool, UseDisplayFont, true)
  STORED_SETTING(bool, FixedCellsAlways, false)

 private:
  QObject* FOwner;
};
