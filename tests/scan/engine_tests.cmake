kelvra_gtest(scan_engine_tests
  SOURCES engine_fakes.cpp engine_frames_test.cpp engine_machine_test.cpp
          ${PROJECT_SOURCE_DIR}/tools/gateway-sim/mbus_line.cpp ${PROJECT_SOURCE_DIR}/tools/gateway-sim/meter_script.cpp
  LIBS scan_engine)
target_include_directories(scan_engine_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/gateway-sim)
