# The calculator drop-down and its keypad (mirrors src/dropdowns/calculator):
# the calculating, the keys and their layout without a display; the keypad
# and the drop-down under the offscreen platform.
kelvra_gtest(dropdown_calculator_logic_tests
  SOURCES calculator/calculator_core_test.cpp calculator/keypad_layout_test.cpp
  LIBS dropdown_calculator_logic)
kelvra_qtest(dropdown_calculator_tests
  SOURCES calculator/zad_calculator_dropdown_test.cpp
  LIBS dropdown_calculator)
kelvra_qtest(dropdown_keypad_tests
  SOURCES calculator/custom_button_panel_test.cpp
  LIBS dropdown_calculator)
