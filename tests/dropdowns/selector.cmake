# The item selector (mirrors src/dropdowns/base): its model without a display,
# the control and its panel under the offscreen platform.
kelvra_gtest(dropdown_selector_model_tests
  SOURCES base/selector_model_test.cpp
  LIBS dropdown_selector_model)
kelvra_qtest(dropdown_selector_tests
  SOURCES base/item_selector_test.cpp
  LIBS dropdown_selector)
