# The multi-column drop-down (mirrors src/dropdowns/multicolumn): look-up,
# steps, sizes and styles without a display; the control and its list
# offscreen.
kelvra_gtest(dropdown_multicolumn_logic_tests
  SOURCES multicolumn/multi_column_logic_test.cpp
  LIBS dropdown_multicolumn_logic)
kelvra_qtest(dropdown_multicolumn_tests
  SOURCES multicolumn/zad_multi_column_drop_down_test.cpp
  LIBS dropdown_multicolumn)
# A column grid editing a column through the multi-column drop-down, to work
# under X (not a test).
add_executable(multi_column_grid_check multicolumn/multi_column_grid_check.cpp)
target_link_libraries(multi_column_grid_check PRIVATE column_grid Qt6::Widgets)
