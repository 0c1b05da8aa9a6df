# Run by cpack once the package's files are staged: writes the project's
# changelog as the package's usr/share/doc/mirelda/changelog.gz, its entry
# signed by the package's maintainer, compressed as Debian wants it (gzip -9,
# no name or time stamp, so the same every build).
file(READ "${CPACK_MIRELDA_CHANGELOG}" text)
if(NOT text MATCHES "^${CPACK_PACKAGE_NAME} \\(${CPACK_PACKAGE_VERSION}\\) ")
  message(FATAL_ERROR "${CPACK_MIRELDA_CHANGELOG} does not begin with the "
    "entry of ${CPACK_PACKAGE_NAME} ${CPACK_PACKAGE_VERSION}.")
endif()
string(REPLACE "@MAINTAINER@" "${CPACK_DEBIAN_PACKAGE_MAINTAINER}" text "${text}")
set(doc "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_MIRELDA_DOCDIR}")
file(WRITE "${doc}/changelog" "${text}")
execute_process(COMMAND gzip -9nf "${doc}/changelog" COMMAND_ERROR_IS_FATAL ANY)
file(CHMOD "${doc}/changelog.gz" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
