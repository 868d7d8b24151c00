#include "platform/directory_buffer.h"

#include <algorithm>

namespace kebo {

std::uint32_t copyDirectoryPath(std::string_view path, std::span<char> buffer) {
    const auto length = static_cast<std::uint32_t>(path.size());
    if (path.size() >= buffer.size()) {
        return length + 1;
    }
    std::copy(path.begin(), path.end(), buffer.begin());
    buffer[path.size()] = '\0';
    return length;
}

}  // namespace kebo
