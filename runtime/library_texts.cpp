#include "runtime/library_texts.h"

#include <cstdlib>

namespace runtime {

void* AllocateLibraryText(std::uint32_t size) { return std::malloc(size == 0 ? 1 : size); }

void ReleaseLibraryText(char* block) { std::free(block); }

Text AdoptLibraryText(char* block) {
  if (block == nullptr) return {};
  Text text(block);
  ReleaseLibraryText(block);
  return text;
}

}  // namespace runtime
