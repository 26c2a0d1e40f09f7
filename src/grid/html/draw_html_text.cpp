#include "grid/html/draw_html_text.h"

#include <algorithm>

#include "grid/html/html_line_engine.h"
#include "grid/html/html_text_scan.h"

namespace {

// Entities decoded before layout. "&amp;" becomes the prefix form "&&" so
// that the text call shows one "&".
struct Early_Entity {
  QStringView Name;  // upper case
  QStringView Text;
};
constexpr Early_Entity kEarlyEntities[] = {
    {u"&AMP;", u"&&"}, {u"&QUOT;", u"\""}, {u"&SECT;", u"§"},  {u"&PERMIL;", u"‰"}, {u"&REG;", u"®"},
    {u"&COPY;", u"©"}, {u"&PARA;", u"¶"},  {u"&TRADE;", u"™"}, {u"&EURO;", u"€"},
};

// The entities replaced until none is left (so "&amp;amp;" ends as "&&&"),
// in one pass: a replacement can only start a new entity at its own second
// "&", which is looked at again.
QString Decode_Early_Entities(const QString& text) {
  if (!text.contains(u'&')) return text;
  QString in = text;
  QString out;
  out.reserve(in.size());
  qsizetype i = 0;
  while (i < in.size()) {
    // Tags keep their attribute values as written: a quote decoded there
    // would end the value early.
    if (in[i] == u'<') {
      const qsizetype close = in.indexOf(u'>', i);
      const qsizetype end = close < 0 ? in.size() : close + 1;
      out += QStringView(in).mid(i, end - i);
      i = end;
      continue;
    }
    bool replaced = false;
    if (in[i] == u'&') {
      for (const Early_Entity& e : kEarlyEntities) {
        if (!html_scan::Matches_At(in, i, e.Name)) continue;
        if (e.Text.size() == 2) {
          out += u'&';
          i += e.Name.size() - 1;
          in[i] = u'&';
        } else {
          out += e.Text;
          i += e.Name.size();
        }
        replaced = true;
        break;
      }
    }
    if (!replaced) out += in[i++];
  }
  return out;
}

// Every "<#" loses its "<" and the next ">" after it, so the tag's content
// shows as text; a "<" left in front of the "#" makes a new "<#".
QString Show_Hash_Tags(const QString& text) {
  if (!text.contains(QLatin1String("<#"))) return text;
  QString out;
  out.reserve(text.size());
  int pending = 0;
  for (const QChar c : text) {
    if (c == u'#' && out.endsWith(u'<')) {
      out.chop(1);
      ++pending;
    } else if (c == u'>' && pending > 0) {
      --pending;
      continue;
    }
    out += c;
  }
  return out;
}

QString Prepare(const QString& text) {
  // "<#...>" first, so that the entities of its content, now text, are
  // decoded with the rest of the text.
  QString out = Decode_Early_Entities(Show_Hash_Tags(text));
  if (out.contains(u'\r')) out.replace(QLatin1Char('\r'), QLatin1String("<BR>"));
  out.remove(u'\n');
  return out;
}

}  // namespace

bool DrawHtmlText(TCanvas& Canvas, const QString& Text, const TRect& Rect, const THtmlDrawParams& Params,
                  THtmlDrawResult& Result) {
  const TCanvas::Pen_State pen = Canvas.Pen;
  const TCanvas::Brush_State brush = Canvas.Brush;
  const QFont font = Canvas.Font;
  const TColor font_color = Canvas.Font_Color;

  Result.PlainText.clear();
  Result.FocusAnchor.clear();
  Result.AnchorTitle.clear();
  Result.ControlType.clear();
  Result.ControlValue.clear();
  Result.Width = 0;
  Result.Height = 0;
  Result.LinkCount = 0;
  Result.MouseLink = -1;
  Result.ControlRect = TRect{};
  Result.ControlID = Params.HitTestOnly ? Params.ControlID : QString();

  const QString text = Prepare(Text);
  Html_Line_Engine engine(Canvas, text, Rect, Params, Result);
  Canvas.Brush = {clNone, TBrushStyle::bsClear};

  Html_Flow measuring;
  measuring.Font = font;
  measuring.Font_Color = font_color;
  Html_Flow drawing = measuring;

  bool hit = false;
  bool laid_out = false;
  int top = Rect.Top;
  qsizetype pos = 0;
  while (pos < text.size()) {
    const int indent = measuring.Par_Indent;
    const int next_line_room = engine.Gh_Height(measuring.Font);
    Html_Line_Metrics m;
    bool text_ends = false;
    const qsizetype end = engine.Measure_Line(pos, measuring, m, text_ends);
    Result.Width = std::max(Result.Width, m.Width);

    int left = Rect.Left + 1;
    if (m.Align == 1) {
      left = std::max(left, Rect.Right - m.Width);
    } else if (m.Align == 2) {
      const int room = (Rect.Right - left - m.Width) / 2;
      if (room > 0) left += room;
    }
    left += indent;
    const TRect line{left, top, Rect.Right, top + m.Full_Height()};
    if (!Params.MeasureOnly) {
      const Html_Line_Engine::Hits hits = engine.Draw_Line(pos, end, drawing, line, m);
      const int text_bottom = line.Bottom - m.Picture_Lift;
      if (hits.Anchor && Params.YPos >= text_bottom - m.Gh_Height && Params.YPos < text_bottom) hit = true;
      if (hits.Object) hit = true;
    }
    top += m.Full_Height();
    Result.Height += m.Full_Height();
    laid_out = true;
    pos = text_ends ? text.size() : end;
    // Lines that would start below the rectangle are not laid out.
    if (!Params.MeasureOnly && top + next_line_room > Rect.Bottom) break;
  }
  if (!laid_out) Result.Height = engine.Gh_Height(font);
  Result.LinkCount = measuring.Link_Counter;

  Canvas.Pen = pen;
  Canvas.Brush = brush;
  Canvas.Font = font;
  Canvas.Font_Color = font_color;
  return hit;
}
