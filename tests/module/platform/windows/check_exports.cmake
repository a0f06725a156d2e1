# cmake -DOBJDUMP=... -DMODULE=... -P check_exports.cmake
# The plug-in module exports its four entry points, undecorated, and nothing
# else, and imports only what a host provides: the host's API library
# (OBSApi.dll) and system DLLs, no MinGW runtime DLL (it is linked -static).

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} -p ${MODULE} failed")
endif()

string(FIND "${dump}" "[Ordinal/Name Pointer] Table" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${MODULE} has no export table")
endif()
string(SUBSTRING "${dump}" ${start} -1 table)
string(FIND "${table}" "\n\n" end)
string(SUBSTRING "${table}" 0 ${end} table)
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" entries "${table}")
list(TRANSFORM entries REPLACE "^\\[ *[0-9]+\\] " "")
list(SORT entries)
set(expected GetPluginDescription GetPluginName LoadPlugin UnloadPlugin)
if(NOT entries STREQUAL expected)
  message(FATAL_ERROR "exports are '${entries}', expected exactly '${expected}'")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
list(TRANSFORM imports REPLACE "^DLL Name: " "")
set(provided OBSApi.dll KERNEL32.dll USER32.dll GDI32.dll gdiplus.dll msvcrt.dll)
foreach(import IN LISTS imports)
  if(NOT import IN_LIST provided)
    message(FATAL_ERROR "${MODULE} imports ${import}, which a host does not provide (only ${provided})")
  endif()
endforeach()
if(NOT OBSApi.dll IN_LIST imports)
  message(FATAL_ERROR "${MODULE} does not import the host's API library OBSApi.dll: ${imports}")
endif()
message(STATUS "exports: ${entries}; ${imports}")
