# The Debian package built by scripts/package: everything the install rules put under the prefix,
# plus the copyright file Debian asks for.

string(REGEX REPLACE "^[a-z]+://([^/:]+).*$" "\\1" balewick_web_domain "${BALEWICK_WEB_HOST}")
set(BALEWICK_MAINTAINER "The Balewick developers <maintainers@${balewick_web_domain}>"
    CACHE STRING "Maintainer named in the Debian package")

# Debian's machine-readable copyright file, carrying the text of LICENSE when there is one.
set(BALEWICK_LICENSE_TEXT "")
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
  string(REGEX REPLACE "[ \t\r]+\n" "\n" license "${license}")
  string(STRIP "${license}" license)
  # In a field's body every line starts with a space and an empty line is written " .". Twice,
  # since a match consumes the newline that the next empty line would start with.
  string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
  string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
  string(REPLACE "\n" "\n " license "${license}")
  set(BALEWICK_LICENSE_TEXT "\n .\n The licence as distributed with Balewick follows.\n .\n ${license}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/balewick)

# The Debian changelog entry for this version, dated like the newest release in the AppStream
# metadata so that the package is the same whenever it is built.
set(balewick_metainfo ${PROJECT_SOURCE_DIR}/resources/${BALEWICK_APP_ID}.metainfo.xml.in)
file(STRINGS ${balewick_metainfo} balewick_release REGEX "<release " LIMIT_COUNT 1)
string(REGEX MATCH "date=\"([0-9-]+)\"" _ "${balewick_release}")
execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_1} 12:00" OUTPUT_VARIABLE balewick_release_date
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${PROJECT_BINARY_DIR}/changelog "balewick (${PROJECT_VERSION}) stable; urgency=medium

  * Balewick ${PROJECT_VERSION}; release notes: ${BALEWICK_WEB_HOST}/support/balewick

 -- ${BALEWICK_MAINTAINER}  ${balewick_release_date}
")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${balewick_metainfo})

# Compressed without a time stamp, as Debian installs documentation.
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_BINARY_DIR}/balewick.1.gz
  COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/resources/man/balewick.1 > ${PROJECT_BINARY_DIR}/balewick.1.gz
  DEPENDS ${PROJECT_BINARY_DIR}/changelog ${PROJECT_SOURCE_DIR}/resources/man/balewick.1)
add_custom_target(balewick_docs ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_BINARY_DIR}/balewick.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/balewick)
install(FILES ${PROJECT_BINARY_DIR}/balewick.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME balewick)
set(CPACK_PACKAGE_VENDOR "The Balewick developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${BALEWICK_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop archiver for files and folders")
# The long description; CPack indents it and writes the empty lines as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Balewick turns the files and folders dropped on its window, or opened with it
from the file manager, into archives. It can compress them next to the items,
on the desktop or in an archive folder, attach the archives to a new e-mail,
or keep dated archives in one place.

Formats are zip, tar, tar.gz, tar.bz2, tar.xz, tar.zst, password-protected zip
and disk images. Balewick runs the system's own tar and its own zip writer,
compresses on every core, keeps a log of every archive it made, and can move
the originals to the Trash.

The context menus of GNOME Files, Dolphin, Nemo and Caja (with caja-actions),
and Thunar's Send To menu, offer to compress the selected items with Balewick.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BALEWICK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${BALEWICK_WEB_HOST}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The tools Balewick runs as child processes or hands e-mail to: no library link names them. tar
# and gzip are essential packages, which Debian names only with a version (the ones tested). tar
# compresses with pigz, lbzip2, xz and zstd on every core. GIO (in libglib2.0-0) is opened at run
# time, not linked, so no link names it either.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "tar (>= 1.34), gzip (>= 1.12), bzip2, pigz, lbzip2, xz-utils, zstd, xdg-utils, libglib2.0-0")
# Qt's own texts in the user's language, Wayland sessions without XWayland, and GNOME Files, whose
# context menu the package extends (the extension's own library comes in through its link).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland, nautilus")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "caja-actions")

include(CPack)
