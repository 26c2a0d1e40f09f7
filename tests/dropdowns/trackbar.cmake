# The track bar drop-down (mirrors src/dropdowns/trackbar).
kelvra_qtest(dropdown_trackbar_tests
  SOURCES trackbar/zad_track_bar_drop_down_test.cpp
  LIBS dropdown_trackbar)
