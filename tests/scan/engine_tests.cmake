kelvra_gtest(scan_engine_tests
  SOURCES engine_fakes.cpp engine_frames_test.cpp engine_machine_test.cpp gateway_sim_test.cpp save_conf_xml_test.cpp
          ${PROJECT_SOURCE_DIR}/tools/gateway-sim/mbus_line.cpp ${PROJECT_SOURCE_DIR}/tools/gateway-sim/meter_script.cpp
  LIBS scan_engine editors_files)
target_include_directories(scan_engine_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/gateway-sim)

# Against the gateway simulator as a separate process on loopback.
kelvra_gtest(scan_simulator_tests
  SOURCES engine_simulator_test.cpp simulator_process.cpp
  LIBS scan_engine editors_files)
target_compile_definitions(scan_simulator_tests PRIVATE GATEWAY_SIM="$<TARGET_FILE:gateway-sim>")
add_dependencies(scan_simulator_tests gateway-sim)

# The same simulator tests with the engine built under ThreadSanitizer, so the hand-over
# between the scan, receive and test threads is checked on every run. (ThreadSanitizer
# cannot be combined with the address sanitizer build.)
if(NOT KELVRA_SANITIZE)
  get_target_property(scan_engine_sources scan_engine SOURCES)
  list(TRANSFORM scan_engine_sources PREPEND ${PROJECT_SOURCE_DIR}/src/scan/)
  kelvra_gtest(scan_simulator_tests_tsan
    SOURCES engine_simulator_test.cpp simulator_process.cpp ${scan_engine_sources}
    LIBS scan_decode scan_wireless outputs_serial platform_core editors_files Threads::Threads)
  target_compile_definitions(scan_simulator_tests_tsan PRIVATE GATEWAY_SIM="$<TARGET_FILE:gateway-sim>")
  target_compile_options(scan_simulator_tests_tsan PRIVATE -fsanitize=thread)
  target_link_options(scan_simulator_tests_tsan PRIVATE -fsanitize=thread)
  add_dependencies(scan_simulator_tests_tsan gateway-sim)
endif()
