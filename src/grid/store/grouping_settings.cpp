#include "grid/store/grouping_settings.h"

void TGrouping::Assign(const TGrouping& Source) {
  FGroupCountFormat = Source.FGroupCountFormat;
  FHeaderColor = Source.FHeaderColor;
  FHeaderColorTo = Source.FHeaderColorTo;
  FHeaderTextColor = Source.FHeaderTextColor;
  FHeaderUnderline = Source.FHeaderUnderline;
  FMergeHeader = Source.FMergeHeader;
  FMergeSummary = Source.FMergeSummary;
  FShowGroupCount = Source.FShowGroupCount;
  FSummaryColor = Source.FSummaryColor;
  FSummaryColorTo = Source.FSummaryColorTo;
  FSummaryTextColor = Source.FSummaryTextColor;
  FSummaryLine = Source.FSummaryLine;
  FAutoCheckGroup = Source.FAutoCheckGroup;
  FAutoSelectGroup = Source.FAutoSelectGroup;
}
