# The column grid (column items, their collection and TZadColumnGrid), and
# the string grid's column and row sizing, measuring, check-box, radio,
# button and image cells and cell hints. The latter are members of
# TZadIrururOziz and join its library, defined by a fragment read later.
add_library(column_grid STATIC
  grid_column_collection.cpp
  grid_column_item.cpp
  grid_column_stream.cpp
  zad_column_grid.cpp)
target_link_libraries(column_grid PUBLIC grid_widget)

function(column_grid_core_sources)
  target_sources(grid_widget PRIVATE
    ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/cell_hints.cpp
    ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/cell_measure.cpp
    ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/check_box_cells.cpp
    ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/grid_auto_size.cpp
    ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/image_cells.cpp)
endfunction()
cmake_language(DEFER CALL column_grid_core_sources)
