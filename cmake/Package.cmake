# The Debian package, made by `cpack -G DEB` in the build folder (scripts/package.sh
# does it all): kavorin_<version>_<architecture>.deb with what cmake/Install.cmake
# installs under /usr.
set(CPACK_PACKAGE_NAME kavorin)
set(CPACK_PACKAGE_VENDOR Ternwick)
set(CPACK_PACKAGE_CONTACT "Ternwick <kavorin@ternwick.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for solid figures")
# Lines of at most 80 characters, as Debian's tools like them; CPack indents them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Kavorin calculates the volume, the surface area and every derived quantity\n"
  "of thirteen solids: cube, block, sphere, cone, cylinder, pyramid, prism,\n"
  "truncated cone, truncated pyramid, cylindrical tank, spherical segment,\n"
  "spherical sector and spherical frustum. The results follow each keystroke,\n"
  "in 80-bit extended precision, with supplementary data, a lettered drawing\n"
  "and the formulas of each solid.\n"
  "\n"
  "The user interface is in English, Czech and Slovak.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.ternwick.com/?pg=1&pid=3")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kavorin)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/License.txt)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ternwick <kavorin@ternwick.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CPACK_PACKAGE_HOMEPAGE_URL})
# The libraries the program links come from dpkg-shlibdeps; Qt loads its platform
# plugin at run time, which no linker records, and without it no window opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts (message box buttons, context menus) in Czech and Slovak.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
