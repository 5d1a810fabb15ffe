# Image tools: the texture generator and the bitmap-to-PPM converter.
add_executable(make-textures ${CMAKE_CURRENT_LIST_DIR}/make_textures.cpp)
target_link_libraries(make-textures PRIVATE vorbexia_image)

add_executable(dib2ppm ${CMAKE_CURRENT_LIST_DIR}/dib2ppm.cpp)
target_link_libraries(dib2ppm PRIVATE vorbexia_image)

# The converter end to end: failed writes touch nothing but its own temporary
# file; a FIFO in place of the picture is refused at once.
if(VORBEXIA_TESTS)
  foreach(case keeps_folder keeps_device keeps_read_only_file replaces_whole
                size_limit refuses_fifo)
    add_test(NAME image.dib2ppm.${case}
             COMMAND bash ${PROJECT_SOURCE_DIR}/tests/image/dib2ppm_test.sh
                     $<TARGET_FILE:dib2ppm> ${PROJECT_SOURCE_DIR}/textures/brick.bmp ${case})
    set_tests_properties(image.dib2ppm.${case} PROPERTIES LABELS image TIMEOUT 60
                         SKIP_RETURN_CODE 77)
  endforeach()
endif()
