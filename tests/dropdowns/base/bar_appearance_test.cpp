#include "dropdowns/base/bar_appearance.h"

#include <gtest/gtest.h>

#include "dropdowns/base/dbg_list.h"

namespace {

TEST(Bar_Appearance, Defaults) {
  THeaderAppearance header;
  TFooterAppearance footer;
  for (const TDropDownBarAppearance* a :
       {static_cast<const TDropDownBarAppearance*>(&header), static_cast<const TDropDownBarAppearance*>(&footer)}) {
    EXPECT_TRUE(a->Visible());
    EXPECT_EQ(a->Height, 22);
    EXPECT_EQ(a->BorderWidth, 1);
    EXPECT_EQ(a->ImageIndex, -1);
    EXPECT_EQ(a->ColorTo, 0xFFFFFFu);
    EXPECT_EQ(a->Color, 0xC0C0C0u);
    EXPECT_EQ(a->BorderColor, 0x000000u);
    EXPECT_FALSE(a->GradientHorizontal);
    EXPECT_EQ(a->ButtonAlignment, baRight);
  }
  EXPECT_EQ(header.Font.family(), QStringLiteral("Tahoma"));
  EXPECT_TRUE(footer.SizeGrip);
}

TEST(Bar_Appearance, OnlyVisibleAndButtonsNotify) {
  THeaderAppearance header;
  int changes = 0, button_changes = 0;
  header.OnChange = [&] { ++changes; };
  header.OnButtonsChanged = [&] { ++button_changes; };
  header.Caption = QStringLiteral("x");
  header.Height = 30;
  header.SetVisible(true);
  EXPECT_EQ(changes, 0);
  header.SetVisible(false);
  EXPECT_EQ(changes, 1);

  THeaderButton* item = header.Buttons().Add();
  EXPECT_EQ(button_changes, 1);
  item->SetCaption(QStringLiteral("Ok"));
  item->SetCaption(QStringLiteral("Ok"));  // same value: no notice
  item->SetEnabled(false);
  item->SetWidth(40);
  EXPECT_EQ(button_changes, 4);
  item->SetHeight(30);  // stored only
  item->ImageIndex = 2;
  EXPECT_EQ(button_changes, 4);
  EXPECT_EQ(item->Height(), 30);
}

TEST(Bar_Appearance, AssignCopiesOnlyBetweenEqualKinds) {
  THeaderAppearance source;
  source.Caption = QStringLiteral("<b>Pick</b>");
  source.Color = 0x123456;
  source.Height = 30;
  source.ButtonAlignment = baLeft;
  source.SetVisible(false);
  source.Buttons().Add()->SetCaption(QStringLiteral("A"));
  source.Buttons().Add()->SetCaption(QStringLiteral("B"));

  THeaderAppearance target;
  int changes = 0, button_changes = 0;
  target.OnChange = [&] { ++changes; };
  target.OnButtonsChanged = [&] { ++button_changes; };
  target.Assign(source);
  EXPECT_EQ(target.Caption, source.Caption);
  EXPECT_EQ(target.Color, 0x123456u);
  EXPECT_EQ(target.Height, 30);
  EXPECT_EQ(target.ButtonAlignment, baLeft);
  EXPECT_FALSE(target.Visible());
  ASSERT_EQ(target.Buttons().Count(), 2);
  EXPECT_EQ(target.Buttons().GetItem(1)->Caption(), QStringLiteral("B"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(button_changes, 1);
  // The copy owns its items.
  source.Buttons().GetItem(1)->SetCaption(QStringLiteral("C"));
  EXPECT_EQ(target.Buttons().GetItem(1)->Caption(), QStringLiteral("B"));

  // A footer from a header: nothing changes.
  TFooterAppearance footer;
  footer.Assign(source);
  footer.AssignColors(source);
  EXPECT_EQ(footer.Color, 0xC0C0C0u);
  EXPECT_TRUE(footer.Caption.isEmpty());
  EXPECT_TRUE(footer.Visible());

  // Colours only.
  THeaderAppearance colours;
  colours.AssignColors(source);
  EXPECT_EQ(colours.Color, 0x123456u);
  EXPECT_TRUE(colours.Caption.isEmpty());
  EXPECT_EQ(colours.Height, 22);
  EXPECT_EQ(colours.Buttons().Count(), 0);
}

TEST(Bar_Appearance, FooterButtonsCarryTheirModalResult) {
  TFooterAppearance source, target;
  TFooterButton* item = source.Buttons().Add();
  item->ModalResult = 2;
  item->SetCaption(QStringLiteral("Cancel"));
  source.SizeGrip = false;
  target.Assign(source);
  EXPECT_FALSE(target.SizeGrip);
  EXPECT_EQ(target.Buttons().GetItem(0)->ModalResult, 2);
  TFooterButton replacement;
  replacement.ModalResult = 1;
  replacement.SetCaption(QStringLiteral("Ok"));
  target.Buttons().SetItem(0, replacement);
  EXPECT_EQ(target.Buttons().GetItem(0)->ModalResult, 1);
  EXPECT_EQ(target.Buttons().GetItem(0)->Caption(), QStringLiteral("Ok"));
  target.Buttons().Insert(0)->SetCaption(QStringLiteral("First"));
  EXPECT_EQ(target.Buttons().GetItem(1)->Caption(), QStringLiteral("Ok"));
}

TEST(Dbg_List, BoundsTestedAccess) {
  int a = 1, b = 2, c = 3;
  TDbgList<int> source, list;
  source.Add(&a);
  source.Add(&b);
  list.Add(&c);
  list.AssignList(source);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.GetItemsEx(1), &b);
  list.SetItemsEx(0, &c);
  EXPECT_EQ(list.GetItemsEx(0), &c);
  try {
    list.GetItemsEx(2);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Index out of bounds in list read access");
  }
  try {
    list.SetItemsEx(2, &a);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Index out of bounds in list write access");
  }
  EXPECT_THROW(list.GetItemsEx(-1), std::out_of_range);
}

}  // namespace
