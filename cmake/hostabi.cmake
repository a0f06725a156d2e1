# The boundary with the host's API library, which MSVC built: code that calls
# it is compiled by clang in MSVC mode for this build's architecture, and its
# COFF objects link into the MinGW module as they are.
#
#   hostabi_msvc_object(name SOURCES files... [OPTIONS flags...])
#     Compiles each source (relative to the calling folder) into
#     <binary dir>/<name>/<source>.obj and makes <name> an imported object
#     library of them: target_link_libraries(module PRIVATE <name>). The code is
#     freestanding, optimised (-O2),
#     with the project root as its include root; OPTIONS come last.
#     What freestanding MSVC-mode code must bring itself: _fltused once it uses
#     floating point, _purecall once an abstract class's vtable is emitted; and
#     no namespace-scope object with a non-trivial destructor (that needs atexit).
#     MinGW's ld does not read these objects' __declspec(dllexport) (MSVC's
#     /EXPORT: directives): the module's exports are declared on the MinGW side.
#
#   hostabi_check_imports(test_name module_target)
#     A test that fails for every name the module imports from OBSApi.dll that
#     the architecture's .def does not list.
#
# HOSTABI_DEF is that .def; the target obsapi_imports links its import library
# (module/host_abi/CMakeLists.txt).

find_program(HOSTABI_CLANG clang++ REQUIRED)
find_program(HOSTABI_DLLTOOL llvm-dlltool REQUIRED)
find_program(HOSTABI_NM llvm-nm REQUIRED)
find_program(HOSTABI_OBJDUMP llvm-objdump REQUIRED)
find_program(HOSTABI_READOBJ llvm-readobj REQUIRED)
find_program(HOSTABI_UNDNAME llvm-undname REQUIRED)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
  set(HOSTABI_ARCH x86)
  set(HOSTABI_TRIPLE i686-pc-windows-msvc)
  set(HOSTABI_DLLTOOL_MACHINE i386)
else()
  set(HOSTABI_ARCH x64)
  set(HOSTABI_TRIPLE x86_64-pc-windows-msvc)
  set(HOSTABI_DLLTOOL_MACHINE i386:x86-64)
endif()
set(HOSTABI_DEF ${PROJECT_SOURCE_DIR}/module/host_abi/obsapi-${HOSTABI_ARCH}.def)

# No C++ exceptions or RTTI (neither may cross the host's frames), no
# thread-safe statics (the CRT's guard functions) and no system headers.
set(HOSTABI_CLANG_FLAGS
  --target=${HOSTABI_TRIPLE} -std=c++20 -O2
  -ffreestanding -nostdlibinc -fms-extensions -fno-exceptions -fno-rtti -fno-threadsafe-statics
  -Wall -Wextra -Werror)

function(hostabi_msvc_object name)
  cmake_parse_arguments(ARG "" "" "SOURCES;OPTIONS" ${ARGN})
  set(objects)
  foreach(source IN LISTS ARG_SOURCES)
    get_filename_component(source_path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    file(RELATIVE_PATH relative ${CMAKE_CURRENT_SOURCE_DIR} ${source_path})
    set(object ${CMAKE_CURRENT_BINARY_DIR}/${name}/${relative}.obj)
    get_filename_component(object_dir ${object} DIRECTORY)
    file(MAKE_DIRECTORY ${object_dir})
    add_custom_command(OUTPUT ${object}
      COMMAND ${HOSTABI_CLANG} ${HOSTABI_CLANG_FLAGS} -I${PROJECT_SOURCE_DIR} ${ARG_OPTIONS}
              -MD -MF ${object}.d -c ${source_path} -o ${object}
      DEPENDS ${source_path}
      DEPFILE ${object}.d
      COMMENT "clang (${HOSTABI_TRIPLE}) ${relative}"
      VERBATIM)
    list(APPEND objects ${object})
  endforeach()
  add_custom_target(${name}_objects ALL DEPENDS ${objects})
  add_library(${name} OBJECT IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_OBJECTS "${objects}")
  add_dependencies(${name} ${name}_objects)
endfunction()

function(hostabi_check_imports test_name module_target)
  add_test(NAME ${test_name}
    COMMAND ${CMAKE_COMMAND} -DREADOBJ=${HOSTABI_READOBJ} -DMODULE=$<TARGET_FILE:${module_target}>
            -DDEF=${HOSTABI_DEF} -P ${PROJECT_SOURCE_DIR}/cmake/check_host_imports.cmake)
endfunction()
