kelvra_gtest(grid_store_tests
  SOURCES text_helpers_test.cpp grid_lists_test.cpp cell_store_test.cpp
  LIBS grid_store)
