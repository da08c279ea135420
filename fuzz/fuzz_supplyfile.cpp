// Arbitrary bytes into the supply file's decoder, the in-memory step that
// readSupplyFile() runs on the file's content. What decodes must encode and
// decode again to the same state, or the next save would change or lose it.

#include "supplyfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view json(reinterpret_cast<const char *>(data), size);
    const auto state = pondrel::decodeSavedState(json);
    if (!state) {
        return 0;
    }
    // Decoding accepts only valid UTF-8, so encoding cannot fail.
    const auto encoded = pondrel::encodeSavedState(*state);
    if (!encoded || pondrel::decodeSavedState(*encoded) != state) {
        std::abort();
    }
    return 0;
}
