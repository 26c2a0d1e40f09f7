# Description files of the gateway: EDS (CANopen), GSD (PROFIBUS) and GSDML
# (PROFINET) writers (no Qt Widgets) ...
add_library(outputs_descriptions STATIC eds_writer.cpp gsd_writer.cpp gsdml_writer.cpp)
target_link_libraries(outputs_descriptions PUBLIC editors_files shell_core platform_core)

# ... and the main window's steps around them with the GSDML file-name dialog.
add_library(outputs_descriptions_ui STATIC description_steps.cpp profinet_file_name.cpp)
target_link_libraries(outputs_descriptions_ui PUBLIC outputs_descriptions shell_ui platform_ui controls)
