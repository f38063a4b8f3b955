# Our own targets build with warnings as errors; third-party code (GoogleTest) does not.
# CALYX_WARNINGS_AS_ERRORS=OFF keeps the warnings but lets the build go on (the mutation run
# of tests/checks/mutate.py, whose changed sources may warn and still be worth testing).
option(CALYX_WARNINGS_AS_ERRORS "Stop the build of our own targets at a warning" ON)
function(calyx_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(CALYX_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
