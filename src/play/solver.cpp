#include "play/solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace ribaku {
namespace {

constexpr int kKinds = kTileCount / 4;
// Bit t - 1 stands for tile t. Bit 144 stands for the walls: cells that block like a tile
// but hold none, so they never leave.
constexpr int kWallBit = kTileCount;
constexpr int kMaxPairs = kTileCount / 2;
constexpr int64_t kFirstRunNodes = 1000;
constexpr int kShakeRange = 16;

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

    bool Meets(const TileSet& other) const {
        return ((words_[0] & other.words_[0]) | (words_[1] & other.words_[1]) |
                (words_[2] & other.words_[2])) != 0;
    }
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
    TileSet Without(const TileSet& other) const {
        TileSet rest = *this;
        for (int i = 0; i < 3; ++i)
            rest.words_[i] &= ~other.words_[i];
        return rest;
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

// Which pairs of each kind some winning line may still take: bit i for kPairsOfFour[i].
// Taking a free pair never hurts a line that takes it later, so once a pair has failed
// right away it can fail only later too, and is struck off; with its complement, as the
// two make one way of pairing a kind off.
using PairSet = uint8_t;

using PerKind = std::array<PairSet, kKinds>;

struct Position {
    TileSet present;
    TileSet free;  // the free tiles of `present`
    PerKind pairs{};
};

// The two-tile nibbles of a kind, each followed three places on by its complement.
constexpr std::array<unsigned, 6> kPairsOfFour = {0b0011, 0b0101, 0b1001, 0b1100, 0b1010, 0b0110};

constexpr auto kPairBits = [] {
    std::array<PairSet, 16> bits{};
    for (int i = 0; i < 6; ++i)
        bits[kPairsOfFour[i]] = PairSet(1u << i);
    return bits;
}();

constexpr PairSet PairBit(unsigned pair) {
    return kPairBits[pair];
}

// The three ways of pairing off a kind of four: a pair and its complement.
constexpr std::array<PairSet, 3> kPairings = {0b001001, 0b010010, 0b100100};

// The first of the pairs of the set, in the order of kPairsOfFour.
unsigned FirstPairOf(PairSet pairs) {
    return kPairsOfFour[std::countr_zero(pairs)];
}

constexpr unsigned Complement(unsigned pair) {
    return 0xF & ~pair;
}

int FirstOf(int kind, unsigned nibble) {
    return 4 * kind + std::countr_zero(nibble);
}

int LastOf(int kind, unsigned nibble) {
    return 4 * kind + 31 - std::countl_zero(nibble);
}

// For every pair set and tile of a kind (0..3): the tiles it may still pair with.
constexpr auto kMates = [] {
    std::array<std::array<uint8_t, 4>, 64> mates{};
    for (unsigned pairs = 0; pairs < 64; ++pairs)
        for (int i = 0; i < 6; ++i)
            if (pairs & (1u << i))
                for (int tile = 0; tile < 4; ++tile)
                    if (kPairsOfFour[i] & (1u << tile))
                        mates[pairs][tile] |= uint8_t(kPairsOfFour[i] & ~(1u << tile));
    return mates;
}();

// A pair of this kind that every winning line takes, when its tiles are both free.
unsigned SettledFreePair(unsigned there, unsigned loose, PairSet pairs) {
    if (there == 0 || pairs == 0) return 0;
    // All free: any way of pairing them off that is still open does.
    if (loose == there) return there;
    // Only one way left: its pairs are settled.
    if (CountBits(pairs) > (there == 0xF ? 2 : 1)) return 0;
    for (PairSet bits = pairs; bits != 0; bits &= bits - 1) {
        const unsigned pair = FirstPairOf(bits);
        if ((loose & pair) == pair) return pair;
    }
    return 0;
}

// Where the looser game stands: the tiles not yet gone, and which of them are free.
struct LooseState {
    TileSet left;
    TileSet free;
};

// The ways of pairing each kind off that a run of the looser game strayed from, and for
// each, the state just before it first did.
struct Strays {
    void Note(int kind, PairSet ways, const LooseState& state) {
        for (int way = 0; way < 3; ++way)
            if (ways & ~strayed[kind] & kPairings[way]) before[kind][way] = state;
        strayed[kind] |= ways;
    }

    PerKind strayed{};
    std::array<std::array<LooseState, 3>, kKinds> before{};
};

// The cells whose tiles keep a tile from being free, as core/freedom.cpp reads them.
struct BlockingCells {
    // The three cells along one side, side -1 or +1, that must all be empty to open it.
    static TCellPos Side(FreedomRule rule, const TCellPos& p, int side, int along) {
        return rule == FreedomRule::Classic ? TCellPos{p.column + 2 * side, p.row + along, p.level}
                                            : TCellPos{p.column + along, p.row + 2 * side, p.level};
    }
    static TCellPos Above(const TCellPos& p, int dc, int dr) {
        return TCellPos{p.column + dc, p.row + dr, p.level + 1};
    }
};

class Solver {
public:
    Solver(const TBoardState& state, FreedomRule rule, const TSolveLimits& limits)
        : limits_(limits) {
        ReadBoard(state, rule);
        ComputeHardBefore(state);
        ComputeOpeningPairs();
    }

    TSolveResult Run() {
        TSolveResult result;
        if (!EveryKindCanPair()) {
            result.verdict = SolveVerdict::NotWinnable;
            return result;
        }
        const bool won = SearchWithRestarts();
        result.nodes = nodes_;
        if (won) {
            result.verdict = SolveVerdict::Winnable;
            result.line.assign(line_.begin(), line_.begin() + lineLength_);
        } else {
            result.verdict = aborted_ ? SolveVerdict::Unknown : SolveVerdict::NotWinnable;
        }
        return result;
    }

private:
    // --- The position, once ---

    void ReadBoard(const TBoardState& state, FreedomRule rule) {
        start_.present.Add(kWallBit);
        for (int t = 1; t <= kTileCount; ++t)
            if (state.TilePos[t].OnBoard()) start_.present.Add(t - 1);
        start_.present.ForEachTile([&](int bit) {
            const TCellPos& p = state.TilePos[bit + 1];
            for (int along = -1; along <= 1; ++along) {
                AddBlocker(state, BlockingCells::Side(rule, p, -1, along), sideA_[bit]);
                AddBlocker(state, BlockingCells::Side(rule, p, +1, along), sideB_[bit]);
            }
            // The top level has nothing above it.
            if (p.level >= kBoardLevels - 1) return;
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr)
                    AddBlocker(state, BlockingCells::Above(p, dc, dr), above_[bit]);
        });
        FindFree(start_.present, start_.present, start_.free);
        start_.present.ForEachTile([&](int bit) {
            TileSet blockers = sideA_[bit];
            blockers |= sideB_[bit];
            blockers |= above_[bit];
            blockers.ForEachTile([&](int blocker) { blocks_[blocker].Add(bit); });
        });
    }

    static void AddBlocker(const TBoardState& state, const TCellPos& cell, TileSet& into) {
        if (cell.column < 0 || cell.row < 0 || cell.column >= kBoardColumns ||
            cell.row >= kBoardRows || cell.level >= kBoardLevels) {
            return;
        }
        const int value = state.Board[cell];
        if (value == 0) return;
        const bool placedTile = value <= kTileCount && state.TilePos[value] == cell;
        into.Add(placedTile ? value - 1 : kWallBit);
    }

    // What must leave before a tile can: the tiles on it, and what must leave before them.
    // A tile leaves only after those on it, so this stays true in every later position.
    void ComputeHardBefore(const TBoardState& state) {
        for (int level = kBoardLevels - 1; level >= 0; --level) {
            start_.present.ForEachTile([&](int bit) {
                if (state.TilePos[bit + 1].level != level) return;
                above_[bit].ForEachTile([&](int top) {
                    hardBefore_[bit].Add(top);
                    hardBefore_[bit] |= hardBefore_[top];
                });
            });
        }
    }

    bool MayPair(int a, int b) const { return !hardBefore_[a].Has(b) && !hardBefore_[b].Has(a); }

    bool NeedsEither(int a, int b, int c, int d) const {
        TileSet before = hardBefore_[a];
        before |= hardBefore_[b];
        return before.Has(c) || before.Has(d);
    }

    // Two pairs of one kind can both leave unless one pair lies under its own partner, or
    // each pair waits for the other.
    bool PairingWorks(int kind, unsigned pair) const {
        const int a = FirstOf(kind, pair), b = LastOf(kind, pair);
        const unsigned rest = Complement(pair);
        const int c = FirstOf(kind, rest), d = LastOf(kind, rest);
        return MayPair(a, b) && MayPair(c, d) &&
               !(NeedsEither(a, b, c, d) && NeedsEither(c, d, a, b));
    }

    void ComputeOpeningPairs() {
        for (int kind = 0; kind < kKinds; ++kind) {
            const unsigned there = start_.present.Kind(kind);
            PairSet& pairs = start_.pairs[kind];
            if (CountBits(there) == 2) {
                if (MayPair(FirstOf(kind, there), LastOf(kind, there))) pairs = PairBit(there);
            } else if (there == 0xF) {
                for (unsigned pair : {0b0011u, 0b0101u, 0b1001u})
                    if (PairingWorks(kind, pair))
                        pairs |= PairBit(pair) | PairBit(Complement(pair));
            }
        }
    }

    // An odd count, or a kind whose tiles cannot be paired off at all, loses from the start.
    bool EveryKindCanPair() const {
        for (int kind = 0; kind < kKinds; ++kind) {
            const unsigned there = start_.present.Kind(kind);
            if (CountBits(there) % 2 != 0) return false;
            if (there != 0 && start_.pairs[kind] == 0) return false;
        }
        return true;
    }

    // --- Freedom ---

    bool IsFreeIn(const TileSet& present, int bit) const {
        return !above_[bit].Meets(present) &&
               (!sideA_[bit].Meets(present) || !sideB_[bit].Meets(present));
    }

    // Adds to `free` the tiles of `candidates` that are free in `present`.
    void FindFree(const TileSet& present, const TileSet& candidates, TileSet& free) const {
        (candidates & present).Without(free).ForEachTile([&](int bit) {
            if (IsFreeIn(present, bit)) free.Add(bit);
        });
    }

    // Takes one tile off. Only the tiles it blocked can become free, and a free tile stays
    // free, as taking tiles off never blocks another.
    void Lift(TileSet& present, TileSet& free, int bit) const {
        present.Remove(bit);
        free.Remove(bit);
        FindFree(present, blocks_[bit], free);
    }

    // --- The search ---

    // One early wrong pair can hide a win behind a huge lost subtree. So the search starts
    // over, with twice the nodes each time and its order shaken a little; what it proved
    // lost stays proven.
    bool SearchWithRestarts() {
        for (int64_t runNodes = kFirstRunNodes;; runNodes *= 2) {
            runEnd_ = nodes_ + runNodes;
            lineLength_ = 0;
            if (Explore(start_)) return true;
            if (aborted_ || nodes_ < runEnd_) return false;
            ++restarts_;
        }
    }

    bool OutOfLimits() {
        if (nodes_ >= limits_.nodeBudget ||
            (limits_.cancel && limits_.cancel->load(std::memory_order_relaxed))) {
            aborted_ = true;
        }
        return Stopped();
    }

    bool Stopped() const { return aborted_ || nodes_ >= runEnd_; }

    void Take(Position& at, int kind, unsigned pair) {
        const int first = FirstOf(kind, pair), last = LastOf(kind, pair);
        line_[lineLength_++] = TTilePair{uint8_t(first + 1), uint8_t(last + 1)};
        Lift(at.present, at.free, first);
        Lift(at.present, at.free, last);
        at.pairs[kind] = at.present.Kind(kind) == 0 ? 0 : PairBit(Complement(pair));
    }

    // Takes off every pair that every winning line takes and that is free: no later move
    // can need it on the board, as taking tiles off never blocks another.
    void TakeSettledPairs(Position& at) {
        for (;;) {
            bool took = false;
            for (int kind = 0; kind < kKinds; ++kind) {
                const unsigned there = at.present.Kind(kind);
                const unsigned settled = SettledFreePair(there, at.free.Kind(kind), at.pairs[kind]);
                if (settled == 0) continue;
                if (settled == 0xF) {
                    const unsigned first = FirstPairOf(at.pairs[kind]);
                    Take(at, kind, first);
                    Take(at, kind, Complement(first));
                } else {
                    Take(at, kind, settled);
                }
                took = true;
            }
            if (!took) return;
        }
    }

    // A looser game: a tile may leave alone once it is free and a tile it may still pair
    // with is free too or already gone; a pair settled for every line leaves together.
    // Every line of the real game is a line of the looser one, and there freedom only grows,
    // so taking whatever can go until nothing can decides it: a loss there is a loss here.
    bool LooseGameClears(const Position& at, Strays* strays = nullptr) const {
        return LooseGameClearsFrom(at, LooseState{at.present, at.free}, strays);
    }

    // The looser game played on from a state it reached from `at`. When `strays` is given,
    // it keeps for each kind the ways of pairing it off the run did not keep to, each with
    // the state just before it first strayed: up to there the run is one of the game with
    // the kind paired that way, so that game may go on from there.
    bool LooseGameClearsFrom(const Position& at, LooseState state, Strays* strays) const {
        auto& [left, free] = state;
        // Kinds to look at again: those with a tile newly free or newly gone.
        uint64_t waiting = (uint64_t{1} << kKinds) - 1;
        while (waiting != 0) {
            const int kind = std::countr_zero(waiting);
            waiting &= waiting - 1;
            const unsigned loose = free.Kind(kind);
            if (loose == 0) continue;
            const unsigned gone = at.present.Kind(kind) & ~left.Kind(kind);
            const unsigned leaving = LeavingAlone(at.pairs[kind], loose, gone);
            if (leaving == 0) continue;
            if (strays) strays->Note(kind, PairingsStrayedFrom(leaving, loose), state);
            const TileSet freeBefore = free;
            for (unsigned bits = leaving; bits != 0; bits &= bits - 1)
                Lift(left, free, 4 * kind + std::countr_zero(bits));
            free.Without(freeBefore).ForEachTile([&](int bit) {
                waiting |= uint64_t{1} << (bit / 4);
            });
            waiting |= uint64_t{1} << kind;
        }
        return left.NoTiles();
    }

    // The ways of pairing a kind off under which some of `leaving` could not go: a tile
    // whose partner there is not free with it.
    static PairSet PairingsStrayedFrom(unsigned leaving, unsigned loose) {
        PairSet strayed = 0;
        for (const PairSet pairing : kPairings)
            for (unsigned bits = leaving; bits != 0; bits &= bits - 1)
                if (!(kMates[pairing][std::countr_zero(bits)] & loose)) strayed |= pairing;
        return strayed;
    }

    // Strikes each way of pairing a full kind off under which even the looser game cannot
    // clear: no winning line pairs the kind that way. Only the ways the looser game's run
    // `strays_` strayed from need a run of their own, which costs about what a node does
    // and is counted as one. False when a kind has no way left.
    bool StrikeHopelessPairings(Position& at) {
        // The runs go on from states of a run with none of these strikes.
        const Position unstruck = at;
        for (int kind = 0; kind < kKinds; ++kind) {
            if (at.present.Kind(kind) != 0xF || CountBits(at.pairs[kind]) <= 2) continue;
            for (int way = 0; way < 3; ++way) {
                const PairSet pairing = kPairings[way];
                if (!(at.pairs[kind] & strays_.strayed[kind] & pairing)) continue;
                // Out of nodes, the position goes on unprobed; the next node stops the search.
                if (OutOfLimits()) return true;
                ++nodes_;
                Position probe = unstruck;
                probe.pairs[kind] = pairing;
                if (!LooseGameClearsFrom(probe, strays_.before[kind][way], nullptr))
                    at.pairs[kind] &= PairSet(~pairing);
            }
            if (at.pairs[kind] == 0) return false;
        }
        return true;
    }

    static unsigned LeavingAlone(PairSet pairs, unsigned loose, unsigned gone) {
        unsigned leaving = 0;
        for (unsigned bits = loose; bits != 0; bits &= bits - 1) {
            const int tile = std::countr_zero(bits);
            const unsigned mates = kMates[pairs][tile];
            // A single mate is the settled partner: the two leave together.
            const unsigned partners = CountBits(mates) == 1 ? loose : (loose | gone);
            if (mates & partners) leaving |= 1u << tile;
        }
        return leaving;
    }

    // How many tiles must leave before this one can.
    int Depth(const TileSet& present, int bit) const {
        return (hardBefore_[bit] & present).Count();
    }

    int BlockedCount(const TileSet& present, int bit) const {
        return (blocks_[bit] & present).Count();
    }

    // Pairs that uncover the most tiles first. A kind with three free tiles goes before the
    // rest: whichever pair stays behind, one of its tiles is already free. Otherwise the
    // pair that leaves behind two tiles about as deep as each other, which can go together.
    int MoveScore(const TileSet& present, int kind, unsigned pair, unsigned loose) const {
        const unsigned rest = Complement(pair);
        return BlockedCount(present, FirstOf(kind, pair)) +
               BlockedCount(present, LastOf(kind, pair)) + (CountBits(loose) >= 3 ? 100 : 0) -
               std::abs(Depth(present, FirstOf(kind, rest)) - Depth(present, LastOf(kind, rest))) +
               Shake(kind, pair);
    }

    // Nothing on the first run; later runs each add their own small noise.
    int Shake(int kind, unsigned pair) const {
        if (restarts_ == 0) return 0;
        const uint64_t key = (uint64_t{restarts_} << 32) ^ (uint64_t(kind) << 8) ^ pair;
        return static_cast<int>(MixBits(key) % kShakeRange);
    }

    // The open pair to try first, if any; the first of equals, so that the search is the
    // same every time.
    bool BestMove(const Position& at, int& bestKind, unsigned& bestPair) const {
        bool found = false;
        int bestScore = 0;
        for (int kind = 0; kind < kKinds; ++kind) {
            if (at.present.Kind(kind) != 0xF) continue;
            const unsigned loose = at.free.Kind(kind);
            for (unsigned pair : kPairsOfFour) {
                if ((loose & pair) != pair || !(at.pairs[kind] & PairBit(pair))) continue;
                const int score = MoveScore(at.present, kind, pair, loose);
                if (!found || score > bestScore) {
                    found = true;
                    bestScore = score;
                    bestKind = kind;
                    bestPair = pair;
                }
            }
        }
        return found;
    }

    // Tries the best pair; when it loses, strikes its way of pairing the kind off and looks
    // again at what is left, until a line wins or nothing is left to try.
    bool Explore(Position at) {
        const int lineMark = lineLength_;
        TileSet probed;  // the tiles the pairings were last probed with
        for (;;) {
            if (OutOfLimits()) return false;
            ++nodes_;
            TakeSettledPairs(at);
            if (at.present.NoTiles()) return true;
            int kind = 0;
            unsigned pair = 0;
            strays_.strayed = {};
            if (lost_.Contains(at.present) || !LooseGameClears(at, &strays_)) break;
            // After a lost move only its pairing is struck: probing again seldom pays.
            if (!(probed == at.present) && !StrikeHopelessPairings(at)) break;
            probed = at.present;
            if (!BestMove(at, kind, pair)) break;
            const int beforeMove = lineLength_;
            Position next = at;
            Take(next, kind, pair);
            if (Explore(next)) return true;
            if (Stopped()) return false;
            lineLength_ = beforeMove;
            at.pairs[kind] &= PairSet(~(PairBit(pair) | PairBit(Complement(pair))));
        }
        lost_.Insert(at.present);
        lineLength_ = lineMark;
        return false;
    }

    TSolveLimits limits_;
    Position start_;
    std::array<TileSet, kTileCount> sideA_{}, sideB_{}, above_{}, blocks_{}, hardBefore_{};

    Strays strays_;  // of the node being looked at, before it moves
    LostTable lost_;
    std::array<TTilePair, kMaxPairs> line_{};
    int lineLength_ = 0;
    int64_t nodes_ = 0;
    bool aborted_ = false;
    int64_t runEnd_ = 0;
    uint32_t restarts_ = 0;
};

}  // namespace

TSolveResult SolvePosition(const TBoardState& state, FreedomRule rule, const TSolveLimits& limits) {
    return Solver(state, rule, limits).Run();
}

}  // namespace ribaku
