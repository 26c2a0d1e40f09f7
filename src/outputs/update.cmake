# What the Update Device window hands to the updaters, and the ping (no Qt Widgets).
add_library(outputs_update STATIC update_parameters.cpp device_ping.cpp)
target_link_libraries(outputs_update PUBLIC shell_core platform_core)
