#include "grid/store/html_settings.h"

void THTMLSettings::Assign(const THTMLSettings& Source) {
  if (&Source == this) return;
  FBorderSize = Source.FBorderSize;
  FCellSpacing = Source.FCellSpacing;
  FCellPadding = Source.FCellPadding;
  FWidth = Source.FWidth;
  FSaveColor = Source.FSaveColor;
  FSaveFonts = Source.FSaveFonts;
  FExportImages = Source.FExportImages;
  FXHTML = Source.FXHTML;
  FAutoPreview = Source.FAutoPreview;
  FConvertSpecialChars = Source.FConvertSpecialChars;
  FNonBreakingText = Source.FNonBreakingText;
  FHeaderFile = Source.FHeaderFile;
  FFooterFile = Source.FFooterFile;
  FTableStyle = Source.FTableStyle;
  FPrefixTag = Source.FPrefixTag;
  FSuffixTag = Source.FSuffixTag;
  FSummary = Source.FSummary;
}
