// Process entry: the game with the SDL/OpenGL platform available.
#include "engine/sdl/sdl_platform.h"
#include "shell/app.h"

int main(int argc, char** argv) { return App_Main(argc, argv, Sdl_CreatePlatform); }
