kelvra_gtest(scan_engine_tests
  SOURCES engine_fakes.cpp engine_frames_test.cpp engine_machine_test.cpp save_conf_xml_test.cpp
          ${PROJECT_SOURCE_DIR}/tools/gateway-sim/mbus_line.cpp ${PROJECT_SOURCE_DIR}/tools/gateway-sim/meter_script.cpp
  LIBS scan_engine editors_files)
target_include_directories(scan_engine_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/gateway-sim)

# Against the gateway simulator as a separate process on loopback.
kelvra_gtest(scan_simulator_tests
  SOURCES engine_simulator_test.cpp
  LIBS scan_engine editors_files)
target_compile_definitions(scan_simulator_tests PRIVATE GATEWAY_SIM="$<TARGET_FILE:gateway-sim>")
add_dependencies(scan_simulator_tests gateway-sim)
