# The code-page conversion of platform/ansi_code_page.h, compiled into each
# module that needs it: the system's own WideCharToMultiByte.
set(QUILLORA_ANSI_CODE_PAGE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/to_ansi_code_page.cpp)
