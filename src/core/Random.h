#pragma once
// The game's one random generator: the standard one, seeded once at start (tests seed it to replay).

void SeedRandom(unsigned seed);
// A fresh value of the standard generator, reduced by the caller with %.
int RandomValue();
