#pragma once
// Geometry of the single-line edits that hold a part inside their right
// edge (the spin edit's button pair, the edit button). Coordinates are the
// widget's own: the edit draws its 3D border (2 pixels when it has one)
// inside its bounds, so the inside ("client") area starts at the border.
#include <QMargins>
#include <QRect>
#include <QSize>

enum TBorderStyle { bsNone, bsSingle };

inline int Edit_Border_Width(TBorderStyle style) { return style == bsSingle ? 2 : 0; }

// The embedded part: at the client's right edge, one pixel short of the
// bottom and (with a border) of the right side.
QRect Embedded_Part_Rect(const QSize& size, int part_width, TBorderStyle style);

// Smallest heights: the font's height, a quarter of the smaller of it and
// the screen font's, and for the spin edit 2 pixels plus the border.
int Spin_Edit_Min_Height(int font_height, int screen_font_height, TBorderStyle style);
int Edit_Btn_Min_Height(int font_height, int screen_font_height);

// The text area of the spin edit, as margins from the widget's edges.
QMargins Spin_Edit_Text_Margins(const QSize& size, int pair_width, TBorderStyle style);
// The text area of the edit button, leaving `unit_size` pixels (plus 3)
// between the text and the button for a unit.
QMargins Edit_Btn_Text_Margins(const QSize& size, int button_width, int unit_size, TBorderStyle style);
// Where the unit text is painted: `unit_space` pixels ending 3 pixels left of the button.
QRect Unit_Text_Rect(const QSize& size, int button_width, int unit_space, TBorderStyle style);
