# The drop-down edit with its button, label, borders and popup (mirrors
# src/dropdowns/base).
kelvra_gtest(dropdown_edit_logic_tests
  SOURCES base/popup_placement_test.cpp
  LIBS dropdown_edit_logic)
kelvra_qtest(dropdown_edit_tests
  SOURCES base/zad_custom_drop_down_test.cpp
  LIBS dropdown_edit)
