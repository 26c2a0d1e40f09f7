# Scan engine: scan thread, gateway link (UDP / serial), wired scan and the writers of
# the scan's network file and report (no Qt Widgets).
add_library(scan_engine STATIC
  mbus_frames.cpp
  mbus_scan_decode.cpp
  run_event.cpp
  save_conf_xml.cpp
  scan_clock.cpp
  scan_decode_wired.cpp
  scan_report.cpp
  serial_link.cpp
  udp_server.cpp)
target_include_directories(scan_engine PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(scan_engine PUBLIC scan_decode scan_wireless outputs_serial platform_core Threads::Threads)
