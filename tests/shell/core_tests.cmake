kelvra_gtest(shell_core_tests
  SOURCES number_entry_test.cpp device_profile_test.cpp lang_table_test.cpp
  LIBS shell_core)
