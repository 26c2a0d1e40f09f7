#pragma once
// The look of the string grid's flat scroll bars. Regular bars keep the
// application style; flat bars are painted flat in the scroll colour with a
// highlighted part under the mouse; Encarta bars are flat until the mouse is
// over an arrow or the thumb, which then stands out in 3D. The bar's
// thickness follows the grid's scroll width for the flat looks.
#include <QProxyStyle>

enum class Flat_Look { Regular, Flat, Encarta };

class Flat_Scroll_Style : public QProxyStyle {
  Q_OBJECT

 public:
  Flat_Scroll_Style();

  Flat_Look Look() const { return look_; }
  void Set_Look(Flat_Look look) { look_ = look; }
  // An invalid colour keeps the palette's.
  void Set_Background(const QColor& color) { background_ = color; }
  QColor Background() const { return background_; }
  void Set_Extent(int pixels) { extent_ = pixels; }
  int Extent() const { return extent_; }

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;

 private:
  void Draw_Part(QPainter* painter, const QRect& rect, const QPalette& palette, bool hot, bool pressed) const;

  Flat_Look look_ = Flat_Look::Regular;
  QColor background_;
  int extent_ = 0;
};
