kelvra_gtest(editors_files_tests
  SOURCES config_document_test.cpp
  LIBS editors_files)
