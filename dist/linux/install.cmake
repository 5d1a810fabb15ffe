# Installing on Linux where Debian puts games, and the Debian package.
#   cmake --install BUILD              the game, its pictures, menu entry,
#                                      icons, AppStream metadata, manual page,
#                                      copyright file
#   tools/make-package                 build/package/vorbexia_<version>_amd64.deb
# The installed game finds its pictures under ${datadir}/games/vorbexia when
# started from a folder without textures/ (src/image/texture_folder.cpp).
set(CMAKE_INSTALL_BINDIR games CACHE PATH "Where the game goes (Debian: games)")
include(GNUInstallDirs)

set(VORBEXIA_FULL_BINDIR ${CMAKE_INSTALL_FULL_BINDIR})
set(VORBEXIA_DATADIR ${CMAKE_INSTALL_DATADIR}/games/vorbexia)
set(VORBEXIA_FULL_DATADIR ${CMAKE_INSTALL_FULL_DATADIR}/games/vorbexia)
target_compile_definitions(vorbexia_image PRIVATE VORBEXIA_DATA_DIR="${VORBEXIA_FULL_DATADIR}")

set(dist ${CMAKE_CURRENT_LIST_DIR})
configure_file(${dist}/vorbexia.desktop.in ${CMAKE_BINARY_DIR}/vorbexia.desktop @ONLY)
configure_file(${dist}/io.github.vorbexia.Vorbexia.metainfo.xml
               ${CMAKE_BINARY_DIR}/io.github.vorbexia.Vorbexia.metainfo.xml @ONLY)

install(TARGETS vorbexia RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/textures/ DESTINATION ${VORBEXIA_DATADIR}/textures
        FILES_MATCHING PATTERN "*.bmp")
install(FILES ${CMAKE_BINARY_DIR}/vorbexia.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/io.github.vorbexia.Vorbexia.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${dist}/icons/vorbexia-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME vorbexia.png)
endforeach()
# The licence, in Debian's machine-readable form.
install(FILES ${dist}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorbexia)
# Manual pages go compressed, as Debian keeps them (gzip -9n: no name or time
# in the file).
set(manual ${CMAKE_BINARY_DIR}/vorbexia.6.gz)
install(CODE "execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/docs/vorbexia.6
                              OUTPUT_FILE ${manual} COMMAND_ERROR_IS_FATAL ANY)")
install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The Debian package: the runtime libraries found by dpkg-shlibdeps from the
# executable (SDL2, libGL, libGLU, libX11, the C++ runtime), nothing of the
# build. SDL's message boxes draw with the X core fonts of xfonts-base, and
# the game's first act is a box.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorbexia)
set(CPACK_PACKAGE_VENDOR "The Vorbexia developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "first-person 3-D maze shooter against five robots")
set(CPACK_PACKAGE_DESCRIPTION
    "You walk a lit, textured maze and destroy five wandering robots with a\n\
plasma shot. The robots never attack: you cannot lose, only win sooner or\n\
later. The game speaks Polish.")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_SOURCE_DIR}/build/package CACHE PATH
    "Where tools/make-package puts the .deb")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Vorbexia developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xfonts-base")
include(CPack)
