kelvra_gtest(editors_logic_tests
  SOURCES par_gen_checks_test.cpp byte_budget_test.cpp auto_byte_count_test.cpp new_node_id_check_test.cpp
  LIBS editors_logic)

kelvra_qtest(par_gen_window_test
  SOURCES par_gen_window_test.cpp
  LIBS editors_ui test_support)

kelvra_qtest(new_id_node_test
  SOURCES new_id_node_test.cpp
  LIBS editors_ui test_support)

kelvra_qtest(par_gen_step_test
  SOURCES par_gen_step_test.cpp
  LIBS app_start test_support)
