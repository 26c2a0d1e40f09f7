# The grid drop-down (mirrors src/dropdowns/griddropdown): look-up, steps,
# sizes and styles without a display; the control and its inner grid
# offscreen.
kelvra_gtest(dropdown_griddropdown_logic_tests
  SOURCES griddropdown/grid_drop_down_logic_test.cpp
  LIBS dropdown_griddropdown_logic)
kelvra_qtest(dropdown_griddropdown_tests
  SOURCES griddropdown/zad_grid_drop_down_test.cpp
  LIBS dropdown_griddropdown)
