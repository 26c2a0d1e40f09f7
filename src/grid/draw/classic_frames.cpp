#include "grid/draw/classic_frames.h"

#include <algorithm>

#include "grid/draw/canvas_shapes.h"

namespace {

void Edge(TCanvas& canvas, const TRect& r, TColor top_left, TColor bottom_right) {
  canvas.Pen.Width = 1;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Color = top_left;
  canvas.Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
  canvas.Pen.Color = bottom_right;
  canvas.Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}});
}

void Arrow(TCanvas& canvas, const TRect& r, Classic_Arrow arrow, TColor color, int shift) {
  const int size = std::max(2, std::min(r.Width(), r.Height()) / 4);
  const int cx = r.Left + r.Width() / 2 + shift;
  const int cy = r.Top + r.Height() / 2 + shift;
  QPolygon points;
  if (arrow == Classic_Arrow::Down) {
    const int top = cy - size / 2;
    points << QPoint(cx - size, top) << QPoint(cx + size, top) << QPoint(cx, top + size);
  } else {
    const int bottom = cy + size / 2;
    points << QPoint(cx - size, bottom) << QPoint(cx + size, bottom) << QPoint(cx, bottom - size);
  }
  canvas.Pen.Color = color;
  canvas.Brush.Color = color;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  Canvas_Polygon(canvas, points);
}

}  // namespace

void Draw_Classic_Button(TCanvas& canvas, const TRect& rect, bool pushed, bool flat) {
  if (rect.Is_Empty()) return;
  canvas.Brush.Color = clBtnFace;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Fill_Rect(rect);
  if (flat) {
    canvas.Brush.Color = clBtnShadow;
    canvas.Frame_Rect(rect);
  } else if (pushed) {
    Edge(canvas, rect, cl3DDkShadow, cl3DDkShadow);
    Edge(canvas, rect.Inflate(-1, -1), clBtnShadow, clBtnShadow);
  } else {
    Edge(canvas, rect, clBtnHighlight, cl3DDkShadow);
    Edge(canvas, rect.Inflate(-1, -1), cl3DLight, clBtnShadow);
  }
}

void Draw_Classic_Scroll_Button(TCanvas& canvas, const TRect& rect, Classic_Arrow arrow, bool pushed, bool flat,
                                bool inactive) {
  Draw_Classic_Button(canvas, rect, pushed, flat);
  const int shift = pushed ? 1 : 0;
  if (inactive) {
    Arrow(canvas, rect, arrow, clBtnHighlight, shift + 1);
    Arrow(canvas, rect, arrow, clGrayText, shift);
  } else {
    Arrow(canvas, rect, arrow, clBtnText, shift);
  }
}
