// The in-place editors of a column grid take their column item's settings
// when they open on one of its cells: the combo its items and visible rows,
// the spin its limits and step, the grid its editor link. A hidden column in
// front does not shift which item a column's editor follows.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "controls/editors/combo_list_popup.h"
#include "controls/editors/zsg_spin_button.h"
#include "grid/columns/grid_column_collection.h"
#include "grid/columns/grid_column_item.h"
#include "grid/columns/zad_column_grid.h"
#include "grid/edit/edit_link.h"
#include "grid/edit/grid_combo.h"
#include "grid/edit/grid_spin.h"

namespace {

// A link editing through a plain line edit.
class Line_Link : public TEditLink {
 public:
  QPointer<QLineEdit> edit;

  QWidget* GetEditControl() override { return edit; }
  void CreateEditor(QWidget* AParent) override {
    if (edit && edit->parentWidget() == AParent) return;
    delete edit;
    edit = new QLineEdit(AParent);
  }
  void DestroyEditor() override {}
  QString GetEditorValue() override { return edit ? edit->text() : QString(); }
  void SetEditorValue(const QString& s) override {
    if (edit) edit->setText(s);
  }
};

// Items 2 to 5: a combo list "a", "b", "c" with two visible rows; a spin
// 0..10 step 5; the column link; a second combo with its own items and rows.
// The grid's own link is another one, which the columns must replace.
struct Editors_Grid {
  TZadColumnGrid grid;
  Line_Link column_link, grid_link;

  explicit Editors_Grid(bool hide_column_1) {
    grid.SetRowCount(5);
    grid.SetColCount(6);
    grid.SetOptions(grid.Options() | goEditing);
    grid.resize(560, 220);
    TGridColumnItem& combo = *grid.Columns()[2];
    combo.SetEditor(edComboList);
    combo.SetComboItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    combo.SetDropDownCount(2);
    TGridColumnItem& spin = *grid.Columns()[3];
    spin.SetEditor(edSpinEdit);
    spin.SetSpinMin(0);
    spin.SetSpinMax(10);
    spin.SetSpinStep(5);
    TGridColumnItem& link = *grid.Columns()[4];
    link.SetEditor(edCustom);
    link.SetEditLink(&column_link);
    TGridColumnItem& other = *grid.Columns()[5];
    other.SetEditor(edComboEdit);
    other.SetComboItems({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("w")});
    other.SetDropDownCount(5);
    grid.SetEditLink(&grid_link);
    if (hide_column_1) grid.HideColumn(1);
    grid.show();
    grid.activateWindow();
  }
  // Opens the editor on the column showing item `item`.
  void Open(int item, int row) {
    grid.FocusCell(grid.DisplColIndex(item), row);
    grid.setFocus();
    grid.ShowInplaceEdit();
  }
  void Close() { grid.HideInplaceEdit(); }
};

}  // namespace

class ColumnGridEditorsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void editors_follow_their_column_item_data() {
    QTest::addColumn<bool>("hidden");
    QTest::newRow("all columns shown") << false;
    QTest::newRow("column 1 hidden") << true;
  }
  void editors_follow_their_column_item() {
    QFETCH(bool, hidden);
    Editors_Grid g(hidden);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    QCOMPARE(g.grid.NumHiddenColumns(), hidden ? 1 : 0);

    // The combo lists its column's items with two rows in view.
    g.Open(2, 1);
    TGridCombo* combo = g.grid.Combobox();
    QVERIFY(combo->isVisible());
    QCOMPARE(combo->Items().Count(), 3);
    QCOMPARE(combo->Items().Strings(2), QStringLiteral("c"));
    QCOMPARE(combo->DropDownCount(), 2);
    QCOMPARE(g.grid.ControlLook().DropDownCount(), 2);
    combo->SetDroppedDown(true);
    QVERIFY(combo->Popup() && combo->Popup()->isVisible());
    QListWidget* list = combo->Popup()->List();
    QCOMPARE(list->count(), 3);
    QCoreApplication::processEvents();
    // Rows 0 and 1 in view, row 2 below it.
    const int view_height = list->viewport()->height();
    QCOMPARE(list->visualItemRect(list->item(1)).bottom(), view_height - 1);
    QVERIFY(list->visualItemRect(list->item(2)).top() >= view_height);
    combo->SetDroppedDown(false);
    g.Close();

    // The spin steps by five within 0..10.
    g.grid.Store().Set_Text(3, 1, QStringLiteral("5"));
    g.Open(3, 1);
    TGridSpin* spin = g.grid.SpinEdit();
    QVERIFY(spin->isVisible());
    QCOMPARE(spin->MinValue(), 0);
    QCOMPARE(spin->MaxValue(), 10);
    QCOMPARE(spin->Increment(), 5);
    QCOMPARE(spin->Value(), 5);
    // Its buttons sit inside it, at its right edge.
    auto* buttons = spin->findChild<TZsgSpinButton*>();
    QVERIFY(buttons && buttons->isVisible());
    QVERIFY(spin->rect().contains(buttons->geometry()));
    QVERIFY(buttons->geometry().right() >= spin->width() - 8);
    spin->UpClick(nullptr);
    QCOMPARE(spin->Value(), 10);
    spin->UpClick(nullptr);
    QCOMPARE(spin->Value(), 10);
    g.Close();
    QCOMPARE(g.grid.Store().Text(3, 1), QStringLiteral("10"));

    // The column's link opens, not the grid's.
    g.Open(4, 1);
    QCOMPARE(g.grid.EditLink(), &g.column_link);
    QVERIFY(g.column_link.edit && g.column_link.edit->isVisible());
    QVERIFY(!g.grid_link.edit);
    g.Close();

    // A second combo column gets its own items and rows, not the first's.
    g.Open(5, 2);
    QCOMPARE(combo->Items().Count(), 4);
    QCOMPARE(combo->Items().Strings(0), QStringLiteral("x"));
    QCOMPARE(combo->DropDownCount(), 5);
    g.Close();
  }
};

QTEST_MAIN(ColumnGridEditorsTest)
#include "column_grid_editors_test.moc"
