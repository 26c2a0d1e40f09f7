// Indicator, note and custom cells of the string grid: what each Add makes,
// which Remove takes it away, the queries on cells without such objects,
// balloons on check boxes, markers that leave other objects' fields alone,
// automatic scroll ranges and merged cells answering for their base cell.
#include <QFontMetrics>
#include <QtTest>
#include <functional>

#include "grid/core/zad_irurur_oziz.h"

namespace {

using Cell_Action = std::function<void(TZadIrururOziz&, int, int)>;

struct Family {
  const char* name;
  Cell_Action add;
  TCellType kind;
  Cell_Action remove;
};

class Drawing_Object : public TInterfacedPersistent {};

Drawing_Object kCaller;

std::vector<Family> Families() {
  return {
      {"progress", [](TZadIrururOziz& g, int c, int r) { g.AddProgress(c, r, clBlue, clWhite); }, ctProgress,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveProgress(c, r); }},
      {"themed progress", [](TZadIrururOziz& g, int c, int r) { g.AddZadProgress(c, r, 0, 100); }, ctXPProgress,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveZadProgress(c, r); }},
      {"pie", [](TZadIrururOziz& g, int c, int r) { g.AddProgressPie(c, r, clRed, 40); }, ctProgressPie,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveProgressPie(c, r); }},
      {"range", [](TZadIrururOziz& g, int c, int r) { g.AddRangeIndicator(c, r, 100, clRed, clGreen, true); },
       ctRangeIndicator, [](TZadIrururOziz& g, int c, int r) { g.RemoveRangeIndicator(c, r); }},
      {"rating", [](TZadIrururOziz& g, int c, int r) { g.AddRating(c, r, 5, clYellow, clSilver); }, ctRating,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveRating(c, r); }},
      {"shape",
       [](TZadIrururOziz& g, int c, int r) { g.AddShape(c, r, csDiamond, clRed, clBlack, haCenter, vaCenter); },
       ctShape, [](TZadIrururOziz& g, int c, int r) { g.RemoveShape(c, r); }},
      {"comment", [](TZadIrururOziz& g, int c, int r) { g.AddComment(c, r, "note"); }, ctComment,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveComment(c, r); }},
      {"balloon", [](TZadIrururOziz& g, int c, int r) { g.AddBalloon(c, r, "T", "X", biInfo); }, ctBalloon,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveBalloon(c, r); }},
      {"expand", [](TZadIrururOziz& g, int c, int r) { g.AddExpand(c, r, 60); }, ctExpand,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveExpand(c, r); }},
      {"scroll bar", [](TZadIrururOziz& g, int c, int r) { g.AddScrollBar(c, r, false); }, ctScrollbar,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveScrollBar(c, r); }},
      {"marker", [](TZadIrururOziz& g, int c, int r) { g.AddMarker(c, r, 1, 2); }, ctEmpty,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveMarker(c, r); }},
      {"interfaced", [](TZadIrururOziz& g, int c, int r) { g.AddInterfacedCell(c, r, &kCaller); }, ctInterface,
       [](TZadIrururOziz& g, int c, int r) { g.RemoveInterfacedCell(c, r); }},
  };
}

void Setup(TZadIrururOziz& grid) {
  grid.SetColCount(5);
  grid.SetRowCount(6);
}

}  // namespace

class IndicatorNoteCellsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Each family's Add makes its kind (the text kept), the other families'
  // Remove leaves it, its own Remove takes it.
  void Add_And_Remove_By_Kind() {
    const std::vector<Family> families = Families();
    for (const Family& family : families) {
      TZadIrururOziz grid;
      Setup(grid);
      grid.SetCellEx(1, 1, "42");
      family.add(grid, 1, 1);
      QVERIFY2(grid.GetCellGraphic(1, 1), family.name);
      QCOMPARE(grid.GetCellType(1, 1), family.kind);
      QCOMPARE(grid.GetCellEx(1, 1), QString("42"));
      for (const Family& other : families) {
        if (&other == &family) continue;
        other.remove(grid, 1, 1);
        QVERIFY2(grid.GetCellGraphic(1, 1) != nullptr, (QByteArray(other.name) + " removed " + family.name).data());
      }
      family.remove(grid, 1, 1);
      QVERIFY2(grid.GetCellGraphic(1, 1) == nullptr, family.name);
    }
  }

  void Queries_Of_A_Plain_Cell() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetGridDefaultRowHeight(27);
    grid.SetCellEx(2, 2, "plain");
    QCOMPARE(grid.GetScrollPosition(2, 2), -1);
    QCOMPARE(grid.GetScrollProp(2, 2), (TScrollProp{-1, -1}));
    QCOMPARE(grid.GetShapeColor(2, 2), clNone);
    QCOMPARE(grid.GetExpandHeight(2, 2, false), 27);
    QCOMPARE(grid.GetExpandHeight(2, 2, true), 27);
    QVERIFY(!grid.GetExpandState(2, 2));
    QVERIFY(grid.GetInterfacedCell(2, 2) == nullptr);
    QCOMPARE(grid.GetComment(2, 2), QString());
    int pos = 7, len = 7;
    grid.GetMarker(2, 2, pos, len);
    QCOMPARE(pos, 0);
    QCOMPARE(len, 0);
    QString title = "keep", text = "keep";
    TBalloonIcon icon = biWarning;
    QVERIFY(!grid.IsBalloon(2, 2, title, text, icon));
    QCOMPARE(title, QString("keep"));
    QCOMPARE(icon, biWarning);
    QString comment = "keep";
    QVERIFY(!grid.IsComment(2, 2, comment));
    QCOMPARE(comment, QString("keep"));
    // Negative indexes answer like a plain cell.
    QCOMPARE(grid.GetScrollPosition(-1, 0), -1);
    QVERIFY(!grid.HasProgress(0, -1));
  }

  void Progress_Bars() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.AddZadProgress(1, 1, 0, 100);
    QVERIFY(!grid.HasProgress(1, 1));
    grid.AddProgressFormatted(1, 2, clBlue, clWhite, clSilver, clBlack, "%d of 50", 10, 50);
    QVERIFY(grid.HasProgress(1, 2));
    const TCellGraphic* bar = grid.GetCellGraphic(1, 2);
    QCOMPARE(TCellGraphic::Slot_Color(bar->CellBitmap), clBlue);
    QCOMPARE(TCellGraphic::Slot_Color(bar->CellIcon), clSilver);
    QCOMPARE(TColor(bar->CellIndex), clWhite);
    QCOMPARE(TColor(bar->CellAngle), clBlack);
    QVERIFY(bar->CellBoolean);
    QCOMPARE(bar->CellText, QString("%d of 50"));
    QCOMPARE(bar->CellErrFrom, 10);
    QCOMPARE(bar->CellErrLen, 50);
    // A plain bar: 0 to 100, the complement colours for its text.
    grid.AddProgress(1, 3, clBlue, clWhite);
    QVERIFY(!grid.GetCellGraphic(1, 3)->CellBoolean);
    QCOMPARE(grid.GetCellGraphic(1, 3)->CellErrLen, 100);
    QCOMPARE(grid.Alignments(1, 3), taLeftJustify);
    grid.PaintLook().AutoNumAlign = true;
    grid.AddProgress(1, 4, clBlue, clWhite);
    QCOMPARE(grid.Alignments(1, 4), taRightJustify);
    // The pie's value changes only on a pie.
    grid.AddProgressPie(2, 1, clRed, 10);
    grid.SetProgressPie(2, 1, 75);
    QCOMPARE(grid.GetCellGraphic(2, 1)->CellAngle, 75);
    grid.SetProgressPie(1, 2, 75);
    QCOMPARE(grid.GetCellGraphic(1, 2)->CellAngle, int(clBlack));
  }

  void Shapes_Colour_Only_On_Shapes() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.AddShape(1, 1, csStar, clRed, clBlack, haLeft, vaTop);
    QCOMPARE(grid.GetShapeColor(1, 1), clRed);
    grid.SetShapeColor(1, 1, clLime);
    QCOMPARE(grid.GetShapeColor(1, 1), clLime);
    grid.AddComment(1, 2, "c");
    grid.SetShapeColor(1, 2, clLime);
    QCOMPARE(grid.GetShapeColor(1, 2), clNone);
    QCOMPARE(grid.GetComment(1, 2), QString("c"));
  }

  void Comments() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.AddProgress(1, 1, clBlue, clWhite);
    grid.SetComment(1, 1, "ignored");
    QCOMPARE(grid.GetCellType(1, 1), ctProgress);
    QCOMPARE(grid.GetComment(1, 1), QString());
    grid.SetComment(2, 1, "first");
    QCOMPARE(grid.GetComment(2, 1), QString("first"));
    QCOMPARE(TColor(grid.GetCellGraphic(2, 1)->CellIndex), grid.ControlLook().CommentColor());
    grid.SetComment(2, 1, "second");
    QString comment;
    QVERIFY(grid.IsComment(2, 1, comment));
    QCOMPARE(comment, QString("second"));
    grid.AddColorComment(3, 4, "blue", clBlue);
    QCOMPARE(TColor(grid.GetCellGraphic(3, 4)->CellIndex), clBlue);
    // Every comment goes, nothing else does.
    grid.AddComment(0, 0, "fixed cell");
    grid.RemoveAllComments();
    QVERIFY(!grid.GetCellGraphic(2, 1));
    QVERIFY(!grid.GetCellGraphic(3, 4));
    QVERIFY(!grid.GetCellGraphic(0, 0));
    QCOMPARE(grid.GetCellType(1, 1), ctProgress);
  }

  void Balloon_On_A_Check_Box() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.AddCheckBox(1, 1, true, false);
    grid.AddBalloon(1, 1, "Title", "Text", biWarning);
    QVERIFY(!grid.HasBalloon(1, 1));
    QString title, text;
    TBalloonIcon icon = biNone;
    QVERIFY(grid.IsBalloon(1, 1, title, text, icon));
    QCOMPARE(title, QString("Title"));
    QCOMPARE(text, QString("Text"));
    QCOMPARE(icon, biWarning);
    // A second balloon replaces the first (the first list is freed).
    grid.AddBalloon(1, 1, "Again", "More", biError);
    QVERIFY(grid.IsBalloon(1, 1, title, text, icon));
    QCOMPARE(title, QString("Again"));
    grid.RemoveBalloon(1, 1);
    QVERIFY(grid.HasCheckBox(1, 1));
    QVERIFY(grid.IsChecked(1, 1));
    QVERIFY(!grid.IsBalloon(1, 1, title, text, icon));
    // Removing the check box frees an attached balloon with it.
    grid.AddBalloon(1, 1, "Title", "Text", biInfo);
    grid.RemoveCheckBox(1, 1);
    QVERIFY(!grid.GetCellGraphic(1, 1));
    // Radio buttons carry balloons too; other objects take none.
    grid.AddRadioButton(2, 1, false);
    grid.AddBalloon(2, 1, "R", "B", biInfo);
    QVERIFY(grid.IsBalloon(2, 1, title, text, icon));
    grid.AddImageIdx(3, 1, 0, haLeft, vaTop);
    TCellGraphic* bitmap = grid.CreateCellGraphic(3, 2);
    bitmap->CellType = ctBitmap;
    grid.AddBalloon(3, 2, "T", "X", biInfo);
    QCOMPARE(grid.GetCellType(3, 2), ctBitmap);
    QVERIFY(!grid.IsBalloon(3, 2, title, text, icon));
    // A balloon of its own.
    grid.AddBalloon(4, 4, "Own", "Balloon", biError);
    QVERIFY(grid.HasBalloon(4, 4));
    QVERIFY(grid.IsBalloon(4, 4, title, text, icon));
    QCOMPARE(text, QString("Balloon"));
    QCOMPARE(icon, biError);
    // The grid frees every list with its cells (checked by the sanitizers).
    grid.AddCheckBox(4, 5, false, true);
    grid.AddBalloon(4, 5, "Data", "Box", biInfo);
  }

  // Objects that keep their own values in the marker fields take no marker
  // and keep them through RemoveMarker and RemoveAllMarkers.
  void Markers_Leave_Other_Fields_Alone() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.AddMarker(1, 1, 2, 3);
    QCOMPARE(grid.GetCellType(1, 1), ctEmpty);
    int pos = 0, len = 0;
    grid.GetMarker(1, 1, pos, len);
    QCOMPARE(pos, 2);
    QCOMPARE(len, 3);
    grid.RemoveMarker(1, 1);
    QVERIFY(!grid.GetCellGraphic(1, 1));

    grid.AddZadProgress(1, 2, 0, 100);
    grid.AddProgressFormatted(2, 2, clBlue, clWhite, clSilver, clBlack, "", 5, 60);
    grid.AddScrollBar(3, 2, false);
    grid.SetScrollProp(3, 2, TScrollProp{20, 80});
    grid.AddComment(4, 2, "c");
    for (int c = 1; c <= 4; ++c) grid.AddMarker(c, 2, 1, 4);
    grid.GetMarker(1, 2, pos, len);
    QCOMPARE(len, 0);
    grid.GetMarker(4, 2, pos, len);
    QCOMPARE(len, 4);
    grid.RemoveAllMarkers();
    QCOMPARE(grid.GetCellGraphic(1, 2)->CellErrFrom, 0);
    QCOMPARE(grid.GetCellGraphic(1, 2)->CellErrLen, 100);
    QCOMPARE(grid.GetCellGraphic(2, 2)->CellErrFrom, 5);
    QCOMPARE(grid.GetCellGraphic(2, 2)->CellErrLen, 60);
    QCOMPARE(grid.GetScrollProp(3, 2), (TScrollProp{20, 80}));
    QCOMPARE(grid.GetComment(4, 2), QString("c"));
    grid.GetMarker(4, 2, pos, len);
    QCOMPARE(len, 0);
  }

  void Expand_Heights() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetRowHeights(2, 21);
    grid.AddExpand(1, 2, 64);
    QVERIFY(grid.HasExpand(1, 2));
    QVERIFY(!grid.GetExpandState(1, 2));
    QCOMPARE(grid.GetExpandHeight(1, 2, false), 21);
    QCOMPARE(grid.GetExpandHeight(1, 2, true), 64);
    QVERIFY(grid.ToggleExpand(grid.DisplColIndex(1), 2));
    QVERIFY(grid.GetExpandState(1, 2));
  }

  void Scroll_Bars() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.AddScrollBar(1, 1, false);
    QCOMPARE(grid.GetScrollPosition(1, 1), 0);
    QCOMPARE(grid.GetScrollProp(1, 1), (TScrollProp{0, 100}));
    QVERIFY(grid.HasScrollBar(1, 1));
    QVERIFY(!grid.HasAutoRangeScrollBar(1, 1));
    grid.SetScrollPosition(1, 1, 12);
    QCOMPARE(grid.GetScrollPosition(1, 1), 12);
    grid.SetScrollProp(1, 1, TScrollProp{30, 90});
    QCOMPARE(grid.GetScrollProp(1, 1), (TScrollProp{30, 90}));
    // Writing the cell leaves a fixed range alone.
    grid.SetCellEx(1, 1, "a\r\nb\r\nc");
    QCOMPARE(grid.GetScrollProp(1, 1), (TScrollProp{30, 90}));
  }

  // The page is the row's height, the range the text's: measured when the
  // bar is added and again when the cell is written.
  void Automatic_Range_Follows_The_Text() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.PaintLook().Multilinecells = true;
    grid.SetRowHeights(1, 22);
    const int line = QFontMetrics(grid.GridFont()).height();
    grid.SetCellEx(1, 1, "one");
    grid.AddScrollBar(1, 1, true);
    QVERIFY(grid.HasAutoRangeScrollBar(1, 1));
    QCOMPARE(grid.GetScrollProp(1, 1), (TScrollProp{22, line}));
    grid.SetCellEx(1, 1, "1\r\n2\r\n3\r\n4\r\n5");
    QCOMPARE(grid.GetScrollProp(1, 1), (TScrollProp{22, 5 * line}));
  }

  // Queries described on the base cell answer for every cell of a block.
  void Merged_Cells_Answer_For_Their_Base() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.AddScrollBar(1, 1, false);
    grid.AddExpand(3, 1, 50);
    grid.MergeCells(1, 1, 2, 2);
    grid.MergeCells(3, 1, 1, 2);
    QVERIFY(grid.HasScrollBar(2, 2));
    QCOMPARE(grid.GetScrollPosition(2, 2), 0);
    grid.SetScrollPosition(2, 1, 9);
    QCOMPARE(grid.GetScrollPosition(1, 1), 9);
    QVERIFY(grid.HasExpand(3, 2));
    QCOMPARE(grid.GetExpandHeight(3, 2, true), 50);
  }

  void Interfaced_Cell_Object_Stays_The_Callers() {
    auto* object = new Drawing_Object;
    {
      TZadIrururOziz grid;
      Setup(grid);
      grid.AddInterfacedCell(1, 1, object);
      QCOMPARE(grid.GetInterfacedCell(1, 1), object);
      grid.AddInterfacedCell(1, 2, object);
      grid.RemoveInterfacedCell(1, 2);
      QVERIFY(!grid.GetCellGraphic(1, 2));
    }
    delete object;  // still the caller's after the grid is gone
  }
};

QTEST_MAIN(IndicatorNoteCellsTest)
#include "indicator_note_cells_test.moc"
