#pragma once
#include <QFont>
#include <QPoint>
#include <QString>
#include <initializer_list>

#include "controls/tcolor.h"
#include "controls/trect.h"

class QPainter;

// Text layout flags of Draw_Text, with the values the stored settings and the
// drawing code were written against.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum class TBrushStyle { bsSolid, bsClear };

// Drawing with the pixel meanings the controls' geometry is written for, over
// a QPainter (antialiasing off):
// - rectangles take Right/Bottom as the first pixel outside;
// - Rectangle draws the outline with the pen and fills the inside with the
//   brush; with a clear pen it fills one pixel less to the right and bottom;
// - Line_To and Polyline leave out the last point;
// - Text_Out places the top-left corner of the text cell at (x, y) and fills
//   the text's background with the brush unless the brush is clear;
// - Draw_Focus_Rect draws the dotted focus frame (pixels inverted where the
//   device allows it).
class TCanvas {
 public:
  struct Pen_State {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
  };
  struct Brush_State {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
  };

  explicit TCanvas(QPainter& painter);

  Pen_State Pen;
  Brush_State Brush;
  QFont Font;
  TColor Font_Color = clWindowText;

  QPainter& Painter() { return painter_; }

  void Fill_Rect(const TRect& r);
  void Frame_Rect(const TRect& r);  // one-pixel frame in the brush colour
  void Rectangle(const TRect& r);
  void Rectangle(int left, int top, int right, int bottom) { Rectangle(TRect{left, top, right, bottom}); }
  void Round_Rect(int left, int top, int right, int bottom, int corner_width, int corner_height);
  void Move_To(int x, int y) { pen_pos_ = QPoint(x, y); }
  void Line_To(int x, int y);
  void Polyline(std::initializer_list<QPoint> points);
  void Set_Pixel(int x, int y, TColor color);
  void Draw_Focus_Rect(const TRect& r);

  int Text_Width(const QString& text) const;
  int Text_Height(const QString& text) const;
  void Text_Out(int x, int y, const QString& text);
  // Text turned about (x, y) by `escapement` tenths of a degree counter-
  // clockwise (900: running upwards, -900 or 2700: running downwards).
  void Text_Out_Rotated(int x, int y, const QString& text, int escapement);
  // Lays out `text` in `r` by the DT_ flags and returns the text's height.
  // DT_CALCRECT draws nothing and sets r's Right and Bottom to the text's extent.
  int Draw_Text(const QString& text, TRect& r, unsigned flags);

 private:
  void Line(QPoint from, QPoint to);

  QPainter& painter_;
  QPoint pen_pos_;
};
