# Painting base of the system's own controls (no Qt Widgets): colours, the
# canvas with the controls' pixel rules, the process format settings.
add_library(controls_paint STATIC
  canvas.cpp
  format_settings.cpp
  tcolor.cpp)
target_link_libraries(controls_paint PUBLIC platform_core Qt6::Gui)
