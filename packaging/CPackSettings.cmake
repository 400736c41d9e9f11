# The Debian package: binaries' library dependencies computed, plus a Thai font to show the texts.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "pipecolumn")
set(CPACK_PACKAGE_VENDOR "pipecolumn developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Round steel pipe column check and base plate sizing")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://pipecolumn.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "pipecolumn developers <dev@pipecolumn.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-thai-tlwg | fonts-noto-core")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Checks a round steel pipe as an axially loaded column and sizes its base plate.\n\
A one-window calculator for structural engineers: slenderness, permissible axial\n\
stress, maximum axial force and a pass/fail verdict, then the square base plate's\n\
size and thickness, with a printable one-page calculation sheet (or PDF).\n\
Texts are Thai with English technical terms.")
include(CPack)
