// Command line, start-up sequence and main loop.
#include "shell/app.h"

int App_Main(int, char**, Platform_Factory) { return 0; }
