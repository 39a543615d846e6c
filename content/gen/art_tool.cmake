# orbivale_artsheet: pictures of the generated art for looking at it (a board in play with its
# pearls, gun, items and interface; a close-up chain of every colour; the gun firing), also in
# grey. Reads the content folder, so it needs neither the game library nor a display.
add_executable(orbivale_artsheet ${CMAKE_SOURCE_DIR}/content/gen/tool/art_sheet.cpp
  ${CMAKE_SOURCE_DIR}/content/gen/gen_track.cpp ${CMAKE_SOURCE_DIR}/content/gen/gen_write.cpp
  ${CMAKE_SOURCE_DIR}/content/gen/gen_canvas.cpp ${CMAKE_SOURCE_DIR}/content/manifest.cpp ${CMAKE_SOURCE_DIR}/engine/sound_files.cpp
  ${CMAKE_SOURCE_DIR}/content/text_int.cpp ${CMAKE_SOURCE_DIR}/shell/paths.cpp
  ${CMAKE_SOURCE_DIR}/shell/log.cpp ${CMAKE_SOURCE_DIR}/shell/utf8.cpp)
target_include_directories(orbivale_artsheet PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(orbivale_artsheet PRIVATE ${ORBIVALE_WARNINGS})
target_link_libraries(orbivale_artsheet PRIVATE PkgConfig::CAIRO PNG::PNG JPEG::JPEG m)

# orbivale_fxsheet: every effect image drawn as the game blends it, on black and on grey.
add_executable(orbivale_fxsheet ${CMAKE_SOURCE_DIR}/content/gen/tool/fx_sheet.cpp
  ${CMAKE_SOURCE_DIR}/content/manifest.cpp ${CMAKE_SOURCE_DIR}/engine/sound_files.cpp ${CMAKE_SOURCE_DIR}/content/text_int.cpp
  ${CMAKE_SOURCE_DIR}/shell/paths.cpp ${CMAKE_SOURCE_DIR}/shell/log.cpp ${CMAKE_SOURCE_DIR}/shell/utf8.cpp)
target_include_directories(orbivale_fxsheet PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(orbivale_fxsheet PRIVATE ${ORBIVALE_WARNINGS})
target_link_libraries(orbivale_fxsheet PRIVATE PkgConfig::CAIRO m)
