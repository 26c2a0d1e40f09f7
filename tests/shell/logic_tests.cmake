kelvra_gtest(shell_logic_tests
  SOURCES
    config_folders_test.cpp
    hardware_and_layout_test.cpp
    settings_file_test.cpp
    shared_routines_test.cpp
  LIBS shell_logic util)
