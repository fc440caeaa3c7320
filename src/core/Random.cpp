#include "core/Random.h"

#include <cstdlib>

void SeedRandom(unsigned seed) {
    std::srand(seed);
}
int RandomValue() {
    return std::rand();
}
