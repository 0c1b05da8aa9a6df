# The Debian package, built by CPack in the build directory: cpack -G DEB
# (scripts/package). Its library dependencies come from dpkg-shlibdeps; its
# maintainer and changelog are settled when it is built (PackageTime.cmake).
# cpack gets every value below as written (the regular expressions too).
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME mirelda)
set(CPACK_PACKAGE_VENDOR Mirelda)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for lift load-weighing calibration curves")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Mirelda shows one CRV calibration file of a lift load-weighing system at a
time: it checks the file line by line, lists its curves as text with readings
in volts and plots them against the height of travel. Its companion
mirelda-crv checks whole folders of CRV files, prints their lists and writes
their charts as PNG, SVG or PDF from the command line.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's libraries only recommend their platform plugins; without the xcb one
# no window can open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Liberation Sans stands in for the windows' Arial.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageTime.cmake)
set(CPACK_MIRELDA_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
set(CPACK_MIRELDA_DOCDIR ${MIRELDA_DOCDIR})

# The source archive (cmake --build build --target package_source): the
# sources alone, without git's folder, build trees or fuzzing output.
function(mirelda_regex_escape out text)
  string(REGEX REPLACE "([][.*+?^$(){}|\\\\])" "\\\\\\1" escaped "${text}")
  set(${out} "${escaped}" PARENT_SCOPE)
endfunction()
mirelda_regex_escape(source_root "${PROJECT_SOURCE_DIR}")
mirelda_regex_escape(binary_root "${PROJECT_BINARY_DIR}")
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME mirelda-${PROJECT_VERSION})
set(CPACK_SOURCE_IGNORE_FILES
  "^${binary_root}/"
  "^${source_root}/\\.git(/|$)"
  "^${source_root}/build[^/]*/"
  "^${source_root}/out/"
  "^${source_root}/fuzz-corpus-work/"
  "/__pycache__/"
  "\\.png\\.tmp$")
include(CPack)
