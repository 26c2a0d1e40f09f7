add_compile_options(-Wall -Wextra)
add_compile_definitions(KELVRA_DEVICE_TYPE=${Device_Type} QT_NO_KEYWORDS)
if(KELVRA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Registers a GoogleTest executable; each test case becomes one ctest entry.
function(kelvra_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support GTest::gtest GTest::gtest_main)
  # One variable only: a list here would be cut at its first ";". Test data are
  # found through KELVRA_TESTDATA_DIR, compiled into test_support.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Registers a QtTest executable (windows and controls, run offscreen).
function(kelvra_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KELVRA_TESTDATA=${PROJECT_SOURCE_DIR}/tests/data;KELVRA_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
include(GoogleTest)
