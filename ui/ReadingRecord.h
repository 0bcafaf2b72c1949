#pragma once

#include "engine/ReadingInput.h"

// The one reading record of the program. It lives from start to exit; the calculate command
// overwrites it with each reading and the oracle reads its date from it.
ReadingInput& currentReading();
