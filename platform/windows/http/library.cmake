# cpp-httplib's header from Debian's source package, installed by the cross
# build's third-party step without TLS or compression; it brings Winsock.
if(NOT TARGET quillora_http)
  find_package(httplib CONFIG REQUIRED)
  add_library(quillora_http INTERFACE)
  target_link_libraries(quillora_http INTERFACE httplib::httplib)
endif()
