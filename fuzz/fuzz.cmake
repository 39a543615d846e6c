# libFuzzer targets, one per reader of outside bytes (clang only). Configure a build tree of
# its own with CC=clang CXX=clang++ -DORBIVALE_FUZZ=ON -DORBIVALE_TESTS=OFF and build the
# target fuzz_all; scripts/fuzz.sh does both and runs them. The game library is compiled with
# coverage and the sanitizers; the content generator is not, so content is made at full speed.
target_compile_options(orbivale_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)

# Target name and its source; the image and sound targets share one source per kind, told
# apart by the file ending they decode.
set(FUZZ_TARGETS path_file level_file config_txt players_bin script
  image_png image_jpg image_bmp image_tga sound_ogg sound_wav)
add_custom_target(fuzz_all)
foreach(t ${FUZZ_TARGETS})
  set(src fuzz_${t}.cpp)
  set(defs "")
  if(t MATCHES "^(image|sound)_(.*)$")
    set(src fuzz_${CMAKE_MATCH_1}.cpp)
    set(defs FUZZ_EXT="${CMAKE_MATCH_2}")
  endif()
  add_executable(fuzz_${t} ${CMAKE_SOURCE_DIR}/fuzz/${src} ${CMAKE_SOURCE_DIR}/fuzz/fuzz_support.cpp)
  target_compile_definitions(fuzz_${t} PRIVATE ${defs})
  target_compile_options(fuzz_${t} PRIVATE ${ORBIVALE_WARNINGS} -fsanitize=fuzzer,address,undefined)
  target_link_options(fuzz_${t} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(fuzz_${t} PRIVATE orbivale_core)
  add_dependencies(fuzz_all fuzz_${t})
endforeach()
