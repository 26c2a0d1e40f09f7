# A window to look at the popup bars and the item selector under X (not a
# test); the comment at the top of gallery/dropdown_gallery.cpp says how.
add_executable(dropdown_gallery gallery/dropdown_gallery.cpp gallery/gallery_bars.cpp)
target_include_directories(dropdown_gallery PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
# The bars' drop-down is linked from wherever it is built.
target_link_libraries(dropdown_gallery PRIVATE dropdown_buttons $<TARGET_NAME_IF_EXISTS:dropdown_edit> dropdown_selector
                                               Qt6::Widgets)
