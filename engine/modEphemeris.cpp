#include "modEphemeris.h"
