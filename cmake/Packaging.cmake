# The Debian package, made by "cpack" in a build tree (scripts/package.sh): what
# "cmake --install" puts in place, under /usr, named runeboard_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME runeboard)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Runeboard developers")
set(CPACK_PACKAGE_CONTACT "Runeboard developers <dev@runeboard.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for character art (符阵画板)")
# One string: CPack indents its lines for the control file.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Runeboard draws pictures made of text characters, a grid of up to 100 x 100
cells of GBK text, with tools much like a paint program's, and saves them as
plain text. Its command line turns pictures and lines of text into character
art without a window.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://runeboard.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries come from what the programs link (dpkg-shlibdeps); the fonts the program asks
# for by name and Qt's own Chinese texts are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-wqy-microhei, fonts-unifont")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
