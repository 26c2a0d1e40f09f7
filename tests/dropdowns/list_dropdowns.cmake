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
# A column grid editing through the detail drop-down and the image picker, to
# work under X (not a test).
add_executable(list_dropdowns_grid_check detail/list_dropdowns_grid_check.cpp)
target_link_libraries(list_dropdowns_grid_check PRIVATE column_grid grid_widget Qt6::Widgets)
kelvra_qtest(dropdown_list_grid_editor_tests
  SOURCES detail/list_dropdowns_grid_test.cpp
  LIBS grid_widget)
