#include "controls/canvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <cstdlib>
#include <vector>

namespace {

Qt::PenStyle To_Qt(TPenStyle style) {
  switch (style) {
    case TPenStyle::psSolid:
      return Qt::SolidLine;
    case TPenStyle::psDash:
      return Qt::DashLine;
    case TPenStyle::psDot:
      return Qt::DotLine;
    case TPenStyle::psDashDot:
      return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
      return Qt::DashDotDotLine;
    case TPenStyle::psClear:
      return Qt::NoPen;
  }
  return Qt::SolidLine;
}

int Qt_Text_Flags(unsigned flags) {
  int qt = 0;
  if (flags & DT_CENTER)
    qt |= Qt::AlignHCenter;
  else if (flags & DT_RIGHT)
    qt |= Qt::AlignRight;
  else
    qt |= Qt::AlignLeft;
  if (flags & DT_SINGLELINE) {
    qt |= Qt::TextSingleLine;
    if (flags & DT_VCENTER)
      qt |= Qt::AlignVCenter;
    else if (flags & DT_BOTTOM)
      qt |= Qt::AlignBottom;
    else
      qt |= Qt::AlignTop;
  } else {
    qt |= Qt::AlignTop;
    if (flags & DT_WORDBREAK) qt |= Qt::TextWordWrap;
  }
  if (!(flags & DT_NOPREFIX)) qt |= Qt::TextShowMnemonic;
  if (flags & DT_EXPANDTABS) qt |= Qt::TextExpandTabs;
  return qt;
}

// The text a prefix-processing layout shows: "&&" is one ampersand, a single
// "&" only underlines the next character.
QString Without_Prefix(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

}  // namespace

TCanvas::TCanvas(QPainter& painter) : Font(painter.font()), painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void TCanvas::Fill_Rect(const TRect& r) {
  if (Brush.Style == TBrushStyle::bsClear || r.Is_Empty()) return;
  painter_.fillRect(r.To_QRect(), To_QColor(Brush.Color));
}

void TCanvas::Frame_Rect(const TRect& r) {
  if (r.Is_Empty()) return;
  const QColor c = To_QColor(Brush.Color);
  painter_.fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
  painter_.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  painter_.fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
  painter_.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::Rectangle(const TRect& r) {
  if (r.Is_Empty()) return;
  if (Pen.Style == TPenStyle::psClear) {
    Fill_Rect({r.Left, r.Top, r.Right - 1, r.Bottom - 1});
    return;
  }
  const int w = Pen.Width < 1 ? 1 : Pen.Width;
  Fill_Rect({r.Left + w, r.Top + w, r.Right - w, r.Bottom - w});
  if (Pen.Style == TPenStyle::psSolid) {
    const QColor c = To_QColor(Pen.Color);
    painter_.fillRect(QRect(r.Left, r.Top, r.Width(), qMin(w, r.Height())), c);
    painter_.fillRect(QRect(r.Left, r.Bottom - w, r.Width(), qMin(w, r.Height())), c);
    painter_.fillRect(QRect(r.Left, r.Top, qMin(w, r.Width()), r.Height()), c);
    painter_.fillRect(QRect(r.Right - w, r.Top, qMin(w, r.Width()), r.Height()), c);
  } else {
    Polyline(
        {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}, {r.Left, r.Top}});
  }
}

void TCanvas::Round_Rect(int left, int top, int right, int bottom, int corner_width, int corner_height) {
  if (right <= left || bottom <= top) return;
  painter_.save();
  if (Pen.Style == TPenStyle::psClear) {
    painter_.setPen(Qt::NoPen);
  } else {
    QPen pen(To_QColor(Pen.Color));
    pen.setWidth(Pen.Width);
    pen.setStyle(To_Qt(Pen.Style));
    painter_.setPen(pen);
  }
  painter_.setBrush(Brush.Style == TBrushStyle::bsClear ? QBrush(Qt::NoBrush) : QBrush(To_QColor(Brush.Color)));
  // The outline runs through the last pixel inside, as with Rectangle.
  const QRectF outline(left, top, right - left - 1, bottom - top - 1);
  painter_.drawRoundedRect(outline, corner_width / 2.0, corner_height / 2.0);
  painter_.restore();
}

void TCanvas::Line(QPoint from, QPoint to) {
  if (Pen.Style == TPenStyle::psClear || from == to) return;
  const QColor c = To_QColor(Pen.Color);
  if (Pen.Style == TPenStyle::psSolid && Pen.Width <= 1) {
    // Bresenham, the end point excluded.
    std::vector<QPoint> points;
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    while (x != to.x() || y != to.y()) {
      points.emplace_back(x, y);
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y += sy;
      }
    }
    if (from.y() == to.y() || from.x() == to.x()) {
      const QPoint last = points.back();
      painter_.fillRect(QRect(QPoint(qMin(from.x(), last.x()), qMin(from.y(), last.y())),
                              QPoint(qMax(from.x(), last.x()), qMax(from.y(), last.y()))),
                        c);
      return;
    }
    painter_.save();
    painter_.setPen(QPen(c, 1));
    painter_.drawPoints(points.data(), static_cast<int>(points.size()));
    painter_.restore();
    return;
  }
  painter_.save();
  QPen pen(c);
  pen.setWidth(Pen.Width);
  pen.setStyle(To_Qt(Pen.Style));
  painter_.setPen(pen);
  painter_.drawLine(from, to);
  painter_.restore();
}

void TCanvas::Line_To(int x, int y) {
  const QPoint to(x, y);
  Line(pen_pos_, to);
  pen_pos_ = to;
}

void TCanvas::Polyline(std::initializer_list<QPoint> points) {
  if (points.size() == 0) return;
  auto it = points.begin();
  Move_To(it->x(), it->y());
  for (++it; it != points.end(); ++it) Line_To(it->x(), it->y());
}

void TCanvas::Set_Pixel(int x, int y, TColor color) { painter_.fillRect(QRect(x, y, 1, 1), To_QColor(color)); }

void TCanvas::Draw_Focus_Rect(const TRect& r) {
  if (r.Is_Empty()) return;
  std::vector<QPoint> dots;
  auto add = [&](int x, int y) {
    if (((x - r.Left) + (y - r.Top)) % 2 == 0) dots.emplace_back(x, y);
  };
  for (int x = r.Left; x < r.Right; ++x) {
    add(x, r.Top);
    if (r.Bottom - 1 != r.Top) add(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    add(r.Left, y);
    if (r.Right - 1 != r.Left) add(r.Right - 1, y);
  }
  painter_.save();
  const QPaintEngine* engine = painter_.paintEngine();
  if (engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes)) {
    painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_.setPen(QPen(Qt::black, 1));
  } else {
    painter_.setPen(QPen(Qt::black, 1));
  }
  painter_.drawPoints(dots.data(), static_cast<int>(dots.size()));
  painter_.restore();
}

int TCanvas::Text_Width(const QString& text) const {
  return QFontMetrics(Font, painter_.device()).horizontalAdvance(text);
}

int TCanvas::Text_Height(const QString&) const { return QFontMetrics(Font, painter_.device()).height(); }

void TCanvas::Text_Out(int x, int y, const QString& text) { Text_Out_Rotated(x, y, text, 0); }

void TCanvas::Text_Out_Rotated(int x, int y, const QString& text, int escapement) {
  if (text.isEmpty()) return;
  const QFontMetrics fm(Font, painter_.device());
  painter_.save();
  painter_.translate(x, y);
  if (escapement % 3600 != 0) painter_.rotate(-escapement / 10.0);
  if (Brush.Style == TBrushStyle::bsSolid) {
    painter_.fillRect(QRect(0, 0, fm.horizontalAdvance(text), fm.height()), To_QColor(Brush.Color));
  }
  painter_.setFont(Font);
  painter_.setPen(To_QColor(Font_Color));
  painter_.drawText(QPoint(0, fm.ascent()), text);
  painter_.restore();
}

int TCanvas::Draw_Text(const QString& text, TRect& r, unsigned flags) {
  const QFontMetrics fm(Font, painter_.device());
  const int qt_flags = Qt_Text_Flags(flags);
  QString shown = text;
  if ((flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) && (flags & DT_SINGLELINE) &&
      !(flags & DT_CALCRECT)) {
    shown = fm.elidedText(text, (flags & DT_PATH_ELLIPSIS) ? Qt::ElideMiddle : Qt::ElideRight, qMax(r.Width(), 0),
                          qt_flags);
  }
  if (flags & DT_CALCRECT) {
    const bool wraps = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE);
    const QRect bound = fm.boundingRect(QRect(r.Left, r.Top, wraps ? qMax(r.Width(), 1) : 100000, 100000),
                                        (qt_flags & ~(Qt::AlignVCenter | Qt::AlignBottom)) | Qt::AlignTop, shown);
    const int height = text.isEmpty() ? 0 : qMax(bound.height(), fm.height());
    int width = bound.width();
    if (flags & DT_SINGLELINE) {
      // The advance, as Text_Width gives it, so measured and drawn widths agree.
      width = fm.horizontalAdvance((flags & DT_NOPREFIX) ? shown : Without_Prefix(shown));
    }
    if (!wraps || width < r.Width()) r.Right = r.Left + width;
    r.Bottom = r.Top + height;
    return height;
  }
  const QRect target = r.To_QRect();
  const QRect bound = fm.boundingRect(target, qt_flags, shown);
  painter_.save();
  if (!(flags & DT_NOCLIP)) painter_.setClipRect(target, Qt::IntersectClip);
  if (Brush.Style == TBrushStyle::bsSolid && !shown.isEmpty()) painter_.fillRect(bound, To_QColor(Brush.Color));
  painter_.setFont(Font);
  painter_.setPen(To_QColor(Font_Color));
  painter_.drawText(target, qt_flags, shown);
  painter_.restore();
  return shown.isEmpty() ? 0 : bound.height();
}
