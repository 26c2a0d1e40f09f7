# A window to look at the colour picker's four styles under X (not a test);
# the comment at the top of the source says how.
add_executable(color_picker_gallery gallery/color_picker_gallery.cpp)
target_link_libraries(color_picker_gallery PRIVATE dropdown_colorpicker grid_theme_ui Qt6::Widgets)
