#include "ui/edit_field.h"
