// The page control's own drawing: tab strip background, page frame, tabs
// (classic or .NET look) and their captions, rotated on side tabs.
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <algorithm>

#include "controls/canvas.h"
#include "controls/draw_gradient.h"
#include "controls/page_control.h"

namespace {

struct Strip {
  int B, T, L, R;  // extremes of the visible tabs
  int E;           // the page edge line: the strip's last row or column
};

QString Shown_Caption(const QString& caption) {
  QString shown;
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

// Three sides of r, open towards the page.
void Three_Sides(TCanvas& c, const TRect& r, TTabPosition position) {
  const int l = r.Left, t = r.Top, rr = r.Right - 1, b = r.Bottom - 1;
  switch (position) {
    case tpTop:
      c.Polyline({{l, b + 1}, {l, t}, {rr, t}, {rr, b + 1}});
      break;
    case tpBottom:
      c.Polyline({{l, t}, {l, b}, {rr, b}, {rr, t - 1}});
      break;
    case tpLeft:
      c.Polyline({{rr, t}, {l, t}, {l, b}, {rr + 1, b}});
      break;
    case tpRight:
      c.Polyline({{l, t}, {rr, t}, {rr, b}, {l - 1, b}});
      break;
  }
}

// A tab face of `length` pixels along the strip from a bitmap: its first half,
// a two-pixel slice of its middle stretched over the rest, its second half.
void Draw_Tab_Face(QPainter& painter, const QImage& bitmap, int x, int y, int length, bool vertical) {
  if (bitmap.isNull()) return;
  QImage face = bitmap.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = face.pixel(0, face.height() - 1);
  for (int row = 0; row < face.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(face.scanLine(row));
    for (int col = 0; col < face.width(); ++col) {
      if (line[col] == key) line[col] = 0;
    }
  }
  const int size = vertical ? face.height() : face.width();
  const int across = vertical ? face.width() : face.height();
  const int half = size / 2;
  const int middle = std::max(length - size, 0);
  const int slice_at = std::max(half - 1, 0);
  auto part = [&](int from, int count) {
    return vertical ? face.copy(0, from, across, count) : face.copy(from, 0, count, across);
  };
  auto place = [&](int offset) { return vertical ? QPoint(x, y + offset) : QPoint(x + offset, y); };
  painter.drawImage(place(0), part(0, half));
  if (middle > 0) {
    const QImage slice = part(slice_at, std::min(2, size - slice_at));
    const QSize stretched = vertical ? QSize(across, middle) : QSize(middle, across);
    painter.drawImage(QRect(place(half), stretched), slice);
  }
  painter.drawImage(place(half + middle), part(half, size - half));
}

}  // namespace

void TZadPageControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (tab_border_3d_) {
    Paint_Style_Tabs(painter);
    return;
  }
  TCanvas canvas(painter);
  canvas.Font = font();
  canvas.Brush.Color = color_;
  canvas.Fill_Rect({0, 0, width(), height()});
  PaintTabs(canvas);
}

void TZadPageControl::PaintTabs(TCanvas& c) {
  const int W = width(), H = height();
  c.Font = font();
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = Parent_Color();
  c.Pen.Style = TPenStyle::psSolid;
  c.Pen.Width = 1;

  // Erase the tabs and find the strip's extremes.
  Strip s{0, tab_rects_.empty() ? H : tab_rects_[0].Top, W, 0, 0};
  for (const TRect& r : tab_rects_) {
    TRect e = r;
    switch (tab_position_) {
      case tpTop:
        e = {r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom};
        break;
      case tpBottom:
        e = {r.Left - 2, r.Top, r.Right + 2, r.Bottom + 2};
        break;
      case tpLeft:
        e = {r.Left - 2, r.Top - 2, r.Right, r.Bottom + 2};
        break;
      case tpRight:
        e = {r.Left, r.Top - 2, r.Right + 2, r.Bottom + 2};
        break;
    }
    c.Fill_Rect(e);
    s.B = std::max(s.B, r.Bottom);
    s.T = std::min(s.T, r.Top);
    s.L = std::min(s.L, r.Left);
    s.R = std::max(s.R, r.Right);
  }
  if (tab_rects_.empty()) {
    s = {2, H - 2, W - 2, 2, 0};
  }
  switch (tab_position_) {
    case tpTop:
      s.E = s.B - 1;
      break;
    case tpBottom:
      s.E = s.T;
      break;
    case tpLeft:
      s.E = s.R - 1;
      break;
    case tpRight:
      s.E = s.L;
      break;
  }

  // The end of a single row, where a system strip keeps its scroll arrows.
  // Its edge line lies on the page edge E, where the page frame covers it: one
  // row further in, it would show as a stray line inside the page.
  if (!multi_line_ && (tab_position_ == tpTop || tab_position_ == tpBottom)) {
    c.Brush.Color = color_;
    if (tab_position_ == tpTop) {
      c.Fill_Rect({W - 35, 0, W, s.B});
      c.Pen.Color = clWhite;
    } else {
      c.Fill_Rect({W - 35, s.T, W, H});
      c.Pen.Color = cl3DDkShadow;
    }
    c.Polyline({{std::max(W - 35, s.R), s.E}, {W, s.E}});
  }

  // Strip background.
  c.Brush.Color = tab_background_color_;
  switch (tab_position_) {
    case tpLeft:
      c.Fill_Rect({0, 0, s.E, H - 1});
      break;
    case tpRight:
      c.Fill_Rect({s.E + 1, 0, W, H - 1});
      break;
    case tpBottom:
      c.Fill_Rect({0, s.E + 1, W, H});
      break;
    case tpTop:
      c.Fill_Rect({0, 0, W, s.E});
      break;
  }

  // The band around the page in the active page's colours.
  const TZadTabSheet* active = active_page_;
  const bool coloured = active != nullptr && (active->color_to_ != clNone || active->color_ != color_);
  const int fo = tab_sheet_3d_ ? 1 : 0;
  TRect page_area;
  TRect strip_band;
  switch (tab_position_) {
    case tpTop:
      page_area = {0, s.E + fo, W, H};
      strip_band = {0, s.E + fo, W, s.E + fo + 4};
      break;
    case tpBottom:
      page_area = {0, 0, W, s.E + 1 - fo};
      strip_band = {0, s.E + 1 - fo - 4, W, s.E + 1 - fo};
      break;
    case tpLeft:
      page_area = {s.E + fo, 0, W, H};
      strip_band = {s.E + fo, 0, s.E + fo + 4, H};
      break;
    case tpRight:
      page_area = {0, 0, s.E + 1 - fo, H};
      strip_band = {s.E + 1 - fo - 4, 0, s.E + 1 - fo, H};
      break;
  }
  if (coloured) {
    QPainter& p = c.Painter();
    p.save();
    const TRect inner = page_area.Inflate(-4, -4);
    p.setClipRegion(QRegion(page_area.To_QRect()).subtracted(QRegion(inner.To_QRect())));
    c.Brush.Color = active->color_;
    if (active->color_to_ == clNone) {
      c.Fill_Rect(page_area);
    } else {
      DrawGradient(c, active->color_, active->color_to_, false, {0, 0, W, H}, 16);
      c.Fill_Rect(strip_band);
    }
    p.restore();
  }

  // The page frame.
  if (!tab_sheet_3d_) {
    c.Brush.Style = TBrushStyle::bsClear;
    c.Pen.Color = tab_sheet_border_color_;
    switch (tab_position_) {
      case tpTop:
        c.Rectangle(0, s.E, W, H);
        break;
      case tpBottom:
        c.Rectangle(0, 0, W, s.E + 1);
        break;
      case tpLeft:
        c.Rectangle(s.E, 0, W - 1, H - 1);
        break;
      case tpRight:
        c.Rectangle(0, 0, s.E + 1, H);
        break;
    }
    c.Pen.Color = color_;
    if (tab_position_ == tpLeft) {
      c.Polyline({{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
    }
    if (!coloured) {
      switch (tab_position_) {
        case tpTop:
          c.Polyline({{W - 2, s.E + 1}, {W - 2, H - 2}, {0, H - 2}});
          break;
        case tpLeft:
          c.Polyline({{W - 3, 1}, {W - 3, H - 3}, {s.E, H - 3}});
          break;
        case tpBottom:
          c.Polyline({{W - 2, s.E - 1}, {W - 2, 1}, {0, 1}});
          break;
        case tpRight:
          c.Polyline({{1, 1}, {1, H - 2}, {s.E, H - 2}});
          break;
      }
    }
    if (round_edges_) {
      const TColor border = tab_sheet_border_color_;
      if (tab_position_ == tpTop) {
        c.Pen.Color = color_;
        c.Polyline({{0, H - 4}, {0, H - 1}, {4, H - 1}});
        c.Polyline({{W - 4, H - 1}, {W - 1, H - 1}, {W - 1, H - 5}});
        c.Pen.Color = border;
        c.Polyline({{1, H - 4}, {1, H - 2}});
        c.Polyline({{2, H - 2}, {4, H - 2}});
        c.Polyline({{W - 4, H - 2}, {W - 2, H - 2}});
        c.Polyline({{W - 2, H - 3}, {W - 2, H - 5}});
      } else if (tab_position_ == tpLeft) {
        c.Pen.Color = color_;
        c.Polyline({{W - 5, H - 2}, {W - 2, H - 2}, {W - 2, H - 6}});
        c.Polyline({{W - 2, 3}, {W - 2, 0}, {W - 6, 0}});
        c.Pen.Color = border;
        c.Polyline({{W - 5, H - 3}, {W - 3, H - 3}});
        c.Polyline({{W - 3, H - 4}, {W - 3, H - 6}});
        c.Polyline({{W - 3, 3}, {W - 3, 1}});
        c.Polyline({{W - 4, 1}, {W - 6, 1}});
      }
    }
    // Under the tabs the frame gives way to the page, so the tabs join it.
    if (!tab_split_line_ && !pages_.isEmpty()) {
      TColor join = color_;
      if (coloured) {
        join = tab_position_ == tpBottom && active->color_to_ != clNone ? active->color_to_ : active->color_;
      }
      c.Pen.Color = join;
      const bool vertical = tab_position_ == tpLeft || tab_position_ == tpRight;
      int far = (vertical ? s.B : s.R) + tab_overlap_;
      if (tab_position_ == tpLeft && tab_style_ == tsClassic && !tab_background_.isNull()) far += 2;
      if (vertical)
        c.Polyline({{s.E, 2}, {s.E, far}});
      else
        c.Polyline({{2, s.E}, {far, s.E}});
    }
  }

  // Tabs, later pages first, so earlier tabs lie on top.
  const int strip_end = tab_position_ == tpLeft || tab_position_ == tpRight ? s.B : s.R;
  for (int i = static_cast<int>(pages_.size()) - 1; i >= 0; --i) {
    const TZadTabSheet* page = pages_[i];
    if (!page->tab_showing_) continue;
    Paint_Tab(c, i, TabRect(page->TabIndex()), page == active_page_, strip_end, false);
  }
  // The active tab's own face goes over its neighbours.
  if (active_page_ != nullptr && active_page_->tab_showing_ && !tab_background_active_.isNull()) {
    Paint_Tab(c, active_page_->PageIndex(), TabRect(active_page_->TabIndex()), true, strip_end, true);
  }

  // Outline of the tab under the mouse.
  const TZadTabSheet* hovered = Pages(hover_tab_);
  if (hovered != nullptr && hovered->tab_showing_ && tab_hover_border_ != clNone && hovered != active_page_) {
    TRect r = TabRect(hovered->TabIndex());
    switch (tab_position_) {
      case tpTop:
        if (r.Right >= W - 5) --r.Right;
        r.Bottom -= 2;
        break;
      case tpBottom:
        if (r.Right >= W - 5) --r.Right;
        r.Top += 2;
        break;
      case tpLeft:
        r = r.Offset(-1, -2);
        break;
      case tpRight:
        r = r.Offset(1, 0);
        break;
    }
    c.Brush.Style = TBrushStyle::bsClear;
    c.Pen.Color = tab_hover_border_;
    Three_Sides(c, r, tab_position_);
  }
}

void TZadPageControl::Paint_Tab(TCanvas& c, int page_index, const TRect& r, bool active, int strip_end,
                                bool deferred_pass) {
  const TZadTabSheet* page = pages_[page_index];
  const bool vertical = tab_position_ == tpLeft || tab_position_ == tpRight;
  const bool face = !tab_background_.isNull();
  if (active && !tab_background_active_.isNull() && !deferred_pass) return;  // painted last
  const int face_length = vertical ? r.Height() + tab_overlap_ + 3 : r.Width() + tab_overlap_ + 2;
  if (deferred_pass) {
    // Raised by a pixel when the active tab does not move its content.
    const int lift = lower_active_ < 1 ? 1 : 0;
    const TRect at = tab_position_ == tpTop      ? r.Offset(0, -lift)
                     : tab_position_ == tpBottom ? r.Offset(0, lift)
                     : tab_position_ == tpLeft   ? r.Offset(-lift, 0)
                                                 : r.Offset(lift, 0);
    Draw_Tab_Face(c.Painter(), tab_background_active_, at.Left, at.Top, face_length, vertical);
  } else if (face) {
    Draw_Tab_Face(c.Painter(), tab_background_, r.Left, r.Top, face_length, vertical);
  } else {
    Paint_Tab_Look(c, page_index, r, active, strip_end);
  }

  // Caption origin.
  const int la = active ? lower_active_ : 0;
  int x = 0, y = 0;
  switch (tab_position_) {
    case tpTop:
      x = r.Left + (page->show_close_ ? 18 : 4);
      y = r.Top + 1 + la;
      break;
    case tpBottom:
      x = r.Left + (page->show_close_ ? 18 : 4);
      y = active ? r.Top + lower_active_ + 1 : r.Top + (tab_style_ == tsClassic ? 2 : 0);
      break;
    case tpLeft:
      x = r.Left + 1 + la;
      y = r.Bottom - (page->show_close_ ? 17 : 4);
      break;
    case tpRight:
      x = r.Right - 1 - la;
      y = r.Top + (page->show_close_ ? 17 : 4);
      break;
  }
  if (face || deferred_pass) {
    switch (tab_position_) {
      case tpTop:
        break;
      case tpBottom:
        y += 3;
        break;
      case tpLeft:
        x -= 2;
        y -= 3;
        break;
      case tpRight:
        x -= r.Width() / 3;
        y -= 3;
        break;
    }
  }
  x += tab_margin_.LeftMargin();
  y += tab_position_ == tpLeft ? -tab_margin_.TopMargin() : tab_margin_.TopMargin();
  if (tab_position_ == tpLeft && !tab_background_active_.isNull()) y += tab_overlap_ + 3;

  if (page->show_close_) Paint_Close_Box(c, r, active);

  // The page's picture, then the caption beyond it.
  if (const QImage* image = Image_Of(page)) {
    switch (tab_position_) {
      case tpLeft:
        c.Painter().drawImage(x, y - 14, *image);
        y -= image->height();
        break;
      case tpRight:
        c.Painter().drawImage(x - 14, y, *image);
        y += image->height();
        break;
      case tpTop:
      case tpBottom:
        c.Painter().drawImage(x - 2, y, *image);
        x += image->width();
        break;
    }
  }

  // Font and caption.
  TColor text_color = page->text_color_;
  switch (tab_position_) {
    case tpTop:
      c.Font = active ? active_font_ : font();
      if (active) text_color = active_font_color_;
      break;
    case tpBottom:
      c.Font = active_font_;
      text_color = active_font_color_;
      break;
    case tpLeft:
    case tpRight:
      c.Font = active ? active_font_ : font();
      break;
  }
  if (deferred_pass) {
    text_color = page->text_color_;
    if (tab_position_ == tpBottom) y -= 2;
  }
  if (!page->tab_enable_) text_color = clGray;
  c.Font_Color = text_color;
  c.Brush.Style = TBrushStyle::bsClear;
  if (vertical) {
    c.Text_Out_Rotated(x, y, Shown_Caption(page->caption_), tab_position_ == tpLeft ? 900 : -900);
  } else {
    TRect text_rect{x, y, r.Right, r.Bottom};
    c.Draw_Text(page->caption_, text_rect, DT_NOCLIP | DT_SINGLELINE);
  }
  c.Font = font();

  if (show_focus_ && hasFocus() && active) {
    TRect focus{r.Left + 5, r.Top + 3, r.Right - 5, r.Bottom - 3};
    if (deferred_pass) (vertical ? focus.Bottom : focus.Right) -= tab_overlap_;
    c.Draw_Focus_Rect(focus);
  }
}

void TZadPageControl::Paint_Tab_Look(TCanvas& c, int page_index, const TRect& r, bool active, int strip_end) {
  const TZadTabSheet* page = pages_[page_index];
  const int W = width(), H = height();
  const bool vertical = tab_position_ == tpLeft || tab_position_ == tpRight;

  // Colours.
  TColor from = page->tab_color_, to = page->tab_color_to_;
  TGradientDirection direction = page->tab_gradient_direction_;
  if (active && active_color_ != clNone) {
    from = active_color_;
    to = active_color_to_;
  } else if (page_index == hover_tab_ && (tab_hover_color_ != clNone || tab_hover_color_to_ != clNone)) {
    from = tab_hover_color_;
    to = tab_hover_color_to_;
    direction = page->hover_gradient_direction_;
  }

  // Fill; an inactive tab leaves its page-side line to the outline.
  TRect fill = r;
  if (!active) {
    switch (tab_position_) {
      case tpTop:
        --fill.Bottom;
        break;
      case tpBottom:
        ++fill.Top;
        break;
      case tpLeft:
        --fill.Right;
        break;
      case tpRight:
        ++fill.Left;
        break;
    }
  }
  c.Brush.Style = TBrushStyle::bsSolid;
  if (from != clNone && to != clNone) {
    DrawGradient(c, from, to, direction == gdHorizontal, fill, 16);
  } else if (from != clNone) {
    c.Brush.Color = from;
    c.Fill_Rect(fill);
  }

  // Outline.
  c.Brush.Style = TBrushStyle::bsClear;
  c.Pen.Color = tab_border_color_;
  if (active) {
    Three_Sides(c, r, tab_position_);
  } else if (tab_style_ == tsClassic) {
    TRect outline = r;
    if (vertical && r.Bottom < H - 5) ++outline.Bottom;
    if (!vertical && r.Right < W - 5) ++outline.Right;
    c.Rectangle(outline);
  } else {
    switch (tab_position_) {
      case tpTop:
        c.Polyline({{r.Left, r.Bottom - 1}, {r.Right, r.Bottom - 1}});
        break;
      case tpBottom:
        c.Polyline({{r.Left, r.Top}, {r.Right, r.Top}});
        break;
      case tpLeft:
        c.Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom}});
        break;
      case tpRight:
        c.Polyline({{r.Left, r.Top}, {r.Left, r.Bottom}});
        break;
    }
    const TZadTabSheet* next = Tab_Sheet(page->TabIndex() + 1);
    const int far = vertical ? r.Bottom : r.Right;
    const bool separator = !(next != nullptr && next == active_page_) && far + 3 < strip_end && active_color_ != clNone;
    if (separator) {
      c.Brush.Style = TBrushStyle::bsSolid;
      c.Brush.Color = active_color_;
      switch (tab_position_) {
        case tpTop:
          c.Fill_Rect({r.Right - 2, r.Top + 2, r.Right, r.Bottom - 3});
          break;
        case tpBottom:
          c.Fill_Rect({r.Right - 2, r.Top + 3, r.Right, r.Bottom - 2});
          break;
        case tpLeft:
          c.Fill_Rect({r.Left + 2, r.Bottom - 2, r.Right - 3, r.Bottom});
          break;
        case tpRight:
          c.Fill_Rect({r.Left + 3, r.Bottom - 2, r.Right - 2, r.Bottom});
          break;
      }
      c.Brush.Style = TBrushStyle::bsClear;
    }
  }
}

void TZadPageControl::Paint_Close_Box(TCanvas& c, const TRect& r, bool active) {
  const int ml = tab_margin_.LeftMargin(), mt = tab_margin_.TopMargin();
  const int la = active ? lower_active_ : 0;
  // Only the active tab's box turns pressed or hot.
  const bool pressed = active && close_pressed_;
  const bool hot = active && !pressed && hover_close_;
  const int e = r.Bottom - mt + (!tab_background_active_.isNull() ? tab_overlap_ : 0);
  if (!close_glyph_.isNull()) {
    switch (tab_position_) {
      case tpTop:
      case tpBottom:
        Paint_Close_Glyph(c, r.Left + ml + 2, r.Top + mt + la + 2);
        break;
      case tpRight:
        Paint_Close_Glyph(c, hot ? r.Left + ml + 2 : r.Left + ml - la + 4, r.Top + mt + 2);
        break;
      case tpLeft:
        Paint_Close_Glyph(c, r.Left + ml + la + 2, e - 13);
        break;
    }
    return;
  }
  c.Pen.Style = TPenStyle::psSolid;
  c.Pen.Color = hot || pressed ? clBlack : clGray;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = pressed ? clSilver : clWhite;
  const TColor cross_color = hot ? clGray : clBlack;
  auto cross = [&c, cross_color](int x0, int y_a, int y_b, int y_c, int y_d) {
    c.Pen.Color = cross_color;
    c.Polyline({{x0 + 5, y_a}, {x0 + 11, y_b}});
    c.Polyline({{x0 + 6, y_a}, {x0 + 10, y_b}});
    c.Polyline({{x0 + 5, y_c}, {x0 + 11, y_d}});
    c.Polyline({{x0 + 6, y_c}, {x0 + 10, y_d}});
  };
  if (tab_position_ == tpLeft) {
    const int x0 = r.Left + ml + la;
    c.Rectangle(x0 + 2, e - 13, x0 + 14, e - 2);
    cross(x0, e - 10, e - 5, e - 6, e - 11);
  } else {
    int x0 = r.Left + ml, y0 = r.Top + mt + la;
    if (tab_position_ == tpRight) {
      // The hot box on a right tab keeps to the margins.
      x0 = hot ? r.Left + ml : r.Left + ml - la + 2;
      y0 = r.Top + mt;
    }
    c.Rectangle(x0 + 2, y0 + 2, x0 + 14, y0 + 13);
    cross(x0, y0 + 9, y0 + 4, y0 + 5, y0 + 10);
  }
  c.Brush.Style = TBrushStyle::bsClear;
}

void TZadPageControl::Paint_Close_Glyph(TCanvas& c, int x, int y) {
  QImage glyph = close_glyph_.copy(0, 0, std::min(12, close_glyph_.width()), std::min(11, close_glyph_.height()))
                     .convertToFormat(QImage::Format_ARGB32);
  const QRgb key = close_glyph_.pixel(0, close_glyph_.height() - 1);
  for (int row = 0; row < glyph.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(glyph.scanLine(row));
    for (int col = 0; col < glyph.width(); ++col)
      if ((line[col] | 0xFF000000u) == (key | 0xFF000000u)) line[col] = 0;
  }
  c.Painter().drawImage(x, y, glyph);
}

void TZadPageControl::Paint_Style_Tabs(QPainter& painter) {
  QStyle* style = this->style();
  painter.fillRect(rect(), palette().color(QPalette::Window));
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.rect = page_rect_.To_QRect().adjusted(-4, -4, 4, 4);
  style->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);

  QStyleOptionTab::TabPosition position = QStyleOptionTab::Middle;
  QTabBar::Shape shape = QTabBar::RoundedNorth;
  switch (tab_position_) {
    case tpTop:
      shape = QTabBar::RoundedNorth;
      break;
    case tpBottom:
      shape = QTabBar::RoundedSouth;
      break;
    case tpLeft:
      shape = QTabBar::RoundedWest;
      break;
    case tpRight:
      shape = QTabBar::RoundedEast;
      break;
  }
  const int count = static_cast<int>(std::min<size_t>(tab_rects_.size(), static_cast<size_t>(tabs_.size())));
  // The selected tab last, so that it lies over its neighbours.
  auto draw = [&](int i) {
    const TZadTabSheet* page = tabs_[i];
    QStyleOptionTab option;
    option.initFrom(this);
    option.rect = tab_rects_[static_cast<size_t>(i)].To_QRect();
    option.shape = shape;
    option.text = page->caption_;
    if (const QImage* image = Image_Of(page)) {
      option.icon = QIcon(QPixmap::fromImage(*image));
      option.iconSize = image->size();
    }
    option.position = count == 1 ? QStyleOptionTab::OnlyOneTab
                      : i == 0   ? QStyleOptionTab::Beginning
                      : i == count - 1 ? QStyleOptionTab::End
                                       : position;
    option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (i == tab_index_) {
      option.state |= QStyle::State_Selected;
      if (hasFocus()) option.state |= QStyle::State_HasFocus;
    }
    if (!page->tab_enable_) option.state &= ~QStyle::State_Enabled;
    style->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
  };
  for (int i = 0; i < count; ++i)
    if (i != tab_index_) draw(i);
  if (tab_index_ >= 0 && tab_index_ < count) draw(tab_index_);
}
