#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property fails the run like a crash, naming the condition that broke.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void()                                                                          \
                 : (std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__),  \
                    std::abort()))
