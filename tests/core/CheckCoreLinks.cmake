# Fails when the core's own link libraries name Qt Gui or Widgets (or any
# target of the program's windows), or when a program built on the core
# alone needs their shared libraries.
foreach(library IN LISTS LINKED)
  if(library MATCHES "Gui|Widgets|Charts|PrintSupport|Svg|mirelda_(platform|calibration|chartwindow|mainwindow|cli)")
    message(FATAL_ERROR "the core links ${library}")
  endif()
endforeach()
execute_process(COMMAND readelf --dynamic ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "readelf could not read ${PROGRAM}")
endif()
if(dynamic MATCHES "libQt6(Gui|Widgets)")
  message(FATAL_ERROR "${PROGRAM}, built on the core alone, needs Qt Gui or Widgets")
endif()
if(NOT dynamic MATCHES "libQt6Core")
  message(FATAL_ERROR "${PROGRAM} shows no Qt Core among its libraries: the check reads nothing")
endif()
