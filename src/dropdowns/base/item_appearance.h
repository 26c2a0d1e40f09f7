#pragma once
// The colours of an item selector's hot and selected items: a two-part
// gradient with an optional mirrored lower half inside a frame of border, top,
// bottom and edge lines, or, with BorderColorHot / BorderColorSelected set, a
// plain gradient inside a one-pixel border.
#include <QFont>
#include <QObject>
#include <functional>

#include "controls/tcolor.h"
#include "dropdowns/base/selection_color_style.h"

class TItemAppearance {
 public:
  explicit TItemAppearance(QObject* AOwner = nullptr);
  TItemAppearance(const TItemAppearance&) = delete;
  TItemAppearance& operator=(const TItemAppearance&) = delete;

  // The preset colours, the font, the style (whose preset then overwrites the
  // copied colours when it differs from this one's), then the text and plain
  // border colours.
  void Assign(const TItemAppearance& Source);

  QObject* Owner() const { return FOwner; }
  // Kept for the owner; the appearance itself never fires it.
  std::function<void()> OnChange;

  TColor ColorMirrorHotTo = clNone;
  TColor BorderColor = clNone;
  TColor ColorMirrorHot = clNone;
  TColor ColorSelectedTo = clNone;
  TColor ColorSelected = clNone;
  TColor EdgeColor = clNone;
  TColor ColorHotTo = clNone;
  TColor BorderColorBottom = clNone;
  TColor ColorHot = clNone;
  TColor BorderColorTop = clNone;
  TColor ColorMirrorSelectedTo = clNone;
  TColor ColorMirrorSelected = clNone;
  TColor ColorSelectedText = clBlack;
  TColor ColorHotText = clBlack;
  QFont Font;
  // The colour of captions that are neither hot nor selected.
  TColor FontColor = clWindowText;
  // With either set, that item is drawn as a plain gradient in this border.
  TColor BorderColorHot = clNone;
  TColor BorderColorSelected = clNone;

  TSelectionColorStyle ColorStyle() const { return FColorStyle; }
  // Loads the preset's twelve frame and fill colours (scCustom loads none);
  // does nothing when Style is the current one.
  void SetColorStyle(TSelectionColorStyle Style);

 private:
  QObject* FOwner;
  TSelectionColorStyle FColorStyle = scCustom;
};
