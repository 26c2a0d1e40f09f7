# Images of the M-Bus gateways with a fieldbus of their own (device types 1 to 5).
target_sources(outputs_compiler PRIVATE
  gateway_compiler.cpp
  gateway_param_record.cpp
  gateway_settings.cpp
  mbus_node_image.cpp
  wmbus_key_table.cpp
  wmbus_node_image.cpp)
