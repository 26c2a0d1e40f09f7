#include "grid/input/flat_scroll_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionSlider>

Flat_Scroll_Style::Flat_Scroll_Style() : QProxyStyle() {}

int Flat_Scroll_Style::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  if (metric == PM_ScrollBarExtent && look_ != Flat_Look::Regular && extent_ > 0) return extent_;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

void Flat_Scroll_Style::Draw_Part(QPainter* painter, const QRect& rect, const QPalette& palette, bool hot,
                                  bool pressed) const {
  if (rect.isEmpty()) return;
  if (look_ == Flat_Look::Flat) {
    // Flat bars mark the part under the mouse by colour only.
    painter->fillRect(
        rect, hot || pressed ? palette.color(QPalette::Highlight).lighter(160) : palette.color(QPalette::Button));
    painter->setPen(palette.color(QPalette::Mid));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    return;
  }
  painter->fillRect(rect, palette.color(QPalette::Button));
  if (!hot && !pressed) {
    painter->setPen(palette.color(QPalette::Mid));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    return;
  }
  // Encarta: the part under the mouse stands out raised (sunken while pressed).
  const QColor light = palette.color(QPalette::Light), dark = palette.color(QPalette::Dark);
  painter->setPen(pressed ? dark : light);
  painter->drawLine(rect.topLeft(), rect.topRight());
  painter->drawLine(rect.topLeft(), rect.bottomLeft());
  painter->setPen(pressed ? light : dark);
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  painter->drawLine(rect.topRight(), rect.bottomRight());
}

void Flat_Scroll_Style::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                           const QWidget* widget) const {
  const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
  if (control != CC_ScrollBar || look_ == Flat_Look::Regular || !bar) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  const QPalette& palette = bar->palette;
  const bool enabled = bar->state & State_Enabled;
  painter->save();
  painter->fillRect(bar->rect, background_.isValid() ? background_ : palette.color(QPalette::Midlight));
  auto part = [&](SubControl sub) { return subControlRect(CC_ScrollBar, bar, sub, widget); };
  auto hot = [&](SubControl sub) {
    return enabled && (bar->activeSubControls & sub) && (bar->state & State_MouseOver);
  };
  auto pressed = [&](SubControl sub) {
    return enabled && (bar->activeSubControls & sub) && (bar->state & State_Sunken);
  };
  const bool vertical = bar->orientation == Qt::Vertical;
  const QColor arrow = enabled ? palette.color(QPalette::ButtonText) : palette.color(QPalette::Mid);
  for (SubControl sub : {SC_ScrollBarSubLine, SC_ScrollBarAddLine}) {
    const QRect rect = part(sub);
    Draw_Part(painter, rect, palette, hot(sub), pressed(sub));
    if (rect.isEmpty()) continue;
    // A small filled triangle pointing away from the track.
    const QPointF c = QRectF(rect).center();
    const qreal s = std::max<qreal>(2, std::min(rect.width(), rect.height()) / 5.0);
    const bool up = sub == SC_ScrollBarSubLine;
    QPainterPath path;
    if (vertical) {
      const qreal tip = up ? -s : s;
      path.moveTo(c.x() - s * 1.5, c.y() - tip / 2);
      path.lineTo(c.x() + s * 1.5, c.y() - tip / 2);
      path.lineTo(c.x(), c.y() + tip);
    } else {
      const qreal tip = up ? -s : s;
      path.moveTo(c.x() - tip / 2, c.y() - s * 1.5);
      path.lineTo(c.x() - tip / 2, c.y() + s * 1.5);
      path.lineTo(c.x() + tip, c.y());
    }
    path.closeSubpath();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->fillPath(path, arrow);
    painter->setRenderHint(QPainter::Antialiasing, false);
  }
  if (enabled && bar->maximum > bar->minimum)
    Draw_Part(painter, part(SC_ScrollBarSlider), palette, hot(SC_ScrollBarSlider), pressed(SC_ScrollBarSlider));
  painter->restore();
}
