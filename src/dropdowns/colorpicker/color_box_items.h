#pragma once
// The boxes of the colour box selector: each a colour with the borders it
// shows in the normal state, the border colours of all boxes, the layout in
// columns and the 60 theme colours.
#include <QObject>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>

#include "controls/tcolor.h"
#include "controls/trect.h"
#include "dropdowns/base/selection_color_style.h"

// Which borders a box draws: all four, or those of the top, middle or bottom
// box of a vertical strip.
enum TItemPos { ipStandAlone = 0, ipTop = 1, ipMiddle = 2, ipBottom = 3 };

class TColorBoxItems;

class TColorBoxItem {
 public:
  explicit TColorBoxItem(TColorBoxItems* ACollection = nullptr) : FCollection(ACollection) {}
  TColorBoxItem(const TColorBoxItem&) = delete;
  TColorBoxItem& operator=(const TColorBoxItem&) = delete;

  // Color through its setter, and Enabled.
  void Assign(const TColorBoxItem& Source);

  // clNone: the box is not filled.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TItemPos ColorBoxPos() const { return FColorBoxPos; }
  void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }
  // A disabled box can be neither hot nor selected.
  bool Enabled = true;
  // The box's place in the selector, set by its layout.
  TRect Rect;

 private:
  TColorBoxItems* FCollection;
  TColor FColor = clNone;
  TItemPos FColorBoxPos = ipStandAlone;
};

class TColorBoxItems {
 public:
  explicit TColorBoxItems(QObject* AOwner = nullptr) : FOwner(AOwner) {}
  TColorBoxItems(const TColorBoxItems&) = delete;
  TColorBoxItems& operator=(const TColorBoxItems&) = delete;

  // Fired (with this collection) by a box whose colour changed.
  std::function<void(TColorBoxItems* Sender)> OnChange;

  QObject* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TColorBoxItem* Add() { return Insert(Count()); }
  // Throws std::out_of_range for an index outside 0..Count.
  TColorBoxItem* Insert(int Index);
  TColorBoxItem* GetItem(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  void SetItem(int Index, const TColorBoxItem& Value) { GetItem(Index)->Assign(Value); }
  void Clear() { FItems.clear(); }
  void Assign(const TColorBoxItems& Source);

 private:
  friend class TColorBoxItem;
  void Changed() {
    if (OnChange) OnChange(this);
  }

  QObject* FOwner;
  std::vector<std::unique_ptr<TColorBoxItem>> FItems;
};

// The border colours of the boxes.
class TColorBoxAppearance {
 public:
  TColorBoxAppearance() = default;
  TColorBoxAppearance(const TColorBoxAppearance&) = delete;
  TColorBoxAppearance& operator=(const TColorBoxAppearance&) = delete;
  void Assign(const TColorBoxAppearance& Source);
  // The defaults of the three presets (scCustom keeps the colours).
  void SetStyle(TSelectionColorStyle Style);

  // Kept for the owner; never fired.
  std::function<void()> OnChange;
  TColor BorderColor = 0xC5C5C5;
  TColor OuterBorderColorHot = 0x3694F2;
  TColor InnerBorderColorHot = 0x94E2FF;
  TColor OuterBorderColorSelected = 0x0000FF;
  TColor InnerBorderColorSelected = 0x94E2FF;
};

struct Box_Layout_Settings {
  int Columns = 10;
  int ColumnGap = 4;
  QSize BoxSize{12, 12};
  // The area the boxes start in (the client less the margins).
  TRect Area{4, 4, 0, 0};
};

// Sets every box's Rect: Columns to a row, ColumnGap apart; rows touch
// unless the upper row holds a stand-alone box. Gives the selector's size
// (100 x 50 without boxes).
QSize Lay_Out_Boxes(TColorBoxItems& Items, const Box_Layout_Settings& Settings);

// The first box whose Rect holds the point (left and top edges inside, right
// and bottom outside), -1 for none.
int Box_At_Point(const TColorBoxItems& Items, int X, int Y);

// Clears Items and adds the 60 theme colours: ten stand-alone base colours,
// then five rows that form ten vertical strips of their shades.
void Add_Theme_Color_Boxes(TColorBoxItems& Items);
