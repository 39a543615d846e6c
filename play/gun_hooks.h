// Installs the gun, the shots, matching, the hole and the alarm into the chain's hook table
// and the level run's step table. Called once at start-up, after the level run registered.
#pragma once

void Shooting_InstallHooks();
