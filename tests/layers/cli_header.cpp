#include "cli/progress.h"
