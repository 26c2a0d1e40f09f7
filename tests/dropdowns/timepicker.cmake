# The analogue watch and the time picker drop-down (mirrors
# src/dropdowns/timepicker): the watch's model without a display, the watch
# and the drop-down under the offscreen platform.
kelvra_gtest(dropdown_watch_logic_tests
  SOURCES timepicker/watch_appearance_test.cpp timepicker/watch_geometry_test.cpp timepicker/time_text_test.cpp
  LIBS dropdown_watch_logic)
kelvra_qtest(dropdown_watch_tests
  SOURCES timepicker/zad_watch_test.cpp
  LIBS dropdown_timepicker)
kelvra_qtest(dropdown_time_picker_tests
  SOURCES timepicker/zad_time_picker_drop_down_test.cpp
  LIBS dropdown_timepicker)
# A window to look at and work the time picker under X (not a test).
add_executable(time_picker_gallery timepicker/time_picker_gallery.cpp)
target_link_libraries(time_picker_gallery PRIVATE dropdown_timepicker Qt6::Widgets)
# A column grid editing a column through the time picker, to work under X
# (not a test).
add_executable(time_picker_grid_check timepicker/time_picker_grid_check.cpp)
target_link_libraries(time_picker_grid_check PRIVATE column_grid Qt6::Widgets)
