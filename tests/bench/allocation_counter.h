#pragma once

#include <cstddef>

namespace tessik::bench {

// How many times the global operator new has been called so far in this
// program. The benchmark binary replaces operator new to count.
std::size_t AllocationCount();

} // namespace tessik::bench
