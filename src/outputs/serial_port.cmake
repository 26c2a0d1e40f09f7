# Serial-port component on termios (no Qt Widgets).
add_library(outputs_serial STATIC
  comm_error.cpp
  comm_event_chars.cpp
  comm_event_thread.cpp
  comm_types.cpp
  custom_comm.cpp)
target_include_directories(outputs_serial PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(outputs_serial PUBLIC Qt6::Core Threads::Threads)
