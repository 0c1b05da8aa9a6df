# The Debian package, built by CPack in the build directory: cpack -G DEB
# (scripts/package). Its library dependencies come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME mirelda)
set(CPACK_PACKAGE_VENDOR Mirelda)
set(CPACK_PACKAGE_CONTACT "Mirelda developers <mirelda@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://mirelda.example.org/)
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
include(CPack)
