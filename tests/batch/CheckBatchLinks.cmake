# glimmet-batch starts without Qt: its needed libraries name none of Qt's, and only its drawing
# program, which it starts for output pictures, needs Qt Gui, never Qt Widgets (it runs on machines
# without a desktop).
# Run as: cmake -DPROGRAM=... -DDRAWING=... -P CheckBatchLinks.cmake
foreach(program IN ITEMS "${PROGRAM}" "${DRAWING}")
  execute_process(COMMAND readelf -d "${program}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT dynamic MATCHES "NEEDED")
    message(FATAL_ERROR "readelf shows no needed libraries of ${program}; the check would prove nothing")
  endif()
  set(needs_${program} "${dynamic}")
endforeach()
if(needs_${PROGRAM} MATCHES "libQt6")
  message(FATAL_ERROR "glimmet-batch needs Qt to start")
endif()
if(NOT needs_${DRAWING} MATCHES "libQt6Gui")
  message(FATAL_ERROR "the drawing program needs no Qt Gui: is it the drawing program?")
endif()
if(needs_${DRAWING} MATCHES "libQt6Widgets")
  message(FATAL_ERROR "the drawing program needs Qt Widgets")
endif()
