kelvra_qtest(grid_input_tests SOURCES grid_input_test.cpp LIBS grid_widget)
