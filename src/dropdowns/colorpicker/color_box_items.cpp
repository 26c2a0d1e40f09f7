#include "dropdowns/colorpicker/color_box_items.h"

#include <algorithm>
#include <stdexcept>

void TColorBoxItem::Assign(const TColorBoxItem& Source) {
  if (&Source == this) return;
  SetColor(Source.FColor);
  Enabled = Source.Enabled;
}

void TColorBoxItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  if (FCollection) FCollection->Changed();
}

TColorBoxItem* TColorBoxItems::Insert(int Index) {
  if (Index < 0 || Index > Count()) throw std::out_of_range("List index out of bounds");
  auto item = std::make_unique<TColorBoxItem>(this);
  TColorBoxItem* result = item.get();
  FItems.insert(FItems.begin() + Index, std::move(item));
  return result;
}

void TColorBoxItems::Assign(const TColorBoxItems& Source) {
  if (&Source == this) return;
  FItems.clear();
  for (int i = 0; i < Source.Count(); ++i) {
    TColorBoxItem* item = Add();
    item->Assign(*Source.GetItem(i));
    item->SetColorBoxPos(Source.GetItem(i)->ColorBoxPos());
  }
}

void TColorBoxAppearance::Assign(const TColorBoxAppearance& Source) {
  BorderColor = Source.BorderColor;
  OuterBorderColorHot = Source.OuterBorderColorHot;
  InnerBorderColorHot = Source.InnerBorderColorHot;
  OuterBorderColorSelected = Source.OuterBorderColorSelected;
  InnerBorderColorSelected = Source.InnerBorderColorSelected;
}

void TColorBoxAppearance::SetStyle(TSelectionColorStyle Style) {
  if (Style == scCustom) return;
  BorderColor = 0xC5C5C5;
  OuterBorderColorHot = 0x3694F2;
  InnerBorderColorHot = 0x94E2FF;
  OuterBorderColorSelected = 0x0000FF;
  InnerBorderColorSelected = 0x94E2FF;
}

QSize Lay_Out_Boxes(TColorBoxItems& Items, const Box_Layout_Settings& Settings) {
  if (Items.Count() == 0) return {100, 50};
  const int w = Settings.BoxSize.width(), h = Settings.BoxSize.height();
  int x = Settings.Area.Left, y = Settings.Area.Top, max_x = 0, column = 0;
  bool gap_below = false;
  for (int i = 0; i < Items.Count(); ++i) {
    TColorBoxItem& item = *Items.GetItem(i);
    item.Rect = TRect{x, y, x + w, y + h};
    ++column;
    if (i == Items.Count() - 1) break;
    if (item.ColorBoxPos() == ipStandAlone) gap_below = true;
    if (column < Settings.Columns) {
      x += w + Settings.ColumnGap;
    } else {
      max_x = std::max(max_x, x);
      x = Settings.Area.Left;
      y += h + (gap_below ? Settings.ColumnGap : 0);
      gap_below = false;
      column = 0;
    }
  }
  return {std::max(x, max_x) + w + Settings.Area.Left + 1, y + h + Settings.Area.Top};
}

int Box_At_Point(const TColorBoxItems& Items, int X, int Y) {
  for (int i = 0; i < Items.Count(); ++i) {
    const TRect& r = Items.GetItem(i)->Rect;
    if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
  }
  return -1;
}

void Add_Theme_Color_Boxes(TColorBoxItems& Items) {
  static constexpr TColor kRows[6][10] = {
      {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
      {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
      {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
      {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
      {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
      {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
  };
  static constexpr TItemPos kPositions[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
  Items.Clear();
  for (int row = 0; row < 6; ++row)
    for (TColor color : kRows[row]) {
      TColorBoxItem* item = Items.Add();
      item->SetColor(color);
      item->SetColorBoxPos(kPositions[row]);
    }
}
