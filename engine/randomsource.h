#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace pondrel {

// Where every random number of the engine comes from. There is no seed: the
// system source reads the kernel's CSPRNG, so a generation cannot be
// replayed. Tests substitute a scripted or counting source.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual std::uint64_t next() = 0;
};

// 64 bits of getrandom(2) per draw. Reads are batched (one system call per
// 32 draws), so one instance must not be shared between threads.
class SystemRandomSource final : public RandomSource
{
public:
    std::uint64_t next() override;

private:
    static constexpr std::size_t kBatch = 32;
    std::uint64_t m_buffer[kBatch] = {};
    std::size_t m_next = kBatch;
};

// The calling thread's own system source.
RandomSource &threadRandomSource();

// Uniform integer in [0, n) without modulo bias (Lemire's multiply and
// reject). Precondition: n >= 1.
std::uint64_t uniformBelow(RandomSource &random, std::uint64_t n);

// Forward Fisher-Yates: for i = 0 .. n-2 swap element i with element
// i + uniformBelow(n - i) when they differ.
template <typename T> void shuffle(std::span<T> list, RandomSource &random)
{
    if (list.size() < 2) {
        return;
    }
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        const std::size_t j = i + static_cast<std::size_t>(uniformBelow(random, list.size() - i));
        if (j != i) {
            std::swap(list[i], list[j]);
        }
    }
}

} // namespace pondrel
