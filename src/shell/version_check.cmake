# New-version query over libcurl (no Qt Widgets).
set(Kelvra_Web_Server "http://www.kelvra.com" CACHE STRING "Scheme and host of the maker's web server")
add_library(shell_version STATIC version_check.cpp)
target_compile_definitions(shell_version PRIVATE KELVRA_WEB_SERVER="${Kelvra_Web_Server}")
target_link_libraries(shell_version PUBLIC shell_core CURL::libcurl)
