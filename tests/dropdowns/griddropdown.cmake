# The grid drop-down (mirrors src/dropdowns/griddropdown): look-up, steps,
# sizes and styles without a display; the control and its inner grid
# offscreen.
kelvra_gtest(dropdown_griddropdown_logic_tests
  SOURCES griddropdown/grid_drop_down_logic_test.cpp
  LIBS dropdown_griddropdown_logic)
kelvra_qtest(dropdown_griddropdown_tests
  SOURCES griddropdown/zad_grid_drop_down_test.cpp
  LIBS dropdown_griddropdown)
# A column grid editing a column through the grid drop-down, to work under X
# (not a test).
add_executable(grid_drop_down_grid_check griddropdown/grid_drop_down_grid_check.cpp)
target_link_libraries(grid_drop_down_grid_check PRIVATE column_grid dropdown_griddropdown Qt6::Widgets)
