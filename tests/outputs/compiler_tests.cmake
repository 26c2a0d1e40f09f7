kelvra_gtest(outputs_compiler_tests
  SOURCES
    image_compiler_test.cpp
    canopen_param_record_test.cpp
    canopen_object_tables_test.cpp
    canopen_node_image_test.cpp
  LIBS outputs_compiler)
