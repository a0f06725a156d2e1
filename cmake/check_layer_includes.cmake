# cmake -DROOT=<repository root> -P check_layer_includes.cmake
# Fails when a file of one of the plug-in's layers includes a header of a
# layer above its own, or of a program beside the plug-in. The one list of
# the layers, lowest first; each folder holds one layer, and platform/hostapi
# belongs to host/, whose API library it plays.

cmake_minimum_required(VERSION 3.25)

set(layers platform host bridge bindings source plugin)
set(layer_of_platform/hostapi host)
# Programs that load the plug-in; no layer may depend on them.
set(outside companion preview tools bench tests)

# The layer a path (file or include) belongs to, or "" for none.
function(layer_of path out)
  string(REGEX MATCH "^[^/]+/[^/]+" sub "${path}")
  if(DEFINED layer_of_${sub})
    set(${out} ${layer_of_${sub}} PARENT_SCOPE)
    return()
  endif()
  string(REGEX MATCH "^[^/]+" top "${path}")
  if(top IN_LIST layers OR top IN_LIST outside)
    set(${out} ${top} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

set(failures "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
  foreach(file IN LISTS files)
    layer_of(${file} own)
    list(FIND layers ${own} own_rank)
    file(READ ${ROOT}/${file} text)
    # One list element per line: brackets and semicolons would split or join
    # elements, and no include path holds them.
    string(REGEX REPLACE "[][;]" "_" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+/[^\"]+)\"")
        continue()
      endif()
      set(header ${CMAKE_MATCH_1})
      layer_of(${header} target)
      if(target STREQUAL "")
        continue()
      endif()
      list(FIND layers ${target} target_rank)
      if(target_rank EQUAL -1 OR target_rank GREATER own_rank)
        list(APPEND failures "${file}:${number}: includes \"${header}\" of ${target}/, which ${own}/ must not depend on")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "Upward includes (layers, lowest first: ${layers}):\n${report}")
endif()
message(STATUS "No upward includes among ${layers}")
