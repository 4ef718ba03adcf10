#include "core/save_file.h"
