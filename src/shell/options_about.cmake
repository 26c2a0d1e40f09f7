# The Software Options and About windows, and the language list behind them.
add_library(shell_options_logic STATIC language_list.cpp)
target_link_libraries(shell_options_logic PUBLIC shell_core)
add_library(shell_options STATIC soft_options.cpp about_window.cpp)
target_link_libraries(shell_options PUBLIC shell_options_logic shell_version shell_ui controls)
