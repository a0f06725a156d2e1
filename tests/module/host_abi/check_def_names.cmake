# cmake -DUNDNAME=llvm-undname -DNM=llvm-nm -DDEF=obsapi-<arch>.def -DPROBES="a.obj;b.obj"
#       -P check_def_names.cmake
# Each .def entry's comment is what llvm-undname makes of its name, and it is
# DATA exactly when that is a variable; and the .def's names are exactly what
# each probe object, which uses every declaration the module may call,
# imports: a wrong declaration or a wrong entry shows as a name on one side.

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../../cmake/hostabi_def.cmake)

hostabi_read_def(${DEF} def)
get_filename_component(def ${DEF} NAME)
set(errors "")

foreach(name text is_data line IN ZIP_LISTS def_names def_texts def_data def_lines)
  execute_process(COMMAND ${UNDNAME} ${name} OUTPUT_VARIABLE out)
  string(REGEX MATCH "\n([^\n]*)" undecorated "${out}")
  set(undecorated "${CMAKE_MATCH_1}")
  if(NOT undecorated STREQUAL text)
    string(APPEND errors "  ${def}:${line}: ${name} is '${undecorated}', the comment says '${text}'\n")
  endif()
  if(is_data AND undecorated MATCHES "\\(")
    string(APPEND errors "  ${def}:${line}: ${name} is a function, but marked DATA\n")
  elseif(NOT is_data AND NOT undecorated MATCHES "\\(")
    string(APPEND errors "  ${def}:${line}: ${name} is a variable: mark it DATA\n")
  endif()
endforeach()

foreach(probe IN LISTS PROBES)
  # The object's folder names its build (hostabi_msvc_object).
  get_filename_component(probe_dir ${probe} DIRECTORY)
  get_filename_component(probe_dir ${probe_dir} NAME)
  get_filename_component(probe_name ${probe} NAME)
  set(probe_name ${probe_dir}/${probe_name})
  execute_process(COMMAND ${NM} -u ${probe} OUTPUT_VARIABLE out RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${probe_name}: ${NM} -u failed")
  endif()
  string(REGEX MATCHALL "__imp_[^\n]+" imports "${out}")
  list(TRANSFORM imports REPLACE "^__imp_" "")
  foreach(name line IN ZIP_LISTS def_names def_lines)
    if(NOT name IN_LIST imports)
      string(APPEND errors "  ${def}:${line}: ${name} is not what module/host_abi/obsapi.h declares (${probe_name} does not import it)\n")
    endif()
  endforeach()
  foreach(name IN LISTS imports)
    if(NOT name IN_LIST def_names)
      execute_process(COMMAND ${UNDNAME} ${name} OUTPUT_VARIABLE out)
      string(REGEX MATCH "\n([^\n]*)" undecorated "${out}")
      string(APPEND errors "  ${probe_name}: imports ${name} (${CMAKE_MATCH_1}), which ${def} does not list\n")
    endif()
  endforeach()
endforeach()

if(errors)
  message(FATAL_ERROR "The .def against llvm-undname and module/host_abi/obsapi.h:\n${errors}")
endif()
list(LENGTH def_names count)
message(STATUS "${def}: ${count} names, each as its comment says and as the probes import it")
