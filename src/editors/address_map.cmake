# The M-Bus editor's address map export and network import (no Qt Widgets).
add_library(editors_address_map STATIC address_map.cpp network_import.cpp)
target_link_libraries(editors_address_map PUBLIC editors_files)
