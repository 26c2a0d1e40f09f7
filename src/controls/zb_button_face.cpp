#include "controls/zb_button_face.h"

#include <QPainter>
#include <algorithm>

#include "controls/zb_glyphs.h"

namespace {

unsigned Align_Flag(TAlignment a) {
  switch (a) {
    case taLeftJustify:
      return DT_LEFT;
    case taRightJustify:
      return DT_RIGHT;
    case taCenter:
      return DT_CENTER;
  }
  return DT_CENTER;
}

int Single_Line_Width(TCanvas& c, const QString& text) {
  TRect probe{0, 0, 100000, 0};
  c.Draw_Text(text, probe, DT_CALCRECT | DT_SINGLELINE);
  return probe.Width();
}

// The longest start of the caption that fits `width` on one line. A start's
// width grows with its length, so doubling probes and then a binary search
// find it measuring only starts up to twice the shown part: a caption of any
// length (a broken language file) costs about what the visible part costs.
QString Fitting_Start(TCanvas& c, const QString& caption, int width) {
  auto fits = [&](qsizetype length) { return Single_Line_Width(c, caption.left(length)) <= width; };
  qsizetype good = 0;  // the empty start always fits
  qsizetype bad = -1;  // shortest start known not to fit, -1 while none is
  for (qsizetype probe = 1; bad < 0; probe *= 2) {
    const qsizetype length = std::min(probe, caption.size());
    if (fits(length))
      good = length;
    else
      bad = length;
    if (length == caption.size()) break;
  }
  if (bad < 0) return caption;
  while (bad - good > 1) {
    const qsizetype middle = good + (bad - good) / 2;
    (fits(middle) ? good : bad) = middle;
  }
  // Never half a surrogate pair.
  if (good > 0 && caption.at(good - 1).isHighSurrogate()) --good;
  return caption.left(good);
}

void Edge_Lines(TCanvas& c, int W, int H, TColor top_left, TColor bottom_right) {
  c.Pen.Color = top_left;
  c.Polyline({{0, H - 1}, {0, 0}, {W - 1, 0}});
  c.Pen.Color = bottom_right;
  c.Polyline({{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
}

}  // namespace

TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, int HotTrackStep) {
  const TColor from = Color_To_RGB(Color);
  const TColor to = Color_To_RGB(HotTrackColor);
  const double s = HotTrackStep / 8.0;
  auto mix = [&](int a, int b) { return static_cast<int>(a * (1.0 - s) + b * s); };
  return RGB(mix(Get_R(from), Get_R(to)), mix(Get_G(from), Get_G(to)), mix(Get_B(from), Get_B(to)));
}

void DrawZbGradient(TCanvas& canvas, TColor FromColor, TColor ToColor, int Left, int Top, int Right, int Bottom) {
  const TColor from = Color_To_RGB(FromColor);
  const TColor to = Color_To_RGB(ToColor);
  const int band = (Bottom - Top) / 31;
  const TCanvas::Brush_State saved = canvas.Brush;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  for (int i = 0; i < 32; ++i) {
    const int y = Top + i * (Bottom - Top) / 31;
    const int y_end = std::min(Bottom, y + band + 1);
    canvas.Brush.Color =
        RGB(Get_R(from) + i * (Get_R(to) - Get_R(from)) / 31, Get_G(from) + i * (Get_G(to) - Get_G(from)) / 31,
            Get_B(from) + i * (Get_B(to) - Get_B(from)) / 31);
    canvas.Fill_Rect({Left, y, Right, y_end});
  }
  canvas.Brush = saved;
}

void DrawTransparentGlyph(TCanvas& canvas, const QImage& strip, int X, int Y, int FrameX, int FrameHeight,
                          int FrameWidth) {
  if (strip.isNull() || FrameWidth <= 0 || FrameHeight <= 0) return;
  QImage frame = strip.copy(FrameX, 0, FrameWidth, FrameHeight).convertToFormat(QImage::Format_ARGB32);
  const QRgb key = frame.pixel(0, FrameHeight - 1);
  for (int y = 0; y < frame.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
    for (int x = 0; x < frame.width(); ++x) {
      if (line[x] == key) line[x] = 0;
    }
  }
  canvas.Painter().drawImage(X, Y, frame);
}

int Zb_Glyph_Frame(const Zb_Face& face) {
  int frame = 0;
  if (!face.Enabled)
    frame = 1;
  else if (face.Pressed && face.NumGlyphs > 2)
    frame = 2;
  else if (face.Hot && face.NumGlyphs > 3)
    frame = 3;
  // A strip with fewer frames (a one-frame glyph on a disabled button) shows its first.
  return frame < face.NumGlyphs ? frame : 0;
}

void DrawZbButtonFace(TCanvas& c, int W, int H, const Zb_Face& f) {
  const bool pressed = f.Pressed && f.Enabled;
  const int o = pressed && f.Style != bsEncarta ? 1 : 0;

  TColor face = f.Color;
  if (f.Enabled && f.HotTrackColor != clNone) face = BlendHotTrackColor(f.Color, f.HotTrackColor, f.HotTrackStep);
  if (pressed && f.ColorWhenDown != clNone) face = f.ColorWhenDown;

  // Background.
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = face;
  switch (f.Style) {
    case bsNormal:
    case bsEncarta:
    case bsOld:
      c.Fill_Rect({0, 0, W, H});
      break;
    case bsModern:
      DrawZbGradient(c, f.LightColor, face, 2, 2, W - 2, H / 4 + o);
      DrawZbGradient(c, face, f.LightColor, 2, H / 4 + o, W - 2, H - 1);
      break;
    case bsShape:
    case bsQuicken:
      break;
  }

  // Edges.
  c.Brush.Style = TBrushStyle::bsClear;
  c.Pen.Style = TPenStyle::psSolid;
  c.Pen.Width = 1;
  const bool edges = (f.Enabled && (!f.Flat || f.Hot || pressed)) || (!f.Enabled && !f.Flat);
  switch (f.Style) {
    case bsNormal:
    case bsEncarta:
      if (edges) {
        if (pressed)
          Edge_Lines(c, W, H, f.ShadowColor, f.LightColor);
        else
          Edge_Lines(c, W, H, f.LightColor, f.ShadowColor);
      }
      break;
    case bsOld:
      if (edges) {
        c.Pen.Color = f.ShadowColor;
        if (pressed)
          c.Polyline({{1, H - 3}, {1, 1}, {W - 2, 1}});
        else
          c.Polyline({{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
        c.Pen.Color = pressed ? cl3DDkShadow : f.LightColor;
        c.Polyline({{0, H - 1}, {0, 0}, {W - 1, 0}});
        c.Pen.Color = pressed ? f.LightColor : cl3DDkShadow;
        c.Polyline({{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
      }
      break;
    case bsModern:
      c.Pen.Color = pressed ? f.ShadowColor : face;
      c.Rectangle(1, 1, W - 1, H - 1);
      c.Pen.Color = f.ShadowColor;
      c.Round_Rect(0, 0, W, H, 6, 6);
      break;
    case bsQuicken:
      c.Pen.Style = TPenStyle::psClear;
      c.Brush.Style = TBrushStyle::bsSolid;
      c.Brush.Color = face;
      c.Round_Rect(0, 1, W, H, 4, 4);
      c.Brush.Style = TBrushStyle::bsClear;
      c.Pen.Style = TPenStyle::psSolid;
      c.Pen.Color = f.ShadowColor;
      c.Polyline({{4, 0}, {W - 5, 0}});
      c.Polyline({{4, H - 1}, {W - 5, H - 1}});
      break;
    case bsShape:
      break;
  }

  // Font and glyph frame.
  c.Font = f.Font;
  if (f.Style == bsEncarta && pressed) c.Font.setBold(true);
  c.Font_Color = f.Enabled ? f.Font_Color : TColor(0x808080);
  const bool has_glyph = f.NumGlyphs > 0 && !f.Glyph.isNull();
  const int gw = has_glyph ? f.Glyph.width() / f.NumGlyphs : 0;
  const int gh = has_glyph ? f.Glyph.height() : 0;
  const int frame = Zb_Glyph_Frame(f);

  // Caption width and truncation.
  int v = std::max(W - 8, 0);
  if (f.Style != bsShape && (f.Layout == blGlyphLeft || f.Layout == blGlyphRight)) {
    v = std::max(has_glyph ? W - gw - 12 : W - 8, 0);
  }
  const unsigned format = DT_WORDBREAK | Align_Flag(f.Alignment);
  const QString caption = f.WordWrap ? f.Caption : Fitting_Start(c, f.Caption, v);
  TRect measure{0, 0, v, 0};
  const int th = caption.isEmpty() ? 0 : c.Draw_Text(caption, measure, DT_CALCRECT | format);
  const int tw = caption.isEmpty() ? 0 : measure.Width();
  const int tw4 = caption.isEmpty() ? 0 : tw + 4;

  int cx = 0, cy = 0, gx = 0, gy = 0;
  TRect text_rect;
  if (f.Style == bsShape) {
    gx = (W - gw) / 2;
    gy = (H - gh) / 2;
    text_rect = {o, (H - th) / 2 + o, W, H};
  } else if (f.Layout == blGlyphTop || f.Layout == blGlyphBottom) {
    const int block = has_glyph ? th + gh + 4 : th;
    const int s = (H - block) / 2;
    if (f.Layout == blGlyphTop) {
      gy = s + o;
      cy = s + gh + o;
    } else {
      cy = s + o;
      gy = s + th + o;
    }
    gx = f.Alignment == taLeftJustify ? o + 4 : f.Alignment == taRightJustify ? W - gw - 4 + o : (W - gw) / 2 + o;
    cx = o + 4;
    text_rect = {cx, cy, cx + v, cy + th};
  } else {
    cy = (H - th) / 2 + o;
    gy = (H - gh) / 2 + o;
    if (f.Layout == blGlyphLeft) {
      cx = o + 4 + (has_glyph ? gw + 4 : 0);
      gx = o + 4;
      if (!f.WordWrap) {
        if (f.Alignment == taRightJustify)
          gx = W - 4 - gw - tw4 + o;
        else if (f.Alignment == taCenter)
          gx = (W - gw) / 2 + o - tw4 / 2;
      }
    } else {
      cx = o + 4;
      gx = cx + tw4;
      if (!f.WordWrap) {
        if (f.Alignment == taRightJustify)
          gx = W - 4 - gw + o;
        else if (f.Alignment == taCenter)
          gx = (W - gw) / 2 + o + tw4 / 2;
      }
    }
    text_rect = {cx, cy, cx + v, cy + th};
  }

  c.Brush.Style = TBrushStyle::bsClear;
  if (!caption.isEmpty()) {
    c.Draw_Text(caption, text_rect, format | (f.Style == bsShape ? DT_CENTER : 0u));
  }
  if (has_glyph) DrawTransparentGlyph(c, f.Glyph, gx, gy, frame * gw, gh, gw);
  if (f.Has_Popup) {
    const QImage arrow = Zb_Arrow_Glyph();
    DrawTransparentGlyph(c, arrow, W - 11, H / 2 - 1, 0, arrow.height(), arrow.width());
  }
}

Zb_Color_Preset GetZbColorStylePreset(TZbColorStyle style) {
  switch (style) {
    case lcsGold:
      return {0x00C0C0, clBlack, 0x00FFFF, 0x008080, clNone, 0x00DFDF, false, bsModern};
    case lcsChrome:
      return {0xC0C0C0, clBlack, 0xFFFFFF, 0x808080, clNone, clNone, false, bsModern};
    case lcsBlue:
      return {0xFF8000, clBlack, 0xFFFF00, 0xFF0000, clNone, clNone, false, bsModern};
    case lcsRed:
      return {0x0000FF, clBlack, 0xC0C0FF, 0x0000C0, clNone, clNone, false, bsModern};
    case lcsUltraFlat1:
      return {clBtnFace, clBlack, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, true, bsNormal};
    case lcsUltraFlat2:
      return {clBtnFace, clBlack, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, true, bsNormal};
    case lcsUltraFlatXP:
      return {0xD1D8DB, clBlack, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, true, bsNormal};
    case lcsAqua:
      return {0xECCE94, clBlack, 0xFCE6D4, 0x000000, clNone, clNone, false, bsModern};
    case lcsQuicken:
      return {0x603000, clWhite, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, false, bsQuicken};
    case lcsDefault:
    case lcsCustom:
      break;
  }
  return {clBtnFace, clBlack, 0xFFFFFF, 0x808080, clNone, clNone, false, bsNormal};
}
