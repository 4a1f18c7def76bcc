// What the fuzz targets share: a check that stops the run with a message, so a
// broken rule counts as a crash, and a way to take a few numbers off the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

// Bytes taken from the front of the input for the target's own choices.
struct FuzzInput {
    const uint8_t* data;
    size_t size;

    uint8_t take() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    // A number from low to high, both included.
    int between(int low, int high) { return low + take() % (high - low + 1); }
};
