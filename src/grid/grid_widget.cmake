# The platform grid on QAbstractScrollArea and the grids built on it.
add_library(grid_widget STATIC
  base_grid.cpp
  platform_grid.cpp)
target_link_libraries(grid_widget PUBLIC grid_store Qt6::Widgets)
