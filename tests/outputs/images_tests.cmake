kelvra_gtest(outputs_images_tests
  SOURCES
    gateway_images_test.cpp
    gateway_param_record_test.cpp
  LIBS outputs_compiler)
