#include "graphics/canvas.h"
