kelvra_gtest(controls_paint_tests
  SOURCES tcolor_test.cpp format_settings_test.cpp tab_strip_layout_test.cpp
  LIBS controls_paint)
kelvra_qtest(zb_button_tests
  SOURCES zb_button_test.cpp
  LIBS controls)
# Not a test: a window of the controls to look at.
add_executable(controls_gallery controls_gallery.cpp)
target_link_libraries(controls_gallery PRIVATE controls)
kelvra_qtest(canvas_tests
  SOURCES canvas_test.cpp
  LIBS controls_paint)
kelvra_qtest(page_control_tests
  SOURCES page_control_test.cpp
  LIBS controls)
