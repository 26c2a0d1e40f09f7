// A cell's number read from its formatted text, and form scaling of the
// grid's own fonts.
#include <QApplication>
#include <QtTest>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

Format_Settings European() {
  Format_Settings s;
  s.Thousand_Separator = QLatin1Char('.');
  s.Decimal_Separator = QLatin1Char(',');
  return s;
}

QString Error_Of(TZadIrururOziz& grid, int c, int r) {
  try {
    grid.CellToReal(c, r);
  } catch (const VAzaZeriVader& e) {
    return QString::fromStdString(e.what());
  }
  return QString();
}

}  // namespace

class CellNumberValueTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void reads_formatted_numbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("negative in parentheses") << "(1.234,5)" << -1234.5;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks around") << "  42,25 " << 42.25;
    QTest::newRow("leading currency sign") << "€ 1.000" << 1000.0;
    QTest::newRow("leading minus") << "-7" << -7.0;
    QTest::newRow("exponent") << "1,5e3" << 1500.0;
  }
  void reads_formatted_numbers() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    Format_Settings_Scope scope(European());
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCellEx(1, 1, text);
    QCOMPARE(grid.CellToReal(1, 1), expected);
  }

  void text_left_after_the_number_raises_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("minus inside") << "12-3"
                                  << "Error at position: 3 in Cell [1, 1].";
    QTest::newRow("letters after") << "12abc"
                                   << "Error at position: 3 in Cell [1, 1].";
    QTest::newRow("unit after a blank") << "5 kg"
                                        << "Error at position: 2 in Cell [1, 1].";
    QTest::newRow("no number") << "abc"
                               << "Error at position: 1 in Cell [1, 1].";
  }
  void text_left_after_the_number_raises() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    Format_Settings_Scope scope(European());
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCellEx(1, 1, text);
    QCOMPARE(Error_Of(grid, 1, 1), message);
  }

  void change_scale_scales_fixed_and_active_cell_fonts() {
    TZadIrururOziz grid;
    QFont fixed = grid.FixedFont();
    fixed.setPointSize(8);
    grid.SetFixedFont(fixed);
    QFont active = grid.ActiveCellFont();
    active.setPointSize(8);
    grid.SetActiveCellFont(active);
    const int grid_font = grid.GridFont().pointSize();

    grid.ChangeScale(96, 96);
    QCOMPARE(grid.FixedFont().pointSize(), 8);
    QCOMPARE(grid.ActiveCellFont().pointSize(), 8);

    grid.ChangeScale(120, 96);
    QCOMPARE(grid.FixedFont().pointSize(), 10);
    QCOMPARE(grid.ActiveCellFont().pointSize(), 10);
    QCOMPARE(grid.GridFont().pointSize(), grid_font);

    grid.ChangeScale(3, 4);  // 7.5 rounds up
    QCOMPARE(grid.FixedFont().pointSize(), 8);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  CellNumberValueTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "cell_number_value_test.moc"
