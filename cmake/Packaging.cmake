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
  set(BALEWICK_LICENSE_TEXT " .\n The licence as distributed with Balewick follows.\n .\n ${license}\n")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/balewick)

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

Formats are zip, tar, tar.gz, tar.bz2, password-protected zip and disk images.
Balewick runs the system's own zip and tar, keeps a log of every archive it
made, and can move the originals to the Trash.

The context menus of Dolphin, Nemo and Caja (with caja-actions), and Thunar's
Send To menu, offer to compress the selected items with Balewick.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BALEWICK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${BALEWICK_WEB_HOST}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The tools Balewick runs as child processes or hands e-mail to: no library link names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "zip, tar, gzip, bzip2, xdg-utils")
# Qt's own texts in the user's language, and Wayland sessions without XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "caja-actions")

include(CPack)
