# The string grid's painting: the paint pass and colour precedence, the text
# and object layers of a cell, alignment, shown text and measuring. Those are
# member functions of TZadIrururOziz and join grid_widget there; here the
# colour blending and the plain text of HTML cells they use, and what
# grid_widget needs to link for them.
add_library(grid_blend STATIC blend_color.cpp html_plain_text.cpp)
target_link_libraries(grid_blend PUBLIC controls_paint Qt6::Gui)

# grid_widget is defined by a fragment read after this one.
function(grid_painting2_link)
  target_link_libraries(grid_widget PUBLIC grid_blend shell_core)
endfunction()
cmake_language(DEFER CALL grid_painting2_link)
