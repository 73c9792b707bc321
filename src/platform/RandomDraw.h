#pragma once

#include <functional>

// Chance draws of the interface (the promotion's odds and delay) go through
// here, so that a test can decide them.
namespace RandomDraw {

// A whole number from lowest to highest, both included, from the system's
// generator (or the test's function).
int bounded(int lowest, int highest);

// Tests: every draw goes to fn; an empty function restores the generator.
void setDrawForTesting(std::function<int(int lowest, int highest)> fn);

}
