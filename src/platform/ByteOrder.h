#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Reading and writing the little- and big-endian fields of image files. Reads
// check bounds and give nothing past the end, so a truncated file cannot be
// read beyond its last byte. Internal to the picture code.
namespace platform {

inline void PutLe16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

// Little-endian unsigned of size bytes at offset; false when it does not fit.
inline bool GetLe(std::span<const uint8_t> in, size_t offset, size_t size, uint32_t& v) {
  if (offset > in.size() || size > in.size() - offset) return false;
  v = 0;
  for (size_t i = size; i-- > 0;) v = v << 8 | in[offset + i];
  return true;
}

inline bool GetBe32(std::span<const uint8_t> in, size_t offset, uint32_t& v) {
  if (offset > in.size() || 4 > in.size() - offset) return false;
  v = 0;
  for (size_t i = 0; i < 4; ++i) v = v << 8 | in[offset + i];
  return true;
}

}  // namespace platform
