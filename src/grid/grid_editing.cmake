# In-place editing: the character, paste and look-up rules of the text
# editor in a library without widgets, and the editing members of
# TZadIrururOziz with the text editor, which join grid_widget (defined by a
# fragment read after this one).
add_library(grid_edit_filter STATIC edit_char_filter.cpp edit_line_breaks.cpp edit_mask.cpp)
target_link_libraries(grid_edit_filter PUBLIC grid_store Qt6::Core Qt6::Gui)

function(grid_editing_sources)
  target_sources(grid_widget PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/grid_editing.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/zad_inplace_edit.cpp)
  target_link_libraries(grid_widget PUBLIC grid_edit_filter)
endfunction()
cmake_language(DEFER CALL grid_editing_sources)
