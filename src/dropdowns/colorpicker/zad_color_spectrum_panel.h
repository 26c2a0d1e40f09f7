#pragma once
// TZadColorSpectrumPanel: a 128 x 128 spectrum picture under an eyedropper
// cursor, with a swatch of the picked colour and one of the colour under the
// mouse below it. A press on the picture picks the colour under it and fires
// OnSelect.
#include <QImage>
#include <functional>

#include "controls/trect.h"
#include "dropdowns/colorpicker/zad_custom_color_selector_panel.h"

class TCanvas;

class TZadColorSpectrumPanel : public TZadCustomColorSelectorPanel {
 public:
  explicit TZadColorSpectrumPanel(QWidget* AOwner = nullptr);

  // The panel's size (150 x 174), the picture centred 10 pixels down, the
  // swatches below it; forgets the hot colour.
  void LayoutPanel();

  // A write stores the colour; the swatch shows it at the next paint.
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
  TColor HotColor() const { return FHotColor; }
  TRect SelectedRect() const { return FSelectedRect; }
  TRect HotRect() const { return FHotRect; }
  // The child that shows the picture, in panel coordinates.
  QWidget* SpectrumImage() const { return FSpectrumImage; }

  // A colour was picked.
  std::function<void(QWidget* Sender)> OnSelect;

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  friend class Spectrum_Image;
  void SpectrumMouseMove(QPoint At);
  void SpectrumMouseDown(QPoint At);
  void Draw_Swatch(TCanvas& Canvas, const TRect& R, TColor Color);

  QWidget* FSpectrumImage = nullptr;
  QImage FPicture;
  TColor FHotColor = clNone;
  TColor FSelectedColor = clWhite;
  TRect FHotRect;
  TRect FSelectedRect;
};
