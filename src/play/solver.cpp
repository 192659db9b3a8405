#include "play/solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

#include "play/solver_tiles.h"

namespace ribaku {
namespace {

using solver::CountBits;
using solver::kKinds;
using solver::kWallBit;
using solver::LostTable;
using solver::MixBits;
using solver::TileList;
using solver::TileSet;

constexpr int kMaxPairs = kTileCount / 2;
constexpr int64_t kFirstRunNodes = 1000;
constexpr int kShakeRange = 16;

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

// For every pair set and free and gone tiles of a kind: the free tiles that may leave alone
// in the looser game, each once a tile it may still pair with is free or gone. A single
// mate is the settled partner: the two leave together.
constexpr auto kLeavingAlone = [] {
    std::array<std::array<std::array<uint8_t, 16>, 16>, 64> leaving{};
    for (unsigned pairs = 0; pairs < 64; ++pairs) {
        for (unsigned loose = 0; loose < 16; ++loose) {
            for (unsigned gone = 0; gone < 16; ++gone) {
                for (int tile = 0; tile < 4; ++tile) {
                    const unsigned mates = kMates[pairs][tile];
                    const unsigned partners = (mates & (mates - 1)) == 0 ? loose : (loose | gone);
                    if ((loose & (1u << tile)) && (mates & partners))
                        leaving[pairs][loose][gone] |= uint8_t(1u << tile);
                }
            }
        }
    }
    return leaving;
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
        choices_.push_back(Choice{start_.pairs});
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
        start_.present.ForEachTile([&](int bit) {
            if (IsFreeIn(start_.present, bit)) start_.free.Add(bit);
            for (const TileList* blockers : {&sideA_[bit], &sideB_[bit], &above_[bit]})
                for (const int blocker : *blockers)
                    if (blocker != kWallBit) blocks_[blocker].Add(bit);
        });
    }

    static void AddBlocker(const TBoardState& state, const TCellPos& cell, TileList& into) {
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
                for (const int top : above_[bit]) {
                    if (top == kWallBit) continue;
                    hardBefore_[bit].Add(top);
                    hardBefore_[bit] |= hardBefore_[top];
                }
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

    // Takes one tile off, and tells `freed` each tile that comes free. Only the tiles it
    // blocked can, and a free tile stays free, as taking tiles off never blocks another.
    template <class Freed>
    void Lift(TileSet& present, TileSet& free, int bit, Freed freed) const {
        present.Remove(bit);
        free.Remove(bit);
        for (const int blocked : blocks_[bit]) {
            if (present.Has(blocked) && !free.Has(blocked) && IsFreeIn(present, blocked)) {
                free.Add(blocked);
                freed(blocked);
            }
        }
    }

    void Lift(TileSet& present, TileSet& free, int bit) const {
        Lift(present, free, bit, [](int) {});
    }

    // --- The search ---

    // Two searches take turns, each run with twice the nodes of the last: one over the ways
    // each kind is paired off, one over the order of the pairs. Each settles positions the
    // other takes long over. One early wrong choice can hide a win behind a huge lost
    // subtree, so each run starts over with its order shaken a little; what a run proved
    // lost stays proven.
    bool SearchWithRestarts() {
        for (int64_t runNodes = kFirstRunNodes;; runNodes *= 2, ++run_) {
            runEnd_ = nodes_ + runNodes;
            choices_.resize(1);
            if (ChoosePairings()) return true;
            if (aborted_ || choices_.empty()) return false;
            runEnd_ = nodes_ + runNodes;
            lineLength_ = 0;
            // Every line from a later position ends a line from the start, so what the first
            // search struck at the start stays struck.
            start_.pairs = choices_.front().ways;
            if (Explore(start_)) return true;
            if (aborted_ || nodes_ < runEnd_) return false;
        }
    }

    // --- The search over ways of pairing off ---

    // Once every kind keeps to one way of pairing it off, taking the pairs of those ways
    // as they come free is the best any line can do, and the looser game plays exactly
    // that. So a position is won when some choice of ways clears the looser game. The
    // search fixes the way of one kind after another; each choice makes the looser game
    // stricter, which strikes ways of other kinds or proves the choice lost. The position is
    // proven lost once no choice is left.
    bool ChoosePairings() {
        while (!choices_.empty()) {
            if (OutOfLimits()) return false;
            ++nodes_;
            Choice& choice = choices_.back();
            Position at = start_;
            at.pairs = choice.ways;
            strays_.strayed = {};
            if (LooseGameClears(at, &strays_)) {
                const int kind = KindToChoose(at.pairs, strays_);
                if (kind < 0) {
                    lineLength_ = 0;
                    return TakeKeptWays(at, strays_);
                }
                const bool open = StrikeHopelessPairings(at);
                const bool struck = !(at.pairs == choice.ways);
                choice.ways = at.pairs;
                if (Stopped()) return false;
                if (struck) continue;
                if (open) {
                    choice.kind = kind;
                    choice.way = WayToTry(at.pairs[kind], strays_.before[kind]);
                    Choice next{at.pairs};
                    next.ways[kind] = choice.way;
                    choices_.push_back(next);
                    continue;
                }
            }
            choices_.pop_back();
            if (!choices_.empty()) {
                Choice& lost = choices_.back();
                lost.ways[lost.kind] &= PairSet(~lost.way);
            }
        }
        return false;
    }

    // The way the run kept to longest: the likeliest to clear.
    static PairSet WayToTry(PairSet ways, const std::array<LooseState, 3>& before) {
        PairSet best = 0;
        int bestLeft = 0;
        for (int way = 0; way < 3; ++way) {
            if (!(ways & kPairings[way])) continue;
            const int left = before[way].left.Count();
            if (best == 0 || left < bestLeft) {
                best = kPairings[way];
                bestLeft = left;
            }
        }
        return best;
    }

    // The ways left to a kind of four that the looser game's run kept to.
    static PairSet KeptWays(PairSet ways, PairSet strayed) {
        PairSet kept = 0;
        for (const PairSet way : kPairings)
            if ((ways & way) == way && !(strayed & way)) kept |= way;
        return kept;
    }

    // A kind whose every way left the run strayed from, with the fewest ways; -1 if none.
    // Among equals, the first on the first run of the search; later runs each shake them.
    int KindToChoose(const PerKind& ways, const Strays& strays) const {
        int best = -1;
        uint64_t bestKey = 0;
        for (int kind = 0; kind < kKinds; ++kind) {
            if (CountBits(ways[kind]) <= 2 || KeptWays(ways[kind], strays.strayed[kind]) != 0)
                continue;
            uint64_t key = uint64_t(CountBits(ways[kind])) << 32;
            if (run_ > 0) key += MixBits((uint64_t{run_} << 40) ^ uint64_t(kind)) & 0xFFFF;
            if (best < 0 || key < bestKey) {
                best = kind;
                bestKey = key;
            }
        }
        return best;
    }

    // The looser game's run from `at` kept to a way of each kind, so it played those ways
    // exactly, and cleared: takes their pairs off as they come free, onto the line.
    bool TakeKeptWays(Position at, const Strays& strays) {
        for (int kind = 0; kind < kKinds; ++kind) {
            const PairSet kept = KeptWays(at.pairs[kind], strays.strayed[kind]);
            if (CountBits(at.pairs[kind]) > 2)
                at.pairs[kind] = kPairings[std::countr_zero(kept) % 3];
        }
        TakeSettledPairs(at);
        return at.present.NoTiles();
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
    //
    // When only `fixedKind` is held tighter than in a run that cleared, the run clears once
    // that kind is gone: from there on the rules are those of the run that cleared.
    bool LooseGameClearsFrom(const Position& at, LooseState state, Strays* strays,
                             int fixedKind = -1) const {
        auto& [left, free] = state;
        // Kinds to look at again: those with a tile newly free or newly gone.
        uint64_t waiting = (uint64_t{1} << kKinds) - 1;
        while (waiting != 0) {
            const int kind = std::countr_zero(waiting);
            waiting &= waiting - 1;
            const unsigned loose = free.Kind(kind);
            if (loose == 0) continue;
            const unsigned gone = at.present.Kind(kind) & ~left.Kind(kind);
            const unsigned leaving = kLeavingAlone[at.pairs[kind]][loose][gone];
            if (leaving == 0) continue;
            if (strays) strays->Note(kind, PairingsStrayedFrom(leaving, loose), state);
            for (unsigned bits = leaving; bits != 0; bits &= bits - 1) {
                Lift(left, free, 4 * kind + std::countr_zero(bits),
                     [&](int freed) { waiting |= uint64_t{1} << (freed / 4); });
            }
            waiting |= uint64_t{1} << kind;
            if (kind == fixedKind && left.Kind(kind) == 0) return true;
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
                if (!LooseGameClearsFrom(probe, strays_.before[kind][way], nullptr, kind))
                    at.pairs[kind] &= PairSet(~pairing);
            }
            if (at.pairs[kind] == 0) return false;
        }
        return true;
    }

    // How many tiles must leave before this one can.
    int Depth(const TileSet& present, int bit) const {
        return (hardBefore_[bit] & present).Count();
    }

    int BlockedCount(const TileSet& present, int bit) const {
        return static_cast<int>(std::count_if(blocks_[bit].begin(), blocks_[bit].end(),
                                              [&](int blocked) { return present.Has(blocked); }));
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
        if (run_ == 0) return 0;
        const uint64_t key = (uint64_t{run_} << 32) ^ (uint64_t(kind) << 8) ^ pair;
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
    std::array<TileList, kTileCount> sideA_{}, sideB_{}, above_{}, blocks_{};
    std::array<TileSet, kTileCount> hardBefore_{};

    // The ways of pairing off still open at each choice of the search over them, and the
    // way it tries below each; the first holds what is proven at the start.
    struct Choice {
        PerKind ways{};
        int kind = 0;
        PairSet way = 0;
    };
    std::vector<Choice> choices_;
    Strays strays_;  // of the node being looked at, before it moves
    LostTable lost_;
    std::array<TTilePair, kMaxPairs> line_{};
    int lineLength_ = 0;
    int64_t nodes_ = 0;
    bool aborted_ = false;
    int64_t runEnd_ = 0;
    uint32_t run_ = 0;
};

}  // namespace

TSolveResult SolvePosition(const TBoardState& state, FreedomRule rule, const TSolveLimits& limits) {
    return Solver(state, rule, limits).Run();
}

}  // namespace ribaku
