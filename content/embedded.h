// The content linked into the program: one call registers every embedded file in the resource
// catalogue under its content name (the bytes stay in place, read-only).
#pragma once

// Registers every embedded content file (Resource_Register; the first registration wins).
void Content_RegisterEmbedded();
