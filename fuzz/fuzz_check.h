#pragma once

#include <cstdio>
#include <cstdlib>

// Aborts with the failed condition, so that libFuzzer stores the input as a
// crash. Unlike assert() it stays on in every build type.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
