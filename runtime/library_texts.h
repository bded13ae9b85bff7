// Texts made by the lunar library: blocks it allocates through the service function
// that the runtime hands over at start-up. The runtime owns the allocator, so it is also
// the one that frees them.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace runtime {

// The service function: a block of `size` bytes, or nullptr when memory runs out.
void* AllocateLibraryText(std::uint32_t size);

void ReleaseLibraryText(char* block);

// Takes over a block the library returned: its text, with the block released. A null
// block is the empty text.
Text AdoptLibraryText(char* block);

}  // namespace runtime
