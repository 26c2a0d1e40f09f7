# The list drop-downs' completion and look-up while typing (mirrors
# src/dropdowns/base), without a display.
kelvra_gtest(dropdown_type_completion_tests
  SOURCES base/type_completion_test.cpp
  LIBS dropdown_value)
