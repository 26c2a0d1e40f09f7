#pragma once
// TGrouping: the look of group header and summary rows made by the grouping
// services.
#include <QString>

#include "controls/tcolor.h"
#include "grid/store/stored_setting.h"

class TGrouping {
 public:
  // Copies the colours, texts and flags; the line colours and widths and
  // Summary stay the target's own.
  void Assign(const TGrouping& Source);

  STORED_SETTING(bool, MergeHeader, false)
  STORED_SETTING(bool, MergeSummary, false)
  STORED_SETTING(TColor, HeaderColor, clNone)
  STORED_SETTING(TColor, HeaderColorTo, clNone)
  STORED_SETTING(TColor, HeaderTextColor, clNone)
  STORED_SETTING(bool, HeaderUnderline, false)
  STORED_SETTING(TColor, HeaderLineColor, clBlue)
  STORED_SETTING(int, HeaderLineWidth, 2)
  STORED_SETTING(bool, Summary, false)
  STORED_SETTING(TColor, SummaryColor, clNone)
  STORED_SETTING(TColor, SummaryColorTo, clNone)
  STORED_SETTING(TColor, SummaryTextColor, clNone)
  STORED_SETTING(bool, SummaryLine, false)
  STORED_SETTING(TColor, SummaryLineColor, clBlue)
  STORED_SETTING(int, SummaryLineWidth, 2)
  STORED_SETTING(bool, ShowGroupCount, false)
  STORED_SETTING(QString, GroupCountFormat, QString())
  STORED_SETTING(bool, AutoSelectGroup, false)
  STORED_SETTING(bool, AutoCheckGroup, false)
};
