# cmake -DNM=... -DFILE=... -DEXPECT=none|present -P check_fault_hooks.cmake
# Whether FILE (a module or program, with its symbol table) carries the
# test fault hooks: a fault slot, the fault class, or the checks that ask
# them. The shipped module must carry none; a test program has them, which
# shows the check sees them where they are.

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${NM} -C ${FILE} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed ERROR_VARIABLE error)
if(failed OR symbols STREQUAL "")
  message(FATAL_ERROR "${NM} -C ${FILE} gave no symbols: ${error}")
endif()

string(REGEX MATCHALL "[^\n]*(ScheduledFault|FaultSlot|FaultInjected|GdiFaultNow|UnlessInjected)[^\n]*" hooks "${symbols}")
list(LENGTH hooks count)
if(EXPECT STREQUAL "none" AND count GREATER 0)
  list(JOIN hooks "\n  " listed)
  message(FATAL_ERROR "${FILE} carries ${count} fault-hook symbols:\n  ${listed}")
elseif(EXPECT STREQUAL "present" AND count EQUAL 0)
  message(FATAL_ERROR "${FILE} carries no fault-hook symbol; the check would not see them")
endif()
message(STATUS "${FILE}: ${count} fault-hook symbols")
