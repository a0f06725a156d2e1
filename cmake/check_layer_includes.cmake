# cmake -DROOT=<repository root> [-DMANIFEST=<build>/link_manifest.cmake]
#       -P check_layer_includes.cmake
# Fails when a file of one of the plug-in's layers (module/) includes a
# header of a layer above its own, or anything beside the module: the
# stand-ins (standins/), the tools, the benchmark, the tests.
# With MANIFEST (the build's targets, cmake/link_manifest.cmake), it also
# fails when a file of a target in those folders includes a header of a
# library that the target does not link.

cmake_minimum_required(VERSION 3.25)

# The one list of the layers, lowest first, each with its folders: the host
# layer is the host API the plug-in is written against and, on Windows, its
# binding to the host's own library.
set(layer_folders
  module/platform platform
  module/host_api host
  module/host_abi host
  module/bridge bridge
  module/bindings bindings
  module/scene_source scene_source
  module/plugin plugin
)
set(layers platform host bridge bindings scene_source plugin)
# Folders beside the module; no layer may depend on them.
set(outside standins tools bench tests)

# The library each header belongs to where its folder does not tell: the
# interfaces in module/platform/ and the private headers of both sides'
# window system (module/platform/common/), which quillora_win32 provides and
# on Windows the pass-throughs behind it implement; module/host_api/, of
# quillora_host, which the host binding implements on Windows (alternatives
# are joined by "|": owning or linking any of them will do); and the
# settings table of bridge/, a library of its own for the companion to share.
# Any other header belongs to the target that compiles the .cpp of its name
# beside it, or else the one target that compiles any file in its folder.
set(providers
  module/platform/win32_handles.h win32_handles
  module/platform/clr_hosting.h clr_hosting
  module/platform/system.h platform_system
  module/platform/win32.h quillora_win32|win32_passthrough
  module/platform/gdiplus.h quillora_win32|win32_passthrough
  module/platform/gdiplus_operations.h quillora_win32|win32_passthrough
  module/platform/gdiplus_lock.h quillora_win32|win32_passthrough
  module/platform/common/ quillora_win32|win32_passthrough
  module/host_api/ quillora_host|host_binding
  module/bridge/line_settings.h line_settings
)

# The layer a path (file or include) belongs to: its layer's name, the
# top folder of what is beside the module, or "" for neither.
function(layer_of path out)
  set(table ${layer_folders})
  while(table)
    list(POP_FRONT table folder layer)
    string(FIND "${path}" "${folder}/" at)
    if(at EQUAL 0)
      set(${out} ${layer} PARENT_SCOPE)
      return()
    endif()
  endwhile()
  string(REGEX MATCH "^[^/]+" top "${path}")
  if(top IN_LIST outside)
    set(${out} ${top} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# The project headers `file` includes, as "line|header" items.
function(includes_of file out)
  file(READ ${ROOT}/${file} text)
  # One list element per line: brackets and semicolons would split or join
  # elements, and no include path holds them.
  string(REGEX REPLACE "[][;]" "_" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  set(found "")
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+/[^\"]+)\"")
      list(APPEND found "${number}|${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

if(DEFINED MANIFEST)
  include(${MANIFEST})

  # The targets that compile `path` (a .cpp), or own it (a header).
  function(targets_of path out)
    set(owners "")
    if(NOT path MATCHES "\\.h$")
      foreach(target IN LISTS manifest_targets)
        if(path IN_LIST sources_of_${target})
          list(APPEND owners ${target})
        endif()
      endforeach()
      set(${out} ${owners} PARENT_SCOPE)
      return()
    endif()
    set(table ${providers})
    while(table)
      list(POP_FRONT table prefix provider)
      string(FIND "${path}" "${prefix}" at)
      if(at EQUAL 0 AND (path STREQUAL prefix OR prefix MATCHES "/$"))
        set(${out} ${provider} PARENT_SCOPE)
        return()
      endif()
    endwhile()
    string(REGEX REPLACE "\\.h$" ".cpp" beside "${path}")
    targets_of(${beside} owners)
    if(NOT owners)
      cmake_path(GET path PARENT_PATH folder)
      foreach(target IN LISTS manifest_targets)
        foreach(source IN LISTS sources_of_${target})
          cmake_path(GET source PARENT_PATH source_folder)
          if(source_folder STREQUAL folder)
            list(APPEND owners ${target})
            break()
          endif()
        endforeach()
      endforeach()
      list(LENGTH owners count)
      if(NOT count EQUAL 1)
        set(owners "")
      endif()
    endif()
    set(${out} ${owners} PARENT_SCOPE)
  endfunction()

  # What `target` links: its direct links and, through interface libraries,
  # what those stand for.
  function(linked_by target out)
    set(linked "")
    set(pending ${links_of_${target}})
    while(pending)
      list(POP_FRONT pending link)
      if(link IN_LIST linked)
        continue()
      endif()
      list(APPEND linked ${link})
      if(type_of_${link} STREQUAL "INTERFACE_LIBRARY")
        list(APPEND pending ${links_of_${link}})
      endif()
    endwhile()
    set(${out} ${linked} PARENT_SCOPE)
  endfunction()
endif()

# Where `header`, included from `file` (of `own` layer) at `number`, breaks a
# rule: appended to `failures`.
function(check_include file own number header)
  set(found ${failures})
  layer_of(${header} target)
  if(NOT target STREQUAL "")
    list(FIND layers ${own} own_rank)
    list(FIND layers ${target} target_rank)
    if(target_rank EQUAL -1 OR target_rank GREATER own_rank)
      list(APPEND found "${file}:${number}: includes \"${header}\" of ${target}, which ${own} must not depend on")
    endif()
  endif()
  if(DEFINED MANIFEST)
    targets_of(${file} owners)
    targets_of(${header} providers_of_header)
    foreach(owner IN LISTS owners)
      # A header's owner may be alternatives too: what either links will do.
      string(REPLACE "|" ";" owner_alternatives "${owner}")
      set(linked ${owner_alternatives})
      foreach(owner_alternative IN LISTS owner_alternatives)
        linked_by(${owner_alternative} more)
        list(APPEND linked ${more})
      endforeach()
      foreach(provider IN LISTS providers_of_header)
        string(REPLACE "|" ";" alternatives "${provider}")
        set(reached FALSE)
        if(provider STREQUAL owner)
          set(reached TRUE)
        endif()
        foreach(alternative IN LISTS alternatives)
          if(alternative IN_LIST linked)
            set(reached TRUE)
          endif()
        endforeach()
        if(NOT reached)
          list(GET alternatives 0 first)
          list(APPEND found "${file}:${number}: includes \"${header}\" of ${first}, which ${owner} does not link")
        endif()
      endforeach()
    endforeach()
  endif()
  set(failures ${found} PARENT_SCOPE)
endfunction()

set(failures "")
set(table ${layer_folders})
while(table)
  list(POP_FRONT table folder layer)
  file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    layer_of(${file} own)
    includes_of(${file} includes)
    foreach(include IN LISTS includes)
      string(REGEX REPLACE "\\|.*" "" number "${include}")
      string(REGEX REPLACE "^[0-9]+\\|" "" header "${include}")
      check_include(${file} ${own} ${number} ${header})
    endforeach()
  endforeach()
endwhile()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "Includes across layers or of unlinked libraries (layers, lowest first: ${layers}):\n${report}")
endif()
message(STATUS "No upward includes among ${layers}, and every included library is linked")
