#include <gtest/gtest.h>

#include "grid/store/balloon_settings.h"
#include "grid/store/column_size.h"
#include "grid/store/drag_drop_settings.h"
#include "grid/store/filter_drop_down.h"
#include "grid/store/grouping_settings.h"
#include "grid/store/progress_appearance.h"
#include "grid/store/show_modified.h"
#include "grid/store/size_while_typing.h"

TEST(ProgressAppearance, OwnDefaults) {
  const TGridProgressAppearance p;
  EXPECT_EQ(p.Steps(), 11);
  EXPECT_EQ(p.CompleteColor(), TColor(0x0000FF));
  EXPECT_EQ(p.CompleteFontColor(), TColor(0xFF0000));
  EXPECT_EQ(p.UnCompleteColor(), clNone);
  EXPECT_EQ(p.Level0ColorTo(), TColor(0xE1FFE1));
  EXPECT_EQ(p.Level2Color(), TColor(0x53A9FF));
  EXPECT_EQ(p.Level3ColorTo(), TColor(0xCACAFF));
  EXPECT_EQ(p.Level1Perc(), 70);
  EXPECT_EQ(p.Level2Perc(), 90);
  EXPECT_TRUE(p.ShowGradient());
  EXPECT_EQ(p.Style(), psXP);
}

TEST(ProgressAppearance, ChangesOnlyNotifyAndAssignNotifiesOnce) {
  TGridProgressAppearance p;
  int changes = 0;
  p.OnChange = [&](TGridProgressAppearance*) { ++changes; };
  p.SetSteps(11);
  p.SetStyle(psXP);
  EXPECT_EQ(changes, 0);
  p.SetSteps(20);
  p.SetLevel1Color(clNone);
  EXPECT_EQ(changes, 2);

  TGridProgressAppearance source;
  source.SetStacked(true);
  source.SetLevel2Perc(95);
  int source_changes = 0;
  source.OnChange = [&](TGridProgressAppearance*) { ++source_changes; };
  changes = 0;
  p.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(source_changes, 0);
  EXPECT_TRUE(p.Stacked());
  EXPECT_EQ(p.Level2Perc(), 95);
  EXPECT_EQ(p.Steps(), 11);
  // The target keeps its own handler.
  p.SetSteps(3);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(source_changes, 0);
}

TEST(BalloonSettings, EnableAlwaysNotifiesAssignDoesNot) {
  TBalloonSettings b;
  EXPECT_EQ(b.InitialDelay(), -1);
  int told = 0;
  b.OnEnableChange = [&](TBalloonSettings*) { ++told; };
  b.SetEnable(true);
  b.SetEnable(true);
  EXPECT_EQ(told, 2);
  TBalloonSettings source;
  source.SetEnable(false);
  source.SetTextColor(clRed);
  source.SetTransparency(100);
  source.SetReshowDelay(300);
  b.Assign(source);
  EXPECT_EQ(told, 2);
  EXPECT_FALSE(b.Enable());
  EXPECT_EQ(b.TextColor(), clRed);
  EXPECT_EQ(b.ReshowDelay(), 300);
  EXPECT_EQ(b.Transparency(), 0);
}

TEST(DragDropSettings, DefaultsAndAssign) {
  TDragDropSettings d;
  EXPECT_TRUE(d.OleAcceptFiles());
  EXPECT_TRUE(d.OleAcceptText());
  EXPECT_TRUE(d.OleAcceptURLs());
  EXPECT_TRUE(d.ShowCells());
  EXPECT_FALSE(d.OleDropTarget());
  TDragDropSettings source;
  source.SetOleDropTarget(true);
  source.SetOleColumnsOnly(true);
  source.SetOleAcceptText(false);
  d.Assign(source);
  EXPECT_TRUE(d.OleDropTarget());
  EXPECT_TRUE(d.OleColumnsOnly());
  EXPECT_FALSE(d.OleAcceptText());
}

TEST(Grouping, AssignKeepsLinesAndSummary) {
  TGrouping g;
  EXPECT_EQ(g.HeaderLineColor(), TColor(0xFF0000));
  EXPECT_EQ(g.HeaderLineWidth(), 2);
  TGrouping source;
  source.SetHeaderColor(clYellow);
  source.SetGroupCountFormat(QStringLiteral("(%d)"));
  source.SetSummaryLine(true);
  source.SetHeaderLineWidth(5);
  source.SetSummaryLineColor(clRed);
  source.SetSummary(true);
  g.Assign(source);
  EXPECT_EQ(g.HeaderColor(), clYellow);
  EXPECT_EQ(g.GroupCountFormat(), QStringLiteral("(%d)"));
  EXPECT_TRUE(g.SummaryLine());
  EXPECT_EQ(g.HeaderLineWidth(), 2);
  EXPECT_EQ(g.SummaryLineColor(), TColor(0xFF0000));
  EXPECT_FALSE(g.Summary());
}

TEST(ShowModified, ColourWriterNotifies) {
  TShowModified m;
  EXPECT_EQ(m.Color(), TColor(0x00FFFF));
  int changes = 0;
  m.OnChange = [&](TShowModified*) { ++changes; };
  m.SetEnabled(true);
  EXPECT_EQ(changes, 0);
  m.SetColor(clRed);
  EXPECT_EQ(changes, 1);
  TShowModified copy;
  copy.Assign(m);
  EXPECT_TRUE(copy.Enabled());
  EXPECT_EQ(copy.Color(), clRed);
  const TSizeWhileTyping typing;
  EXPECT_FALSE(typing.Height());
  EXPECT_FALSE(typing.Width());
}

TEST(ColumnSize, StretchWriterStretchesAssignOnlyCopies) {
  TColumnSize c;
  EXPECT_FALSE(c.Save());
  EXPECT_EQ(c.Location(), clRegistry);
  EXPECT_EQ(c.StretchColumn(), -1);
  EXPECT_EQ(c.Rows(), arAll);
  int stretches = 0;
  c.OnStretchChange = [&](TColumnSize*) { ++stretches; };
  c.SetStretch(false);  // every write re-stretches, changed or not
  EXPECT_EQ(stretches, 1);

  TColumnSize source;
  source.SetStretch(true);
  source.SetStretchColumn(2);
  source.SetSave(true);
  source.SetKey(QStringLiteral("grid.ini"));
  source.SetSection(QStringLiteral("Columns"));
  source.SetLocation(clIniFile);
  source.SetSynchWithGrid(true);
  source.SetSynchNormalCellsOnly(true);
  source.SetRows(arFixed);
  c.Assign(source);
  EXPECT_EQ(stretches, 1);
  EXPECT_TRUE(c.Stretch());
  EXPECT_EQ(c.StretchColumn(), 2);
  EXPECT_TRUE(c.Save());
  EXPECT_EQ(c.Key(), QStringLiteral("grid.ini"));
  EXPECT_EQ(c.Section(), QStringLiteral("Columns"));
  EXPECT_EQ(c.Location(), clIniFile);
  EXPECT_TRUE(c.SynchWithGrid());
  EXPECT_TRUE(c.SynchNormalCellsOnly());
  EXPECT_EQ(c.Rows(), arFixed);
}

TEST(FilterDropDown, GlyphsNotifyAndAssignKeepsAutoSize) {
  TFilterDropDown f;
  EXPECT_EQ(f.Width(), 150);
  EXPECT_EQ(f.Height(), 150);
  EXPECT_EQ(f.Color(), clWindow);
  EXPECT_FALSE(f.AutoSize());
  EXPECT_FALSE(f.ColumnWidth());
  int changes = 0;
  f.OnChange = [&](TFilterDropDown*) { ++changes; };
  f.SetWidth(200);
  f.SetColor(clRed);
  EXPECT_EQ(changes, 0);
  QImage glyph(8, 8, QImage::Format_RGB32);
  glyph.fill(Qt::red);
  f.SetGlyph(glyph);
  f.SetGlyphActive(glyph);
  EXPECT_EQ(changes, 2);

  TFilterDropDown source;
  source.SetAutoSize(true);
  source.SetColumnWidth(true);
  source.SetHeight(80);
  QFont font(QStringLiteral("Courier"));
  source.SetFont(font);
  changes = 0;
  f.Assign(source);
  EXPECT_FALSE(f.AutoSize());
  EXPECT_TRUE(f.ColumnWidth());
  EXPECT_EQ(f.Height(), 80);
  EXPECT_EQ(f.Width(), 150);
  EXPECT_EQ(f.Color(), clWindow);
  EXPECT_EQ(f.Font().family(), QStringLiteral("Courier"));
  EXPECT_TRUE(f.Glyph().isNull());
  EXPECT_EQ(changes, 2);  // both glyphs arrive through their writers
}
