#include <gtest/gtest.h>

#include "dropdowns/base/item_appearance.h"
#include "dropdowns/base/selector_grid.h"
#include "dropdowns/base/selector_items.h"

namespace {

TEST(Selector_Items, ValueChangesNotifyListChangesDoNot) {
  TSelectorItems items;
  int changes = 0;
  items.OnChange = [&](TSelectorItems* Sender) {
    EXPECT_EQ(Sender, &items);
    ++changes;
  };
  TSelectorItem* item = items.Add();
  items.Insert(0);
  EXPECT_EQ(items.GetItem(1), item);
  EXPECT_EQ(item->ImageIndex(), -1);
  EXPECT_EQ(item->Color(), clNone);
  EXPECT_TRUE(item->Enabled);
  EXPECT_EQ(changes, 0);

  item->SetCaption(QStringLiteral("Red"));
  item->SetCaption(QStringLiteral("Red"));  // same value: no notice
  item->SetImageIndex(3);
  item->SetColor(clRed);
  EXPECT_EQ(changes, 3);
  item->SetImage(QImage(4, 4, QImage::Format_ARGB32));
  item->Enabled = false;
  item->Hint = QStringLiteral("h");
  item->SetRect({1, 2, 3, 4});
  items.Delete(0);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(items.Count(), 1);
  EXPECT_THROW(items.Delete(1), std::out_of_range);
  EXPECT_THROW(items.Insert(3), std::out_of_range);
}

TEST(Selector_Items, AssignCopiesEverythingButTheCell) {
  TSelectorItems source;
  TSelectorItem* s = source.Add();
  s->SetCaption(QStringLiteral("<b>Blue</b>"));
  s->SetColor(clBlue);
  s->SetImageIndex(2);
  s->SetImage(QImage(5, 6, QImage::Format_ARGB32));
  s->Enabled = false;
  s->Hint = QStringLiteral("sea");
  s->SetRect({1, 1, 9, 9});
  source.Add()->SetCaption(QStringLiteral("Red"));

  TSelectorItems target;
  target.Add();
  int changes = 0;
  target.OnChange = [&](TSelectorItems*) { ++changes; };
  target.Assign(source);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(target.Count(), 2);
  const TSelectorItem* t = target.GetItem(0);
  EXPECT_EQ(t->Caption(), QStringLiteral("<b>Blue</b>"));
  EXPECT_EQ(t->Color(), clBlue);
  EXPECT_EQ(t->ImageIndex(), 2);
  EXPECT_EQ(t->Image().size(), QSize(5, 6));
  EXPECT_FALSE(t->Enabled);
  EXPECT_EQ(t->Hint, QStringLiteral("sea"));
  EXPECT_EQ(t->Rect(), (TRect{}));
  EXPECT_EQ(target.GetItem(1)->Caption(), QStringLiteral("Red"));

  // One item into another goes through the setters.
  target.SetItem(1, *s);
  EXPECT_EQ(changes, 4);
}

struct Preset_Row {
  TSelectionColorStyle Style;
  TColor Hot, HotTo, MirrorHot, MirrorHotTo, Top, Bottom, Border, Edge, Selected, SelectedTo, MirrorSelected,
      MirrorSelectedTo;
};

TEST(Item_Appearance, Presets) {
  const Preset_Row rows[] = {
      {scOffice2007, 0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4,
       0x15C1FB, 0x68E3F9},
      {scWindowsVista, 0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4,
       clNone, clNone},
      {scWindows7, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2,
       clNone, clNone},
  };
  for (const Preset_Row& row : rows) {
    TItemAppearance a;
    a.SetColorStyle(scCustom);
    a.SetColorStyle(row.Style);
    SCOPED_TRACE(row.Style);
    EXPECT_EQ(a.ColorStyle(), row.Style);
    EXPECT_EQ(a.ColorHot, row.Hot);
    EXPECT_EQ(a.ColorHotTo, row.HotTo);
    EXPECT_EQ(a.ColorMirrorHot, row.MirrorHot);
    EXPECT_EQ(a.ColorMirrorHotTo, row.MirrorHotTo);
    EXPECT_EQ(a.BorderColorTop, row.Top);
    EXPECT_EQ(a.BorderColorBottom, row.Bottom);
    EXPECT_EQ(a.BorderColor, row.Border);
    EXPECT_EQ(a.EdgeColor, row.Edge);
    EXPECT_EQ(a.ColorSelected, row.Selected);
    EXPECT_EQ(a.ColorSelectedTo, row.SelectedTo);
    EXPECT_EQ(a.ColorMirrorSelected, row.MirrorSelected);
    EXPECT_EQ(a.ColorMirrorSelectedTo, row.MirrorSelectedTo);
  }
}

TEST(Item_Appearance, DefaultsAndStyleChanges) {
  TItemAppearance a;
  EXPECT_EQ(a.ColorStyle(), scOffice2007);
  EXPECT_EQ(a.ColorHot, 0xD7FFFDu);
  EXPECT_EQ(a.ColorSelectedText, clBlack);
  EXPECT_EQ(a.ColorHotText, clBlack);
  EXPECT_EQ(a.BorderColorHot, clNone);
  EXPECT_EQ(a.BorderColorSelected, clNone);
  EXPECT_EQ(a.Font.family(), QStringLiteral("Tahoma"));

  // The same style again keeps colours set by hand; scCustom loads none.
  a.ColorHot = 0x123456;
  a.SetColorStyle(scOffice2007);
  EXPECT_EQ(a.ColorHot, 0x123456u);
  a.SetColorStyle(scCustom);
  EXPECT_EQ(a.ColorHot, 0x123456u);
  EXPECT_EQ(a.ColorStyle(), scCustom);
}

TEST(Item_Appearance, AssignLoadsTheSourceStyleOverItsColours) {
  TItemAppearance source;
  source.SetColorStyle(scWindows7);
  source.ColorHot = 0x010203;
  source.ColorHotText = clRed;
  source.BorderColorHot = clBlue;
  source.Font.setBold(true);

  // A target in another style takes the preset, not the colour set by hand.
  TItemAppearance other;
  other.Assign(source);
  EXPECT_EQ(other.ColorStyle(), scWindows7);
  EXPECT_EQ(other.ColorHot, 0xFCEBDCu);
  EXPECT_EQ(other.ColorHotText, clRed);
  EXPECT_EQ(other.BorderColorHot, clBlue);
  EXPECT_TRUE(other.Font.bold());

  // A target in the same style keeps the copied colours.
  TItemAppearance same;
  same.SetColorStyle(scWindows7);
  same.Assign(source);
  EXPECT_EQ(same.ColorHot, 0x010203u);
}

struct Cell_Row {
  TItemLayout Layout;
  QSize Content, Caption, Expected;
};

TEST(Selector_Grid, CellSize) {
  // Offsets 4, 4 and gap 4; a caption wider than 0 counts 4 more.
  const Cell_Row rows[] = {
      {ilCaptionRight, {14, 14}, {30, 13}, {60, 22}}, {ilCaptionLeft, {14, 14}, {30, 13}, {60, 22}},
      {ilCaptionRight, {0, 0}, {30, 13}, {42, 21}},   {ilCaptionRight, {16, 16}, {0, 0}, {24, 24}},
      {ilCaptionTop, {16, 32}, {30, 13}, {42, 57}},   {ilCaptionBottom, {40, 10}, {30, 13}, {48, 35}},
      {ilCaptionBottom, {0, 0}, {30, 13}, {42, 21}},  {ilCaptionTop, {16, 16}, {0, 0}, {24, 24}},
  };
  for (const Cell_Row& row : rows) {
    SCOPED_TRACE(row.Layout);
    EXPECT_EQ(Selector_Cell_Size(row.Layout, row.Content, row.Caption, 4, 4, 4), row.Expected);
  }
}

TEST(Selector_Grid, SevenItemsInThreeColumns) {
  const TSelectorGrid grid(7, 3, {2, 2}, {40, 20});
  EXPECT_EQ(grid.Panel_Size(), QSize(124, 64));
  EXPECT_EQ(grid.Cell_Rect(0), (TRect{2, 2, 42, 22}));
  EXPECT_EQ(grid.Cell_Rect(2), (TRect{82, 2, 122, 22}));
  EXPECT_EQ(grid.Cell_Rect(6), (TRect{2, 42, 42, 62}));
  // Fewer items than columns: the panel is as wide as the items.
  EXPECT_EQ(TSelectorGrid(2, 3, {2, 2}, {40, 20}).Panel_Size(), QSize(84, 24));
  EXPECT_EQ(TSelectorGrid(0, 3, {2, 2}, {40, 20}).Panel_Size(), QSize(100, 50));
  // Columns below 1 count as 1.
  EXPECT_EQ(TSelectorGrid(3, 0, {2, 2}, {40, 20}).Panel_Size(), QSize(44, 64));
}

TEST(Selector_Grid, HitTestingMatchesTheCells) {
  const TSelectorGrid grid(7, 3, {2, 2}, {40, 20});
  // Every pixel of the panel answers the first cell holding it.
  for (int y = -1; y < 66; ++y)
    for (int x = -1; x < 126; ++x) {
      int expected = -1;
      for (int i = 0; i < 7 && expected < 0; ++i)
        if (grid.Cell_Rect(i).Contains(x, y)) expected = i;
      ASSERT_EQ(grid.Item_At({x, y}), expected) << x << "," << y;
    }
  EXPECT_EQ(TSelectorGrid(3, 1, {2, 2}, {0, 20}).Item_At({2, 2}), -1);
}

TEST(Selector_Grid, ItemsInARegion) {
  const TSelectorGrid grid(7, 3, {2, 2}, {40, 20});
  EXPECT_EQ(grid.Items_In({0, 0, 124, 64}), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(grid.Items_In({50, 30, 51, 31}), (std::vector<int>{4}));
  // The lower right has no seventh item's neighbours.
  EXPECT_EQ(grid.Items_In({45, 45, 124, 64}), (std::vector<int>{}));
  EXPECT_EQ(grid.Items_In({0, 0, 2, 2}), (std::vector<int>{}));
  EXPECT_EQ(grid.Items_In({41, 21, 43, 23}), (std::vector<int>{0, 1, 3, 4}));
  // A page deep in a long list.
  const TSelectorGrid long_grid(100000, 1, {2, 2}, {80, 20});
  EXPECT_EQ(long_grid.Items_In({0, 2 + 20 * 5000, 84, 2 + 20 * 5003}), (std::vector<int>{5000, 5001, 5002}));
}

}  // namespace
