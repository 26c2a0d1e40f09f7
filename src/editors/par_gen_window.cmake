# Communication settings: the checks and byte counts (no Qt Widgets), and the
# "Set Communication" and "New Node ID" windows over them.
add_library(editors_logic STATIC
  auto_byte_count.cpp
  byte_budget.cpp
  new_node_id_check.cpp
  par_gen_checks.cpp)
target_link_libraries(editors_logic PUBLIC editors_files)

add_library(editors_ui STATIC
  new_id_node.cpp
  par_gen_controls.cpp
  par_gen_window.cpp)
target_link_libraries(editors_ui PUBLIC editors_logic shell_ui)
