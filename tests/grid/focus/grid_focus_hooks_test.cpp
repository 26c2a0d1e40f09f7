// The grid entered and left as a whole (its editor counts as inside), the
// editor opened on focus with AlwaysEdit, clicks remembering the cell, the
// header editor's change event, the gesture cursors and the active style's
// colours.
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_trans_edit.h"
#include "grid/focus/active_style.h"
#include "grid/focus/grid_cursors.h"

namespace {

class Counting_Grid : public TZadIrururOziz {
 public:
  using TZadIrururOziz::TZadIrururOziz;
  int enters = 0, exits = 0;
  void DoEnter() override {
    ++enters;
    TZadIrururOziz::DoEnter();
  }
  void DoExit() override {
    ++exits;
    TZadIrururOziz::DoExit();
  }
};

// A window holding a line edit above a grid.
struct Focus_Window {
  QWidget window;
  QLineEdit* other;
  Counting_Grid* grid;
  Focus_Window() {
    auto* layout = new QVBoxLayout(&window);
    other = new QLineEdit(&window);
    grid = new Counting_Grid(&window);
    layout->addWidget(other);
    layout->addWidget(grid);
    grid->SetColCount(4);
    grid->SetRowCount(5);
    grid->SetOptions(grid->Options() | goEditing);
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
  }
};

qint64 Cursor_Key(const QCursor& cursor) { return cursor.pixmap().cacheKey(); }

QImage Cursor_Image(const QCursor& cursor) { return cursor.pixmap().toImage(); }

}  // namespace

class GridFocusHooksTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void entering_and_leaving_count_the_editor_inside() {
    Focus_Window w;
    w.grid->FocusCell(2, 3);
    w.grid->setFocus();
    QTRY_COMPARE(w.grid->enters, 1);
    QCOMPARE(QPoint(w.grid->OldCol(), w.grid->OldRow()), QPoint(2, 3));
    // The in-place editor is part of the grid.
    QTest::keyClick(w.grid, Qt::Key_F2);
    QVERIFY(w.grid->EditorMode());
    QTRY_VERIFY(w.grid->InplaceEditor()->hasFocus());
    QCOMPARE(w.grid->exits, 0);
    w.other->setFocus();
    QTRY_COMPARE(w.grid->exits, 1);
    QCOMPARE(w.grid->enters, 1);
    // Blocked, entering does nothing of its own.
    w.grid->SetBlockFocus(true);
    w.grid->FocusCell(1, 1);
    w.grid->setFocus();
    QTRY_COMPARE(w.grid->enters, 2);
    QCOMPARE(QPoint(w.grid->OldCol(), w.grid->OldRow()), QPoint(2, 3));
  }

  void always_edit_opens_the_editor_on_focus() {
    Focus_Window w;
    w.grid->Navigation().SetAlwaysEdit(true);
    w.grid->FocusCell(1, 2);
    QVERIFY(!w.grid->EditorMode());
    w.grid->setFocus();
    QTRY_VERIFY(w.grid->EditorMode());
    // Not on a cell that may not be edited.
    w.other->setFocus();
    QTRY_VERIFY(w.other->hasFocus());
    w.grid->HideInplaceEdit();
    w.grid->OnCanEditCell = [](TZadIrururOziz*, int, int, bool& CanEdit) { CanEdit = false; };
    w.grid->setFocus();
    QTRY_VERIFY(w.grid->hasFocus());
    QVERIFY(!w.grid->EditorMode());
  }

  void click_remembers_the_current_cell() {
    TZadIrururOziz grid;
    grid.Store().Set_Text(2, 1, QStringLiteral("text"));
    int clicks = 0;
    grid.OnClick = [&](TZadIrururOziz*) { ++clicks; };
    grid.FocusCell(2, 1);
    grid.Click();
    QCOMPARE(clicks, 1);
    QCOMPARE(QPoint(grid.OldCol(), grid.OldRow()), QPoint(2, 1));
    QCOMPARE(grid.OldCellText(), QStringLiteral("text"));
    QVERIFY(!grid.Entered());
  }

  void header_editor_reports_its_changes() {
    TZadIrururOziz grid;
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QStringList seen;
    grid.OnEditChange = [&](TZadIrururOziz*, int ACol, int ARow, const QString& Value) {
      seen << QStringLiteral("%1,%2:%3").arg(ACol).arg(ARow).arg(Value);
    };
    grid.EditFixedCell(2, 0);
    QTest::keyClicks(grid.FixedEdit(), "ab");
    QCOMPARE(seen, QStringList({QStringLiteral("2,0:a"), QStringLiteral("2,0:ab")}));
  }

  void gesture_cursors_follow_the_mode() {
    TZadIrururOziz grid;
    QWidget* view = grid.viewport();
    QVERIFY(Cursor_Image(GridResourceCursor(8010)) != Cursor_Image(GridResourceCursor(8011)));
    QCOMPARE(GridResourceCursor(9999).shape(), Qt::ArrowCursor);
    const struct {
      TZadIrururOziz::TMouseSelectMode mode;
      int id;
    } table[] = {{TZadIrururOziz::msColumn, 8011},
                 {TZadIrururOziz::msRow, 8010},
                 {TZadIrururOziz::msAll, 8012},
                 {TZadIrururOziz::msResize, 8012}};
    for (const auto& row : table) {
      grid.SetMouseSelectMode(row.mode);
      QCOMPARE(view->cursor().shape(), Qt::BitmapCursor);
      QCOMPARE(Cursor_Image(view->cursor()), Cursor_Image(GridResourceCursor(row.id)));
    }
    grid.SetMouseSelectMode(TZadIrururOziz::msNormal);
    QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);
    grid.SetCellSelectorMode(true);
    QCOMPARE(Cursor_Image(view->cursor()), Cursor_Image(GridResourceCursor(8014)));
    // The mode wins over what the grid's own mouse handling sets.
    view->setCursor(Qt::ArrowCursor);
    QCOMPARE(Cursor_Image(view->cursor()), Cursor_Image(GridResourceCursor(8014)));
    grid.SetCellSelectorMode(false);
    // A cursor of the application's for a cell.
    grid.OnGetCellCursor = [](TZadIrururOziz*, int, int, QCursor& ACursor) { ACursor = Qt::CrossCursor; };
    grid.UpdateCellCursor(QPoint(grid.ColWidths(0) + 5, grid.RowHeights(0) + 5));
    QCOMPARE(view->cursor().shape(), Qt::CrossCursor);
    (void)Cursor_Key;
  }

  void active_style_colours_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("styled");
    QTest::newRow("off") << false << "Carbon" << false;
    QTest::newRow("windows") << true << "Windows" << false;
    QTest::newRow("another style") << true << "Carbon" << true;
  }
  void active_style_colours() {
    QFETCH(bool, enabled);
    QFETCH(QString, name);
    QFETCH(bool, styled);
    TActiveStyle& style = ActiveApplicationStyle();
    const TActiveStyle kept = style;
    style.Enabled = enabled;
    style.Name = name;
    style.NormalCell = {0x202020, 0x404040, 0xE0E0E0};
    style.FixedCell = {0x303030, 0x505050, clNone};
    style.SelectedCell = {clNone, clNone, 0x00FFFF};
    TZadIrururOziz grid;
    const TColor fixed_font = grid.FixedFontColor();
    const TColor colour = grid.Color();
    style = kept;
    QCOMPARE(grid.Styled(), styled);
    if (styled) {
      QCOMPARE(grid.Color(), TColor(0x202020));
      QCOMPARE(grid.GridLineColor(), TColor(0x404040));
      QCOMPARE(grid.GridFixedLineColor(), TColor(0x505050));
      QCOMPARE(grid.FontColor(), TColor(0xE0E0E0));
      QCOMPARE(grid.SelectionTextColor(), TColor(0x00FFFF));
      QVERIFY(!(grid.Options() & (goFixedVertLine | goFixedHorzLine)));
    } else {
      QVERIFY(colour != TColor(0x202020));
      QVERIFY(grid.Options() & goFixedVertLine);
    }
    // A colour the style does not give leaves the grid's.
    QCOMPARE(grid.FixedFontColor(), fixed_font);
    // Applied again with the style off, the styled flag goes.
    grid.ApplyActiveStyleColors();
    QVERIFY(!grid.Styled());
  }
};

QTEST_MAIN(GridFocusHooksTest)
#include "grid_focus_hooks_test.moc"
