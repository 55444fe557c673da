# A library reaches only the headers of the libraries it links: the probe, compiled with the engine's
# usage alone, must fail on its pixels/ include, and on nothing else.
# Run as: cmake -DBUILD_DIR=... -P CheckIncludeReach.cmake
execute_process(COMMAND ${CMAKE_COMMAND} --build "${BUILD_DIR}" --target glimmet_include_probe
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "The engine's usage reaches pixels/ headers: every include directory is too wide")
endif()
if(NOT output MATCHES "pixels/PictureDamage\\.h'?:? (No such file|file not found)")
  message(FATAL_ERROR "The probe failed for another reason than the pixels/ include:\n${output}")
endif()
