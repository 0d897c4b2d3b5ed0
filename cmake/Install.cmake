# What `cmake --install` puts where.
#
# Linux and other Unix desktops (GNUInstallDirs, prefix /usr/local by default):
#   bin/Kavorin                               the program
#   bin/kavorin -> Kavorin                    the command users type, the desktop
#                                             entry's Exec= and the manual's name
#   lib/kavorin/libkavorin_http.so            the modules: Qt Network for the version
#   lib/kavorin/libkavorin_svg.so             check, Qt Svg for the pictures, Qt
#   lib/kavorin/libkavorin_print.so           Print Support for printing, loaded
#                                             when first needed (LIBDIR, so
#                                             lib/<triplet>/kavorin on Debian)
#   share/kavorin/Languages/*.ini, *.bmp      language files and their flags
#   share/kavorin/Languages/Materials.csv     materials and their densities
#   share/kavorin/Help_XX.rtf, Help_XX.html   the user guides
#   share/kavorin/License.txt                 the licence agreement
#   share/applications/kavorin.desktop        the application menu's entry
#   share/metainfo/com.ternwick.kavorin.metainfo.xml   software centres' description
#   share/icons/hicolor/{scalable,48x48,128x128,256x256}/apps/kavorin.{svg,png}
#   share/man/man1/kavorin.1(.gz), Kavorin.1(.gz) -> kavorin.1(.gz)   the manual page
#   share/doc/kavorin/copyright, changelog(.gz)   licence and changes, where Debian
#                                             looks for them
# share/kavorin keeps the layout the program finds beside its executable in the
# build folder.
#
# Windows: everything beside the executable, as the program has always found it.
include(GNUInstallDirs)

set(_freedesktop ${CMAKE_SOURCE_DIR}/resources/freedesktop)

install(TARGETS Kavorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The modules: beside the executable on Windows, in a private folder of the library
# folder elsewhere; the program looks beside itself first, then there.
if(WIN32)
  install(TARGETS ${KAVORIN_MODULES} LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}
                                     RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
  install(TARGETS ${KAVORIN_MODULES} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/kavorin)
  file(RELATIVE_PATH _modules_from_bindir ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_FULL_LIBDIR}/kavorin)
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/support/ModuleLoading.cpp APPEND PROPERTY
               COMPILE_DEFINITIONS KAVORIN_MODULES_FROM_BINDIR="${_modules_from_bindir}")
endif()

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

# The program looks for its data beside its executable first, then in the data
# folder as seen from the installed executable's folder.
if(NOT WIN32)
  file(RELATIVE_PATH _data_from_bindir ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_FULL_DATADIR}/kavorin)
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/support/ProgramFolder.cpp APPEND PROPERTY
               COMPILE_DEFINITIONS KAVORIN_DATA_FROM_BINDIR="${_data_from_bindir}")
endif()

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

  # Manual pages and the change log are kept compressed (Debian's rule; man reads
  # both). gzip -n leaves out the time stamp, so that the package is reproducible.
  set(_staging ${CMAKE_CURRENT_BINARY_DIR}/install)
  find_program(KAVORIN_GZIP gzip)
  set(_compressed)
  foreach(_file kavorin.1 changelog)
    if(KAVORIN_GZIP)
      add_custom_command(
        OUTPUT ${_staging}/${_file}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${_freedesktop}/${_file} ${_staging}/
        COMMAND ${KAVORIN_GZIP} -9 -n -f ${_staging}/${_file}
        DEPENDS ${_freedesktop}/${_file}
        COMMENT "Compressing ${_file}"
        VERBATIM)
      list(APPEND _compressed ${_staging}/${_file}.gz)
    else()
      list(APPEND _compressed ${_freedesktop}/${_file})
    endif()
  endforeach()
  if(KAVORIN_GZIP)
    add_custom_target(kavorin_compressed_docs ALL DEPENDS ${_compressed})
  endif()
  list(GET _compressed 0 _man_page)
  list(GET _compressed 1 _changelog)
  install(FILES ${_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # man Kavorin finds the same page as man kavorin.
  get_filename_component(_man_name ${_man_page} NAME)
  string(REPLACE "kavorin" "Kavorin" _man_alias_name ${_man_name})
  file(CREATE_LINK ${_man_name} ${_staging}/${_man_alias_name} SYMBOLIC)
  install(FILES ${_staging}/${_man_alias_name} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  set(_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/kavorin)
  install(FILES ${CMAKE_SOURCE_DIR}/License.txt DESTINATION ${_docdir} RENAME copyright)
  install(FILES ${_changelog} DESTINATION ${_docdir})
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
