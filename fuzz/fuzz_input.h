// What the fuzz targets share: reading typed values off the fuzzer's bytes, and the
// check that turns a broken invariant into a crash libFuzzer reports.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fuzz {

inline void Check(bool condition) {
  if (!condition) std::abort();
}

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // The next sizeof(T) bytes as a T; zeros once the bytes run out.
  template <typename T>
  T Take() {
    T value{};
    const std::size_t n = std::min(sizeof value, size_ - at_);
    std::memcpy(&value, data_ + at_, n);
    at_ += n;
    return value;
  }

  // The bytes up to the next NUL (taken too) or the end.
  std::string TakeText() {
    const void* nul = std::memchr(data_ + at_, 0, size_ - at_);
    const std::size_t end = nul != nullptr ? static_cast<const std::uint8_t*>(nul) - data_ : size_;
    std::string text(reinterpret_cast<const char*>(data_ + at_), end - at_);
    at_ = std::min(end + 1, size_);
    return text;
  }

  bool empty() const { return at_ == size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace fuzz
