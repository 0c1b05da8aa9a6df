# Fails when a library names a forbidden library among its links, or when a
# program built on it needs a forbidden shared library to run. Arguments:
#   WHAT       what is checked, for the messages
#   LINKED     the library's link libraries, interface included
#   FORBIDDEN  a pattern of link libraries it must not name
#   PROGRAM    a program built on it
#   NEEDS_NOT  a pattern of shared libraries that program must not need
#   NEEDS      a pattern that program's libraries must show, so the check reads something
foreach(library IN LISTS LINKED)
  if(library MATCHES "${FORBIDDEN}")
    message(FATAL_ERROR "${WHAT} links ${library}")
  endif()
endforeach()
execute_process(COMMAND readelf --dynamic ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "readelf could not read ${PROGRAM}")
endif()
if(dynamic MATCHES "${NEEDS_NOT}")
  message(FATAL_ERROR "${PROGRAM}, built on ${WHAT}, needs ${CMAKE_MATCH_0}")
endif()
if(NOT dynamic MATCHES "${NEEDS}")
  message(FATAL_ERROR "${PROGRAM} shows no ${NEEDS} among its libraries: the check reads nothing")
endif()
