# The memo drop-down (mirrors src/dropdowns/memo): the line splitting without
# a display, the control under the offscreen platform.
kelvra_gtest(dropdown_memo_lines_tests
  SOURCES memo/memo_lines_test.cpp
  LIBS dropdown_memo)
kelvra_qtest(dropdown_memo_tests
  SOURCES memo/zad_memo_drop_down_test.cpp
  LIBS dropdown_memo)
