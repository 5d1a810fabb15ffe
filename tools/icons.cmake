# make-icons: the desktop icons drawn from the game's own pictures (PNG with
# zlib's deflate). Only for the developer who draws them anew: the committed
# icons in dist/linux/icons/ are its output.
find_package(ZLIB QUIET)
if(ZLIB_FOUND)
  add_executable(make-icons ${CMAKE_CURRENT_LIST_DIR}/make_icons.cpp)
  target_link_libraries(make-icons PRIVATE vorbexia_image ZLIB::ZLIB)
endif()
