// The table of steps other subsystems install into the level run; empty until they do.
#include "play/ingame_steps.h"

InGame_Steps_Table InGame_Steps;
