// Embedding of the generated folder: an assembly file that pulls every file into read-only
// data with .incbin, and a C++ table {name, start, end} with Content_RegisterEmbedded, so the
// program carries its content without copying it at start-up.
#pragma once
#include <string>
#include <vector>

struct Gen_Embedded {
    std::string name; // content name
    std::string file; // absolute path of the generated file
};

// Writes both files; false when either can't be written.
bool Gen_WriteEmbed(const std::vector<Gen_Embedded>& files, const std::string& asm_path,
                    const std::string& cpp_path);
