# libFuzzer targets, one per reader of outside bytes (clang only). Configure a build tree of
# its own with CC=clang CXX=clang++ -DORBIVALE_FUZZ=ON -DORBIVALE_TESTS=OFF and build the
# target fuzz_all; scripts/fuzz.sh does both and runs them. The game library is compiled with
# coverage and the sanitizers; the content generator is not, so content is made at full speed.
target_compile_options(orbivale_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)

set(FUZZ_TARGETS path_file level_file config_txt players_bin image_png image_jpg image_bmp
  image_tga sound_ogg sound_wav script)
add_custom_target(fuzz_all)
foreach(t ${FUZZ_TARGETS})
  add_executable(fuzz_${t} ${CMAKE_SOURCE_DIR}/fuzz/fuzz_${t}.cpp ${CMAKE_SOURCE_DIR}/fuzz/fuzz_support.cpp)
  target_compile_options(fuzz_${t} PRIVATE ${ORBIVALE_WARNINGS} -fsanitize=fuzzer,address,undefined)
  target_link_options(fuzz_${t} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(fuzz_${t} PRIVATE orbivale_core)
  add_dependencies(fuzz_all fuzz_${t})
endforeach()
