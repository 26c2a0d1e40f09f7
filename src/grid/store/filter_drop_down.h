#pragma once
// TFilterDropDown: the look of the list a header's filter button opens, and
// the two glyphs of that button. A new glyph tells the owner (OnChange), which
// repaints the headers; the other settings are read when the list opens.
#include <QFont>
#include <QImage>
#include <functional>

#include "controls/tcolor.h"
#include "grid/store/stored_setting.h"

class TFilterDropDown {
 public:
  std::function<void(TFilterDropDown* Sender)> OnChange;

  // Copies everything but AutoSize; the glyphs arrive through their writers,
  // so the owner hears of them.
  void Assign(const TFilterDropDown& Source);

  const QFont& Font() const { return FFont; }
  void SetFont(const QFont& Value) { FFont = Value; }
  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& Value) {
    FGlyph = Value;
    Changed();
  }
  // Shown while the column has an active filter.
  const QImage& GlyphActive() const { return FGlyphActive; }
  void SetGlyphActive(const QImage& Value) {
    FGlyphActive = Value;
    Changed();
  }

  STORED_SETTING(bool, AutoSize, false)
  STORED_SETTING(TColor, Color, clWindow)
  // The list takes the column's width.
  STORED_SETTING(bool, ColumnWidth, false)
  STORED_SETTING(int, Height, 150)
  STORED_SETTING(int, Width, 150)

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  QFont FFont;
  QImage FGlyph, FGlyphActive;
};

inline void TFilterDropDown::Assign(const TFilterDropDown& Source) {
  if (&Source == this) return;
  FColor = Source.FColor;
  FColumnWidth = Source.FColumnWidth;
  FFont = Source.FFont;
  FHeight = Source.FHeight;
  FWidth = Source.FWidth;
  SetGlyph(Source.FGlyph);
  SetGlyphActive(Source.FGlyphActive);
}
