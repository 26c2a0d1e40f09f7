#pragma once
// The line engine of DrawHtmlText: lays out one line of the prepared markup,
// either measuring it (the first pass, which decides where the line ends) or
// drawing / hit-testing it (the second pass, over exactly the part the first
// pass took, in the line's final rectangle).
#include <QFontMetrics>
#include <QStringView>
#include <optional>

#include "grid/html/draw_html_text.h"
#include "grid/html/html_controls.h"
#include "grid/html/html_picture.h"

// State carried from line to line within one pass of one call.
struct Html_Flow {
  QFont Font;
  TColor Font_Color = clBlack;
  TCanvas::Brush_State Brush{clNone, TBrushStyle::bsClear};
  bool In_Anchor = false;
  QString Href, Title;
  int Link_Counter = 0;
  int Image_Counter = 0;
  int List_Level = 0;
  int Par_Align = 0;  // 0 left, 1 right, 2 centre
  int Par_Indent = 0;
  bool Par_Background = false;
  std::optional<TColor> Par_Saved_Brush;
  int Rotation = 0;  // degrees, counter-clockwise; 0 upright
  bool Shadow = false, Hidden = false, Error_Underline = false;
  // Colours put back when a tag closes, each with whether it was saved.
  bool Anchor_Hot = false;
  std::optional<TColor> Anchor_Saved_Brush, Anchor_Saved_Font;
  std::optional<TColor> Font_Saved_Brush;
  std::optional<TColor> Hi_Saved_Brush, Hi_Saved_Font;
  // Second pass: where the current anchor and the focus rectangle started.
  bool Anchor_Was_Hit = false;
  int Anchor_Left = 0, Anchor_Top = 0;
  bool Focus_Open = false;
  int Focus_Left = 0, Focus_Top = 0;
};

// What the first pass found out about a line.
struct Html_Line_Metrics {
  int Width = 0;  // without a trailing blank
  int Height = 0;
  int Sup_Raise = 0;
  int Sub_Drop = 0;
  int Picture_Lift = 0;
  int Align = 0;
  int Gh_Height = 0;  // "gh" in the font the line starts with
  int Full_Height() const { return Height + Sub_Drop + Sup_Raise; }
};

class Html_Line_Engine {
 public:
  Html_Line_Engine(TCanvas& canvas, QStringView text, const TRect& rect, const THtmlDrawParams& params,
                   THtmlDrawResult& result);

  // First pass over the line that starts at `from`. Returns where it ends;
  // `text_ends` tells that nothing after it is shown.
  qsizetype Measure_Line(qsizetype from, Html_Flow& flow, Html_Line_Metrics& metrics, bool& text_ends);

  struct Hits {
    bool Anchor = false;
    bool Object = false;
  };
  // Second pass over [from, to) in `line`, the line's final rectangle.
  Hits Draw_Line(qsizetype from, qsizetype to, Html_Flow& flow, const TRect& line, const Html_Line_Metrics& metrics);

  int Gh_Height(const QFont& font);

 private:
  // Per line.
  struct Line_State {
    bool First = false;      // the deciding, measuring pass
    bool Measuring = false;  // first pass, or second with HitTestOnly
    bool Draws = false;      // second pass without HitTestOnly
    Html_Flow* Flow = nullptr;
    TRect Line;  // first pass: left edge and top only
    const Html_Line_Metrics* Metrics = nullptr;
    qsizetype Start = 0;
    qsizetype End = 0;
    bool Sup = false, Sub = false;
    int X_Offset = 0;
    int X = 0;
    int Height = 0;
    int Sup_Raise = 0, Sub_Drop = 0, Picture_Lift = 0;
    bool Complete = false, No_Fit = false, List_Item = false;
    bool Has_Text = false, Ends_Blank = false;
    int Trailing_Blank = 0;
    bool Text_Ends = false;
    Hits Hit;
  };
  struct Tag {
    QStringView Text;
    QString Upper;
    bool Closing = false;
    QChar First, Second;
    bool Is(QStringView upper_text) const;
  };

  qsizetype Run_Line(qsizetype pos, Line_State& s);
  qsizetype Text_Run(qsizetype pos, Line_State& s);
  void Draw_Run(const QString& run, int width, Line_State& s);
  void Handle_Tag(const Tag& tag, Line_State& s);
  void Anchor_Tag(const Tag& tag, Line_State& s);
  void Font_Tag(const Tag& tag, Line_State& s);
  // The tags of pictures, form controls, lists and paragraphs.
  void Block_Tag(const Tag& tag, Line_State& s);
  void Image_Tag(const Tag& tag, Line_State& s);
  // A non-empty picture of the container (a name) or the cache (a URL,
  // loaded on first use); null otherwise.
  THTMLPicture* Picture_Of(const QString& source);
  void List_Item_Tag(Line_State& s);
  void Paragraph_Tag(const Tag& tag, Line_State& s);
  void Body_Tag(const Tag& tag, Line_State& s);
  void Indent_Tag(const Tag& tag, Line_State& s);
  void Rule_Tag(Line_State& s);
  void Rotate_Tag(const Tag& tag, Line_State& s);
  void Control_Tag(const Tag& tag, Line_State& s);
  void Draw_Control(const THtmlControlAttributes& a, int width, int control_height, int box_width, int box_height,
                    Line_State& s);
  // Puts an object box of that size at the current x; false (and No_Fit)
  // when it must wait for the next line.
  bool Place_Object(int width, int height, Line_State& s);
  // Where the upright text of the line stands, above the room kept for
  // subscripts and below lifted pictures.
  int Text_Bottom(const Line_State& s) const;
  void Draw_Focus(int left, int top, int right, int bottom);

  const QFontMetrics& Metrics(const QFont& font);
  static void Set_Brush(Html_Flow& flow, TColor color);
  static TColor Brush_Color(const Html_Flow& flow);
  TRect Screen(const TRect& r) const;
  int Screen_X(int x) const;
  int Line_Bottom(const Line_State& s) const;

  TCanvas& canvas_;
  QStringView text_;
  TRect rect_;
  const THtmlDrawParams& p_;
  THtmlDrawResult& r_;
  QFont base_font_;
  TColor base_color_;
  TColor entry_brush_;
  bool mirrored_;
  int hit_x_;
  int hit_picture_ = -1;  // the picture in an anchor under the point
  unsigned flags_;
  QFont metrics_font_;
  std::optional<QFontMetrics> metrics_;
};
