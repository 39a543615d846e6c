// The developer overlay (Ctrl+I once, then hold Ctrl+F2): frame rates, memory, pointer.
#pragma once

void Debug_DrawOverlay();
// Bytes of memory the program uses, for the "Mem=" line.
long Debug_MemoryInUse();
