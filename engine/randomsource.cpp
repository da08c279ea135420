#include "randomsource.h"

#include <cerrno>
#include <random>
#include <sys/random.h>

namespace pondrel {

namespace {
// GCC and Clang's 128-bit integer; __extension__ keeps -Wpedantic quiet.
__extension__ using Uint128 = unsigned __int128;
} // namespace

std::uint64_t SystemRandomSource::next()
{
    if (m_next == kBatch) {
        auto *bytes = reinterpret_cast<unsigned char *>(m_buffer);
        std::size_t filled = 0;
        while (filled < sizeof(m_buffer)) {
            const ssize_t got = getrandom(bytes + filled, sizeof(m_buffer) - filled, 0);
            if (got > 0) {
                filled += static_cast<std::size_t>(got);
            } else if (got < 0 && errno != EINTR) {
                // Only a kernel without getrandom gets here; random_device
                // reads the same kernel pool through /dev/urandom.
                std::random_device device;
                for (std::uint64_t &word : m_buffer) {
                    word = (static_cast<std::uint64_t>(device()) << 32) | device();
                }
                filled = sizeof(m_buffer);
            }
        }
        m_next = 0;
    }
    return m_buffer[m_next++];
}

RandomSource &threadRandomSource()
{
    thread_local SystemRandomSource source;
    return source;
}

std::uint64_t uniformBelow(RandomSource &random, std::uint64_t n)
{
    Uint128 product = static_cast<Uint128>(random.next()) * n;
    auto low = static_cast<std::uint64_t>(product);
    if (low < n) {
        const std::uint64_t threshold = (0 - n) % n; // (2^64 - n) mod n
        while (low < threshold) {
            product = static_cast<Uint128>(random.next()) * n;
            low = static_cast<std::uint64_t>(product);
        }
    }
    return static_cast<std::uint64_t>(product >> 64);
}

} // namespace pondrel
