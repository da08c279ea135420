#pragma once

#include "grid.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pondrel {

// The part of the puzzle supply that survives a restart.
//
// `ready` maps a difficulty's raw value ("Easy", ...) to the grid texts of the
// givens of prepared puzzles, oldest first. Texts are not validated here: the
// supply checks each one with fromText() when it takes it. Other member names
// may come from a file and are kept so that they are written back unchanged.
//
// `played` holds the fingerprints of dealt puzzles, oldest first; duplicates
// are possible.
struct SavedState
{
    std::map<std::string, std::vector<std::string>> ready{};
    std::vector<std::uint64_t> played{};

    friend bool operator==(const SavedState &, const SavedState &) = default;
};

// 64-bit FNV-1a over the 81 cell values taken as bytes 0..9 (not their
// characters), so the same puzzle has the same fingerprint whatever script
// its text was written in.
constexpr std::uint64_t fingerprint(const Grid &givens)
{
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const std::uint8_t value : givens) {
        hash ^= value;
        hash *= 0x100000001B3ull;
    }
    return hash;
}

} // namespace pondrel
