#pragma once
// The text side of the grid's cell comparison: how each sort style reads a
// cell text (numbers with prefix, suffix and separators, dates and times by
// the process's conventions), the text comparisons, the automatic style's
// look at a text, and where blanks go. Pure functions over texts; the grid
// side (cell texts, check boxes, images, events) is grid_sort_compare.cpp.
#include <QString>

#include "grid/core/grid_paint_look.h"
#include "grid/store/sort_style.h"

namespace grid_sort {

// -1, 0, +1 for a < b, a == b, a > b.
inline int Sign(double a, double b) { return a > b ? 1 : (a < b ? -1 : 0); }
inline int Sign(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// By UTF-16 code units.
int Compare_Code_Units(const QString& a, const QString& b);
// With the ASCII letters a-z folded to upper case, then by code units.
int Compare_Ascii_No_Case(const QString& a, const QString& b);
// The locale's collation, with or without case.
int Compare_Locale(const QString& a, const QString& b, bool CaseSensitive);

// The number in a cell text: the first suffix and prefix removed, for
// financial texts every thousand separator too, the locale's decimal
// separator read as "."; leading blanks allowed, nothing may trail.
bool Parse_Sort_Number(const QString& text, const QString& prefix, const QString& suffix, bool financial,
                       double& value);
// The commonest number texts read without the general way: an optional "-",
// ASCII digits and at most one decimal separator of the process's
// conventions, with at least one digit. For such a text Read answers true
// and gives the value Parse_Sort_Number gives it without prefix and suffix
// (financial or not), and Read_Text_Traits counts it a number. Any other
// text answers false and goes the general way. Made for one sort run: the
// conventions are taken when the reader is made.
class Plain_Number_Reader {
 public:
  Plain_Number_Reader();
  bool Read(const char16_t* text, qsizetype size, double& value) const;

 private:
  char16_t decimal_ = u'.';
  bool usable_ = false;
};

// Date with an optional time, as days (0 for an empty or unreadable text).
double Parse_Sort_Date_Time(const QString& text);
// Time of day as a fraction of a day (0 for an unreadable text).
double Parse_Sort_Time(const QString& text);

// What the automatic style sees in a text besides its cells: whether it
// reads as a number, and where its first date and time separators stand.
struct Text_Traits {
  bool number = false;
  bool has_date_sep = false;
  bool has_time_sep = false;
  // The first date separator at position 2 or 3 (1-based) with more after it.
  bool date_in_window = false;
  // ... and a digit on each side of it.
  bool date_digits = false;
  bool time_in_window = false;
  bool time_digits = false;
};
Text_Traits Read_Text_Traits(const QString& text);
// The style the automatic detection gives a pair of texts that are neither
// check boxes nor numbers (text1 decides, text2 must carry the separator).
TSortStyle Detect_Text_Style(const Text_Traits& t1, const Text_Traits& t2, bool IgnoreCase);

// The result with blanks placed by BlankPos in either direction when exactly
// one of the texts is empty.
int Place_Blanks(int r, bool empty1, bool empty2, TSortDirection Direction, TSortBlankPosition BlankPos);

}  // namespace grid_sort
