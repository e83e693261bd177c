#pragma once

#include <cstddef>
#include <cstdint>

// The two entry points of a fuzz target. libFuzzer calls them; so does the corpus replay
// program, which feeds the seed and crasher files through the same code without libFuzzer.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
