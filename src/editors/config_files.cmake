# Configuration files of a configuration folder (no Qt Widgets).
add_library(editors_files STATIC
  canopen_table_file.cpp
  config_document.cpp
  m_bus_network_file.cpp
  m_bus_lists.cpp
  par_gen_settings.cpp)
target_link_libraries(editors_files PUBLIC shell_core platform_core)
