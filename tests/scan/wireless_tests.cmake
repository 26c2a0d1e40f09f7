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

# The same whole scan with the engine and the wireless code built under ThreadSanitizer:
# the frame decoder on the receive thread, the machine on the scan thread and the key
# entered from the test's thread share the meter list.
if(NOT KELVRA_SANITIZE)
  get_target_property(wireless_engine_sources scan_engine SOURCES)
  get_target_property(wireless_sources scan_wireless SOURCES)
  list(APPEND wireless_engine_sources ${wireless_sources})
  list(TRANSFORM wireless_engine_sources PREPEND ${PROJECT_SOURCE_DIR}/src/scan/)
  kelvra_gtest(scan_wireless_simulator_tests_tsan
    SOURCES wireless_simulator_test.cpp simulator_process.cpp ${wireless_engine_sources}
    LIBS scan_decode outputs_serial platform_core OpenSSL::Crypto Threads::Threads)
  target_compile_definitions(scan_wireless_simulator_tests_tsan PRIVATE GATEWAY_SIM="$<TARGET_FILE:gateway-sim>")
  target_compile_options(scan_wireless_simulator_tests_tsan PRIVATE -fsanitize=thread)
  target_link_options(scan_wireless_simulator_tests_tsan PRIVATE -fsanitize=thread)
  add_dependencies(scan_wireless_simulator_tests_tsan gateway-sim)
endif()
