# The drop-down edit with its button, label, borders and popup (mirrors
# src/dropdowns/base).
kelvra_gtest(dropdown_edit_logic_tests
  SOURCES base/popup_placement_test.cpp
  LIBS dropdown_edit_logic)
kelvra_qtest(dropdown_edit_tests
  SOURCES base/zad_custom_drop_down_test.cpp
  LIBS dropdown_edit)
kelvra_gtest(dropdown_value_tests
  SOURCES base/drop_down_value_test.cpp
  LIBS dropdown_value)
kelvra_qtest(dropdown_typing_tests
  SOURCES base/drop_down_typing_test.cpp
  LIBS dropdown_edit)
