#include "grid/html/html_line_engine.h"

#include <QPainter>
#include <algorithm>

#include "grid/html/html_colors.h"
#include "grid/html/html_highlight.h"
#include "grid/html/html_text_scan.h"

using html_scan::Matches_At;
using html_scan::Upper;

namespace {

// A run as it is shown: "&nbsp;", "&lt;" and "&gt;" (any letter case) are
// the only entities left to decode here.
QString Decode_Run(QStringView raw) {
  if (!raw.contains(u'&')) return raw.toString();
  QString out;
  out.reserve(raw.size());
  for (qsizetype i = 0; i < raw.size(); ++i) {
    if (raw[i] == u'&') {
      if (Matches_At(raw, i, u"&NBSP;")) {
        out += QLatin1Char(' ');
        i += 5;
        continue;
      }
      if (Matches_At(raw, i, u"&LT;")) {
        out += QLatin1Char('<');
        i += 3;
        continue;
      }
      if (Matches_At(raw, i, u"&GT;")) {
        out += QLatin1Char('>');
        i += 3;
        continue;
      }
    }
    out += raw[i];
  }
  return out;
}

// What a prefix-processing text call shows of a run: "&&" is one ampersand,
// a single "&" only underlines the next character.
QString Without_Prefix(const QString& run) {
  if (!run.contains(u'&')) return run;
  QString shown;
  shown.reserve(run.size());
  for (qsizetype i = 0; i < run.size(); ++i) {
    if (run[i] == u'&' && i + 1 < run.size()) ++i;
    shown += run[i];
  }
  return shown;
}

// The characters of a run for PlainText: an "&&" (the decoded "&amp;") as
// one "&".
QString Plain(const QString& run) {
  if (!run.contains(QLatin1String("&&"))) return run;
  QString out = run;
  out.replace(QLatin1String("&&"), QLatin1String("&"));
  return out;
}

// FONT SIZE: 1 to 5 are the HTML steps, any other number a point size.
int Font_Points(int size) {
  switch (size) {
    case 1:
      return 8;
    case 2:
      return 10;
    case 3:
      return 12;
    case 4:
      return 14;
    case 5:
      return 16;
    default:
      return size;
  }
}

// Point sizes beyond this are taken as this: a stray digit run must not ask
// for glyphs of metres.
constexpr int kLargestPoints = 1000;

}  // namespace

bool Html_Line_Engine::Tag::Is(QStringView upper_text) const {
  return Text.size() == upper_text.size() && Matches_At(Text, 0, upper_text);
}

Html_Line_Engine::Html_Line_Engine(TCanvas& canvas, QStringView text, const TRect& rect, const THtmlDrawParams& params,
                                   THtmlDrawResult& result)
    : canvas_(canvas),
      text_(text),
      rect_(rect),
      p_(params),
      r_(result),
      base_font_(canvas.Font),
      base_color_(canvas.Font_Color),
      entry_brush_(canvas.Brush.Color),
      mirrored_(params.BiDiMode == bdRightToLeft) {
  flags_ = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS;
  if (!params.WordWrap) flags_ |= DT_END_ELLIPSIS;
  // Right to left the line runs from the right edge: each run is laid out
  // left to right and mirrored, and drawn against its far edge. The reading
  // order within a run follows its characters.
  if (mirrored_) flags_ |= DT_RIGHT;
  hit_x_ = mirrored_ && params.XPos >= 0 ? rect.Left + rect.Right - 1 - params.XPos : params.XPos;
}

const QFontMetrics& Html_Line_Engine::Metrics(const QFont& font) {
  if (!metrics_ || !(font == metrics_font_)) {
    metrics_font_ = font;
    metrics_.emplace(font, canvas_.Painter().device());
  }
  return *metrics_;
}

int Html_Line_Engine::Gh_Height(const QFont& font) { return Metrics(font).height(); }

void Html_Line_Engine::Set_Brush(Html_Flow& flow, TColor color) {
  if (color == clNone) {
    flow.Brush = {clNone, TBrushStyle::bsClear};
  } else {
    flow.Brush = {color, TBrushStyle::bsSolid};
  }
}

TColor Html_Line_Engine::Brush_Color(const Html_Flow& flow) {
  return flow.Brush.Style == TBrushStyle::bsClear ? clNone : flow.Brush.Color;
}

TRect Html_Line_Engine::Screen(const TRect& r) const {
  if (!mirrored_) return r;
  const int sum = rect_.Left + rect_.Right;
  return {sum - r.Right, r.Top, sum - r.Left, r.Bottom};
}

int Html_Line_Engine::Screen_X(int x) const { return mirrored_ ? rect_.Left + rect_.Right - 1 - x : x; }

int Html_Line_Engine::Line_Bottom(const Line_State& s) const { return s.Line.Top + s.Metrics->Full_Height(); }

int Html_Line_Engine::Text_Bottom(const Line_State& s) const {
  const Html_Line_Metrics& m = *s.Metrics;
  return s.Line.Top + m.Sup_Raise + m.Height - m.Picture_Lift;
}

qsizetype Html_Line_Engine::Measure_Line(qsizetype from, Html_Flow& flow, Html_Line_Metrics& metrics, bool& text_ends) {
  Line_State s;
  s.First = true;
  s.Measuring = true;
  s.Flow = &flow;
  s.Line = {rect_.Left + 1 + flow.Par_Indent, 0, rect_.Right, 0};
  s.End = text_.size();
  metrics.Gh_Height = Gh_Height(flow.Font);
  const qsizetype end = Run_Line(from, s);
  metrics.Width = std::max(0, s.X_Offset - s.Trailing_Blank);
  metrics.Height = s.Height;
  metrics.Sup_Raise = s.Sup_Raise;
  metrics.Sub_Drop = s.Sub_Drop;
  metrics.Picture_Lift = s.Picture_Lift;
  metrics.Align = flow.Par_Align;
  text_ends = s.Text_Ends;
  return end;
}

Html_Line_Engine::Hits Html_Line_Engine::Draw_Line(qsizetype from, qsizetype to, Html_Flow& flow, const TRect& line,
                                                   const Html_Line_Metrics& metrics) {
  Line_State s;
  s.Measuring = p_.HitTestOnly;
  s.Draws = !p_.HitTestOnly;
  s.Flow = &flow;
  s.Line = line;
  s.Metrics = &metrics;
  s.End = to;
  Run_Line(from, s);
  return s.Hit;
}

qsizetype Html_Line_Engine::Run_Line(qsizetype pos, Line_State& s) {
  Html_Flow& f = *s.Flow;
  s.Start = pos;
  s.Height = Gh_Height(f.Font);
  s.X = s.Line.Left;
  if (!s.First) {
    if (s.Draws && f.Par_Background && f.Brush.Style == TBrushStyle::bsSolid) {
      canvas_.Brush = f.Brush;
      canvas_.Fill_Rect(Screen({rect_.Left, s.Line.Top, rect_.Right, s.Line.Top + s.Metrics->Height}));
    }
    // An anchor or focus rectangle from an earlier line goes on from this
    // line's left edge.
    if (f.In_Anchor) {
      f.Anchor_Left = s.Line.Left;
      f.Anchor_Top = s.Line.Top;
    }
    if (f.Focus_Open) f.Focus_Left = s.Line.Left;
  }
  while (pos < s.End) {
    if (text_[pos] != u'<') {
      pos = Text_Run(pos, s);
    } else {
      // A "<" too short to be a tag, or a tag without its ">", ends the text.
      const qsizetype close = text_.size() - pos < 3 ? -1 : text_.indexOf(u'>', pos + 1);
      if (close < 0) {
        s.Text_Ends = true;
        break;
      }
      Tag tag;
      tag.Text = text_.mid(pos, close - pos + 1);
      tag.Upper = html_scan::Ascii_Upper(tag.Text);
      tag.Closing = tag.Text.size() > 3 && tag.Text[1] == u'/';
      const qsizetype k = tag.Closing ? 2 : 1;
      tag.First = Upper(tag.Text[k]);
      tag.Second = k + 1 < tag.Text.size() ? Upper(tag.Text[k + 1]) : QChar();
      Handle_Tag(tag, s);
      // An object that does not fit waits for the next line, unless the
      // line holds nothing yet: every line takes at least one run or tag.
      if (s.First && s.No_Fit && pos != s.Start) break;
      pos = close + 1;
    }
    if (s.Text_Ends || (s.First && s.Complete)) break;
  }
  if (s.Draws && f.Focus_Open) {
    const int bottom = Line_Bottom(s);
    Draw_Focus(f.Focus_Left - 1, f.Focus_Top, s.X + 1, bottom);
    f.Focus_Top = bottom;
  }
  return pos;
}

qsizetype Html_Line_Engine::Text_Run(qsizetype pos, Line_State& s) {
  Html_Flow& f = *s.Flow;
  // Up to the next tag; with word wrap up to and with the next blank.
  qsizetype end = pos;
  while (end < s.End && text_[end] != u'<') {
    if (p_.WordWrap && text_[end] == u' ') {
      ++end;
      break;
    }
    ++end;
  }
  const QString run = Decode_Run(text_.mid(pos, end - pos));
  const QFontMetrics& fm = Metrics(f.Font);
  int width = 0;
  if (!f.Hidden) {
    width = fm.horizontalAdvance(Without_Prefix(run));
    const int line_width = rect_.Right - s.Line.Left;
    if (s.First && s.X_Offset + width > line_width) {
      if (!p_.WordWrap) {
        // Stays, cut with an ellipsis; nothing after it is shown.
        s.Text_Ends = true;
      } else if (!(width > line_width || (s.Has_Text && !s.Ends_Blank) || pos == s.Start)) {
        // Goes to the next line; a run that continues a word split by a tag
        // or is wider than the whole line stays.
        s.Complete = true;
        return pos;
      }
    }
  }
  const int height = fm.height();
  s.Height = std::max(s.Height, height);
  if (s.Sup) s.Sup_Raise = std::max(s.Sup_Raise, height / 4);
  if (s.Sub) s.Sub_Drop = std::max(s.Sub_Drop, height / 4);
  if (s.First) r_.PlainText += Plain(run);
  if (f.Hidden) return end;

  if (!s.First) {
    if (f.In_Anchor && f.Link_Counter == p_.FocusLink + 1) r_.FocusAnchor = f.Href;
    if (s.Measuring && f.In_Anchor && hit_x_ >= s.X && hit_x_ < s.X + width && p_.YPos >= s.Line.Top &&
        p_.YPos < Line_Bottom(s)) {
      s.Hit.Anchor = true;
      f.Anchor_Was_Hit = true;
      r_.AnchorValue = f.Href;
      r_.AnchorTitle = f.Title;
      r_.MouseLink = f.Link_Counter;
    }
    if (s.Draws) Draw_Run(run, width, s);
  }
  s.X_Offset += width;
  s.X += width;
  s.Has_Text = true;
  s.Ends_Blank = run.endsWith(u' ');
  s.Trailing_Blank = s.Ends_Blank ? fm.horizontalAdvance(u' ') : 0;
  return end;
}

void Html_Line_Engine::Draw_Run(const QString& run, int width, Line_State& s) {
  const Html_Flow& f = *s.Flow;
  const Html_Line_Metrics& m = *s.Metrics;
  int bottom = Text_Bottom(s);
  if (s.Sup) bottom -= m.Sup_Raise;
  if (s.Sub) bottom += m.Sub_Drop;
  const TRect box{s.X, s.Line.Top, s.Line.Right, bottom};
  auto draw = [&](const TRect& r, TColor colour, const TCanvas::Brush_State& brush) {
    canvas_.Font = f.Font;
    canvas_.Font_Color = colour;
    canvas_.Brush = brush;
    if (f.Rotation != 0) {
      // Turned text starts at the line's text bottom and runs off the line.
      canvas_.Text_Out_Rotated(Screen_X(r.Left), r.Bottom, run, f.Rotation * 10);
      return;
    }
    TRect target = Screen(r);
    canvas_.Draw_Text(run, target, flags_);
  };
  if (f.Shadow) {
    // Background, shadow, then the text on top of both.
    const TCanvas::Brush_State clear{clNone, TBrushStyle::bsClear};
    if (f.Brush.Style == TBrushStyle::bsSolid) draw(box, f.Font_Color, f.Brush);
    draw(box.Offset(p_.ShadowOffset, p_.ShadowOffset), p_.ShadowColor, clear);
    draw(box, f.Font_Color, clear);
  } else {
    draw(box, f.Font_Color, f.Brush);
  }
  if (f.Error_Underline) {
    const int line_bottom = Line_Bottom(s);
    const TCanvas::Pen_State pen = canvas_.Pen;
    canvas_.Pen = {clRed, 1, TPenStyle::psSolid};
    int x = s.X & ~1;
    bool high = true;
    canvas_.Move_To(Screen_X(x), line_bottom - 1);
    while (x < s.X + width) {
      x += 2;
      high = !high;
      canvas_.Line_To(Screen_X(x), high ? line_bottom - 1 : line_bottom + 1);
    }
    canvas_.Pen = pen;
  }
}

void Html_Line_Engine::Draw_Focus(int left, int top, int right, int bottom) {
  canvas_.Draw_Focus_Rect(Screen({left, top, right, bottom}));
}

void Html_Line_Engine::Handle_Tag(const Tag& tag, Line_State& s) {
  Html_Flow& f = *s.Flow;
  const bool second = !s.First;
  switch (tag.First.unicode()) {
    case u'A':
      Anchor_Tag(tag, s);
      break;
    case u'B':
      if (!tag.Closing) {
        if (tag.Second == u'R') {
          s.Complete = true;
          if (s.First) r_.PlainText += QLatin1Char('\r');
        } else if (tag.Second == u'L') {
          if (!p_.BlinkVisible) f.Font_Color = entry_brush_;
        } else if (tag.Second == u'O') {
          Block_Tag(tag, s);
        } else if (tag.Is(u"<B>")) {
          f.Font.setBold(true);
        }
      } else if (tag.Is(u"</B>")) {
        f.Font.setBold(false);
      } else {
        f.Font_Color = base_color_;
      }
      break;
    case u'E':
      if (tag.Closing)
        f.Error_Underline = false;
      else if (second)
        f.Error_Underline = true;
      break;
    case u'F':
      Font_Tag(tag, s);
      break;
    case u'H':
      if (tag.Second == u'I') {
        if (!second) break;
        if (!tag.Closing) {
          f.Hi_Saved_Font = f.Font_Color;
          f.Hi_Saved_Brush = Brush_Color(f);
          Set_Brush(f, HtmlHighlightBackground());
          f.Font_Color = HtmlHighlightText();
        } else {
          if (f.Hi_Saved_Font) f.Font_Color = *f.Hi_Saved_Font;
          if (f.Hi_Saved_Brush) Set_Brush(f, *f.Hi_Saved_Brush);
          f.Hi_Saved_Font.reset();
          f.Hi_Saved_Brush.reset();
        }
      } else if (tag.Second == u'R') {
        Block_Tag(tag, s);
      }
      break;
    case u'I':
      if (tag.Closing)
        f.Font.setItalic(false);
      else if (tag.Second == u'M' || tag.Second == u'N')
        Block_Tag(tag, s);
      else if (tag.Is(u"<I>"))
        f.Font.setItalic(true);
      break;
    case u'S':
      if (!tag.Closing) {
        if (tag.Is(u"<S>"))
          f.Font.setStrikeOut(true);
        else if (tag.Second == u'H')
          f.Shadow = true;
        else if (Matches_At(tag.Text, 0, u"<SUB>"))
          s.Sub = true;
        else if (Matches_At(tag.Text, 0, u"<SUP>"))
          s.Sup = true;
      } else if (tag.Second == u'U') {
        s.Sub = s.Sup = false;
      } else if (tag.Second == u'H') {
        f.Shadow = false;
      } else {
        f.Font.setStrikeOut(false);
      }
      break;
    case u'U':
      if (!tag.Closing) {
        if (tag.Is(u"<U>"))
          f.Font.setUnderline(true);
        else
          Block_Tag(tag, s);
      } else if (!tag.Is(u"</U>") && f.List_Level > 0) {
        --f.List_Level;
      } else {
        f.Font.setUnderline(false);
      }
      break;
    case u'Z':
      f.Hidden = !tag.Closing;
      break;
    case u'C':
    case u'L':
    case u'P':
    case u'R':
      Block_Tag(tag, s);
      break;
    default:
      // Unknown tags are skipped.
      break;
  }
}

void Html_Line_Engine::Anchor_Tag(const Tag& tag, Line_State& s) {
  Html_Flow& f = *s.Flow;
  const bool second = !s.First;
  if (!tag.Closing) {
    if (s.Draws && f.Link_Counter == p_.FocusLink) {
      f.Focus_Open = true;
      f.Focus_Left = s.X;
      f.Focus_Top = s.Line.Top;
    }
    ++f.Link_Counter;
    const bool hovered = f.Link_Counter == p_.HoverLink;
    if (second && (!p_.HoverUnderlineOnly || hovered)) {
      f.Anchor_Hot = true;
      f.Font.setUnderline(true);
      if (p_.HoverColor != clNone) {
        f.Anchor_Saved_Brush = Brush_Color(f);
        Set_Brush(f, p_.HoverColor);
      }
      if (p_.HoverFontColor != clNone) {
        f.Anchor_Saved_Font = f.Font_Color;
        f.Font_Color = p_.HoverFontColor;
      }
    }
    if (!p_.Selected && !(p_.HoverUnderlineOnly && hovered && p_.HoverFontColor != clNone)) f.Font_Color = p_.URLColor;
    f.Href = html_scan::Attribute(tag.Text, tag.Upper, u"HREF");
    f.Title = html_scan::Attribute(tag.Text, tag.Upper, u"TITLE");
    f.In_Anchor = true;
    f.Anchor_Was_Hit = false;
    f.Anchor_Left = s.X;
    f.Anchor_Top = s.Line.Top;
    return;
  }
  if (second && f.Anchor_Hot) {
    f.Font.setUnderline(false);
    if (f.Anchor_Saved_Brush) Set_Brush(f, *f.Anchor_Saved_Brush);
    if (f.Anchor_Saved_Font) f.Font_Color = *f.Anchor_Saved_Font;
    f.Anchor_Saved_Brush.reset();
    f.Anchor_Saved_Font.reset();
    f.Anchor_Hot = false;
  }
  if (!p_.Selected) f.Font_Color = base_color_;
  f.In_Anchor = false;
  if (second && f.Anchor_Was_Hit) {
    r_.AnchorRect = Screen({f.Anchor_Left, f.Anchor_Top, s.X, Line_Bottom(s)});
    r_.MouseLink = f.Link_Counter;
    f.Anchor_Was_Hit = false;
  }
  if (s.Draws && f.Focus_Open && f.Link_Counter == p_.FocusLink + 1) {
    const int bottom = Line_Bottom(s) - s.Metrics->Picture_Lift;
    Draw_Focus(f.Focus_Left - 1, bottom - s.Metrics->Gh_Height, s.X + 1, bottom);
    f.Focus_Open = false;
  }
}

void Html_Line_Engine::Font_Tag(const Tag& tag, Line_State& s) {
  Html_Flow& f = *s.Flow;
  const bool second = !s.First;
  if (tag.Closing) {
    f.Font.setFamily(base_font_.family());
    f.Font.setFamilies(base_font_.families());
    if (base_font_.pointSizeF() > 0)
      f.Font.setPointSizeF(base_font_.pointSizeF());
    else
      f.Font.setPixelSize(base_font_.pixelSize());
    if (second && !p_.Selected) {
      f.Font_Color = base_color_;
      // Only a background this FONT set is taken back: a highlight around
      // the FONT keeps its own.
      if (f.Font_Saved_Brush) Set_Brush(f, *f.Font_Saved_Brush);
      f.Font_Saved_Brush.reset();
    }
    return;
  }
  // Attribute values are read upper-cased.
  bool found = false;
  const QString face = html_scan::Attribute(tag.Upper, tag.Upper, u"FACE", &found);
  if (found && !face.isEmpty()) f.Font.setFamily(face);
  const QString colour = html_scan::Attribute(tag.Upper, tag.Upper, u"COLOR", &found);
  if (found && !p_.Selected) f.Font_Color = Html_Attribute_Color(colour);
  const QString background = html_scan::Attribute(tag.Upper, tag.Upper, u"BGCOLOR", &found);
  if (found && second && !p_.Selected) {
    if (!f.Font_Saved_Brush) f.Font_Saved_Brush = Brush_Color(f);
    Set_Brush(f, Html_Attribute_Color(background));
  }
  const QString size = html_scan::Attribute(tag.Upper, tag.Upper, u"SIZE", &found);
  if (found) {
    const int points = std::min(Font_Points(html_scan::Leading_Number(size)), kLargestPoints);
    if (points > 0) f.Font.setPointSize(points);
  }
}
