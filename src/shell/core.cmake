# Application shell logic (no Qt Widgets).
add_library(shell_core STATIC
  device_profile.cpp
  globals.cpp
  lang_default_texts.cpp
  lang_table.cpp
  number_entry.cpp)
target_link_libraries(shell_core PUBLIC platform_core)
