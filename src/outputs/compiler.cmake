# Image compiler: configuration files into the device images (no Qt Widgets).
add_library(outputs_compiler STATIC
  bank_buffer.cpp
  bank_network.cpp
  canopen_compiler.cpp
  canopen_node_image.cpp
  canopen_object_tables.cpp
  canopen_param_record.cpp
  config_reader.cpp
  image_compiler.cpp)
target_link_libraries(outputs_compiler PUBLIC platform_core shell_core)
