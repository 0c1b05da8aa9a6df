# Read by cpack for each package it makes. The Debian package must name a
# maintainer with a mail address, and so must its changelog's entry; Mirelda
# has no address of its own, so whoever builds the package maintains it and
# gives the name and address the way Debian's own tools take them: DEBFULLNAME
# and DEBEMAIL, or DEBEMAIL alone as "Name <address>".
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(maintainer "$ENV{DEBEMAIL}")
if(NOT maintainer MATCHES "<.*>" AND NOT "$ENV{DEBFULLNAME}" STREQUAL "")
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
if(NOT maintainer MATCHES "^[^<>]*[^ <>] <[^<>@ ]+@[^<>@ ]+>$")
  message(FATAL_ERROR
    "The package names its maintainer, and Mirelda has no mail address of "
    "its own: set DEBFULLNAME and DEBEMAIL to the name and mail address of "
    "whoever builds it (now DEBFULLNAME='$ENV{DEBFULLNAME}', "
    "DEBEMAIL='$ENV{DEBEMAIL}').")
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageChangelog.cmake)
