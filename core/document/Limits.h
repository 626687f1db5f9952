#pragma once
#include <cstdint>

constexpr int MAX_ENTRIES = 5000;
constexpr int MAX_DELETED = 100;
constexpr int MAX_AUTOS = 100;
constexpr int MAX_DESCS = 1000;
// What a 16-bit count can hold; no path may take a list past it.
constexpr int MAX_COUNT = 0xFFFF;
