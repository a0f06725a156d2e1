# cmake -DREADOBJ=llvm-readobj -DMODULE=file.dll -DDEF=obsapi-<arch>.def -P check_host_imports.cmake
# The module imports from OBSApi.dll only names the .def lists, and none by
# ordinal: anything else would not resolve in the host's library.

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/hostabi_def.cmake)

hostabi_read_def(${DEF} def)
get_filename_component(module ${MODULE} NAME)
get_filename_component(def ${DEF} NAME)

hostabi_tool_lines(lines ${MODULE} ${READOBJ} --coff-imports ${MODULE})

set(errors "")
set(count 0)
set(from_host FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^  Name: (.+)$")
    string(TOLOWER "${CMAKE_MATCH_1}" dll)
    set(from_host FALSE)
    if(dll STREQUAL "obsapi.dll")
      set(from_host TRUE)
    endif()
  elseif(from_host AND line MATCHES "^  Symbol: (.*) \\(([0-9]+)\\)$")
    math(EXPR count "${count} + 1")
    if(CMAKE_MATCH_1 STREQUAL "")
      string(APPEND errors "  ${module}: imports ordinal ${CMAKE_MATCH_2} from OBSApi.dll, not a name\n")
    elseif(NOT CMAKE_MATCH_1 IN_LIST def_names)
      string(APPEND errors "  ${module}: imports ${CMAKE_MATCH_1} from OBSApi.dll, which ${def} does not list\n")
    endif()
  endif()
endforeach()
if(errors)
  message(FATAL_ERROR "Imports from OBSApi.dll outside the host ABI's .def:\n${errors}")
endif()
message(STATUS "${module}: ${count} imports from OBSApi.dll, all listed in ${def}")
