#include "model/limits.h"

const char* const BackgroundNames[BackgroundCount] = {"sewers", "egypt", "jungle"};
