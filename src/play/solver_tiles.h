#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "core/tiles.h"

// The sets of tiles the solver works on, and its memory of lost positions.
namespace ribaku::solver {

constexpr int kKinds = kTileCount / 4;
// Bit t - 1 stands for tile t. Bit 144 stands for the walls: cells that block like a tile
// but hold none, so they never leave.
constexpr int kWallBit = kTileCount;

// Counts bits without the popcount instruction, which the target need not have.
constexpr int CountBits(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

// Spreads every bit of x over the result (the splitmix64 finaliser).
constexpr uint64_t MixBits(uint64_t x) {
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// A set of tiles as bits; the four tiles of a kind share a nibble.
class TileSet {
public:
    bool Has(int bit) const { return (words_[bit >> 6] >> (bit & 63)) & 1; }
    void Add(int bit) { words_[bit >> 6] |= uint64_t{1} << (bit & 63); }
    void Remove(int bit) { words_[bit >> 6] &= ~(uint64_t{1} << (bit & 63)); }

    unsigned Kind(int kind) const { return (words_[kind >> 4] >> ((kind & 15) * 4)) & 0xF; }

    int Count() const { return CountBits(words_[0]) + CountBits(words_[1]) + CountBits(words_[2]); }
    bool NoTiles() const {
        constexpr uint64_t kTilesOfLastWord = (uint64_t{1} << (kWallBit - 128)) - 1;
        return (words_[0] | words_[1] | (words_[2] & kTilesOfLastWord)) == 0;
    }
    bool Empty() const { return (words_[0] | words_[1] | words_[2]) == 0; }

    TileSet& operator|=(const TileSet& other) {
        for (int i = 0; i < 3; ++i)
            words_[i] |= other.words_[i];
        return *this;
    }
    friend TileSet operator&(TileSet a, const TileSet& b) {
        for (int i = 0; i < 3; ++i)
            a.words_[i] &= b.words_[i];
        return a;
    }
    friend bool operator==(const TileSet&, const TileSet&) = default;

    // Calls visit(bit) for every tile of the set, lowest first; the wall is no tile.
    template <class Visit>
    void ForEachTile(Visit visit) const {
        for (int w = 0; w < 3; ++w) {
            for (uint64_t bits = words_[w]; bits != 0; bits &= bits - 1) {
                const int bit = 64 * w + std::countr_zero(bits);
                if (bit < kWallBit) visit(bit);
            }
        }
    }

    uint64_t Hash() const { return MixBits(words_[0] ^ MixBits(words_[1] ^ MixBits(words_[2]))); }

private:
    std::array<uint64_t, 3> words_{};
};

// A few tiles, for the neighbours of one tile: most have one or two on a side, so looking
// them up one by one beats going over whole sets.
class TileList {
public:
    void Add(int bit) {
        if (std::find(bits_.begin(), bits_.begin() + count_, bit) == bits_.begin() + count_)
            bits_[count_++] = static_cast<uint8_t>(bit);
    }
    bool Meets(const TileSet& set) const {
        for (int i = 0; i < count_; ++i)
            if (set.Has(bits_[i])) return true;
        return false;
    }
    const uint8_t* begin() const { return bits_.data(); }
    const uint8_t* end() const { return bits_.data() + count_; }

private:
    // Nine cells on a tile, or three on each side and nine under it.
    std::array<uint8_t, 15> bits_{};
    uint8_t count_ = 0;
};

// Positions already proven lost, by their tiles. Open addressing; the empty set marks a
// free slot, as a lost position always holds a tile or the wall. Once full it forgets
// nothing and learns nothing more: the search then only repeats some work.
class LostTable {
public:
    bool Contains(const TileSet& key) const {
        if (slots_.empty()) return false;
        for (size_t i = key.Hash() & Mask();; i = (i + 1) & Mask()) {
            if (slots_[i] == key) return true;
            if (slots_[i].Empty()) return false;
        }
    }

    void Insert(const TileSet& key) {
        if (2 * (used_ + 1) > slots_.size()) {
            if (slots_.size() >= kMostSlots) return;
            Grow();
        }
        size_t i = key.Hash() & Mask();
        while (!slots_[i].Empty()) {
            if (slots_[i] == key) return;
            i = (i + 1) & Mask();
        }
        slots_[i] = key;
        ++used_;
    }

private:
    static constexpr size_t kFirstSize = size_t{1} << 12;
    static constexpr size_t kMostSlots = size_t{1} << 21;  // 48 MB

    size_t Mask() const { return slots_.size() - 1; }

    void Grow() {
        std::vector<TileSet> old(std::max(kFirstSize, 2 * slots_.size()));
        old.swap(slots_);
        used_ = 0;
        for (const TileSet& key : old)
            if (!key.Empty()) Insert(key);
    }

    std::vector<TileSet> slots_;
    size_t used_ = 0;
};

}  // namespace ribaku::solver
