# Grid painting: style vocabulary and Office theme detection, the theme
# facade, drawing primitives and the base cell painter. No Qt Widgets here but
# for the widget-style theme backend (grid_theme_ui).
add_library(grid_theme STATIC
  handle_list.cpp
  office_theme.cpp
  registry_ini.cpp
  theme_api.cpp
  theme_notifier.cpp)
target_include_directories(grid_theme PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(grid_theme PUBLIC shell_core platform_core Qt6::Core Qt6::Gui)

add_library(grid_draw STATIC
  bitmap_paint.cpp
  canvas_shapes.cpp
  cell_shape.cpp
  classic_frames.cpp
  color_math.cpp
  error_marker.cpp
  glyph_paint.cpp
  gradient_paint.cpp
  layered_window.cpp
  progress_paint.cpp)
target_link_libraries(grid_draw PUBLIC grid_theme controls_paint Qt6::Gui)

# The widget style as the theme library's backend (the one part here that
# links Qt Widgets).
add_library(grid_theme_ui STATIC qstyle_theme_backend.cpp)
target_link_libraries(grid_theme_ui PUBLIC grid_theme Qt6::Widgets)

# The cell painter of TBaseGrid (the grid is a widget, so this links them).
add_library(grid_cell_painter STATIC base_cell_painter.cpp)
target_link_libraries(grid_cell_painter PUBLIC grid_widget grid_draw)
