kelvra_gtest(scan_decode_tests
  SOURCES telegram_corpus_test.cpp
  LIBS scan_decode)
