#include "words.h"
const char* Word() {
    return "first";
}
