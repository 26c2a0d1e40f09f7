# Enter advance, type-ahead, Tab traversal and the window-message side of
# the string grid: member functions of TZadIrururOziz, so they join
# grid_widget, which a fragment read after this one defines.
function(grid_advance_sources)
  target_sources(grid_widget PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/grid_messages.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/grid_advance.cpp)
endfunction()
cmake_language(DEFER CALL grid_advance_sources)
