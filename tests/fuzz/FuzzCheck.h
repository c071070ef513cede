#pragma once
// A broken invariant in a fuzz target: says which one and aborts, so libFuzzer
// keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

namespace brivon::fuzz {

inline void require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

}  // namespace brivon::fuzz
