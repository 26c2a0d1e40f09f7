#include "grid/draw/gradient_paint.h"

#include <algorithm>
#include <utility>

#include "grid/draw/paint_round.h"

namespace {

// The colour of band i of `steps` between two plain colours.
TColor Band_Color(TColor from, TColor to, int i, int steps) {
  auto channel = [&](int a, int b) { return a + Round_Even(static_cast<double>(i) * (b - a) / steps); };
  return RGB(channel(Get_R(from), Get_R(to)), channel(Get_G(from), Get_G(to)), channel(Get_B(from), Get_B(to)));
}

void Solid(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Pen.Color = color;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.Brush.Color = color;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Rectangle(r);
}

void Hline(TCanvas& canvas, int x1, int x2, int y, TColor color) {
  if (x2 <= x1) return;
  canvas.Pen.Color = color;
  canvas.Move_To(x1, y);
  canvas.Line_To(x2, y);
}

void Vline(TCanvas& canvas, int x, int y1, int y2, TColor color) {
  if (y2 <= y1) return;
  canvas.Pen.Color = color;
  canvas.Move_To(x, y1);
  canvas.Line_To(x, y2);
}

}  // namespace

void DrawGradient(TCanvas& canvas, TColor fromColor, TColor toColor, bool horizontal, TRect rect, int steps) {
  if (rect.Top == rect.Bottom) return;
  if (rect.Top > rect.Bottom) std::swap(rect.Top, rect.Bottom);
  if (fromColor == clNone || toColor == clNone) {
    const TColor only = fromColor != clNone ? fromColor : toColor;
    if (only != clNone) Solid(canvas, rect, only);
    return;
  }
  const TColor from = Color_To_RGB(fromColor);
  const TColor to = Color_To_RGB(toColor);
  const int extent = (horizontal ? rect.Width() : rect.Height()) - 1;
  steps = std::max(1, std::min(steps, extent));
  const double band = static_cast<double>(extent) / steps;
  const int band_length = static_cast<int>(band + 1);
  for (int i = 0; i <= steps; ++i) {
    const TColor color = Band_Color(from, to, i, steps);
    const int start = static_cast<int>(i * band);
    if (horizontal) {
      const int left = rect.Left + start;
      Solid(canvas, {left, rect.Top, std::min(rect.Right, left + band_length), rect.Bottom}, color);
    } else {
      const int top = rect.Top + start;
      Solid(canvas, {rect.Left, top, rect.Right, std::min(rect.Bottom, top + band_length)}, color);
    }
  }
}

void DrawMirrorGradient(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor, TColor mirrorFrom,
                        TColor mirrorTo, bool vertical, bool fill, TColor borderColor, bool sideLinesOnly) {
  if (fill && fromColor != clNone) {
    if (mirrorFrom == clNone) {
      if (toColor == clNone) {
        Solid(canvas, {rect.Left, rect.Top, rect.Right, rect.Bottom + 1}, fromColor);
      } else {
        DrawGradient(canvas, fromColor, toColor, !vertical, rect, 128);
      }
    } else if (vertical) {
      const int middle = rect.Top + rect.Height() / 2;
      DrawGradient(canvas, fromColor, toColor, false, {rect.Left, rect.Top, rect.Right, middle}, 128);
      DrawGradient(canvas, mirrorFrom, mirrorTo, false, {rect.Left, middle, rect.Right, rect.Bottom}, 128);
    } else {
      const int middle = rect.Left + rect.Width() / 2;
      DrawGradient(canvas, fromColor, toColor, true, {rect.Left, rect.Top, middle, rect.Bottom}, 128);
      DrawGradient(canvas, mirrorFrom, mirrorTo, true, {middle, rect.Top, rect.Right, rect.Bottom}, 128);
    }
  }
  if (borderColor == clNone) return;
  canvas.Pen.Width = 1;
  canvas.Pen.Style = TPenStyle::psSolid;
  if (sideLinesOnly) {
    Vline(canvas, rect.Left, rect.Top, rect.Bottom, borderColor);
    Vline(canvas, rect.Right - 1, rect.Top, rect.Bottom, borderColor);
  } else {
    canvas.Brush.Color = borderColor;
    canvas.Frame_Rect(rect);
  }
}

void DrawRoundedGradientFrame(TCanvas& canvas, const TRect& rect, TColor fillFrom, TColor fillTo, TColor mirrorFrom,
                              TColor mirrorTo, TColor outerColor, TColor innerTopColor, TColor innerBottomColor,
                              TColor cornerColor, TColor outerCornerColor, int sides) {
  // The outer line runs through the last pixel column and row that belong
  // to the frame; the cell's grid lines lie beyond them.
  const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 2;
  if (r - l < 4 || b - t < 4) {
    if (fillFrom != clNone) FillRectWithColor(canvas, rect, fillFrom);
    return;
  }
  const bool round_left = sides == kFrameBothEnds || sides == kFrameLeftEnd;
  const bool round_right = sides == kFrameBothEnds || sides == kFrameRightEnd;
  const int left_inset = round_left ? 2 : 0;
  const int right_inset = round_right ? 2 : 0;
  const int middle = (t + b) / 2;

  const TRect face{l + left_inset, t + 2, r - right_inset, b - 1};
  if (fillFrom != clNone) {
    if (fillTo == clNone) {
      FillRectWithColor(canvas, face, fillFrom);
    } else if (mirrorFrom == clNone) {
      DrawGradient(canvas, fillFrom, fillTo, false, face, 16);
    } else {
      const int face_middle = face.Top + face.Height() / 2;
      DrawGradient(canvas, fillFrom, fillTo, false, {face.Left, face.Top, face.Right, face_middle}, 16);
      DrawGradient(canvas, mirrorFrom, mirrorTo == clNone ? mirrorFrom : mirrorTo, false,
                   {face.Left, face_middle, face.Right, face.Bottom}, 16);
    }
  }

  canvas.Pen.Width = 1;
  canvas.Pen.Style = TPenStyle::psSolid;
  // Inner light line: top colour above the middle, bottom colour below it.
  Hline(canvas, l + left_inset, r - right_inset, t + 1, innerTopColor);
  Hline(canvas, l + left_inset, r - right_inset, b - 1, innerBottomColor);
  if (round_left) {
    Vline(canvas, l + 1, t + 2, middle, innerTopColor);
    Vline(canvas, l + 1, middle, b - 1, innerBottomColor);
  }
  if (round_right) {
    Vline(canvas, r - 2, t + 2, middle, innerTopColor);
    Vline(canvas, r - 2, middle, b - 1, innerBottomColor);
  }
  // Outer line.
  Hline(canvas, l + left_inset, r - right_inset, t, outerColor);
  Hline(canvas, l + left_inset, r - right_inset, b, outerColor);
  if (round_left) Vline(canvas, l, t + 2, b - 1, outerColor);
  if (round_right) Vline(canvas, r - 1, t + 2, b - 1, outerColor);
  // Soft corners: the corner pixel blends with what lies outside the frame.
  auto corner = [&](int x, int y, int dx, int dy) {
    canvas.Set_Pixel(x + dx, y, cornerColor);
    canvas.Set_Pixel(x, y + dy, cornerColor);
    canvas.Set_Pixel(x + dx, y + dy, cornerColor);
    canvas.Set_Pixel(x, y, outerCornerColor);
  };
  if (round_left) {
    corner(l, t, 1, 1);
    corner(l, b, 1, -1);
  }
  if (round_right) {
    corner(r - 1, t, -1, 1);
    corner(r - 1, b, -1, -1);
  }
}

void FillRectWithColor(TCanvas& canvas, const TRect& rect, TColor color) {
  canvas.Brush.Color = color;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Fill_Rect(rect);
}
