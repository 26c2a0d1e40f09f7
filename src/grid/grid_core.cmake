# Grid cell store and the grid's helpers without Qt Widgets: texts and
# properties per cell, merged cells, text/number/date helpers, the grid's
# lists and option groups.
add_library(grid_store STATIC
  cell_properties.cpp
  cell_store.cpp
  control_list.cpp
  file_picture.cpp
  grid_options.cpp
  int_list.cpp
  text_helpers.cpp)
target_link_libraries(grid_store PUBLIC controls_paint Qt6::Gui)
