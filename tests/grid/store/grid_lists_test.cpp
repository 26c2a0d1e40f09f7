#include <gtest/gtest.h>

#include <QObject>
#include <stdexcept>

#include "grid/store/control_list.h"
#include "grid/store/file_string_list.h"
#include "grid/store/grid_options.h"
#include "grid/store/int_list.h"

namespace {

TEST(SortIndexList, TextFormSkipsBadPartsAndKeepsLow16Bits) {
  TSortIndexList list;
  list.LoadFromString("u3;d1;x;;u");
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.GetSortColumns(0), 3);
  EXPECT_TRUE(list.GetSortDirections(0));
  EXPECT_EQ(list.GetSortColumns(1), 1);
  EXPECT_FALSE(list.GetSortDirections(1));
  EXPECT_EQ(list.SaveToString(), "u3;d1");
  list.LoadFromString("U2");
  EXPECT_EQ(list.SaveToString(), "d2");
  list.Clear();
  EXPECT_EQ(list.SaveToString(), "");
  list.AddIndex(70000, true);
  EXPECT_EQ(list.SaveToString(), "u4464");
}

TEST(SortIndexList, ToggleFindAndWriteParts) {
  TSortIndexList list;
  list.AddIndex(2, true);
  list.AddIndex(5, false);
  EXPECT_EQ(list.FindIndex(5), 1);
  EXPECT_EQ(list.FindIndex(9), -1);
  list.ToggleIndex(5);
  EXPECT_TRUE(list.GetSortDirections(1));
  list.ToggleIndex(5);
  EXPECT_FALSE(list.GetSortDirections(1));
  list.SetSortColumns(1, 7);
  EXPECT_EQ(list.SaveToString(), "u2;d7");
  list.SetSortDirections(1, true);
  EXPECT_EQ(list.SaveToString(), "u2;u7");
}

TEST(IntList, ChangeEventsCarryTheCell) {
  TIntList list(3, 4);
  int events = 0;
  list.OnChange = [&](TIntList* sender, int col, int row) {
    EXPECT_EQ(sender, &list);
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 4);
    ++events;
  };
  list.SetStrValue("4,5,6");
  EXPECT_EQ(events, 3);
  list.Insert(0, 1);
  EXPECT_EQ(events, 3);
  EXPECT_EQ(list.StrValue(), "1,4,5,6");
  list.DeleteValue(5);
  list.DeleteValue(42);
  EXPECT_EQ(events, 4);
  EXPECT_TRUE(list.HasValue(6));
  EXPECT_FALSE(list.HasValue(5));
  EXPECT_THROW(list.SetStrValue("1,x"), std::invalid_argument);
  EXPECT_EQ(list.StrValue(), "1");
}

TEST(ControlList, FindsAndRemovesItemsNotControls) {
  QObject a, b;
  TControlList list;
  list.AddControl(1, 2, &a);
  list.AddControl(3, 4, &b);
  EXPECT_EQ(list.ControlIndex(3, 4), 1);
  EXPECT_EQ(list.ControlIndex(9, 9), -1);
  EXPECT_TRUE(list.HasHandle(&b));
  list.RemoveControl(1);
  EXPECT_FALSE(list.HasHandle(&b));
  EXPECT_EQ(list.Count(), 1);
}

TEST(FileStringList, WritesPiecewiseAndReadsLineByLine) {
  TFileStringList list;
  list.Write("a");
  list.Write("b");
  list.WriteLn("c");
  list.WriteLn("d");
  ASSERT_EQ(list.size(), 2);
  EXPECT_EQ(list[0], "abc");
  list.Reset();
  QString line;
  list.ReadLn(line);
  EXPECT_EQ(line, "abc");
  list.ReadLn(line);
  EXPECT_TRUE(list.Eof());
}

TEST(Bands, LengthsAndNotifications) {
  TBands bands;
  int events = 0;
  bands.OnChange = [&] { ++events; };
  bands.SetPrimaryLength(3);
  EXPECT_EQ(bands.TotalLength(), 4);
  bands.SetPrimaryColor(clRed);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(bands.PrimaryColor(), clRed);
  bands.SetActive(true);
  EXPECT_EQ(events, 1);
  bands.SetSecondaryColor(clBlue);
  EXPECT_EQ(events, 2);
  TBands other;
  other.SetPrimaryLength(2);
  other.SetSecondaryLength(5);
  bands.Assign(other);
  EXPECT_EQ(bands.TotalLength(), 7);
  EXPECT_EQ(events, 2);
}

TEST(MouseActions, DisjunctFlagsAndSideEffects) {
  TMouseActions actions;
  int invalidates = 0, disables = 0, changes = 0;
  actions.OnInvalidate = [&] { ++invalidates; };
  actions.OnDisableEdit = [&] { ++disables; };
  actions.OnChange = [&] { ++changes; };
  actions.SetDisjunctRowSelect(true);
  actions.SetDisjunctColSelect(true);
  EXPECT_TRUE(actions.DisjunctRowSelect());
  actions.SetHotmailRowSelect(false);
  EXPECT_EQ(invalidates, 1);
  EXPECT_FALSE(actions.CheckAllCheck());
  actions.SetHotmailRowSelect(true);
  EXPECT_TRUE(actions.CheckAllCheck());
  actions.SetEditOnDblClickOnly(true);
  EXPECT_EQ(disables, 1);
  actions.SetWheelAction(waScroll);
  actions.SetWheelAction(waScroll);
  EXPECT_EQ(changes, 1);
  // At design time one disjunct mode excludes the others.
  actions.OnIsDesigning = [](bool& designing) { designing = true; };
  actions.SetDisjunctCellSelect(true);
  EXPECT_FALSE(actions.DisjunctRowSelect());
  EXPECT_FALSE(actions.DisjunctColSelect());
  TMouseActions copy;
  actions.SetSizeFixedRow(true);
  copy.Assign(actions);
  EXPECT_TRUE(copy.DisjunctCellSelect());
  EXPECT_FALSE(copy.SizeFixedRow());
  EXPECT_FALSE(copy.HotmailRowSelect());
  EXPECT_FALSE(copy.EditOnDblClickOnly());
}

TEST(Navigation, AdvanceAutoTurnsAdvanceOnEnterOn) {
  TNavigation nav;
  int changes = 0;
  nav.OnChange = [&] { ++changes; };
  nav.SetAdvanceAuto(true);
  EXPECT_TRUE(nav.AdvanceOnEnter());
  nav.SetAdvanceAuto(false);
  EXPECT_TRUE(nav.AdvanceOnEnter());
  EXPECT_EQ(changes, 0);
  nav.SetAdvanceDirection(adTopBottom);
  nav.SetAdvanceDirection(adTopBottom);
  EXPECT_EQ(changes, 1);
  TNavigation source;
  source.SetKeepScrollOnSort(true);
  source.SetAllowInsertRow(true);
  nav.Assign(source);
  EXPECT_TRUE(nav.AllowInsertRow());
  EXPECT_FALSE(nav.KeepScrollOnSort());
  EXPECT_EQ(nav.AdvanceDirection(), adLeftRight);
  EXPECT_TRUE(nav.OnChange != nullptr);
}

TEST(SearchFooter, DefaultsDependOnInitDesign) {
  TSearchFooter with(nullptr, true), without(nullptr, false);
  EXPECT_EQ(with.FindNextCaption(), "Find &next");
  EXPECT_EQ(with.HintHighlight(), "Highlight occurrences");
  EXPECT_TRUE(without.FindNextCaption().isEmpty());
  EXPECT_EQ(with.SearchColumn(), -1);
  EXPECT_EQ(with.ColorTo(), clBtnFace);
  int changes = 0;
  without.OnChange = [&] { ++changes; };
  without.SetVisible(false);
  without.SetColor(clRed);
  EXPECT_EQ(changes, 1);
  with.SetAutoSearch(false);
  with.SetLastSearch("x");
  without.Assign(with);
  EXPECT_EQ(without.FindNextCaption(), "Find &next");
  EXPECT_TRUE(without.AutoSearch());
  EXPECT_TRUE(without.LastSearch().isEmpty());
}

TEST(SyncGrid, RefusesItsOwner) {
  QObject owner, other;
  TSyncGrid sync(&owner);
  sync.SetGrid(&owner);
  EXPECT_EQ(sync.Grid(), nullptr);
  sync.SetGrid(&other);
  EXPECT_EQ(sync.Grid(), &other);
  sync.SetGrid(&owner);
  EXPECT_EQ(sync.Grid(), &other);
}

}  // namespace
