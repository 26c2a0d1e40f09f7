# Application shell windows: the main window and the configuration dialogs.
add_library(shell_ui STATIC
  main_window.cpp
  new_project.cpp
  open_conf.cpp
  shell_glyphs.cpp
  shell_look.cpp
  title_panel.cpp)
target_link_libraries(shell_ui PUBLIC shell_logic platform_ui controls)
