# The string grid's scroll bars, their flat looks and thin indicators, and
# the scrolling keys: member functions of TZadIrururOziz and two small helpers,
# joining grid_widget, which a fragment read after this one defines.
function(grid_scroll_bars_sources)
  target_sources(grid_widget PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/grid_scroll_bars.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/scroll_control.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/flat_scroll_style.cpp)
endfunction()
cmake_language(DEFER CALL grid_scroll_bars_sources)
