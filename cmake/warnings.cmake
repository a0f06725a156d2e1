# Warnings as errors on the project's own targets.
function(quillora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
