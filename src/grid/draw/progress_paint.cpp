#include "grid/draw/progress_paint.h"

#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "grid/draw/canvas_shapes.h"
#include "grid/draw/gradient_paint.h"
#include "grid/draw/paint_round.h"

namespace {

void Pen_And_Brush(TCanvas& canvas, TColor pen, TColor brush) {
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.Pen.Color = pen;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = brush;
}

// Writes text with its cell's top-left at (x, y), only inside `clip`.
void Clipped_Text(TCanvas& canvas, int x, int y, const QString& text, TColor color, const TRect& clip) {
  if (clip.Is_Empty()) return;
  QPainter& painter = canvas.Painter();
  painter.save();
  painter.setClipRect(clip.To_QRect(), Qt::IntersectClip);
  const TBrushStyle brush = canvas.Brush.Style;
  const TColor font_color = canvas.Font_Color;
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font_Color = color;
  canvas.Text_Out(x, y, text);
  canvas.Brush.Style = brush;
  canvas.Font_Color = font_color;
  painter.restore();
}

// One segment of a level bar: solid, or as a cylinder of two gradients
// across the bar.
void Level_Segment(TCanvas& canvas, const TRect& r, TColor color, TColor color_to, const TProgressLook& look) {
  if (r.Is_Empty()) return;
  if (!look.ShowGradient) {
    FillRectWithColor(canvas, r, color);
    return;
  }
  const int steps = std::max(1, look.Steps);
  if (look.Vertical) {
    const int middle = r.Left + r.Width() / 2;
    DrawGradient(canvas, color_to, color, true, {r.Left, r.Top, middle, r.Bottom}, steps);
    DrawGradient(canvas, color, color_to, true, {middle, r.Top, r.Right, r.Bottom}, steps);
  } else {
    const int middle = r.Top + r.Height() / 2;
    DrawGradient(canvas, color_to, color, false, {r.Left, r.Top, r.Right, middle}, steps);
    DrawGradient(canvas, color, color_to, false, {r.Left, middle, r.Right, r.Bottom}, steps);
  }
}

}  // namespace

QString Format_Progress_Value(const QString& format, double value, bool as_integer) {
  static const QRegularExpression conversion(
      QStringLiteral("%([-+ 0#]{0,5})([0-9]{0,3})(\\.[0-9]{1,3})?([diuxXeEfgG])"));
  QString out;
  bool used = false;
  qsizetype i = 0;
  while (i < format.size()) {
    const QChar ch = format[i];
    if (ch != QLatin1Char('%')) {
      out += ch;
      ++i;
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == QLatin1Char('%')) {
      out += QLatin1Char('%');
      i += 2;
      continue;
    }
    const QRegularExpressionMatch m =
        conversion.match(format, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!m.hasMatch() || used) {
      out += ch;
      ++i;
      continue;
    }
    used = true;
    const QChar kind = m.captured(4)[0];
    QString pattern = QLatin1Char('%') + m.captured(1) + m.captured(2) + m.captured(3);
    const double number = !std::isfinite(value) ? 0 : as_integer ? std::nearbyint(value) : value;
    if (kind == QLatin1Char('d') || kind == QLatin1Char('i') || kind == QLatin1Char('u') || kind == QLatin1Char('x') ||
        kind == QLatin1Char('X')) {
      const double limited = std::clamp(std::nearbyint(number), -9.0e18, 9.0e18);
      const QChar c = kind == QLatin1Char('u') || kind == QLatin1Char('i') ? QLatin1Char('d') : kind;
      pattern += QStringLiteral("ll") + c;
      out += QString::asprintf(pattern.toLatin1().constData(), static_cast<long long>(limited));
    } else {
      pattern += kind;
      out += QString::asprintf(pattern.toLatin1().constData(), number);
    }
    i += m.capturedLength(0);
  }
  return out;
}

void DrawProgressBar(TCanvas& canvas, TRect rect, TColor completeColor, bool printing, TColor borderColor,
                     const QString& format, double max, double min, int marginY, int marginX, double value,
                     TColor incompleteTextColor, TColor incompleteColor, TColor completeTextColor) {
  const TColor entry_brush = canvas.Brush.Color;
  // A value that is not a number stands at the start of the bar.
  if (!std::isfinite(value)) value = std::isfinite(min) ? min : 0;
  if (!std::isfinite(max) || !std::isfinite(min)) max = min = 0;
  QString text;
  int percentage = 0;
  if (!format.isEmpty()) {
    const bool as_integer = format.contains(QLatin1Char('d')) || format.contains(QLatin1Char('u'));
    text = Format_Progress_Value(format, value, as_integer);
    percentage = max == min ? 0 : Round_Even(std::clamp((value - min) * 100.0 / (max - min), -1.0e6, 1.0e6));
  } else {
    const int rounded = Round_Even(std::clamp(value, -1.0e9, 1.0e9));
    text = QString::number(rounded) + QLatin1Char('%');
    percentage = rounded;
  }
  percentage = std::clamp(percentage, 0, 100);

  rect = rect.Inflate(-marginX, -marginY);
  const int split = rect.Left + Round_Even(percentage * rect.Width() / 100.0);
  const TRect complete{rect.Left, rect.Top, split, rect.Bottom};
  const TRect incomplete{split, rect.Top, rect.Right, rect.Bottom};

  const int text_width = canvas.Text_Width(text);
  const int text_height = canvas.Text_Height(text);
  const int x = rect.Left + (rect.Width() - text_width) / 2;
  const int y = printing ? rect.Top + (rect.Height() + text_height) / 2 : rect.Top + (rect.Height() - text_height) / 2;

  FillRectWithColor(canvas, complete, completeColor);
  Clipped_Text(canvas, x, y, text, completeTextColor, complete);
  FillRectWithColor(canvas, incomplete, incompleteColor);
  Clipped_Text(canvas, x, y, text, incompleteTextColor, incomplete);

  if (borderColor != clNone) {
    canvas.Brush.Color = borderColor;
    canvas.Frame_Rect(rect.Inflate(1, 1));
  }
  canvas.Brush.Color = entry_brush;
  canvas.Frame_Rect(rect.Inflate(2, 2));
}

void DrawProgressPie(TCanvas& canvas, const TRect& rect, TColor color, bool /*printing*/, int percent) {
  percent = std::clamp(percent, 0, 100);
  const int w = rect.Width(), h = rect.Height();
  const int cx = rect.Left + w / 2, cy = rect.Top + h / 2;
  const double angle = percent / 100.0 * 2 * M_PI;
  const QPoint end(cx + Round_Even((w + 1) / 2 * std::sin(angle)), cy - Round_Even((h + 1) / 2 * std::cos(angle)));

  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.Pen.Color = clGray;
  Canvas_Ellipse(canvas, rect.Left, rect.Top, rect.Right, rect.Bottom);
  if (percent != 0) {
    const TBrushStyle style = canvas.Brush.Style;
    const TColor brush = canvas.Brush.Color;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = color;
    Canvas_Sector(canvas, rect.Left, rect.Top, rect.Right, rect.Bottom, percent * 3.6);
    // The grey outline stays on top of the sector, as with a fill bounded by it.
    canvas.Brush.Style = TBrushStyle::bsClear;
    Canvas_Ellipse(canvas, rect.Left, rect.Top, rect.Right, rect.Bottom);
    canvas.Brush.Style = style;
    canvas.Brush.Color = brush;
  }
  canvas.Pen.Color = clGray;
  canvas.Move_To(cx, cy);
  canvas.Line_To(cx, rect.Top);
  canvas.Move_To(cx, cy);
  canvas.Line_To(end.x(), end.y());
}

void DrawCenteredBar(TCanvas& canvas, const TRect& rect, int value, TColor positiveColor, TColor negativeColor,
                     bool showValue, int max) {
  if (max == 0) return;
  const TRect r = rect.Inflate(-2, -2);
  const int half = r.Width() / 2;
  const int limit = std::abs(max);
  const int v = std::clamp(value, -limit, limit);
  const int length = Round_Even(static_cast<double>(half) * v / limit);
  const int centre = r.Left + half;
  if (length > 0) {
    Pen_And_Brush(canvas, positiveColor, positiveColor);
    canvas.Rectangle({centre, r.Top, centre + length, r.Bottom});
  } else if (length < 0) {
    Pen_And_Brush(canvas, negativeColor, negativeColor);
    canvas.Rectangle({centre + length, r.Top, centre, r.Bottom});
  }
  if (showValue) {
    const QString text = QString::number(value);
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Text_Out(r.Left + (r.Width() - canvas.Text_Width(text)) / 2,
                    r.Top + (r.Height() - canvas.Text_Height(text)) / 2, text);
  }
}

void DrawLevelProgressBar(TCanvas& canvas, const TRect& rect, int percent, const TProgressLook& look) {
  const TColor outline = look.ShowBorder ? look.BorderColor : look.BackgroundColor;
  Pen_And_Brush(canvas, outline, look.BackgroundColor);
  canvas.Rectangle(rect);
  const int length = (look.Vertical ? rect.Height() : rect.Width()) - 2;
  if (percent <= 0 || length <= 0) return;
  const int shown = std::min(percent, 100);

  // A segment from `from` pixels to `to` pixels along the bar, inset 1.
  auto segment = [&](int from, int to, TColor color, TColor color_to) {
    from = std::clamp(from, 0, length);
    to = std::clamp(to, 0, length);
    if (to <= from) return;
    TRect r;
    if (look.Vertical)
      r = {rect.Left + 1, rect.Bottom - 1 - to, rect.Right - 1, rect.Bottom - 1 - from};
    else
      r = {rect.Left + 1 + from, rect.Top + 1, rect.Left + 1 + to, rect.Bottom - 1};
    Level_Segment(canvas, r, color, color_to, look);
  };
  auto pixels = [&](double share) { return Round_Even(share / 100.0 * length); };

  if (look.Stacked) {
    int pos = 0;
    const int first = std::min(shown, look.Level1Perc);
    int next = pixels(first);
    segment(pos, next, look.Level0Color, look.Level0ColorTo);
    pos = next;
    if (shown > look.Level1Perc) {
      next = pos + pixels(std::min(shown, look.Level2Perc) - look.Level1Perc);
      segment(pos, next, look.Level1Color, look.Level1ColorTo);
      pos = next;
    }
    if (shown > look.Level2Perc) {
      next = shown >= 100 ? length : pos + pixels(shown - look.Level2Perc);
      segment(pos, next, look.Level3Color, look.Level3ColorTo);
    }
  } else {
    TColor color = look.Level2Color, color_to = look.Level2ColorTo;
    if (percent < look.Level1Perc) {
      color = look.Level0Color;
      color_to = look.Level0ColorTo;
    } else if (percent < look.Level2Perc) {
      color = look.Level1Color;
      color_to = look.Level1ColorTo;
    } else if (percent >= 100) {
      color = look.Level3Color;
      color_to = look.Level3ColorTo;
    }
    if (look.CompletionSmooth) {
      segment(0, pixels(shown), color, color_to);
    } else {
      const int t = Round_Even(static_cast<double>(shown) * length / 100.0);
      if (t > 9) {
        const int blocks = t / 9;
        for (int k = 0; k < blocks; ++k) segment(1 + k * 9, 1 + k * 9 + 7, color, color_to);
        if (t % 9 > 2) segment(1 + blocks * 9, 1 + blocks * 9 + t % 9 - 1, color, color_to);
      } else if (t > 1) {
        segment(1, t, color, color_to);
      }
    }
  }

  if (look.ShowPercentage) {
    const QString text = QString::number(percent) + QLatin1Char('%');
    const QFont font = canvas.Font;
    const TColor font_color = canvas.Font_Color;
    canvas.Font = look.Font;
    canvas.Font_Color = look.TextColor;
    canvas.Brush.Style = TBrushStyle::bsClear;
    const int tw = canvas.Text_Width(text), th = canvas.Text_Height(text);
    if (look.Vertical) {
      // Running upwards, its middle on the bar's middle.
      canvas.Text_Out_Rotated(rect.Left + (rect.Width() - th) / 2, rect.Top + (rect.Height() + tw) / 2, text, 900);
    } else {
      canvas.Text_Out(rect.Left + (rect.Width() - tw) / 2, rect.Top + (rect.Height() - th) / 2, text);
    }
    canvas.Font = font;
    canvas.Font_Color = font_color;
  }
  canvas.Pen.Color = outline;
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Rectangle(rect);
}
