#pragma once
// The mini-HTML renderer: lays a small HTML-like markup out in a rectangle of
// a canvas, line by line, and in the same call measures it, hit-tests a point
// against its anchors and reports the text without tags.
//
// Markup (tags by their first letter, case-blind; attribute values in double
// quotes):
//   <A HREF="x" TITLE="t">  anchor          <B> bold        <BLINK> blinking
//   <BR> line break         <E> error zigzag  <FONT FACE COLOR BGCOLOR SIZE>
//   <HI> highlight          <I> italic      <S> strike-out  <SHAD> shadow
//   <SUB> <SUP>             <U> underline   <Z> hidden
// and the entities &amp; &quot; &lt; &gt; &nbsp; &sect; &permil; &reg; &copy;
// &para; &trade; &euro;. "<#...>" shows its content as text; a single "&"
// underlines the next character. Unknown tags are skipped. Pictures, form
// controls, lists and paragraph tags (IMG, CONTROL, UL, LI, P, BODY, IND, HR,
// R) are taken apart by the same engine (html_block_tags.cpp).
#include <QImage>
#include <QString>
#include <vector>

#include "controls/canvas.h"

class QObject;
class THTMLPictureCache;
class TPictureContainer;

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// What the caller asks of one call.
struct THtmlDrawParams {
  const std::vector<QImage>* Images = nullptr;  // pictures "IDX:n"
  int XPos = -1;                                // the point to hit-test, -1 when none
  int YPos = -1;
  int FocusLink = -1;  // 0-based anchor with the focus rectangle, -1 none
  int HoverLink = -1;  // 1-based anchor under the mouse
  int ShadowOffset = 1;
  bool HitTestOnly = false;  // the second pass measures instead of drawing
  bool MeasureOnly = false;  // only the measuring pass: nothing drawn, nothing hit
  bool Print = false;
  bool Selected = false;  // the text stands on a selection: colours of A and FONT left alone
  bool BlinkVisible = true;
  bool HoverUnderlineOnly = false;  // only the hovered anchor gets the hot style
  bool WordWrap = true;             // false: one line per BR, ending in an ellipsis
  bool MouseDown = false;
  double ResFactor = 1.0;
  TColor URLColor = clBlue;
  TColor HoverColor = clNone;
  TColor HoverFontColor = clNone;
  TColor ShadowColor = clGray;
  QString ControlID;  // with HitTestOnly: the control to locate
  THTMLPictureCache* PictureCache = nullptr;
  TPictureContainer* Pictures = nullptr;
  const QObject* WindowHandle = nullptr;  // whose theme draws the form controls
  TBiDiMode BiDiMode = bdLeftToRight;
};

// What one call reports. AnchorValue, AnchorTitle and AnchorRect are written
// only on a hit; the rest is set by every call.
struct THtmlDrawResult {
  QString AnchorValue;  // HREF under the point; "ctrl" on a form control
  QString PlainText;    // the text without tags, a CR for each BR
  QString FocusAnchor;  // HREF of anchor FocusLink + 1
  QString AnchorTitle;
  int Width = 0;      // widest line
  int Height = 0;     // sum of the line heights; one line of "gh" when empty
  int LinkCount = 0;  // anchors passed
  int MouseLink = -1;
  TRect AnchorRect;
  TRect ControlRect;
  QString ControlID;
  QString ControlValue;
  QString ControlType;
};

// Draws (or measures, or hit-tests) `Text` in `Rect`; lines start at
// Rect.Left + 1 and lines that would start below Rect.Bottom are dropped.
// The canvas font is the base font; the canvas font, pen and brush are put
// back on return. True when the point lies on anchor text (HitTestOnly), a
// picture in an anchor or a form control.
bool DrawHtmlText(TCanvas& Canvas, const QString& Text, const TRect& Rect, const THtmlDrawParams& Params,
                  THtmlDrawResult& Result);
