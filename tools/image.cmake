# Image tools: the texture generator and the bitmap-to-PPM converter.
add_executable(make-textures ${CMAKE_CURRENT_LIST_DIR}/make_textures.cpp)
target_link_libraries(make-textures PRIVATE vorbexia_image)

add_executable(dib2ppm ${CMAKE_CURRENT_LIST_DIR}/dib2ppm.cpp)
target_link_libraries(dib2ppm PRIVATE vorbexia_image)
