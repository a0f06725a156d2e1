# The code-page conversion of platform/ansi_code_page.h, compiled into each
# module that needs it. It reads CP_ACP as the stand-in user32 does.
set(QUILLORA_ANSI_CODE_PAGE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/to_ansi_code_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../win32/ansi_code_page.cpp
)
