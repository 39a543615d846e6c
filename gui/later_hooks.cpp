// The table of calls into later modules; every entry starts empty.
#include "gui/later_hooks.h"

Later_Hooks Later;
