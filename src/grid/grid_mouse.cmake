# Mouse clicks of the string grid (press, release, double and right clicks,
# cell-control hits): member functions of TZadIrururOziz, so they join
# grid_widget, which a fragment read after this one defines.
function(grid_mouse_sources)
  target_sources(grid_widget PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/grid_mouse.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/grid_mouse_release.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/grid_mouse_clicks.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/grid_mouse_cells.cpp)
endfunction()
cmake_language(DEFER CALL grid_mouse_sources)
