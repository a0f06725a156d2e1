# cpp-httplib as Debian ships it: a header and a shared library, built with
# the flags its pkg-config file gives (they change the classes' layout).
if(NOT TARGET quillora_http)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CPP_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
  add_library(quillora_http INTERFACE)
  target_link_libraries(quillora_http INTERFACE PkgConfig::CPP_HTTPLIB)
endif()

# platform/exclusive_port.h, compiled into the server that uses it.
set(QUILLORA_EXCLUSIVE_PORT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exclusive_port.cpp)
