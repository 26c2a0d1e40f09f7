#include "grid/store/print_settings.h"

#include <gtest/gtest.h>

#include <QObject>

#include "grid/store/html_settings.h"

TEST(PrintSettings, FreshSettings) {
  const TPrintSettings s;
  EXPECT_EQ(s.PageNumSep(), QStringLiteral("/"));
  EXPECT_EQ(s.DateFormat(), QStringLiteral("dd/mm/yyyy"));
  EXPECT_EQ(s.Borders(), pbSingle);
  EXPECT_TRUE(s.Centered());
  EXPECT_TRUE(s.UseDisplayFont());
  EXPECT_EQ(s.Time(), ppNone);
  EXPECT_EQ(s.BorderStyle(), TPenStyle::psSolid);
  EXPECT_EQ(s.BorderColor(), clBlack);
  EXPECT_EQ(s.Orientation(), poPortrait);
  EXPECT_EQ(s.FitToPage(), fpNever);
  EXPECT_FALSE(s.FixedCellsAlways());
  EXPECT_TRUE(s.TitleLines().isEmpty());
}

TEST(PrintSettings, AssignCopiesAllButFixedCellsAlways) {
  QObject owner_a, owner_b;
  TPrintSettings a(&owner_a);
  a.SetTitle(ppTopCenter);
  a.SetTitleLines({QStringLiteral("one"), QStringLiteral("two")});
  QFont big;
  big.setPointSize(31);
  a.SetHeaderFont(big);
  a.SetBorders(pbAroundVertical);
  a.SetFitToPage(fpShrink);
  a.SetJobName(QStringLiteral("job"));
  a.SetCentered(false);
  a.SetFixedCellsAlways(true);

  TPrintSettings b(&owner_b);
  b.Assign(a);
  EXPECT_EQ(b.Title(), ppTopCenter);
  EXPECT_EQ(b.TitleLines(), a.TitleLines());
  EXPECT_EQ(b.HeaderFont().pointSize(), 31);
  EXPECT_EQ(b.Borders(), pbAroundVertical);
  EXPECT_EQ(b.FitToPage(), fpShrink);
  EXPECT_EQ(b.JobName(), QStringLiteral("job"));
  EXPECT_FALSE(b.Centered());
  EXPECT_FALSE(b.FixedCellsAlways());
  EXPECT_EQ(b.Owner(), &owner_b);
  // By value: changing the source afterwards leaves the copy.
  a.SetTitleLines({});
  EXPECT_EQ(b.TitleLines().size(), 2);
}

TEST(HTMLSettings, FreshSettingsAndAssign) {
  THTMLSettings a;
  EXPECT_EQ(a.Width(), 100);
  EXPECT_EQ(a.BorderSize(), 1);
  EXPECT_TRUE(a.SaveColor());
  EXPECT_TRUE(a.SaveFonts());
  EXPECT_TRUE(a.ExportImages());
  EXPECT_FALSE(a.XHTML());

  a.SetWidth(80);
  a.SetXHTML(true);
  a.SetSummary(QStringLiteral("sum"));
  a.ColWidths().Add(40);
  THTMLSettings b;
  b.ColWidths().Add(7);
  b.ColWidths().Add(8);
  b.Assign(a);
  EXPECT_EQ(b.Width(), 80);
  EXPECT_TRUE(b.XHTML());
  EXPECT_EQ(b.Summary(), QStringLiteral("sum"));
  EXPECT_EQ(b.ColWidths().StrValue(), QStringLiteral("7,8"));
}
