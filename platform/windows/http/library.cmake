# cpp-httplib's header from Debian's source package, installed by the cross
# build's third-party step without TLS or compression; it brings Winsock.
if(NOT TARGET quillora_http)
  find_package(httplib CONFIG REQUIRED)
  add_library(quillora_http INTERFACE)
  target_link_libraries(quillora_http INTERFACE httplib::httplib)
endif()

# platform/exclusive_port.h, compiled into the server that uses it.
set(QUILLORA_EXCLUSIVE_PORT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exclusive_port.cpp)
