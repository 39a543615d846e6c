// Content the generator does not draw: the two TrueType fonts copied from the system's font
// packages, and the level and path files written by the level design (gen_levels.h).
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "content/manifest.h"

// The bytes of a font or text entry; level and path files come from the level design, which
// is checked as a whole first (data_dir is not read). False with err set.
bool Gen_CopiedFile(const Manifest_Entry& e, const std::string& data_dir, std::vector<uint8_t>& out,
                    std::string& err);
// The system file a font entry is copied from ("" for other names).
std::string Gen_FontSource(const std::string& name);
// Checks that a level's board and the decoration images its path file names exist in the
// manifest. False with err naming the level and the missing image.
bool Gen_CheckLevelRefs(int pack, int number, const std::string& level_text, const std::string& path_text,
                        std::string& err);
