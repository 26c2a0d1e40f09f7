kelvra_gtest(scan_wireless_tests
  SOURCES wmbus_crypto_test.cpp wireless_frame_decoder_test.cpp wireless_scan_machine_test.cpp
  LIBS scan_wireless)
