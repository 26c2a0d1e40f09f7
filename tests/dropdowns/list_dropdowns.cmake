# The list drop-downs' completion and look-up while typing (mirrors
# src/dropdowns/base), without a display.
kelvra_gtest(dropdown_type_completion_tests
  SOURCES base/type_completion_test.cpp
  LIBS dropdown_value)
# The detail drop-down (mirrors src/dropdowns/detail) under the offscreen
# platform.
kelvra_qtest(dropdown_detail_tests
  SOURCES detail/zad_detail_drop_down_test.cpp
  LIBS dropdown_detail)
# The image picker drop-down (mirrors src/dropdowns/imagepicker) under the
# offscreen platform.
kelvra_qtest(dropdown_imagepicker_tests
  SOURCES imagepicker/zad_image_picker_drop_down_test.cpp
  LIBS dropdown_imagepicker)
