#include "dropdowns/calculator/custom_button_panel.h"

#include <QtTest>
class Keypad_Test : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void a_panel_on_its_own_gets_the_calculator_keys_once_loaded() {
    TCustomButtonPanel panel;
    QCOMPARE(panel.Buttons().Count(), 0);
    panel.Loaded();
    QCOMPARE(panel.Buttons().Count(), 28);
  }
};
QTEST_MAIN(Keypad_Test)
#include "custom_button_panel_test.moc"
