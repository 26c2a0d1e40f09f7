kelvra_gtest(grid_theme_tests
  SOURCES theme_detection_test.cpp theme_notifier_test.cpp
  LIBS grid_theme)
kelvra_gtest(grid_draw_tests
  SOURCES draw_primitives_test.cpp
  LIBS grid_draw)
kelvra_qtest(grid_theme_backend_test
  SOURCES theme_backend_test.cpp
  LIBS grid_theme_ui grid_draw)
kelvra_qtest(grid_cell_painter_test
  SOURCES base_cell_painter_test.cpp
  LIBS grid_cell_painter)
