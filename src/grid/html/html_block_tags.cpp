// The tags the line engine takes apart for pictures, form controls, lists and
// paragraphs: IMG and CONTROL place an object box in the line (and set
// No_Fit when it must wait for the next line), UL/LI keep List_Level and the
// bullet, P keeps Par_Align, Par_Indent and Par_Background, BODY fills or
// tiles the rectangle, IND moves the x offset, HR rules the line, R turns the
// text. Until they are drawn these tags are skipped; the closing LI and P
// already end their line.
#include "grid/html/html_line_engine.h"

void Html_Line_Engine::Block_Tag(const Tag& tag, Line_State& s) {
  if (tag.Closing && (tag.First == u'L' || tag.First == u'P')) s.Complete = true;
}
