#pragma once

// Looks and presets of the styled push button. Unscoped on purpose: the
// values are the names the forms and the drawing rules use (bsEncarta, bkOK).
enum TZbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TZbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TZbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TZbColorStyle {
  lcsCustom,
  lcsGold,
  lcsChrome,
  lcsBlue,
  lcsRed,
  lcsUltraFlat1,
  lcsUltraFlat2,
  lcsUltraFlatXP,
  lcsAqua,
  lcsDefault,
  lcsQuicken
};
