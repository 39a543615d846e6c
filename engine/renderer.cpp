// Screen generation numbers shared by every renderer.
#include "engine/renderer.h"

int Renderer_NextGeneration() {
    static int counter = 0;
    return ++counter;
}
