kelvra_gtest(editors_files_tests
  SOURCES config_document_test.cpp par_gen_settings_test.cpp m_bus_network_file_test.cpp canopen_table_file_test.cpp
    m_bus_lists_test.cpp
  LIBS editors_files)
