# A window to look at the track bar, memo and calculator drop-downs under X
# (not a test); the comment at the top of the source says how.
add_executable(value_dropdowns_gallery gallery/value_dropdowns_gallery.cpp)
target_link_libraries(value_dropdowns_gallery PRIVATE dropdown_trackbar dropdown_memo dropdown_calculator grid_theme_ui
                                               Qt6::Widgets)
