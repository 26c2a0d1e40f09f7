# The colour picker drop-down (mirrors src/dropdowns/colorpicker): colour
# texts and panel geometry without a display, the controls offscreen.
kelvra_gtest(dropdown_colorpicker_model_tests
  SOURCES colorpicker/color_value_text_test.cpp colorpicker/panel_geometry_test.cpp
  LIBS dropdown_colorpicker_model)
kelvra_qtest(dropdown_colorpicker_tests
  SOURCES colorpicker/zad_color_picker_drop_down_test.cpp
  LIBS dropdown_colorpicker)
kelvra_qtest(dropdown_color_panels_tests
  SOURCES colorpicker/color_panels_test.cpp
  LIBS dropdown_colorpicker)
