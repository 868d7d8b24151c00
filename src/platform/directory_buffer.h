#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kebo {

// Fills `buffer` the way GetWindowsDirectoryA does, for backends that answer the directory
// queries with a path of their own: the path and a terminating zero when they fit (returns the
// length), otherwise nothing written (returns the size needed, zero included).
std::uint32_t copyDirectoryPath(std::string_view path, std::span<char> buffer);

}  // namespace kebo
