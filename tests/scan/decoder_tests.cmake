kelvra_gtest(scan_decode_tests
  SOURCES telegram_corpus_test.cpp record_walk_test.cpp decode_vif_test.cpp mbus_texts_test.cpp
          meter_objects_test.cpp mbus_decode_tool_test.cpp
  LIBS scan_decode)
# The tool test runs the real mbus-decode program.
add_dependencies(scan_decode_tests mbus-decode)
target_compile_definitions(scan_decode_tests PRIVATE MBUS_DECODE_PATH="$<TARGET_FILE:mbus-decode>")
