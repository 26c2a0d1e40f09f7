#include "dropdowns/colorpicker/zad_color_spectrum_panel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "controls/canvas.h"
#include "dropdowns/colorpicker/spectrum_picture.h"

// The picture: paints the spectrum and hands its mouse to the panel in its
// own coordinates.
class Spectrum_Image : public QWidget {
 public:
  explicit Spectrum_Image(TZadColorSpectrumPanel* Panel) : QWidget(Panel), FPanel(Panel) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    resize(128, 128);
    setCursor(QCursor(QPixmap::fromImage(Make_Eyedropper_Image()), kEyedropperHotSpot.x(), kEyedropperHotSpot.y()));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, FPanel->FPicture);
  }
  void mouseMoveEvent(QMouseEvent* Event) override { FPanel->SpectrumMouseMove(Event->position().toPoint()); }
  void mousePressEvent(QMouseEvent* Event) override { FPanel->SpectrumMouseDown(Event->position().toPoint()); }

 private:
  TZadColorSpectrumPanel* FPanel;
};

TZadColorSpectrumPanel::TZadColorSpectrumPanel(QWidget* AOwner)
    : TZadCustomColorSelectorPanel(AOwner), FPicture(Make_Spectrum_Picture()) {
  FSpectrumImage = new Spectrum_Image(this);
}

void TZadColorSpectrumPanel::LayoutPanel() {
  SetPanelSize(150, 174);
  const int left = (width() - FSpectrumImage->width()) / 2, top = 10;
  FSpectrumImage->move(left, top);
  const int bottom = top + FSpectrumImage->height();
  FSelectedRect = TRect{left - 1, bottom + 8, left + FSpectrumImage->width() / 2 - 2, bottom + 28};
  FHotRect =
      TRect{FSelectedRect.Right + 4, FSelectedRect.Top, left + FSpectrumImage->width() + 1, FSelectedRect.Bottom};
  FHotColor = clNone;
  update();
}

void TZadColorSpectrumPanel::Draw_Swatch(TCanvas& Canvas, const TRect& R, TColor Color) {
  Canvas.Pen.Color = clGray;
  Canvas.Brush.Style = TBrushStyle::bsClear;
  Canvas.Rectangle(R.Inflate(1, 1));
  Canvas.Pen.Color = clWhite;
  // No colour yet: the swatch stays empty inside its white frame.
  Canvas.Brush.Style = Color == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
  Canvas.Brush.Color = Color;
  Canvas.Rectangle(R);
}

void TZadColorSpectrumPanel::paintEvent(QPaintEvent* Event) {
  TZadCustomColorSelectorPanel::paintEvent(Event);
  QPainter painter(this);
  TCanvas canvas(painter);
  const QRect g = FSpectrumImage->geometry();
  const TRect picture{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Pen.Color = clWhite;
  canvas.Rectangle(picture.Inflate(1, 1));
  canvas.Pen.Color = clGray;
  canvas.Rectangle(picture.Inflate(2, 2));
  Draw_Swatch(canvas, FSelectedRect, FSelectedColor);
  Draw_Swatch(canvas, FHotRect, FHotColor);
}

void TZadColorSpectrumPanel::SpectrumMouseMove(QPoint At) {
  if (!FPicture.rect().contains(At)) return;
  FHotColor = From_QColor(FPicture.pixelColor(At));
  update();
}

void TZadColorSpectrumPanel::SpectrumMouseDown(QPoint At) {
  // The colour under the press counts, also when no move came before it.
  SpectrumMouseMove(At);
  FSelectedColor = FHotColor;
  update();
  if (OnSelect) OnSelect(this);
}
