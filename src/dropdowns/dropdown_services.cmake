# What the grid uses of the drop-down controls: the banded gradient of its
# background painters and the editor interface of the drop-downs.
add_library(dropdown_paint STATIC draw_gradient_steps.cpp)
target_include_directories(dropdown_paint PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(dropdown_paint PUBLIC controls_paint Qt6::Gui)

add_library(dropdown_base INTERFACE)
target_link_libraries(dropdown_base INTERFACE grid_theme Qt6::Widgets)
