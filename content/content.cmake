# Content pipeline: the generator tool writes every content name under its exact relative
# name into ORBIVALE_CONTENT_OUT; the embedding step links that folder into the game.
# (Placeholder until the generator lands: an empty catalogue.)
set(ORBIVALE_CONTENT_OUT ${CMAKE_BINARY_DIR}/content_out)
set(EMBED_CPP ${CMAKE_BINARY_DIR}/content_embed.cpp)
file(WRITE ${EMBED_CPP} "// Generated: the embedded content catalogue.\nvoid Content_RegisterEmbedded() {}\n")
add_library(orbivale_content STATIC ${EMBED_CPP})
