kelvra_gtest(outputs_descriptions_tests
  SOURCES eds_writer_test.cpp gsd_writer_test.cpp gsdml_writer_test.cpp
  LIBS outputs_descriptions_ui)

# The EDS fixtures read by an independent EDS reader (npm package "canopen").
# It needs the npm registry, which the project's Debian-only build does not
# assume, so it runs only when asked for.
option(KELVRA_EXTERNAL_EDS_CHECK "Check the EDS fixtures with the npm canopen reader" OFF)
if(KELVRA_EXTERNAL_EDS_CHECK)
  add_test(NAME eds_canopen_reader
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/eds_canopen_check.sh ${CMAKE_BINARY_DIR}/npm-canopen
      ${PROJECT_SOURCE_DIR}/tests/data/descriptions)
  set_tests_properties(eds_canopen_reader PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240)
endif()

kelvra_qtest(profinet_file_name_test SOURCES profinet_file_name_test.cpp LIBS outputs_descriptions_ui)

# The main window's steps through program start.
kelvra_qtest(description_steps_test SOURCES description_steps_test.cpp LIBS app_start test_support)
