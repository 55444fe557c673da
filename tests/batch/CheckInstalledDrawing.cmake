# An installed glimmet-batch finds its drawing program: the project installed into a fresh prefix
# draws an output picture from there, also without /proc, started by a relative name (where the
# system lets the test unmount /proc in a mount namespace of its own, and not under the sanitizers,
# whose runtime needs /proc); without the drawing program, such a run says so and ends with status
# 1, writing nothing. Run as:
# cmake -DBUILD_DIR=... -DSANITIZED=ON|OFF -DPICTURE=... -DWORK_DIR=... -P CheckInstalledDrawing.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "installing failed: ${errors}")
endif()
execute_process(COMMAND "${WORK_DIR}/prefix/bin/glimmet-batch" -q -o "${WORK_DIR}/out.bmp" "${PICTURE}"
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK_DIR}/out.bmp")
  message(FATAL_ERROR "the installed glimmet-batch drew no output picture (status ${result}): ${errors}")
endif()
file(REMOVE "${WORK_DIR}/out.bmp")
execute_process(COMMAND unshare --mount --fork true RESULT_VARIABLE namespaces OUTPUT_QUIET ERROR_QUIET)
if(namespaces EQUAL 0 AND NOT SANITIZED)
  execute_process(COMMAND unshare --mount --fork sh -c "umount -l /proc && exec \"$0\" \"$@\""
                          prefix/bin/glimmet-batch -q -o "${WORK_DIR}/out.bmp" "${PICTURE}"
                  WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT EXISTS "${WORK_DIR}/out.bmp")
    message(FATAL_ERROR "without /proc, glimmet-batch drew no output picture (status ${result}): ${errors}")
  endif()
else()
  message(STATUS "no mount namespace here, or a sanitized build: the run without /proc was not tried")
endif()
file(REMOVE "${WORK_DIR}/prefix/libexec/glimmet/glimmet-batch-draw" "${WORK_DIR}/out.bmp")
execute_process(COMMAND "${WORK_DIR}/prefix/bin/glimmet-batch" -q -o "${WORK_DIR}/out.bmp" "${PICTURE}"
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 1 OR NOT errors MATCHES "cannot start '.*glimmet-batch-draw', which draws the output pictures"
   OR EXISTS "${WORK_DIR}/out.bmp")
  message(FATAL_ERROR "without its drawing program, glimmet-batch gave status ${result}: ${errors}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
