#include "engine/rows/rows.h"
