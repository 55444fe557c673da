# glimmet-batch runs on machines without a desktop: its needed libraries must not name Qt Widgets.
# Run as: cmake -DPROGRAM=... -P CheckNoWidgets.cmake
execute_process(COMMAND readelf -d "${PROGRAM}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "readelf failed on ${PROGRAM}")
endif()
if(NOT dynamic MATCHES "libQt6Gui")
  message(FATAL_ERROR "readelf shows no Qt libraries at all; the check would prove nothing")
endif()
if(dynamic MATCHES "libQt6Widgets")
  message(FATAL_ERROR "glimmet-batch needs Qt Widgets")
endif()
