# M-Bus telegram decoding and the meter objects (no Qt Widgets).
add_library(scan_decode STATIC
  decode_vif.cpp
  long_frame.cpp
  mbus_texts.cpp
  slave_lists.cpp
  telegram_decoder.cpp
  telegram_report.cpp
  time_point.cpp
  value_text.cpp
  vif_tables.cpp)
target_include_directories(scan_decode PUBLIC ${PROJECT_SOURCE_DIR}/src)
# The value texts follow the process format settings of the controls' painting base.
target_link_libraries(scan_decode PUBLIC controls_paint Qt6::Core)
