# The string grid's keys beyond the plain moves and its scroll bar behaviour:
# member functions of TZadIrururOziz, so they join grid_widget, which a
# fragment read after this one defines.
function(grid_input_sources)
  target_sources(grid_widget PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/grid_input_keys.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/proportional_scroll.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/grid_scroll_hints.cpp)
endfunction()
cmake_language(DEFER CALL grid_input_sources)
