#include "controls/editor_logic/classic_paint.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace {

void Hline(TCanvas& canvas, int x1, int x2, int y, TColor color) {
  if (x2 <= x1) return;
  canvas.Painter().fillRect(QRect(x1, y, x2 - x1, 1), To_QColor(color));
}

void Vline(TCanvas& canvas, int x, int y1, int y2, TColor color) {
  if (y2 <= y1) return;
  canvas.Painter().fillRect(QRect(x, y1, 1, y2 - y1), To_QColor(color));
}

// One ring: left and top in `lt`, right and bottom in `rb` (the top-right
// and bottom-left corners take `rb`).
void Ring(TCanvas& canvas, const TRect& r, unsigned sides, TColor lt, TColor rb) {
  if (r.Is_Empty()) return;
  if (sides & BF_LEFT) Vline(canvas, r.Left, r.Top, r.Bottom, lt);
  if (sides & BF_TOP) Hline(canvas, r.Left, r.Right, r.Top, lt);
  if (sides & BF_RIGHT) Vline(canvas, r.Right - 1, r.Top, r.Bottom, rb);
  if (sides & BF_BOTTOM) Hline(canvas, r.Left, r.Right, r.Bottom - 1, rb);
}

TRect Shrink(const TRect& r, unsigned sides) {
  TRect s = r;
  if (sides & BF_LEFT) ++s.Left;
  if (sides & BF_TOP) ++s.Top;
  if (sides & BF_RIGHT) --s.Right;
  if (sides & BF_BOTTOM) --s.Bottom;
  return s;
}

Arrow_Direction Scroll_Arrow(unsigned state) {
  switch (state & 0xF) {
    case DFCS_SCROLLUP:
      return Arrow_Direction::Up;
    case DFCS_SCROLLLEFT:
      return Arrow_Direction::Left;
    case DFCS_SCROLLRIGHT:
      return Arrow_Direction::Right;
    default:
      return Arrow_Direction::Down;
  }
}

}  // namespace

void Draw_Edge(TCanvas& canvas, TRect& rect, unsigned edge, unsigned flags) {
  const unsigned sides = flags & BF_RECT;
  TRect r = rect;
  const bool outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
  const bool inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
  if (flags & BF_FLAT) {
    if (outer) {
      Ring(canvas, r, sides, clBtnShadow, clBtnShadow);
      r = Shrink(r, sides);
    }
    if (inner) {
      Ring(canvas, r, sides, clBtnFace, clBtnFace);
      r = Shrink(r, sides);
    }
  } else {
    if (edge & BDR_RAISEDOUTER) {
      Ring(canvas, r, sides, (flags & BF_SOFT) ? clBtnHighlight : cl3DLight, cl3DDkShadow);
      r = Shrink(r, sides);
    } else if (edge & BDR_SUNKENOUTER) {
      Ring(canvas, r, sides, (flags & BF_SOFT) ? cl3DDkShadow : clBtnShadow, clBtnHighlight);
      r = Shrink(r, sides);
    }
    if (edge & BDR_RAISEDINNER) {
      Ring(canvas, r, sides, (flags & BF_SOFT) ? cl3DLight : clBtnHighlight, clBtnShadow);
      r = Shrink(r, sides);
    } else if (edge & BDR_SUNKENINNER) {
      Ring(canvas, r, sides, (flags & BF_SOFT) ? clBtnShadow : cl3DDkShadow, cl3DLight);
      r = Shrink(r, sides);
    }
  }
  if (flags & BF_MIDDLE) canvas.Painter().fillRect(r.To_QRect(), To_QColor(clBtnFace));
  if (flags & BF_ADJUST) rect = r;
}

void Draw_Frame_Control(TCanvas& canvas, TRect& rect, unsigned type, unsigned state) {
  TRect r = rect;
  const bool pushed = state & DFCS_PUSHED;
  if (state & DFCS_FLAT) {
    Draw_Edge(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
  } else if (pushed) {
    if (type == DFC_BUTTON) {
      Draw_Edge(canvas, r, BDR_SUNKENOUTER | BDR_SUNKENINNER, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
      Ring(canvas, rect, BF_RECT, cl3DDkShadow, cl3DDkShadow);
    } else {
      Draw_Edge(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
    }
  } else {
    Draw_Edge(canvas, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST | (type == DFC_BUTTON ? BF_SOFT : 0));
  }
  if (type == DFC_SCROLL) {
    TRect glyph = r;
    if (pushed) glyph = glyph.Offset(1, 1);
    const Arrow_Direction direction = Scroll_Arrow(state);
    if (state & DFCS_INACTIVE) {
      Draw_Arrow_Glyph(canvas, glyph.Offset(1, 1), direction, clBtnHighlight);
      Draw_Arrow_Glyph(canvas, glyph, direction, clGrayText);
    } else {
      Draw_Arrow_Glyph(canvas, glyph, direction, clBtnText);
    }
  }
  if (state & DFCS_ADJUSTRECT) rect = r;
}

void Draw_Arrow_Glyph(TCanvas& canvas, const TRect& rect, Arrow_Direction direction, TColor color) {
  if (rect.Is_Empty()) return;
  const bool vertical = direction == Arrow_Direction::Up || direction == Arrow_Direction::Down;
  const int across = vertical ? rect.Width() : rect.Height();
  const int along = vertical ? rect.Height() : rect.Width();
  // Height of the arrow: a quarter of the button, at least 2; its base is twice that less one.
  const int h = std::max(2, std::min((std::min(across, along) + 1) / 4, (across + 1) / 2));
  const int base = 2 * h - 1;
  const int x0 = rect.Left + (rect.Width() - (vertical ? base : h)) / 2;
  const int y0 = rect.Top + (rect.Height() - (vertical ? h : base)) / 2;
  const QColor c = To_QColor(color);
  for (int i = 0; i < h; ++i) {
    // Row i from the arrow's point: 2*i+1 pixels long.
    const int len = 2 * i + 1;
    const int offset = h - 1 - i;
    switch (direction) {
      case Arrow_Direction::Up:
        canvas.Painter().fillRect(QRect(x0 + offset, y0 + i, len, 1), c);
        break;
      case Arrow_Direction::Down:
        canvas.Painter().fillRect(QRect(x0 + offset, y0 + h - 1 - i, len, 1), c);
        break;
      case Arrow_Direction::Left:
        canvas.Painter().fillRect(QRect(x0 + i, y0 + offset, 1, len), c);
        break;
      case Arrow_Direction::Right:
        canvas.Painter().fillRect(QRect(x0 + h - 1 - i, y0 + offset, 1, len), c);
        break;
    }
  }
}

void Fill_Triangle(TCanvas& canvas, QPoint a, QPoint b, QPoint c, TColor color) {
  QPainter& p = canvas.Painter();
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(To_QColor(color));
  pen.setWidth(0);
  p.setPen(pen);
  p.setBrush(To_QColor(color));
  p.drawPolygon(QPolygon({a, b, c}));
  p.restore();
}

QImage Spin_Arrow_Glyph(Arrow_Direction direction) {
  const bool vertical = direction == Arrow_Direction::Up || direction == Arrow_Direction::Down;
  QImage glyph(vertical ? 5 : 3, vertical ? 3 : 5, QImage::Format_RGB32);
  glyph.fill(To_QColor(clFuchsia));
  QPainter painter(&glyph);
  TCanvas canvas(painter);
  Draw_Arrow_Glyph(canvas, TRect{0, 0, glyph.width(), glyph.height()}, direction, clBlack);
  return glyph;
}

void Draw_Transparent_Glyph(TCanvas& canvas, int x, int y, const QImage& glyph, bool enabled) {
  if (glyph.isNull()) return;
  QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
  const QRgb see_through = image.pixel(0, image.height() - 1);
  for (int row = 0; row < image.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int col = 0; col < image.width(); ++col) {
      if ((line[col] & 0xFFFFFF) == (see_through & 0xFFFFFF)) {
        line[col] = 0;
      } else if (!enabled) {
        line[col] = To_QColor(clGrayText).rgba();
      }
    }
  }
  if (!enabled) {
    QImage shadow = image;
    for (int row = 0; row < shadow.height(); ++row) {
      auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(row));
      for (int col = 0; col < shadow.width(); ++col)
        if (qAlpha(line[col])) line[col] = To_QColor(clBtnHighlight).rgba();
    }
    canvas.Painter().drawImage(x + 1, y + 1, shadow);
  }
  canvas.Painter().drawImage(x, y, image);
}
