#pragma once
#include <array>
#include <vector>

#include "controls/tcolor.h"
#include "editors/files/canopen_table_file.h"

// What the three CANopen table windows differ in: their grids (rows, column
// widths, colour groups, the check-box column), which page is shown, and
// the numbers of their language texts. Everything else is one behaviour.

enum class CANopen_Column_Group { Row_Number, Identity, Address, Time, Description };

// The background of a colour group's data cells.
TColor CANopen_Group_Color(CANopen_Column_Group group);

struct CANopen_Grid_Layout {
  int rows;                 // the header row included
  int first_header;         // text of column 0's header; column c has first_header + c
  int first_hint;           // hint of column 1; column c has first_hint + c - 1
  int page_caption;         // text of the page's caption
  std::vector<int> widths;  // column 0 first
  std::vector<CANopen_Column_Group> groups;
  int check_column;  // the On Change column, 0 for none

  int Columns() const { return static_cast<int>(widths.size()); }
};

struct CANopen_Window_Layout {
  CANopen_Table_Kind kind;
  std::array<CANopen_Grid_Layout, 2> grids;
  int shown_page;  // the page whose tab shows; the other's tab is hidden
  // The grid that shows hints for its cells (the server's hidden grid shows
  // none).
  std::array<bool, 2> cell_hints;
  int caption;                      // window caption; description text is caption + 1
  std::array<int, 6> buttons;       // OK, Cancel, Delete, Insert, Copy, Paste captions
  std::array<int, 6> button_hints;  // in the same order
  int error_prefix;                 // "Error row "
  int delete_question;              // "Are you sure to delete the Row number "
};

const CANopen_Window_Layout& CANopen_Window(CANopen_Table_Kind kind);
