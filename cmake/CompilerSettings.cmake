add_compile_options(-Wall -Wextra)
add_compile_definitions(KELVRA_DEVICE_TYPE=${Device_Type} QT_NO_KEYWORDS)
if(KELVRA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
# libFuzzer build: every library carries libFuzzer's coverage hooks and the address and
# undefined-behaviour checks; only the fuzz targets link libFuzzer itself (kelvra_fuzz).
if(KELVRA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "KELVRA_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
# ThreadSanitizer build of the tests that start threads (kelvra_gtest THREADS).
if(KELVRA_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
# The checking builds must fit a CI machine's disk: with full debug information,
# no optimisation and a dynamic relocation per pointer, the statically linked
# AddressSanitizer tests took about 30 GB. Line tables still give a report its
# files and lines; -O1 is what AddressSanitizer is meant to run at; packed
# relative relocations shrink what the sanitizers' many static records need.
if(KELVRA_SANITIZE OR KELVRA_FUZZ OR KELVRA_TSAN)
  add_compile_options(-g1)
  include(CheckLinkerFlag)
  check_linker_flag(CXX "-Wl,-z,pack-relative-relocs" KELVRA_LINKER_PACKS_RELOCS)
  if(KELVRA_LINKER_PACKS_RELOCS)
    add_link_options(-Wl,-z,pack-relative-relocs)
  endif()
endif()
if(KELVRA_SANITIZE)
  add_compile_options(-O1)
endif()
if(KELVRA_SANITIZE AND (KELVRA_FUZZ OR KELVRA_TSAN))
  message(FATAL_ERROR "KELVRA_SANITIZE, KELVRA_FUZZ and KELVRA_TSAN are separate builds")
endif()

# Every test that starts threads is built and run by the ThreadSanitizer build
# (scripts/test.sh --tsan): `ctest -L threads` after building `thread_tests`. A test
# marks itself with THREADS; a test named *_tsan, a ThreadSanitizer variant, is marked
# by its name.
add_custom_target(thread_tests)

# Registers a GoogleTest executable; each test case becomes one ctest entry.
# THREADS marks a test that starts threads, for the ThreadSanitizer build.
function(kelvra_gtest name)
  cmake_parse_arguments(ARG "THREADS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support GTest::gtest GTest::gtest_main)
  if(name MATCHES "_tsan$")
    set(ARG_THREADS ON)
  endif()
  # One environment variable only: a list here would be cut at its first ";". Test
  # data are found through KELVRA_TESTDATA_DIR, compiled into test_support.
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(ARG_THREADS)
    add_dependencies(thread_tests ${name})
    list(APPEND properties LABELS threads)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()

# Registers a QtTest executable (windows and controls, run offscreen).
# THREADS as for kelvra_gtest.
function(kelvra_qtest name)
  cmake_parse_arguments(ARG "THREADS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KELVRA_TESTDATA=${PROJECT_SOURCE_DIR}/tests/data;KELVRA_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  if(ARG_THREADS OR name MATCHES "_tsan$")
    add_dependencies(thread_tests ${name})
    set_tests_properties(${name} PROPERTIES LABELS threads)
  endif()
endfunction()
include(GoogleTest)
