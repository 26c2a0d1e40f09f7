# The Update Device window and the run behind its Update button.
add_library(outputs_update_run STATIC update_run.cpp updater_start.cpp)
target_link_libraries(outputs_update_run PUBLIC outputs_update shell_logic)
add_library(outputs_ui STATIC boot_window.cpp)
target_link_libraries(outputs_ui PUBLIC outputs_update_run shell_ui platform_ui controls)
