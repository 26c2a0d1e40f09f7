kelvra_qtest(grid_mouse_tests SOURCES grid_mouse_test.cpp LIBS column_grid)
