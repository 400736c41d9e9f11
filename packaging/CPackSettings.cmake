# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: binaries' library dependencies computed, plus a Thai font to show the texts.
include(${CMAKE_CURRENT_LIST_DIR}/Release.cmake)
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "pipecolumn")
set(CPACK_PACKAGE_VENDOR "pipecolumn developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Round steel pipe column check and base plate sizing")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PIPECOLUMN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# poppler's C++ library reads back the project a PDF carries, qpdf's attaches and finds it (both
# also found by shlibdeps).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-thai-tlwg | fonts-noto-core, libpoppler-cpp0v5, libqpdf29")
# Qt's own dialog texts under locales other than Thai, which the program brings itself.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Checks a round steel pipe as an axially loaded column and sizes the\n\
square steel base plate that carries it onto concrete. A one-window\n\
calculator for structural engineers: slenderness, permissible axial\n\
stress, maximum axial force and a pass/fail verdict, then the base\n\
plate's size and thickness, with a printable one-page calculation sheet\n\
(or PDF) and a headless calculator. Texts are Thai with English\n\
technical terms; a Thai handbook is included.")
include(CPack)
