# The platform grid on QAbstractScrollArea and the grids built on it.
add_library(grid_widget STATIC
  base_grid.cpp
  cell_graphic.cpp
  grid_cell_objects.cpp
  grid_dimensions.cpp
  grid_hidden.cpp
  grid_row_ops.cpp
  platform_grid.cpp
  zad_irurur_oziz.cpp)
target_link_libraries(grid_widget PUBLIC grid_store Qt6::Widgets)
