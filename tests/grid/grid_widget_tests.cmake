kelvra_qtest(base_grid_tests SOURCES base_grid_test.cpp LIBS grid_widget)
