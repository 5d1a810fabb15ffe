# make-icons: the desktop icons drawn from the game's own pictures (PNG with
# zlib's deflate). Only for the developer who draws them anew: the committed
# icons in dist/linux/icons/ are its output.
find_package(ZLIB QUIET)
if(ZLIB_FOUND)
  add_executable(make-icons ${CMAKE_CURRENT_LIST_DIR}/make_icons.cpp)
  target_link_libraries(make-icons PRIVATE vorbexia_image ZLIB::ZLIB)
endif()

# The committed icons (and the window icon's pixels) are exactly what
# make-icons draws from the committed pictures.
if(ZLIB_FOUND AND VORBEXIA_TESTS)
  add_test(NAME image.make_icons.committed_icons_are_its_output
           COMMAND bash -c "rm -rf icons && mkdir icons && \"$0\" \"$1\" icons && \
diff -r icons \"$2\""
                   $<TARGET_FILE:make-icons> ${PROJECT_SOURCE_DIR}/textures
                   ${PROJECT_SOURCE_DIR}/dist/linux/icons
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(image.make_icons.committed_icons_are_its_output PROPERTIES
                       LABELS image TIMEOUT 60)
endif()
