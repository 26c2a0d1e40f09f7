#pragma once
// The desktop's classic 3D drawing as the editor controls use it when no
// theme draws for them: edges, push-button and scroll-arrow frame controls,
// arrow glyphs and the filled triangles of custom-coloured buttons. Flags
// and colours keep the meanings the controls' geometry was written against.
#include <QImage>
#include <QPoint>

#include "controls/canvas.h"

// Edges: outer and inner rings, raised or sunken.
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;

constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x800;   // fill the inside with the button face
constexpr unsigned BF_SOFT = 0x1000;    // outer ring lighter (push buttons)
constexpr unsigned BF_ADJUST = 0x2000;  // shrink the rectangle by the edge drawn
constexpr unsigned BF_FLAT = 0x4000;    // shadow frame instead of 3D

// Draws the edge; with BF_ADJUST `rect` becomes the inside.
void Draw_Edge(TCanvas& canvas, TRect& rect, unsigned edge, unsigned flags);

constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x5;
constexpr unsigned DFCS_BUTTONPUSH = 0x10;
constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_ADJUSTRECT = 0x2000;
constexpr unsigned DFCS_FLAT = 0x4000;

// A push button (DFC_BUTTON with DFCS_BUTTONPUSH) or a scroll-arrow button
// (DFC_SCROLL with the arrow in the low bits): face, frame and arrow. With
// DFCS_ADJUSTRECT `rect` becomes the inside of the frame.
void Draw_Frame_Control(TCanvas& canvas, TRect& rect, unsigned type, unsigned state);

enum class Arrow_Direction { Left, Right, Up, Down };

// A solid arrow centred in `rect`, sized to it.
void Draw_Arrow_Glyph(TCanvas& canvas, const TRect& rect, Arrow_Direction direction, TColor color);

// A triangle filled and outlined in one colour, corners in canvas pixels.
void Fill_Triangle(TCanvas& canvas, QPoint a, QPoint b, QPoint c, TColor color);

// The spin buttons' default glyphs: a small black arrow on see-through ground.
QImage Spin_Arrow_Glyph(Arrow_Direction direction);

// Draws `glyph` with its bottom-left pixel's colour left out (the classic
// see-through rule of button glyphs); disabled glyphs are drawn embossed grey.
void Draw_Transparent_Glyph(TCanvas& canvas, int x, int y, const QImage& glyph, bool enabled = true);
