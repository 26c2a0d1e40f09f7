kelvra_gtest(scan_wireless_tests
  SOURCES wmbus_crypto_test.cpp wireless_frame_decoder_test.cpp wireless_scan_machine_test.cpp
          radio_module_sim_test.cpp ${PROJECT_SOURCE_DIR}/tools/gateway-sim/radio_module_sim.cpp
  LIBS scan_wireless)
target_include_directories(scan_wireless_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/gateway-sim)

# A whole wireless scan against the gateway simulator as a separate process on loopback.
kelvra_gtest(scan_wireless_simulator_tests
  SOURCES wireless_simulator_test.cpp simulator_process.cpp
  LIBS scan_engine)
target_compile_definitions(scan_wireless_simulator_tests PRIVATE GATEWAY_SIM="$<TARGET_FILE:gateway-sim>")
add_dependencies(scan_wireless_simulator_tests gateway-sim)
