# What `cmake --install` puts where.
#
# Linux and other Unix desktops (GNUInstallDirs, prefix /usr/local by default):
#   bin/Kavorin                               the program
#   bin/kavorin -> Kavorin                    the command users type, the desktop
#                                             entry's Exec= and the manual's name
#   share/kavorin/Languages/*.ini, *.bmp      language files and their flags
#   share/kavorin/Help_XX.rtf, Help_XX.html   the user guides
#   share/kavorin/License.txt                 the licence agreement
#   share/applications/kavorin.desktop        the application menu's entry
#   share/metainfo/com.ternwick.kavorin.metainfo.xml   software centres' description
#   share/icons/hicolor/{scalable,48x48,128x128,256x256}/apps/kavorin.{svg,png}
#   share/man/man1/kavorin.1(.gz)             the manual page
#   share/doc/kavorin/copyright               the licence, where Debian looks for it
# share/kavorin keeps the layout the program finds beside its executable in the
# build folder.
#
# Windows: everything beside the executable, as the program has always found it.
include(GNUInstallDirs)

set(_freedesktop ${CMAKE_SOURCE_DIR}/resources/freedesktop)

install(TARGETS Kavorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(WIN32)
  set(KAVORIN_INSTALL_DATADIR ${CMAKE_INSTALL_BINDIR})
else()
  set(KAVORIN_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/kavorin)
endif()

# The data files, listed when installing, so that a language added to the folder
# needs no new configure run (as the copy beside the built executable).
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Languages/ DESTINATION ${KAVORIN_INSTALL_DATADIR}/Languages)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/help/ DESTINATION ${KAVORIN_INSTALL_DATADIR}
        FILES_MATCHING PATTERN "Help_*.rtf" PATTERN "Help_*.html"
        PATTERN "source" EXCLUDE PATTERN "__pycache__" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/License.txt DESTINATION ${KAVORIN_INSTALL_DATADIR})

if(NOT WIN32)
  # Unix commands are lower case; the executable keeps the name it has on Windows
  # and in the build folder.
  set(_command_link ${CMAKE_CURRENT_BINARY_DIR}/install/kavorin)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/install)
  file(CREATE_LINK Kavorin ${_command_link} SYMBOLIC)
  install(FILES ${_command_link} DESTINATION ${CMAKE_INSTALL_BINDIR})

  install(FILES ${_freedesktop}/kavorin.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_freedesktop}/com.ternwick.kavorin.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${_freedesktop}/kavorin.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(_size 48 128 256)
    install(FILES ${_freedesktop}/hicolor/${_size}x${_size}/apps/kavorin.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
  endforeach()

  # Manual pages are kept compressed (Debian's rule; man reads both). gzip -n
  # leaves out the time stamp, so that the package is reproducible.
  find_program(KAVORIN_GZIP gzip)
  if(KAVORIN_GZIP)
    set(_man_page ${CMAKE_CURRENT_BINARY_DIR}/install/kavorin.1.gz)
    add_custom_command(
      OUTPUT ${_man_page}
      COMMAND ${CMAKE_COMMAND} -E copy ${_freedesktop}/kavorin.1 ${CMAKE_CURRENT_BINARY_DIR}/install/
      COMMAND ${KAVORIN_GZIP} -9 -n -f ${CMAKE_CURRENT_BINARY_DIR}/install/kavorin.1
      DEPENDS ${_freedesktop}/kavorin.1
      COMMENT "Compressing the manual page"
      VERBATIM)
    add_custom_target(kavorin_man_page ALL DEPENDS ${_man_page})
  else()
    set(_man_page ${_freedesktop}/kavorin.1)
  endif()
  install(FILES ${_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  install(FILES ${CMAKE_SOURCE_DIR}/License.txt
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kavorin RENAME copyright)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
