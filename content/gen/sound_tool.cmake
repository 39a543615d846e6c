# The sound generator measures loudness with libebur128 (only the generator, its listening
# tool and the tests link it; the game does not). It decodes each file it writes with the
# game's own decoder before measuring.
pkg_check_modules(EBUR128 REQUIRED IMPORTED_TARGET libebur128)
set(SOUND_DECODE_SOURCES ${CMAKE_SOURCE_DIR}/engine/sound_decode.cpp ${CMAKE_SOURCE_DIR}/shell/resource.cpp
  ${CMAKE_SOURCE_DIR}/shell/app_state.cpp)
target_sources(orbivale_contentgen PRIVATE ${SOUND_DECODE_SOURCES})
target_link_libraries(orbivale_contentgen PRIVATE PkgConfig::EBUR128)

# orbivale_soundwav DIR: every synthesised sound written as WAV, decoded as the game decodes
# it, for listening. Built from the synthesis and decoding sources alone, so it needs neither
# the content run nor the game library.
file(GLOB SOUND_SYNTH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/gen/synth*.cpp)
add_executable(orbivale_soundwav ${CMAKE_SOURCE_DIR}/content/gen/tool/sound_wav.cpp
  ${CMAKE_SOURCE_DIR}/content/gen/sound_gen.cpp ${SOUND_SYNTH_SOURCES} ${SOUND_DECODE_SOURCES}
  ${CMAKE_SOURCE_DIR}/shell/paths.cpp ${CMAKE_SOURCE_DIR}/shell/log.cpp ${CMAKE_SOURCE_DIR}/shell/utf8.cpp)
target_include_directories(orbivale_soundwav PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(orbivale_soundwav PRIVATE ${ORBIVALE_WARNINGS})
target_link_libraries(orbivale_soundwav PRIVATE PkgConfig::VORBIS PkgConfig::EBUR128 m)
