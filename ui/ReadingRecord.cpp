#include "ReadingRecord.h"

ReadingInput& currentReading() {
    static ReadingInput reading;
    return reading;
}
