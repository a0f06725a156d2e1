# cmake -DNM=... -DMODULE=... -P check_exports.cmake
# The plug-in module exports its four entry points and nothing else.

execute_process(COMMAND ${NM} -D --defined-only ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} -D ${MODULE} failed")
endif()
# Code and data symbols only: the version node the linker adds is no export.
string(REGEX MATCHALL "[0-9a-f]+ [TDBRW] [^\n]+" entries "${dump}")
list(TRANSFORM entries REPLACE "^[0-9a-f]+ [TDBRW] " "")
list(SORT entries)
set(expected GetPluginDescription GetPluginName LoadPlugin UnloadPlugin)
if(NOT entries STREQUAL expected)
  message(FATAL_ERROR "exports are '${entries}', expected exactly '${expected}'")
endif()
message(STATUS "exports: ${entries}")
