# Application shell logic that needs no windows: settings file, configuration
# folders and documents, step layout and the small shared routines.
add_library(shell_logic STATIC
  com_ports.cpp
  config_folders.cpp
  hardware_type.cpp
  ip_address.cpp
  program_starter.cpp
  settings_file.cpp
  step_layout.cpp
  text_trim.cpp)
target_link_libraries(shell_logic PUBLIC shell_core editors_files Threads::Threads)
