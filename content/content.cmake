# Content pipeline. orbivale_contentgen writes every content name of the manifest under its
# relative name into ORBIVALE_CONTENT_OUT (drawn art, synthesized sounds, copied fonts and
# level files), plus an .incbin assembly file and a registration table for it; those two
# become the orbivale_content library. The generator reruns only when its own sources, the
# manifest or the files under content/data change.
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
find_package(Threads REQUIRED)

set(ORBIVALE_CONTENT_OUT ${CMAKE_BINARY_DIR}/content_out)
set(CONTENT_STAMP ${CMAKE_BINARY_DIR}/content_out.stamp)
set(EMBED_ASM ${CMAKE_BINARY_DIR}/content_embed.S)
set(EMBED_CPP ${CMAKE_BINARY_DIR}/content_embed.cpp)

# The generator compiles the manifest and the content-folder mapping itself instead of
# linking orbivale_core, so edits elsewhere in the game do not trigger a new content run.
file(GLOB CONTENTGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/gen/*.cpp)
add_executable(orbivale_contentgen ${CONTENTGEN_SOURCES} ${CMAKE_SOURCE_DIR}/content/manifest.cpp ${CMAKE_SOURCE_DIR}/engine/sound_files.cpp
  ${CMAKE_SOURCE_DIR}/shell/paths.cpp ${CMAKE_SOURCE_DIR}/shell/log.cpp ${CMAKE_SOURCE_DIR}/shell/utf8.cpp
  ${CMAKE_SOURCE_DIR}/content/text_int.cpp ${CMAKE_SOURCE_DIR}/content/level_catalogue.cpp)
target_include_directories(orbivale_contentgen PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(orbivale_contentgen PRIVATE ${ORBIVALE_WARNINGS})
target_link_libraries(orbivale_contentgen PRIVATE PkgConfig::CAIRO PkgConfig::FREETYPE PNG::PNG JPEG::JPEG PkgConfig::VORBIS Threads::Threads m)

file(GLOB_RECURSE CONTENT_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/data/*)
set(CONTENT_FONTS /usr/share/fonts/truetype/cardo/Cardob101.ttf
  /usr/share/fonts/truetype/klaudia-berenika/Klaudia-Bold.ttf)

add_custom_command(
  OUTPUT ${CONTENT_STAMP} ${EMBED_ASM} ${EMBED_CPP}
  COMMAND orbivale_contentgen --out ${ORBIVALE_CONTENT_OUT} --data ${CMAKE_SOURCE_DIR}/content/data
    --asm ${EMBED_ASM} --cpp ${EMBED_CPP} --stamp ${CONTENT_STAMP}
  DEPENDS orbivale_contentgen ${CONTENT_DATA} ${CONTENT_FONTS}
  COMMENT "Generating the game content"
  VERBATIM)

add_library(orbivale_content STATIC ${EMBED_ASM} ${EMBED_CPP})
set_source_files_properties(${EMBED_ASM} PROPERTIES OBJECT_DEPENDS ${CONTENT_STAMP})
target_link_libraries(orbivale_content PUBLIC orbivale_core)

# Listening tool for the synthesised sounds.
include(${CMAKE_SOURCE_DIR}/content/gen/sound_tool.cmake)
include(${CMAKE_SOURCE_DIR}/content/gen/art_tool.cmake)
