// The grid's drop-down editors as a user meets them over a cell: opened
// with the cell's value, keys that validate, write back and move on,
// Escape leaving the cell as it was, Alt+Down opening the popup, and the
// colour and image pickers writing their choice into the cell.
#include <QApplication>
#include <QPainter>
#include <QtTest>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/griddropdown/grid_drop_down_editor.h"
#include "editor_grid.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_drop_down_wrappers.h"

class GridDropDownEditorsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { Register_Grid_Drop_Down_Editor(); }

  void open_and_close_keeps_the_cell_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("track bar") << int(edTrackbarDropDown) << "42";
    QTest::newRow("memo") << int(edMemoDropDown) << "one line";
    QTest::newRow("calculator") << int(edCalculatorDropDown) << "12.00";
    QTest::newRow("detail") << int(edDetailDropDown) << "item";
    QTest::newRow("multi-column") << int(edGridDropDown) << "row";
    QTest::newRow("grid") << int(edZadGridDropDown) << "row";
  }
  void open_and_close_keeps_the_cell() {
    QFETCH(int, type);
    QFETCH(QString, text);
    Editor_Grid g{TEditorType(type)};
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.TrackbarDropDown()->SetMax(100);
    g.grid.Store().Set_Text(2, 1, text);
    int done = 0;
    g.grid.OnEditingDone = [&](TZadIrururOziz*) { ++done; };
    g.Open(2, 1);
    QVERIFY(g.grid.EditMode());
    QWidget* control = g.grid.EditCtrl();
    QVERIFY(control);
    QVERIFY(control->isVisible());
    QVERIFY(control->hasFocus());
    QCOMPARE(static_cast<TZadCustomDropDown*>(control)->Text(), text);
    g.grid.HideInplaceEdit();
    QCOMPARE(g.Cell(2, 1), text);
    QCOMPARE(done, 1);
    QVERIFY(!control->isVisible());
  }

  void typing_starts_the_editor_with_the_character() {
    Editor_Grid g(edCalculatorDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("12"));
    g.grid.FocusCell(2, 1);
    g.grid.setFocus();
    QTest::keyClick(&g.grid, Qt::Key_7);
    Settle();
    TGridCalculatorDropDown* calc = g.grid.CalculatorDropDown();
    QVERIFY(calc->hasFocus());
    QCOMPARE(calc->Text(), QStringLiteral("7"));
  }

  void up_validates_writes_and_moves_up() {
    Editor_Grid g(edTrackbarDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    QStringList validated;
    g.grid.OnCellValidate = [&](TZadIrururOziz*, int, int, QString& Value, bool&) { validated << Value; };
    TGridTrackbarDropDown* track = g.grid.TrackbarDropDown();
    track->SetMax(100);
    g.Open(2, 3);
    track->SetText(QStringLiteral("55"));
    QTest::keyClick(track, Qt::Key_Up);
    QCOMPARE(validated, QStringList{QStringLiteral("55")});
    QCOMPARE(g.Cell(2, 3), QStringLiteral("55"));
    QCOMPARE(g.grid.Row(), 2);
    QVERIFY(!g.grid.EditMode());
  }

  void refused_value_stays_in_the_editor() {
    Editor_Grid g(edMemoDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 3, QStringLiteral("good"));
    g.grid.OnCellValidate = [](TZadIrururOziz*, int, int, QString& Value, bool& Valid) {
      Valid = false;
      Value = QStringLiteral("answer");
    };
    g.Open(2, 3);
    TGridMemoDropDown* memo = g.grid.MemoDropDown();
    memo->SetText(QStringLiteral("bad"));
    QTest::keyClick(memo, Qt::Key_Return);
    QVERIFY(g.grid.EditMode());
    QVERIFY(memo->isVisible());
    QCOMPARE(memo->Text(), QStringLiteral("answer"));
    QCOMPARE(g.grid.Row(), 3);
  }

  void escape_leaves_the_cell_as_it_was() {
    Editor_Grid g(edTrackbarDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("30"));
    TGridTrackbarDropDown* track = g.grid.TrackbarDropDown();
    track->SetMax(100);
    g.Open(2, 1);
    track->SetText(QStringLiteral("80"));
    QTest::keyClick(track, Qt::Key_Escape);
    QVERIFY(!g.grid.EditMode());
    QCOMPARE(g.Cell(2, 1), QStringLiteral("30"));
    QVERIFY(g.grid.hasFocus());
  }

  void alt_down_opens_the_popup() {
    Editor_Grid g(edCalculatorDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.Open(2, 1);
    TGridCalculatorDropDown* calc = g.grid.CalculatorDropDown();
    QTest::keyClick(calc, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(calc->DroppedDown());
    QVERIFY(g.grid.EditMode());
    QCOMPARE(g.grid.Row(), 1);
    calc->HideDropDown(true);
  }

  void enter_in_the_open_calculator_stores_and_closes() {
    Editor_Grid g(edCalculatorDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.Open(2, 1);
    TGridCalculatorDropDown* calc = g.grid.CalculatorDropDown();
    calc->SetText(QStringLiteral("7"));
    QTest::keyClick(calc, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(calc->DroppedDown());
    QTest::keyClick(calc, Qt::Key_Return);
    Settle();
    QCOMPARE(g.Cell(2, 1), QStringLiteral("7.00"));
    QVERIFY(!calc->DroppedDown());
    QVERIFY(!g.grid.EditMode());
  }

  void colour_picker_writes_its_choice() {
    Editor_Grid g(edColorPickerDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.SetColors(2, 1, 0x0000FF);
    g.Open(2, 1);
    TGridColorDropDown* picker = g.grid.ColorPickerDropDown();
    QCOMPARE(picker->SelectedColor(), TColor(0x0000FF));
    QCOMPARE(picker->Colors().Count(), 16);
    // Open, Up and Down stay inside the popup.
    QTest::keyClick(picker, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(picker->DroppedDown());
    QTest::keyClick(picker, Qt::Key_Up);
    QVERIFY(g.grid.EditMode());
    QCOMPARE(g.grid.Row(), 1);
    picker->HideDropDown(true);
    picker->SetColorValueText(cvtHTML);
    picker->SetSelectedColor(0xFF0000);
    QList<QPoint> selected;
    g.grid.OnColorSelected = [&](TZadIrururOziz*, int ACol, int ARow, TColor& AColor, QString& AValue) {
      selected << QPoint(ACol, ARow);
      QCOMPARE(AValue, QStringLiteral("Blue"));
      AColor = 0x00FF00;
    };
    QTest::keyClick(picker, Qt::Key_Return);
    QCOMPARE(selected, QList<QPoint>{QPoint(2, 1)});
    QCOMPARE(g.Cell(2, 1), QStringLiteral("Blue"));
    QCOMPARE(g.grid.Colors(2, 1), TColor(0x00FF00));
  }

  void image_picker_by_the_cell_object_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("opened");
    QTest::addColumn<QString>("written");
    QTest::newRow("no image object") << "none"
                                     << "text" << -1 << "text";
    QTest::newRow("data image") << "data"
                                << "1" << 1 << "2";
    QTest::newRow("data image, no number") << "data"
                                           << "abc" << -1 << "2";
  }
  void image_picker_by_the_cell_object() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, opened);
    QFETCH(QString, written);
    Editor_Grid g(edImagePickerDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    QList<QImage> images{QImage(8, 8, QImage::Format_RGB32), QImage(8, 8, QImage::Format_RGB32),
                         QImage(8, 8, QImage::Format_RGB32)};
    g.grid.SetGridImages(&images);
    if (kind == QLatin1String("data")) g.grid.AddDataImage(2, 1, 0, haLeft, vaTop);
    g.grid.Store().Set_Text(2, 1, text);
    int fired = 0;
    g.grid.OnImageSelected = [&](TZadIrururOziz*, int, int, int& Index) {
      ++fired;
      Index = 2;
    };
    g.Open(2, 1);
    QVERIFY(g.grid.EditMode());
    QCOMPARE(g.grid.ImagePickerDropDown()->ImageIndex(), opened);
    g.grid.HideInplaceEdit();
    QCOMPARE(fired, 1);
    QCOMPARE(g.Cell(2, 1), written);
  }

  // GRID_EDITORS_SHOT=<file.png>: a picture of each drop-down editor open
  // over its cell, one row each, to look at.
  void picture_of_the_editors() {
    const QString shot = qEnvironmentVariable("GRID_EDITORS_SHOT");
    if (shot.isEmpty()) QSKIP("GRID_EDITORS_SHOT not set");
    const TEditorType types[] = {edTrackbarDropDown,   edMemoDropDown,   edCalculatorDropDown,
                                 edTimePickerDropDown, edDetailDropDown, edColorPickerDropDown};
    const QString texts[] = {"42", "memo text", "12", "10:11:12", "detail", ""};
    QWidget window;
    window.resize(420, 60 * 6);
    QList<QImage> pictures;
    for (int i = 0; i < 6; ++i) {
      auto* grid = new TZadIrururOziz(&window);
      grid->setGeometry(0, i * 60, 420, 58);
      grid->SetRowCount(2);
      grid->SetColCount(4);
      grid->SetOptions(grid->Options() | goEditing);
      const TEditorType type = types[i];
      grid->OnGetEditorType = [type](TZadIrururOziz*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 2) AEditor = type;
      };
      grid->Store().Set_Text(2, 1, texts[i]);
      grid->Store().Set_Text(1, 1, QStringLiteral("beside"));
      if (type == edTrackbarDropDown) grid->TrackbarDropDown()->SetMax(100);
      if (type == edColorPickerDropDown) grid->SetColors(2, 1, 0x00A5FF);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto grids = window.findChildren<TZadIrururOziz*>(Qt::FindDirectChildrenOnly);
    for (TZadIrururOziz* grid : grids) {
      grid->FocusCell(2, 1);
      grid->ShowInplaceEdit();
      Settle();
      pictures << grid->grab().toImage();
      grid->HideInplaceEdit();
    }
    QImage all(420, 60 * int(pictures.size()), QImage::Format_RGB32);
    all.fill(Qt::white);
    QPainter painter(&all);
    for (int i = 0; i < pictures.size(); ++i) painter.drawImage(0, i * 60, pictures[i]);
    painter.end();
    QVERIFY(all.save(shot));
  }
};

QTEST_MAIN(GridDropDownEditorsTest)
#include "grid_drop_down_editors_test.moc"
