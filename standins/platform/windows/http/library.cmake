# cpp-httplib's header from Debian's source package, installed by the cross
# build's third-party step without TLS or compression; it brings Winsock.
if(NOT TARGET quillora_http)
  find_package(httplib CONFIG REQUIRED)
  # Its package links cryptui for TLS certificates, which a build without
  # TLS never uses and 32-bit MinGW has no import library for.
  get_target_property(httplib_libraries httplib::httplib INTERFACE_LINK_LIBRARIES)
  list(FILTER httplib_libraries EXCLUDE REGEX "cryptui")
  set_target_properties(httplib::httplib PROPERTIES INTERFACE_LINK_LIBRARIES "${httplib_libraries}")
  add_library(quillora_http INTERFACE)
  target_link_libraries(quillora_http INTERFACE httplib::httplib)
endif()

# platform/exclusive_port.h, compiled into the server that uses it.
set(QUILLORA_EXCLUSIVE_PORT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exclusive_port.cpp)
