# Wireless M-Bus: frame decoding and decryption (no Qt Widgets).
add_library(scan_wireless STATIC
  wireless_frame_decoder.cpp
  wmbus_crypto.cpp
  wmbus_readability.cpp
  wmbus_security.cpp
  wireless_scan_machine.cpp)
target_include_directories(scan_wireless PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(scan_wireless PUBLIC scan_decode OpenSSL::Crypto)
