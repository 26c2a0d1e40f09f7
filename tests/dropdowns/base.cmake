# The drop-downs' helpers, bars and buttons (mirrors src/dropdowns/base).
add_subdirectory(base)
