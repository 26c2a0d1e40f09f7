// The watch's painting: the face into its cache, the hands over it.
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include "controls/canvas.h"
#include "dropdowns/base/draw_gradient_steps.h"
#include "dropdowns/timepicker/watch_geometry.h"
#include "dropdowns/timepicker/zad_watch.h"

namespace {

QPen Pen_Of(TColor Color, int Width, const QWidget* W) {
  QPen pen(To_QColor(Color, W->palette()));
  pen.setWidth(std::max(Width, 1));
  pen.setCapStyle(Width > 1 ? Qt::RoundCap : Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QPolygon Shifted(const std::vector<QPoint>& Points, QPoint By) {
  QPolygon p;
  for (const QPoint& pt : Points) p << pt + By;
  return p;
}

}  // namespace

QColor TZadWatch::Parent_Background() const {
  // The face starts from what the parent shows behind the watch.
  const QWidget* parent = parentWidget();
  if (parent) return parent->palette().color(parent->backgroundRole());
  return palette().color(QPalette::Window);
}

void TZadWatch::paintEvent(QPaintEvent* Event) {
  (void)Event;
  if (FSettings.Auto()) {
    // The live clock keeps the label on its own half of the day.
    const bool am = Split(CurrentTime()).Hour < 12;
    if (am != FAM) {
      FAM = am;
      FFaceDirty = true;
    }
  }
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (FFaceDirty || FBKGCache.size() != pixels) {
    FBKGCache = QPixmap(pixels);
    FBKGCache.setDevicePixelRatio(ratio);
    FBKGCache.fill(Parent_Background());
    QPainter face(&FBKGCache);
    Paint_Face(face);
    FFaceDirty = false;
    ++FFacePaints;
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, FBKGCache);
  if (FRollOffset >= 0) Draw_Label_Roll(painter);
  DrawHands(painter);
}

void TZadWatch::Paint_Face(QPainter& Painter) {
  DrawBackground(Painter, TRect::From_QRect(rect()));
  DrawTickMarks(Painter);
  DrawNumbers(Painter);
  DrawAMPM(Painter);
}

void TZadWatch::DrawBackground(QPainter& Painter, const TRect& Rect) {
  const TWatchAppearance& a = FAppearance;
  const TRect dial = a.Shape() == wsCircle ? GetWatchRect() : Rect;
  const QRect grown(dial.Left - 1, dial.Top - 1, dial.Width() + 3, dial.Height() + 3);
  Painter.save();
  if (a.Shape() == wsCircle) {
    QPainterPath clip;
    clip.addEllipse(grown);
    Painter.setClipPath(clip);
  } else if (a.Shape() == wsRoundRect) {
    QPainterPath clip;
    clip.addRoundedRect(grown, 10, 10);
    Painter.setClipPath(clip);
  }
  {
    TCanvas canvas(Painter);
    if (a.BackgroundColor() != clNone && a.BackgroundColorTo() != clNone) {
      Draw_Gradient_Steps(canvas, a.BackgroundColor(), a.BackgroundColorTo(), 80, dial,
                          a.BackgroundGradient() == wgRadial);
    } else if (a.BackgroundColor() != clNone) {
      canvas.Brush.Color = a.BackgroundColor();
      canvas.Brush.Style = TBrushStyle::bsSolid;
      canvas.Fill_Rect(dial);
    }
  }
  if (a.BorderColor() != clNone && a.BorderWidth() > 0) {
    Painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen = Pen_Of(a.BorderColor(), a.BorderWidth(), this);
    pen.setJoinStyle(Qt::MiterJoin);
    Painter.setPen(pen);
    Painter.setBrush(Qt::NoBrush);
    if (a.Shape() == wsCircle)
      Painter.drawEllipse(QRectF(dial.Left, dial.Top, dial.Width() - 1, dial.Height() - 1));
    else if (a.Shape() == wsRect)
      Painter.drawRect(QRectF(Rect.Left, Rect.Top, Rect.Width() - 1, Rect.Height() - 1));
    else
      Painter.drawRoundedRect(QRectF(Rect.Left, Rect.Top, Rect.Width() - 1, Rect.Height() - 1), 10, 10);
  }
  Painter.restore();
  if (!a.Picture().isNull()) DrawPicture(Painter, a.Picture(), Rect);
}

void TZadWatch::DrawPicture(QPainter& Painter, const QImage& Picture, const TRect& Rect) {
  if (Rect.Is_Empty()) return;
  // The picture at its own size on a white sheet of Rect's size; the sheet's
  // bottom-left colour is the transparent one.
  QImage sheet(Rect.Width(), Rect.Height(), QImage::Format_ARGB32);
  sheet.fill(Qt::white);
  {
    QPainter p(&sheet);
    p.drawImage(0, 0, Picture);
  }
  const QRgb key = sheet.pixel(0, sheet.height() - 1);
  for (int y = 0; y < sheet.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
    for (int x = 0; x < sheet.width(); ++x)
      if (line[x] == key) line[x] = 0;
  }
  Painter.drawImage(Rect.Left, Rect.Top, sheet);
}

void TZadWatch::DrawTickMarks(QPainter& Painter) {
  Painter.save();
  Painter.setRenderHint(QPainter::Antialiasing, true);
  for (const Watch_Line& l : Tick_Mark_Lines(GetWatchCenter(), GetRadius(), FAppearance)) {
    Painter.setPen(Pen_Of(l.Color, l.Width, this));
    Painter.drawLine(l.From, l.To);
  }
  Painter.restore();
}

void TZadWatch::DrawNumbers(QPainter& Painter) {
  if (!FShowNumbers || FAppearance.TickMarks() == tmNone) return;
  const TWatchFont& font = FAppearance.HourFont();
  Painter.save();
  Painter.setFont(font.Font);
  Painter.setPen(To_QColor(font.Color, palette()));
  const QFontMetrics metrics(font.Font);
  for (int n : Hour_Numbers(FAppearance.TickMarks())) {
    const QString text = QString::number(n);
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    const QPoint at = Number_Origin(GetWatchCenter(), GetRadius(), FAppearance, n, size);
    Painter.drawText(QRect(at, size), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  }
  Painter.restore();
}

void TZadWatch::DrawAMPM(QPainter& Painter) {
  if (!FShowAMPM) return;
  const TWatchAppearance& a = FAppearance;
  const TRect box = GetAMPMRect();
  TCanvas canvas(Painter);
  if (a.AMPMColor() != clNone || a.AMPMBorderColor() != clNone) {
    canvas.Brush.Style = a.AMPMColor() == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
    canvas.Brush.Color = a.AMPMColor();
    canvas.Pen.Style = a.AMPMBorderColor() == clNone ? TPenStyle::psClear : TPenStyle::psSolid;
    canvas.Pen.Color = a.AMPMBorderColor();
    canvas.Pen.Width = 1;
    if (a.AMPMFrame() == apRect)
      canvas.Rectangle(box);
    else
      canvas.Round_Rect(box.Left, box.Top, box.Right, box.Bottom, 5, 5);
  }
  Painter.save();
  Painter.setFont(a.AMPMFont().Font);
  Painter.setPen(To_QColor(a.AMPMFont().Color, palette()));
  Painter.drawText(box.To_QRect(), Qt::AlignCenter | Qt::TextSingleLine,
                   FAM ? QStringLiteral("AM") : QStringLiteral("PM"));
  Painter.restore();
}

void TZadWatch::Draw_Label_Roll(QPainter& Painter) {
  const TWatchAppearance& a = FAppearance;
  const TRect box = GetAMPMRect();
  const TRect window = box.Inflate(-1, -1);
  const int hi = window.Height();
  if (hi <= 0) return;
  Painter.save();
  Painter.setClipRect(window.To_QRect());
  Painter.fillRect(window.To_QRect(), To_QColor(a.AMPMColor(), palette()));
  Painter.setFont(a.AMPMFont().Font);
  Painter.setPen(To_QColor(a.AMPMFont().Color, palette()));
  // The strip holds "AM" over "PM"; the window shows it FRollOffset down.
  const QRect am(window.Left, window.Top - FRollOffset, window.Width(), hi);
  Painter.drawText(am, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("AM"));
  Painter.drawText(am.translated(0, hi), Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("PM"));
  Painter.restore();
  TCanvas canvas(Painter);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Pen.Style = a.AMPMBorderColor() == clNone ? TPenStyle::psClear : TPenStyle::psSolid;
  canvas.Pen.Color = a.AMPMBorderColor();
  if (a.AMPMBorderColor() == clNone) return;
  if (a.AMPMFrame() == apRect)
    canvas.Rectangle(box);
  else
    canvas.Round_Rect(box.Left, box.Top, box.Right, box.Bottom, 5, 5);
}

void TZadWatch::DrawHands(QPainter& Painter) {
  const TWatchAppearance& a = FAppearance;
  const Parts p = Split(CurrentTime());
  const QPoint c = GetWatchCenter();
  const int r = GetRadius();
  const double th = Hour_Angle(p.Hour, p.Minute), tm = Minute_Angle(p.Minute), ts = p.Second * 6.0;
  Painter.save();
  Painter.setRenderHint(QPainter::Antialiasing, true);
  const auto line = [&](const Watch_Line& l, TColor color, int width, QPoint shift) {
    Painter.setPen(Pen_Of(color, width, this));
    Painter.drawLine(l.From + shift, l.To + shift);
  };
  const auto pointer = [&](double angle, double length, TColor color, QPoint shift) {
    const QColor q = To_QColor(color, palette());
    Painter.setPen(QPen(q, 1));
    Painter.setBrush(q);
    Painter.drawPolygon(Shifted(Pointer_Polygon(c, r, angle, length), shift));
  };
  switch (a.PointerStyle()) {
    case psLine:
    case psLineArrow:
      if (a.HourPointerShadow() != clNone)
        line(Hand_Line(c, r, th, 0.1, 0.46), a.HourPointerShadow(), a.HourPointerSize(), QPoint(-1, 3));
      if (a.MinutePointerShadow() != clNone)
        line(Hand_Line(c, r, tm, 0.1, 0.65), a.MinutePointerShadow(), a.MinutePointerSize(), QPoint(0, 3));
      line(Hand_Line(c, r, th, 0.1, 0.5), a.HourPointer(), a.HourPointerSize(), QPoint());
      line(Hand_Line(c, r, tm, 0.1, 0.7), a.MinutePointer(), a.MinutePointerSize(), QPoint());
      if (a.PointerStyle() == psLineArrow) {
        // A small arrow head at each tip.
        const auto head = [&](double angle, double length, TColor color) {
          const QColor q = To_QColor(color, palette());
          Painter.setPen(QPen(q, 1));
          Painter.setBrush(q);
          const double back = length - 0.1;
          QPolygon tri;
          tri << Point_At(c, angle, length * r) << Point_At(Point_At(c, angle, back * r), angle - 90.0, 0.05 * r)
              << Point_At(Point_At(c, angle, back * r), angle + 90.0, 0.05 * r);
          Painter.drawPolygon(tri);
        };
        head(th, 0.5, a.HourPointer());
        head(tm, 0.7, a.MinutePointer());
      }
      break;
    case psShortLine:
      // Hands from the centre only, shorter than the line hands.
      line(Hand_Line(c, r, th, 0, 0.4), a.HourPointer(), a.HourPointerSize(), QPoint());
      line(Hand_Line(c, r, tm, 0, 0.6), a.MinutePointer(), a.MinutePointerSize(), QPoint());
      break;
    case psPointer:
      if (a.HourPointerShadow() != clNone) pointer(th, 0.5, a.HourPointerShadow(), QPoint(1, 3));
      pointer(th, 0.5, a.HourPointer(), QPoint());
      if (a.MinutePointerShadow() != clNone) pointer(tm, 0.7, a.MinutePointerShadow(), QPoint(1, 3));
      pointer(tm, 0.7, a.MinutePointer(), QPoint());
      break;
  }
  if (FSettings.Auto() && FSettings.Second())
    line(Hand_Line(c, r, ts, 0.2, 0.9), a.SecondPointer(), a.SecondPointerSize(), QPoint());
  if (a.CenterPointSize() > 0) {
    const Center_Point_Boxes b = Center_Point_Geometry(c, a);
    const auto circle = [&](const TRect& box) {
      return QRectF(box.Left, box.Top, std::max(box.Width() - 1, 1), std::max(box.Height() - 1, 1));
    };
    if (a.CenterPointColor() != clNone) {
      const QColor q = To_QColor(a.CenterPointColor(), palette());
      Painter.setPen(QPen(q, 1));
      Painter.setBrush(q);
      Painter.drawEllipse(circle(b.Fill));
    }
    Painter.setBrush(Qt::NoBrush);
    if (a.CenterPointOuterBorderColor() != clNone) {
      Painter.setPen(Pen_Of(a.CenterPointOuterBorderColor(), b.Outer_Width, this));
      Painter.drawEllipse(circle(b.Fill));
    }
    if (a.CenterPointBorderColor() != clNone) {
      Painter.setPen(Pen_Of(a.CenterPointBorderColor(), b.Inner_Width, this));
      Painter.drawEllipse(circle(b.Inner));
    }
  }
  Painter.restore();
}
