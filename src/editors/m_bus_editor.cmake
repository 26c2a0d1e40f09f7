# M-Bus network editor: the editing operations and their checks over the
# network model (no Qt Widgets), and the "M-Bus Network" window over them.
add_library(m_bus_editor_logic STATIC
  m_bus_network_editor.cpp
  m_bus_node_entry.cpp
  m_bus_tree_labels.cpp
  m_bus_variable_entry.cpp)
target_link_libraries(m_bus_editor_logic PUBLIC editors_logic)

add_library(m_bus_editor_ui STATIC
  meter_bus_controls.cpp
  meter_bus_window.cpp
  wide_combo_box.cpp)
target_link_libraries(m_bus_editor_ui PUBLIC m_bus_editor_logic editors_ui editors_address_map controls)
