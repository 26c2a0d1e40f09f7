// Row nodes of the string grid: the node model, its queries, expanding and
// contracting (nested groups, ExpandOne, all groups at once) and the row
// operations that keep spans, levels, texts and hidden rows in step.
#include <QWidget>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// A grid whose column 1 names each row "r<real row>" and whose column 0 is
// the node column.
void Fill(TZadIrururOziz& grid, int rows) {
  grid.SetColCount(4);
  grid.SetRowCount(rows);
  grid.SetFixedCols(0);
  grid.SetFixedRows(1);
  for (int r = 1; r < rows; ++r) grid.SetCellEx(1, r, QString("r%1").arg(r));
}

// Column 1 of the rows shown, in display order.
QStringList Shown(TZadIrururOziz& grid) {
  QStringList texts;
  for (int r = 1; r < grid.RowCount(); ++r) texts << grid.GetCellEx(1, r);
  return texts;
}

QStringList Names(std::initializer_list<int> rows) {
  QStringList texts;
  for (int r : rows) texts << QString("r%1").arg(r);
  return texts;
}

int Level(TZadIrururOziz& grid, int row) {
  return grid.HasCellProperties(0, row) ? grid.GetCellProperties(0, row)->NodeLevel() : 0;
}

// Outer group rows 1..6 holding an inner group 2..4, a second top-level
// group 8..10 and plain rows 7 and 11.
void Two_Levels(TZadIrururOziz& grid) {
  Fill(grid, 12);
  grid.AddNode(1, 6);
  grid.AddNode(2, 3);
  grid.AddNode(8, 3);
}

class Repaint_Counter : public TZadIrururOziz {
 public:
  void RepaintAll() override {
    ++repaints;
    TZadIrururOziz::RepaintAll();
  }
  int repaints = 0;
};

}  // namespace

class GridNodesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void node_look_defaults_and_assign() {
    Repaint_Counter grid;
    TCellNode& look = grid.CellNode();
    QCOMPARE(look.NodeType(), cnXP);
    QCOMPARE(look.Color(), clSilver);
    QCOMPARE(look.NodeColor(), clBlack);
    QCOMPARE(look.NodeIndent(), 12);
    QVERIFY(look.ShowTree());
    QVERIFY(look.ShowTreeFull());
    QCOMPARE(look.TreeColor(), TColor(0x808080));
    QVERIFY(!look.ExpandOne());
    QVERIFY(look.ExpandGlyph().isNull() && look.ContractGlyph().isNull());
    QCOMPARE(look.Owner(), &grid);

    // What is drawn differently repaints, once per change; colours of the
    // glyph only store.
    const int before = grid.repaints;
    look.SetNodeType(cnLeaf);
    look.SetNodeType(cnLeaf);
    look.SetShowTree(false);
    look.SetShowTreeFull(false);
    look.SetNodeIndent(16);
    look.SetTreeColor(clRed);
    QCOMPARE(grid.repaints - before, 5);
    look.SetColor(clBlue);
    look.SetNodeColor(clRed);
    look.SetExpandOne(true);
    QCOMPARE(grid.repaints - before, 5);

    QImage glyph(10, 10, QImage::Format_RGB32);
    glyph.fill(Qt::green);
    look.SetExpandGlyph(glyph);
    TCellNode copy;
    copy.Assign(look);
    QCOMPARE(copy.NodeType(), cnLeaf);
    QCOMPARE(copy.Color(), clBlue);
    QCOMPARE(copy.NodeColor(), clRed);
    QCOMPARE(copy.NodeIndent(), 16);
    QVERIFY(!copy.ShowTree() && !copy.ShowTreeFull() && copy.ExpandOne());
    QCOMPARE(copy.TreeColor(), clRed);
    QCOMPARE(copy.ExpandGlyph(), glyph);
    QCOMPARE(copy.Owner(), nullptr);
  }

  void add_node_opens_a_group() {
    TZadIrururOziz grid;
    Fill(grid, 8);
    grid.FocusCell(0, 2);
    QVERIFY(!grid.HasNodes());
    grid.AddNode(1, 3);
    QVERIFY(grid.HasNodes());
    QCOMPARE(grid.Col(), 1);
    for (int r = 1; r <= 3; ++r) QCOMPARE(Level(grid, r), 1);
    QCOMPARE(Level(grid, 4), 0);
    QVERIFY(grid.IsNode(1));
    QCOMPARE(grid.GetNodeSpan(1), 3);
    QCOMPARE(grid.GetNodeLevel(1), 1);
    QCOMPARE(grid.GetSubNodeCount(1), 0);
    QVERIFY(!grid.GetNodeState(1));
    const TCellGraphic* node = grid.GetCellGraphic(0, 1);
    QCOMPARE(node->CellAngle, 1);
    QCOMPARE(node->CellVar.toInt(), -1);
    QCOMPARE(node->CellHAlign, haBeforeText);
    QCOMPARE(node->CellVAlign, vaCenter);
    QCOMPARE(grid.RowNodeIndent(2), 12);
    QCOMPARE(grid.RowNodeIndent(5), 0);

    // A second node on the same row neither counts twice nor deepens the rows.
    grid.AddNode(1, 3);
    QCOMPARE(grid.NumNodes(), 1);
    QCOMPARE(Level(grid, 2), 1);
  }

  void plain_rows_and_bad_rows_change_nothing() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    QCOMPARE(grid.GetNodeSpan(7), -1);
    QCOMPARE(grid.GetSubNodeCount(7), 0);
    QCOMPARE(grid.GetNodeLevel(7), -1);
    QVERIFY(!grid.GetNodeState(7));
    QCOMPARE(grid.GetParentRow(7), -1);
    QCOMPARE(grid.GetParentRow(1), 1);
    QCOMPARE(grid.GetParentRow(2), 1);
    QCOMPARE(grid.GetParentRow(3), 2);
    QCOMPARE(grid.GetParentRow(5), 1);
    QCOMPARE(grid.GetParentRow(9), 8);

    const QStringList before = Shown(grid);
    for (int row : {-1, 7, 12, 500}) {
      grid.ExpandNode(row);
      grid.ContractNode(row);
      grid.SetNodeState(row, true);
      grid.RemoveNode(row);
      grid.SetNodeSpan(row, 9);
      grid.UpdateSubNodeCount(row, 4);
    }
    grid.InsertChildRow(-3, 1);
    grid.InsertChildRow(400, 1);
    grid.RemoveChildRow(400);
    grid.RemoveChildRow(8);  // a node row is no child row
    grid.AddNode(400, 2);
    QCOMPARE(Shown(grid), before);
    QCOMPARE(grid.NumNodes(), 3);
    QCOMPARE(grid.GetNodeSpan(8), 3);
  }

  void contract_and_expand_bring_rows_back() {
    TZadIrururOziz grid;
    Fill(grid, 8);
    grid.SetRowHeights(2, 30);
    grid.SetRowHeights(3, 41);
    grid.AddNode(1, 3);
    grid.ContractNode(1);
    QCOMPARE(grid.RowCount(), 6);
    QVERIFY(grid.GetNodeState(1));
    QCOMPARE(Shown(grid), Names({1, 4, 5, 6, 7}));
    grid.ExpandNode(1);
    QCOMPARE(grid.RowCount(), 8);
    QVERIFY(!grid.GetNodeState(1));
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(grid.RowHeights(2), 30);
    QCOMPARE(grid.RowHeights(3), 41);

    grid.SetNodeState(1, true);
    QCOMPARE(grid.RowCount(), 6);
    grid.SetNodeState(1, false);
    QCOMPARE(grid.RowCount(), 8);
  }

  void span_zero_reaches_the_next_node() {
    TZadIrururOziz grid;
    Fill(grid, 9);
    grid.AddNode(1, 0);
    grid.AddNode(5, 2);
    grid.ContractNode(1);
    QCOMPARE(Shown(grid), Names({1, 5, 6, 7, 8}));
    grid.ContractAll();
    QCOMPARE(Shown(grid), Names({1, 5, 7, 8}));
    grid.ExpandAll();
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8}));
  }

  void outer_contract_keeps_inner_marked_expanded() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    grid.ContractNode(2);
    QCOMPARE(Shown(grid), Names({1, 2, 5, 6, 7, 8, 9, 10, 11}));
    grid.ContractNode(1);
    QCOMPARE(Shown(grid), Names({1, 7, 8, 9, 10, 11}));
    grid.ExpandNode(1);
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    QVERIFY(!grid.GetNodeState(1));
    QVERIFY(!grid.GetNodeState(2));

    // Contracting the outer group while the inner one is open hides both.
    grid.ContractNode(1);
    QCOMPARE(Shown(grid), Names({1, 7, 8, 9, 10, 11}));
    grid.ExpandNode(1);
    QCOMPARE(grid.RowCount(), 12);
  }

  void expand_one_contracts_the_other_groups() {
    TZadIrururOziz grid;
    Fill(grid, 12);
    grid.AddNode(1, 3);
    grid.AddNode(4, 3);
    grid.AddNode(7, 3);
    grid.CellNode().SetExpandOne(true);
    grid.ContractNode(4);
    grid.ExpandNode(4);
    QCOMPARE(Shown(grid), Names({1, 4, 5, 6, 7, 10, 11}));
    QVERIFY(grid.GetNodeState(1));
    QVERIFY(!grid.GetNodeState(2));
    QVERIFY(grid.GetNodeState(5));

    // The groups enclosing the node stay open.
    TZadIrururOziz nested;
    Two_Levels(nested);
    nested.CellNode().SetExpandOne(true);
    nested.ContractNode(2);
    nested.ExpandNode(2);
    QCOMPARE(Shown(nested), Names({1, 2, 3, 4, 5, 6, 7, 8, 11}));
    QVERIFY(nested.GetNodeState(8));
  }

  void expand_all_and_contract_all() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    grid.SetRowHeights(9, 33);
    grid.ContractNode(2);
    grid.ContractAll();
    QCOMPARE(Shown(grid), Names({1, 7, 8, 11}));
    QVERIFY(grid.GetNodeState(1));
    QVERIFY(grid.GetNodeState(3));
    QCOMPARE(grid.FilterLevel(), 1);

    // ExpandOne does not turn opening every group into opening one.
    grid.CellNode().SetExpandOne(true);
    grid.ExpandAll();
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    for (int r : {1, 2, 8}) QVERIFY(!grid.GetNodeState(r));
    QCOMPARE(grid.RowHeights(9), 33);
    QCOMPARE(grid.NumHiddenRows(), 0);

    // A single group opened after all were closed.
    grid.CellNode().SetExpandOne(false);
    grid.ContractAll();
    grid.ExpandNode(8);
    QCOMPARE(Shown(grid), Names({1, 7, 8, 9, 10, 11}));
    grid.ExpandNode(1);
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  }

  void expand_all_keeps_other_hidden_rows() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    grid.HideRow(11);
    grid.ContractNode(8);
    grid.ExpandAll();
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QVERIFY(grid.IsHiddenRow(11));

    // A contracted node hidden inside a contracted group comes back open,
    // its rows with it.
    grid.ContractNode(2);
    grid.HideRow(2);
    grid.ContractNode(1);
    grid.ExpandAll();
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QVERIFY(!grid.GetNodeState(2));
  }

  void remove_all_nodes_shows_every_row() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    grid.GetCellProperties(0, 11)->SetNodeLevel(2);  // a level set by hand stays
    grid.ContractNode(2);
    grid.ContractNode(8);
    grid.RemoveAllNodes();
    QVERIFY(!grid.HasNodes());
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    for (int r = 1; r <= 10; ++r) QCOMPARE(Level(grid, r), 0);
    QCOMPARE(Level(grid, 11), 2);
    for (int r = 1; r <= 11; ++r) QVERIFY(!grid.IsNode(r));
  }

  void remove_node_lowers_hidden_rows_too() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    grid.ContractNode(2);
    grid.RemoveNode(1);
    QVERIFY(!grid.IsNode(1));
    QCOMPARE(grid.NumNodes(), 2);
    QCOMPARE(Level(grid, 3), 0);  // row 5: rows 3 and 4 are hidden
    QCOMPARE(grid.GetNodeLevel(2), 1);
    // The inner group was contracted: its rows come back one level up.
    grid.ExpandNode(2);
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    QCOMPARE(Level(grid, 3), 1);
    QCOMPARE(Level(grid, 4), 1);
  }

  void child_row_in_and_out_restores_the_groups() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    grid.ContractNode(8);  // hidden rows below stay in step
    QWidget stays(grid.viewport()), goes(grid.viewport());
    grid.ControlList().AddControl(1, 4, &stays);
    grid.InsertChildRow(3, 1);
    QCOMPARE(grid.GetCellEx(1, 4), QString());
    QCOMPARE(Level(grid, 4), 2);
    QCOMPARE(grid.GetNodeSpan(2), 4);
    QCOMPARE(grid.GetNodeSpan(1), 7);
    QCOMPARE(grid.GetSubNodeCount(2), 1);
    QCOMPARE(grid.GetSubNodeCount(1), 1);
    QCOMPARE(grid.ControlList().GetControl(0)->Y(), 5);
    grid.SetCellEx(1, 4, "new");
    grid.ControlList().AddControl(1, 4, &goes);

    grid.RemoveChildRow(4);
    QCOMPARE(grid.GetNodeSpan(2), 3);
    QCOMPARE(grid.GetNodeSpan(1), 6);
    QCOMPARE(grid.GetSubNodeCount(2), 0);
    QCOMPARE(grid.GetSubNodeCount(1), 0);
    QCOMPARE(grid.ControlList().Count(), 1);
    QCOMPARE(grid.ControlList().GetControl(0)->Control(), static_cast<QObject*>(&stays));
    QCOMPARE(grid.ControlList().GetControl(0)->Y(), 4);
    QVERIFY(goes.isHidden());
    grid.ExpandNode(8);
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  }

  void child_row_below_a_node_row_takes_its_cells() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    grid.SetCellEx(2, 2, "inner total");
    grid.SetObjectEx(2, 2, 77);
    grid.ContractNode(2);
    grid.InsertChildRow(2, 0);
    QVERIFY(!grid.GetNodeState(2));
    QCOMPARE(grid.GetCellEx(1, 3), QString("r2"));
    QCOMPARE(grid.GetCellEx(2, 3), QString("inner total"));
    QCOMPARE(grid.GetObjectEx(2, 3), quintptr(77));
    QCOMPARE(grid.GetCellEx(1, 2), QString());
    QCOMPARE(grid.GetObjectEx(2, 2), quintptr(0));
    QVERIFY(grid.IsNode(2));
    QCOMPARE(Level(grid, 3), 2);
    QCOMPARE(grid.GetNodeSpan(2), 4);
    QCOMPARE(grid.GetNodeSpan(1), 7);
    QCOMPARE(Shown(grid).mid(3), Names({3, 4, 5, 6, 7, 8, 9, 10, 11}));
  }

  void normal_rows_keep_hidden_rows_in_step() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    grid.ContractNode(8);
    grid.InsertNormalRow(7);
    grid.SetCellEx(1, 7, "plain");
    grid.ExpandNode(9);  // the group of r8 is real row 9 now
    QCOMPARE(Shown(grid), QStringList({"r1", "r2", "r3", "r4", "r5", "r6", "plain", "r7", "r8", "r9", "r10", "r11"}));
    grid.ContractNode(9);
    grid.RemoveNormalRow(7);
    grid.ExpandNode(8);
    QCOMPARE(Shown(grid), Names({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  }

  void tree_shapes() {
    TZadIrururOziz grid;
    Two_Levels(grid);
    QCOMPARE(grid.GetNodeSpanType(1), 0);
    QCOMPARE(grid.GetNodeSpanType(3), 2);  // the next row is as deep
    QCOMPARE(grid.GetNodeSpanType(6), 1);  // the next row is shallower
    QCOMPARE(grid.IsLastGroupRow(4), 1);
    QCOMPARE(grid.IsLastGroupRow(3), 2);
    QCOMPARE(grid.IsLastGroupRow(10), 1);
    QCOMPARE(grid.IsLastGroupRow(0, 7), 7);
    grid.ContractNode(8);
    QCOMPARE(grid.IsLastGroupRow(8), 2);
  }

  void node_glyph_hit_test_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("inside");
    QTest::newRow("xp left margin") << int(cnXP) << 1 << 4 << false;
    QTest::newRow("xp first pixel") << int(cnXP) << 1 << 5 << true;
    QTest::newRow("xp last pixel") << int(cnXP) << 1 << 15 << true;
    QTest::newRow("xp right edge") << int(cnXP) << 1 << 16 << false;
    QTest::newRow("xp level 2 in") << int(cnXP) << 2 << 17 << true;
    QTest::newRow("xp level 2 left") << int(cnXP) << 2 << 16 << false;
    QTest::newRow("xp level 2 right") << int(cnXP) << 2 << 28 << false;
    QTest::newRow("flat like xp") << int(cnFlat) << 1 << 5 << true;
    QTest::newRow("3d no margin") << int(cn3D) << 1 << 1 << true;
    QTest::newRow("3d at 0") << int(cn3D) << 1 << 0 << false;
    QTest::newRow("3d wide") << int(cn3D) << 1 << 17 << true;
    QTest::newRow("3d past") << int(cn3D) << 1 << 18 << false;
    QTest::newRow("leaf margin") << int(cnLeaf) << 1 << 2 << false;
    QTest::newRow("leaf in") << int(cnLeaf) << 1 << 3 << true;
    QTest::newRow("leaf wide") << int(cnLeaf) << 1 << 19 << true;
    QTest::newRow("leaf past") << int(cnLeaf) << 1 << 20 << false;
    QTest::newRow("glyph without pictures") << int(cnGlyph) << 1 << 1 << true;
    QTest::newRow("glyph without pictures past") << int(cnGlyph) << 1 << 12 << false;
  }

  void node_glyph_hit_test() {
    QFETCH(int, type);
    QFETCH(int, level);
    QFETCH(int, x);
    QFETCH(bool, inside);
    TZadIrururOziz grid;
    Fill(grid, 6);
    grid.AddNode(1, 4);
    if (level == 2) grid.AddNode(2, 2);
    const int row = level == 2 ? 2 : 1;
    grid.CellNode().SetNodeType(TNodeType(type));
    QCOMPARE(grid.IsInNodeGlyph(row, x), inside);
    grid.MouseActions().SetPreciseNodeClick(false);
    QVERIFY(grid.IsInNodeGlyph(row, x));
  }

  void node_glyph_hit_test_with_pictures_and_right_to_left() {
    TZadIrururOziz grid;
    Fill(grid, 4);
    grid.AddNode(1, 2);
    grid.CellNode().SetNodeType(cnGlyph);
    QImage glyph(10, 10, QImage::Format_RGB32);
    glyph.fill(Qt::blue);
    grid.CellNode().SetExpandGlyph(glyph);
    QVERIFY(!grid.IsInNodeGlyph(1, 2));
    QVERIFY(grid.IsInNodeGlyph(1, 3));
    QVERIFY(grid.IsInNodeGlyph(1, 16));
    QVERIFY(!grid.IsInNodeGlyph(1, 17));

    grid.CellNode().SetNodeType(cnXP);
    grid.setLayoutDirection(Qt::RightToLeft);
    grid.resize(300, 300);  // every row fits: no scroll bar counts
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const int w = grid.width();
    QVERIFY(!grid.IsInNodeGlyph(1, w - 12 - 4 - 3));
    QVERIFY(grid.IsInNodeGlyph(1, w - 12 - 4 - 2));
    QVERIFY(grid.IsInNodeGlyph(1, w - 1));
    QVERIFY(!grid.IsInNodeGlyph(1, w));
  }
};

QTEST_MAIN(GridNodesTest)
#include "grid_nodes_test.moc"
