#include "dropdowns/calculator/zad_calculator_dropdown.h"

#include <QtTest>
#include <memory>
class Calc_Test : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void a_new_one_shows_zero_with_two_decimals() {
    std::unique_ptr<TZadCalculatorDropdown> d(Create_Drop_Down<TZadCalculatorDropdown>());
    QCOMPARE(d->text(), QStringLiteral("0.00"));
  }
};
QTEST_MAIN(Calc_Test)
#include "zad_calculator_dropdown_test.moc"
