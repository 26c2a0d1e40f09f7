# The platform grid on QAbstractScrollArea and the grids built on it.
add_library(grid_widget STATIC
  base_grid.cpp
  cell_graphic.cpp
  grid_cell_objects.cpp
  grid_dimensions.cpp
  grid_hidden.cpp
  grid_keyboard.cpp
  grid_row_ops.cpp
  grid_selection.cpp
  platform_grid.cpp
  zad_irurur_oziz.cpp)
target_link_libraries(grid_widget PUBLIC grid_store Qt6::Widgets)

# The painting members of TZadIrururOziz are written by the grid painting work
# in files of their own (see zad_irurur_oziz.h); they belong to this library
# because the class does. Each is taken once it exists.
file(GLOB zad_paint_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/zad_grid_paint.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/cell_text_drawing.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/cell_object_drawing.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/cell_alignment.cpp)
if(zad_paint_sources)
  target_sources(grid_widget PRIVATE ${zad_paint_sources})
  target_link_libraries(grid_widget PUBLIC grid_draw grid_cell_painter dropdown_paint)
endif()
