#include "web/BrowserDeflate.h"

#include <emscripten.h>

#include <cstdlib>

#include "web/ZlibStream.h"

// clang-format off
// The compressed bytes (malloc'd, their count at `compressedSize`), or null when the
// browser cannot compress.
EM_ASYNC_JS(uint8_t*, lotraDeflate, (const uint8_t* data, int size, int* compressedSize), {
    const compressed = await lotra.deflate(HEAPU8.slice(data, data + size));
    if (compressed === null) return 0;
    const copy = _malloc(Math.max(1, compressed.length));
    HEAPU8.set(compressed, copy);
    HEAP32[compressedSize >> 2] = compressed.length;
    return copy;
});
// clang-format on

namespace web {

std::vector<uint8_t> browserZlib(const std::vector<uint8_t>& data) {
    int size = 0;
    uint8_t* compressed = lotraDeflate(data.data(), static_cast<int>(data.size()), &size);
    if (!compressed) return storedZlib(data);
    std::vector<uint8_t> bytes(compressed, compressed + size);
    std::free(compressed);
    return bytes;
}

}  // namespace web
