kelvra_gtest(scan_wireless_tests
  SOURCES wmbus_crypto_test.cpp wireless_frame_decoder_test.cpp wireless_scan_machine_test.cpp
          radio_module_sim_test.cpp ${PROJECT_SOURCE_DIR}/tools/gateway-sim/radio_module_sim.cpp
  LIBS scan_wireless)
target_include_directories(scan_wireless_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/gateway-sim)
