kelvra_qtest(shell_ui_test
  SOURCES main_window_test.cpp
  LIBS app_start test_support)
