# platform/terminal.h, compiled into the programs that use it.
set(QUILLORA_TERMINAL_SOURCES ${CMAKE_CURRENT_LIST_DIR}/stderr_is_console.cpp)
