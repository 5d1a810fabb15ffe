# The Windows game's own resources, compiled into vorbexia.exe by windres:
# its icon (what Explorer, the Start-menu shortcut and the uninstaller's
# entry show) and its version information. Included where the executable is
# defined; sets VORBEXIA_WINDOWS_RESOURCES to the resource script.
#
# The icon holds the very pictures of the desktop icons (dist/linux/icons,
# drawn by tools/make_icons.cpp), packed into build/windows/vorbexia.ico at
# build time; tools/build-windows gives the installer the same file.
set(vorbexia_icon_pictures)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND vorbexia_icon_pictures ${PROJECT_SOURCE_DIR}/dist/linux/icons/vorbexia-${size}.png)
endforeach()
set(VORBEXIA_ICON ${CMAKE_BINARY_DIR}/vorbexia.ico)
add_custom_command(OUTPUT ${VORBEXIA_ICON}
                   COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/make-ico.sh ${VORBEXIA_ICON}
                           ${vorbexia_icon_pictures}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make-ico.sh ${vorbexia_icon_pictures}
                   COMMENT "Packing the icon vorbexia.ico" VERBATIM)

# VERSIONINFO wants four numbers; the missing ones are 0.
set(VORBEXIA_VERSION_NUMBERS)
foreach(part MAJOR MINOR PATCH TWEAK)
  set(number ${PROJECT_VERSION_${part}})
  if(number STREQUAL "")
    set(number 0)
  endif()
  list(APPEND VORBEXIA_VERSION_NUMBERS ${number})
endforeach()
list(JOIN VORBEXIA_VERSION_NUMBERS "," VORBEXIA_VERSION_NUMBERS)
set(VORBEXIA_WINDOWS_RESOURCES ${CMAKE_CURRENT_BINARY_DIR}/vorbexia.rc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vorbexia.rc.in ${VORBEXIA_WINDOWS_RESOURCES} @ONLY)
# windres reads the icon, which CMake's scan of the script does not see.
set_source_files_properties(${VORBEXIA_WINDOWS_RESOURCES} PROPERTIES
                            OBJECT_DEPENDS ${VORBEXIA_ICON})
