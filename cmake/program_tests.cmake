# How CTest runs the build's programs: on Linux as they are; in the cross
# build for Windows under Wine, through scripts/wine-loader.sh with the
# loader of the build's architecture.
#
# A machine that cannot execute 32-bit programs cannot run the x86 build's:
# there every program test reports a skip, with the reason, while the checks
# that need no Wine (export and import tables, the layout checks the build
# compiles) run as usual. scripts/can-execute-i386.sh answers that; its
# answer comes from the environment (QUILLORA_CAN_EXECUTE_I386=yes|no, so
# that scripts/test-windows.sh probes once for a whole run) or from running
# it here.

set(QUILLORA_PROGRAMS_RUN ON)
set(QUILLORA_PROGRAMS_SKIPPED_BECAUSE "x86 suite not run: this machine cannot execute 32-bit programs")

function(quillora_can_execute_i386 out)
  if(DEFINED ENV{QUILLORA_CAN_EXECUTE_I386})
    set(answer "$ENV{QUILLORA_CAN_EXECUTE_I386}")
  else()
    execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/can-execute-i386.sh RESULT_VARIABLE probe)
    if(probe EQUAL 0)
      set(answer yes)
    elseif(probe EQUAL 1)
      set(answer no)
    else()
      message(FATAL_ERROR "scripts/can-execute-i386.sh: ${probe}")
    endif()
  endif()
  if(NOT answer MATCHES "^(yes|no)$")
    message(FATAL_ERROR "QUILLORA_CAN_EXECUTE_I386 is yes or no, not '${answer}'")
  endif()
  set(${out} ${answer} PARENT_SCOPE)
endfunction()

if(CMAKE_CROSSCOMPILING)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
    set(QUILLORA_WINDOWS_ARCH x86)
    quillora_can_execute_i386(can_execute)
    if(can_execute STREQUAL "no")
      set(QUILLORA_PROGRAMS_RUN OFF)
    endif()
  else()
    set(QUILLORA_WINDOWS_ARCH x64)
  endif()

  if(QUILLORA_PROGRAMS_RUN)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-loader.sh ${QUILLORA_WINDOWS_ARCH})
  else()
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/skip-test.sh "${QUILLORA_PROGRAMS_SKIPPED_BECAUSE}")
    message(STATUS "${QUILLORA_PROGRAMS_SKIPPED_BECAUSE}")
  endif()
endif()

# quillora_program_test(name COMMAND target args... [WORKING_DIRECTORY dir]):
# add_test for a program of this build, reported as skipped where the
# machine cannot run it.
function(quillora_program_test name)
  add_test(NAME ${name} ${ARGN})
  if(NOT QUILLORA_PROGRAMS_RUN)
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
  endif()
endfunction()
