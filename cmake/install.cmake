# Where everything goes when installed (cmake --install) and the Debian package made from it
# (cpack -G DEB in the build folder, or elsewhere with -B <folder>). Included after the
# programs' folders, so it can ask which programs this tree builds.
include(GNUInstallDirs)

set(TARNWICK_DATA ${PROJECT_SOURCE_DIR}/data)
# The package's name is lower case; the folders of our own files follow it.
set(TARNWICK_SHARE ${CMAKE_INSTALL_DATADIR}/tarnwick)
set(TARNWICK_DOC ${CMAKE_INSTALL_DATADIR}/doc/tarnwick)

# The programs on the PATH. The monitor finds the skins from its folder:
# <bin>/../share/tarnwick/skins/ (platform::SkinsFolder).
set(TARNWICK_PROGRAMS Tarnwick)
if(TARGET TarnwickCfg)
  list(APPEND TARNWICK_PROGRAMS TarnwickCfg)
endif()
install(TARGETS ${TARNWICK_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/skins/ DESTINATION ${TARNWICK_SHARE}/skins)
install(DIRECTORY ${TARNWICK_DATA}/manual/ DESTINATION ${TARNWICK_SHARE}/manual)

# Desktop entries, metainfo and the icon in every size the theme asks for.
foreach(program IN LISTS TARNWICK_PROGRAMS)
  install(FILES ${TARNWICK_DATA}/example.tarnwick.${program}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endforeach()
install(FILES ${TARNWICK_DATA}/example.tarnwick.Tarnwick.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TARNWICK_DATA}/icons/tarnwick.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME example.tarnwick.Tarnwick.svg)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${TARNWICK_DATA}/icons/tarnwick-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME example.tarnwick.Tarnwick.png)
endforeach()

# Man pages and the changelog compressed the way Debian wants them: best compression and no
# time stamp in the header, so the package is the same at every build.
find_program(TARNWICK_GZIP gzip REQUIRED)
set(TARNWICK_COMPRESSED)
foreach(source IN ITEMS man/Tarnwick.1 man/TarnwickCfg.1 changelog)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_BINARY_DIR}/data/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${TARNWICK_GZIP} -9nc ${TARNWICK_DATA}/${source} > ${output}
    DEPENDS ${TARNWICK_DATA}/${source}
    VERBATIM)
  list(APPEND TARNWICK_COMPRESSED ${output})
endforeach()
add_custom_target(tarnwick_compressed_docs ALL DEPENDS ${TARNWICK_COMPRESSED})
foreach(program IN LISTS TARNWICK_PROGRAMS)
  install(FILES ${CMAKE_BINARY_DIR}/data/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/data/changelog.gz ${TARNWICK_DATA}/copyright
  DESTINATION ${TARNWICK_DOC})

# The system-wide first-start settings, in the XDG configuration folder of the prefix the
# files are installed to: /etc/xdg for /usr (the package), <prefix>/etc/xdg otherwise. The
# skin it chooses is named with that prefix, so this is worked out when installing. It is
# written straight to where it goes: making the package changes nothing in the build folder.
install(CODE "
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(tarnwick_etc /etc)
  else()
    set(tarnwick_etc \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_SYSCONFDIR}\")
  endif()
  set(TARNWICK_FIRST_SKIN \"\${CMAKE_INSTALL_PREFIX}/${TARNWICK_SHARE}/skins/ember/ember.skin\")
  set(tarnwick_cfg \"\${tarnwick_etc}/xdg/tarnwick/tarnwick.cfg\")
  message(STATUS \"Installing: \$ENV{DESTDIR}\${tarnwick_cfg}\")
  configure_file(\"${TARNWICK_DATA}/tarnwick.cfg.in\" \"\$ENV{DESTDIR}\${tarnwick_cfg}\" @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${tarnwick_cfg}\")
")

# The Debian package: dependencies from the binaries (shlibdeps) plus the Qt platform
# plugins, which the binaries load at run time; no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Tarnwick developers")
set(CPACK_PACKAGE_CONTACT "Tarnwick developers <support@tarnwick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small skinnable monitor of processor and memory usage")
set(CPACK_PACKAGE_DESCRIPTION
  "Tarnwick shows the usage of the processor, the operative memory, the swap space\n\
and virtual memory in a small always-on-top window, as two gauges or one\n\
diagram, and one of them as a number in the tray. Skins, transparency and\n\
events (a message, a sound or a program when a resource stays high or low) are\n\
included, with a settings program, a skins editor and an events editor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Install into the staging folder through DESTDIR, so the prefix is /usr and the settings
# file lands in /etc/xdg of the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnwick.example/tarnwick/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own translations, so its standard buttons and dialogs speak the language of ours.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The settings file in /etc is the administrator's to change: dpkg keeps their changes.
file(WRITE ${CMAKE_BINARY_DIR}/data/conffiles "/etc/xdg/tarnwick/tarnwick.cfg\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/data/conffiles)
# CMake's install always writes its list of installed files into the build folder; the
# package's staging install has no use for it, so it goes once the package is made.
set(CPACK_TARNWICK_MANIFEST ${CMAKE_BINARY_DIR}/install_manifest.txt)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package_done.cmake)
include(CPack)
