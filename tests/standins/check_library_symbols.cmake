# cmake -DNM=... -DLIBRARIES="a.so;b.so" -P check_library_symbols.cmake
# No shared library of the project defines a GDI+ flat-API (Gdip*) or
# fontconfig (Fc*) function: those are the system libraries' own, and a
# definition here would stand in front of theirs.

foreach(library ${LIBRARIES})
  execute_process(COMMAND ${NM} -D --defined-only ${library} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${NM} -D ${library} failed")
  endif()
  string(REGEX MATCHALL "[0-9a-f]+ [A-Za-z] (Gdip|Fc)[^\n]*" found "${dump}")
  if(found)
    message(FATAL_ERROR "${library} defines ${found}")
  endif()
  message(STATUS "${library}: no Gdip* or Fc* definitions")
endforeach()
