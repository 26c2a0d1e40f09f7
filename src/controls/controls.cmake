# Painting base of the system's own controls (no Qt Widgets): colours, the
# canvas with the controls' pixel rules, the process format settings.
add_library(controls_paint STATIC
  canvas.cpp
  draw_gradient.cpp
  tab_strip_layout.cpp
  zb_button_face.cpp
  zb_glyphs.cpp
  format_settings.cpp
  tcolor.cpp)
target_link_libraries(controls_paint PUBLIC platform_core Qt6::Gui)

# The system's own widgets: styled push button, page control.
add_library(controls STATIC
  page_control.cpp
  page_control_paint.cpp
  tab_sheet.cpp
  zb_button.cpp)
target_link_libraries(controls PUBLIC controls_paint Qt6::Widgets)
