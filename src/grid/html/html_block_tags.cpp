// The tags the line engine takes apart for pictures, lists and paragraphs:
// IMG places a picture box in the line (and sets No_Fit when it must wait for
// the next line), UL/LI keep List_Level and draw the bullet, P keeps
// Par_Align, Par_Indent and the line background, BODY fills the rectangle,
// IND moves the x offset, HR rules the line, R turns the text, CONTROL places
// a form control (html_form_controls.cpp). Pictures come from the image list
// ("IDX:n"), the system icons ("SSYS:" small, "LSYS:" large, through the
// installed icon provider), the picture container (by name) or the picture
// cache (by URL). The closing LI and P end their line.
#include <QPainter>
#include <algorithm>

#include "grid/html/html_colors.h"
#include "grid/html/html_line_engine.h"
#include "grid/html/html_picture.h"
#include "grid/html/html_system_icons.h"
#include "grid/html/html_text_scan.h"

namespace {

// Pixels of a 96-dpi size on a device of `dpi`, rounded.
int Scaled(int pixels, int dpi) { return (pixels * dpi + 48) / 96; }

// The text after the first `letter` from `from` in the upper-cased tag, the
// "=" after it skipped, up to a blank or the ">", quotes removed.
QString Letter_Value(const QString& upper, QChar letter, qsizetype from) {
  qsizetype at = upper.indexOf(letter, from);
  if (at < 0) return {};
  ++at;
  if (at < upper.size() && upper[at] == u'=') ++at;
  qsizetype end = at;
  while (end < upper.size() && upper[end] != u'>' && upper[end] != u' ') ++end;
  QString value = upper.mid(at, end - at);
  value.remove(u'"');
  return value;
}

// List items: "•" on odd levels, "o" on even ones.
constexpr int kListStep = 12;

}  // namespace

void Html_Line_Engine::Block_Tag(const Tag& tag, Line_State& s) {
  switch (tag.First.unicode()) {
    case u'B':
      if (!tag.Closing) Body_Tag(tag, s);
      break;
    case u'H':
      if (!tag.Closing) Rule_Tag(s);
      break;
    case u'I':
      if (tag.Closing) break;
      if (tag.Second == u'M')
        Image_Tag(tag, s);
      else
        Indent_Tag(tag, s);
      break;
    case u'L':
      if (tag.Closing)
        s.Complete = true;
      else
        List_Item_Tag(s);
      break;
    case u'P':
      Paragraph_Tag(tag, s);
      break;
    case u'R':
      Rotate_Tag(tag, s);
      break;
    case u'U':
      // UL: one level deeper; the tag's line ends with it.
      ++s.Flow->List_Level;
      s.Complete = true;
      break;
    case u'C':
      if (!tag.Closing) Control_Tag(tag, s);
      break;
    default:
      break;
  }
}

bool Html_Line_Engine::Place_Object(int width, int height, Line_State& s) {
  const int line_width = rect_.Right - s.Line.Left;
  // Only the first pass decides where lines end; an object wider than the
  // whole line stays and overflows it.
  if (s.First && width > line_width - s.X_Offset && width <= line_width) {
    s.No_Fit = true;
    return false;
  }
  s.X_Offset += width;
  s.X += width;
  s.Height = std::max(s.Height, height);
  s.Trailing_Blank = 0;
  return true;
}

THTMLPicture* Html_Line_Engine::Picture_Of(const QString& source) {
  THTMLPicture* picture = nullptr;
  if (!source.contains(u':')) {
    if (p_.Pictures) picture = p_.Pictures->FindPicture(source);
  } else if (source.contains(QLatin1String("://")) && p_.PictureCache) {
    picture = p_.PictureCache->FindPicture(source);
    if (!picture) {
      picture = p_.PictureCache->AddPicture();
      picture->Asynch = false;
      picture->LoadFromURL(source);
    }
  }
  return picture && !picture->Empty() && !picture->Image().isNull() ? picture : nullptr;
}

void Html_Line_Engine::Image_Tag(const Tag& tag, Line_State& s) {
  Html_Flow& f = *s.Flow;
  const int counter = f.Image_Counter + 1;
  const int dpi_x = canvas_.Painter().device()->logicalDpiX();
  const int dpi_y = canvas_.Painter().device()->logicalDpiY();
  // A source: a picture of the image list, of the container by name, or of
  // the cache by URL (FILE:// paths keep their letter case).
  struct Source {
    const QImage* Listed = nullptr;
    QImage Icon;  // a system icon
    THTMLPicture* Picture = nullptr;
    // The pictures drawn as they are, at their own size.
    const QImage* Plain() const { return Listed ? Listed : Icon.isNull() ? nullptr : &Icon; }
    explicit operator bool() const { return Plain() || Picture; }
  };
  auto source_of = [this](const QString& source) -> Source {
    Source found;
    if (html_scan::Matches_At(source, 0, u"IDX:")) {
      bool ok = false;
      const int index = source.mid(4).toInt(&ok);
      if (ok && p_.Images && index >= 0 && index < int(p_.Images->size()) && !(*p_.Images)[size_t(index)].isNull())
        found.Listed = &(*p_.Images)[size_t(index)];
    } else if (html_scan::Matches_At(source, 0, u"SSYS:") || html_scan::Matches_At(source, 0, u"LSYS:")) {
      // A path keeps its letter case.
      found.Icon = HtmlSystemIcon(source.mid(5), source[0].toUpper() == u'L');
    } else {
      found.Picture = Picture_Of(source);
    }
    return found;
  };
  const Source source = source_of(html_scan::Attribute(tag.Text, tag.Upper, u"SRC"));
  // A picture that cannot be found takes no room.
  if (!source) {
    f.Image_Counter = counter;
    return;
  }
  bool has_width = false, has_height = false;
  const int asked_width = html_scan::Leading_Number(html_scan::Attribute(tag.Upper, tag.Upper, u"WIDTH", &has_width));
  const int asked_height =
      html_scan::Leading_Number(html_scan::Attribute(tag.Upper, tag.Upper, u"HEIGHT", &has_height));
  int width = 0, height = 0;
  bool stretched = false;
  if (const QImage* plain = source.Plain()) {
    width = Scaled(plain->width(), dpi_x);
    height = Scaled(plain->height(), dpi_y);
  } else {
    const THTMLPicture& picture = *source.Picture;
    const int pw = picture.Width(), ph = picture.Height();
    if (has_width && has_height) {
      width = asked_width, height = asked_height;
    } else if (has_width) {
      width = asked_width;
      height = pw > 0 ? qRound(double(ph) * asked_width / pw) : 0;
    } else if (has_height) {
      height = asked_height;
      width = ph > 0 ? qRound(double(pw) * asked_height / ph) : 0;
    } else {
      width = picture.MaxWidth(), height = picture.MaxHeight();
    }
    stretched = has_width || has_height;
    width = Scaled(width, dpi_x);
    height = Scaled(height, dpi_y);
  }
  if (width <= 0 || height <= 0) {
    f.Image_Counter = counter;
    return;
  }
  const int left = s.X;
  const int top = s.Line.Top;
  if (!Place_Object(width, height, s)) return;  // handled again on the next line
  f.Image_Counter = counter;

  if (!s.First) {
    // Pictures in anchors are hit in both second passes; the ALT picture
    // shows while the point is on the picture.
    if (f.In_Anchor && hit_x_ > left && hit_x_ < left + width && p_.YPos > top && p_.YPos < top + height) {
      s.Hit.Object = true;
      r_.AnchorValue = f.Href;
      r_.AnchorTitle = f.Title;
      hit_picture_ = counter;
    }
    if (s.Draws) {
      bool has_alt = false;
      const QString alt = html_scan::Attribute(tag.Text, tag.Upper, u"ALT", &has_alt);
      Source shown = source;
      if (has_alt && hit_picture_ == counter) shown = source_of(alt);
      if (const QImage* plain = shown.Plain()) {
        QSize size = plain->size();
        if (p_.Print) size = QSize(qRound(size.width() * p_.ResFactor), qRound(size.height() * p_.ResFactor));
        const TRect box = Screen({left, top, left + size.width(), top + size.height()});
        canvas_.Painter().drawImage(box.To_QRect(), *plain);
      } else if (shown.Picture) {
        THTMLPicture& picture = *shown.Picture;
        if (stretched) {
          picture.Stretch = true;
          picture.Draw(canvas_, Screen({left, top, left + width, top + height}));
        } else if (picture.FrameCount() > 1) {
          // A frame of an animation stands on the picture's own background.
          canvas_.Brush = {entry_brush_, TBrushStyle::bsSolid};
          canvas_.Fill_Rect(Screen({left, top, left + picture.MaxWidth(), top + picture.MaxHeight()}));
          const int x = left + picture.FrameXPos(), y = top + picture.FrameYPos();
          picture.Draw(canvas_, Screen({x, y, x + picture.Width(), y + picture.Height()}));
        } else {
          picture.Draw(canvas_, Screen({left, top, left + width, top + height}));
        }
      }
    }
  }
  // ALIGN: the line's text moves up to the picture's top or middle.
  const int gh = Gh_Height(f.Font);
  if (tag.Upper.contains(QLatin1String("\"TOP")))
    s.Picture_Lift = s.Height - gh;
  else if (tag.Upper.contains(QLatin1String("\"MIDDLE")))
    s.Picture_Lift = (s.Height - gh) / 2;
}

void Html_Line_Engine::List_Item_Tag(Line_State& s) {
  Html_Flow& f = *s.Flow;
  // One item per line: a second one starts the next line.
  if (s.First && s.List_Item) {
    s.No_Fit = true;
    return;
  }
  s.List_Item = true;
  s.X_Offset += f.List_Level * kListStep;
  s.X += f.List_Level * kListStep - kListStep;
  if (s.Draws) {
    canvas_.Font = f.Font;
    canvas_.Font_Color = f.Font_Color;
    canvas_.Brush = {clNone, TBrushStyle::bsClear};
    TRect box = Screen({s.X, s.Line.Top, s.Line.Right, Text_Bottom(s)});
    const QString bullet = f.List_Level % 2 == 1 ? QStringLiteral("\u2022") : QStringLiteral("o");
    canvas_.Draw_Text(bullet, box, flags_ & ~DT_END_ELLIPSIS);
  }
  s.X += kListStep;
  s.Trailing_Blank = 0;
}

void Html_Line_Engine::Paragraph_Tag(const Tag& tag, Line_State& s) {
  Html_Flow& f = *s.Flow;
  if (tag.Closing) {
    s.Complete = true;
    if (s.Draws && f.Par_Background) {
      if (f.Par_Saved_Brush) Set_Brush(f, *f.Par_Saved_Brush);
      f.Par_Saved_Brush.reset();
      f.Par_Background = false;
    }
    return;
  }
  bool found = false;
  const QString align = html_scan::Attribute(tag.Upper, tag.Upper, u"ALIGN", &found);
  if (found) {
    // Searched in this order; a later match wins.
    if (align.contains(QLatin1String("RIGHT"))) f.Par_Align = 1;
    if (align.contains(QLatin1String("LEFT"))) f.Par_Align = 0;
    if (align.contains(QLatin1String("CENTER"))) f.Par_Align = 2;
  }
  const QString indent = html_scan::Attribute(tag.Upper, tag.Upper, u"INDENT", &found);
  if (found) f.Par_Indent = html_scan::Leading_Number(indent, 65535);
  const QString background = html_scan::Attribute(tag.Upper, tag.Upper, u"BGCOLOR", &found);
  if (found && s.Draws) {
    const TColor colour = background.isEmpty() ? clNone : Html_Attribute_Color(background);
    if (!f.Par_Background) f.Par_Saved_Brush = Brush_Color(f);
    f.Par_Background = true;
    Set_Brush(f, colour);
    if (colour != clNone) {
      canvas_.Brush = f.Brush;
      canvas_.Fill_Rect(Screen({rect_.Left, s.Line.Top, rect_.Right, Line_Bottom(s)}));
    }
  }
}

void Html_Line_Engine::Body_Tag(const Tag& tag, Line_State& s) {
  Html_Flow& f = *s.Flow;
  if (!s.Draws) return;
  bool found = false;
  // BACKGROUND tiles the rectangle from its top-left corner, under BGCOLOR.
  const QString background = html_scan::Attribute(tag.Text, tag.Upper, u"BACKGROUND", &found);
  if (THTMLPicture* tile = found ? Picture_Of(background) : nullptr) {
    const QImage& image = tile->Image();
    QPainter& painter = canvas_.Painter();
    painter.save();
    painter.setClipRect(rect_.To_QRect(), Qt::IntersectClip);
    for (int y = rect_.Top; y < rect_.Bottom; y += image.height())
      for (int x = rect_.Left; x < rect_.Right; x += image.width()) painter.drawImage(x, y, image);
    painter.restore();
  }
  const QString value = html_scan::Attribute(tag.Text, tag.Upper, u"BGCOLOR", &found);
  if (!found) return;
  const QString upper = html_scan::Ascii_Upper(value);
  TColor colour = clNone;
  if (upper.contains(QLatin1String("CL")))
    colour = ColorFromHtmlName(value.toLower());
  else if (upper.contains(u'#'))
    colour = HexToColor(upper);
  else
    return;
  Set_Brush(f, colour);
  f.Font_Saved_Brush = colour;
  canvas_.Brush = f.Brush;
  canvas_.Fill_Rect(rect_);
}

void Html_Line_Engine::Indent_Tag(const Tag& tag, Line_State& s) {
  bool ok = false;
  const int x = Letter_Value(tag.Upper, u'X', 1).toInt(&ok);
  if (!ok || x <= s.X_Offset) return;
  s.X_Offset = x;
  s.X = rect_.Left + x;
  s.Trailing_Blank = 0;
}

void Html_Line_Engine::Rule_Tag(Line_State& s) {
  s.Complete = true;
  if (!s.Draws) return;
  const TCanvas::Pen_State pen = canvas_.Pen;
  canvas_.Pen = {clBlack, 1, TPenStyle::psSolid};
  const int y = Line_Bottom(s) + 1;
  const TRect line = Screen({s.Line.Left, y, s.Line.Right, y + 1});
  canvas_.Move_To(line.Left, y);
  canvas_.Line_To(line.Right, y);
  canvas_.Pen = pen;
}

void Html_Line_Engine::Rotate_Tag(const Tag& tag, Line_State& s) {
  if (tag.Closing) {
    s.Flow->Rotation = 0;
    return;
  }
  s.Flow->Rotation = Letter_Value(tag.Upper, u'A', 2).toInt() % 360;
}
