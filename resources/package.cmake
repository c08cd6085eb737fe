# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cmake --build <dir> --target package` writes
# virelo_<version>_amd64.deb into <dir>. It holds what `cmake --install`
# installs under /usr, plus what a Debian system expects of a package: man
# pages, an AppStream description, the copyright file and a changelog.
# tools/install.sh builds it with Debian's hardening flags and installs it.
set(VIRELO_CONTACT "virelo@example.org" CACHE STRING "Mail address of the maintainers, for the package")
set(VIRELO_DEBIAN_DIR ${CMAKE_SOURCE_DIR}/resources/debian)
set(VIRELO_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package-files)
set(VIRELO_VERSION ${PROJECT_VERSION})

# Man pages, copyright and changelog carry the version and addresses; the
# man pages and the changelog are compressed as Debian wants them
# (gzip -9n: no name or time stamp, so the bytes do not change per build;
# -k keeps the configured file for the next build).
set(VIRELO_PACKAGE_FILES)
foreach(page virelo.1 virelo-cli.1 changelog)
  configure_file(${VIRELO_DEBIAN_DIR}/${page} ${VIRELO_PACKAGE_STAGE}/${page} @ONLY)
  add_custom_command(
    OUTPUT ${VIRELO_PACKAGE_STAGE}/${page}.gz
    COMMAND gzip -9nkf ${page}
    WORKING_DIRECTORY ${VIRELO_PACKAGE_STAGE}
    DEPENDS ${VIRELO_PACKAGE_STAGE}/${page}
    COMMENT "Compressing ${page}")
  list(APPEND VIRELO_PACKAGE_FILES ${VIRELO_PACKAGE_STAGE}/${page}.gz)
endforeach()
add_custom_target(package_files ALL DEPENDS ${VIRELO_PACKAGE_FILES})
configure_file(${VIRELO_DEBIAN_DIR}/copyright ${VIRELO_PACKAGE_STAGE}/copyright @ONLY)
configure_file(${VIRELO_DEBIAN_DIR}/virelo.metainfo.xml.in ${VIRELO_PACKAGE_STAGE}/org.example.virelo.metainfo.xml @ONLY)

install(FILES ${VIRELO_PACKAGE_STAGE}/virelo-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VIRELO_PACKAGE_STAGE}/copyright ${VIRELO_PACKAGE_STAGE}/changelog.gz DESTINATION ${VIRELO_DOC_DIR})
if(VIRELO_BUILD_UI)
  install(FILES ${VIRELO_PACKAGE_STAGE}/virelo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${VIRELO_PACKAGE_STAGE}/org.example.virelo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME virelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Virelo developers")
set(CPACK_PACKAGE_CONTACT "The Virelo developers <${VIRELO_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "assessment of natural attenuation of groundwater contaminants")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Virelo is decision support for applying Monitored Natural Attenuation
(MNA) at contaminated sites. An engineer describes the aquifer between a
contaminant source and a receptor and picks contaminants from a generic
contaminant database. Virelo checks every input, computes each
contaminant's plume length and attenuation factor, and classifies every
result green, yellow or red against a chosen assessment range.
.
The package holds the desktop program, the command-line tool virelo-cli,
the bundled contaminant database, the user manual and example projects.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VIRELO_INSTITUTION_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Installed under /usr whatever prefix the build tree was configured with,
# through DESTDIR, which tells install scripts that they write into a
# staging tree (and must not refresh the desktop's caches).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
