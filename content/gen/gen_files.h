// Content the generator copies rather than draws: the two TrueType fonts from the system's
// font packages, and the level and path files from the hand-written sources in the repository.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "content/manifest.h"

// The bytes of a font or text entry. data_dir holds packs/<Pack>/level_NNN.txt and
// path_NNN.txt; a level without its own file reuses the pack's placeholder
// ((N - 1) mod count) + 1, count being the pack's run of files from 001. False with err set.
bool Gen_CopiedFile(const Manifest_Entry& e, const std::string& data_dir, std::vector<uint8_t>& out,
                    std::string& err);
// The system file a font entry is copied from ("" for other names).
std::string Gen_FontSource(const std::string& name);
// Checks that a level's board and the decoration images its path file names exist in the
// manifest. False with err naming the level and the missing image.
bool Gen_CheckLevelRefs(int pack, int number, const std::string& level_text, const std::string& path_text,
                        std::string& err);
