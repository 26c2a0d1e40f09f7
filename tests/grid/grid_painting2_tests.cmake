kelvra_gtest(grid_paint_math_tests
  SOURCES grid_paint_math_test.cpp
  LIBS grid_blend dropdown_paint)
kelvra_qtest(grid_painting2_tests SOURCES grid_painting2_test.cpp LIBS grid_widget)
