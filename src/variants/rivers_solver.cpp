// A depth-first search over the pairs that can go, with three savings that lose nothing:
// - A path open now stays open as tiles leave, and so does a click's way to a tile. So when
//   every tile left of a kind can go at once, they go without a choice: any winning line
//   still wins with that kind taken off first.
// - Paths never leave their lattice, so the lattices are games of their own, played one after
//   the other (on Hard, the upper level, then the lower one).
// - The positions found lost are remembered, whatever way the search came to them.
#include "variants/rivers_solver.h"

#include <algorithm>
#include <array>
#include <unordered_set>
#include <vector>

#include "variants/click_cover.h"
#include "variants/rivers_grid.h"

namespace ribaku {
namespace {

class RiversSearch {
public:
    RiversSearch(const TBoardState& state, const TSolveLimits& limits)
        : grid_(state), cover_(state), limits_(limits) {
        for (int t = 1; t <= kTileCount; ++t) {
            if (!state.TilePos[t].OnBoard()) continue;
            present_.set(static_cast<size_t>(t));
            JoinKind(t);
        }
    }

    TSolveResult Run() {
        Outcome outcome = CannotPair() ? Outcome::Lost : Outcome::Won;
        if (outcome == Outcome::Won) {
            for (const TTileSet& part : Parts()) {
                present_ = part;
                outcome = Search();
                if (outcome != Outcome::Won) break;
            }
        }
        TSolveResult result;
        result.verdict = outcome == Outcome::Won    ? SolveVerdict::Winnable
                         : outcome == Outcome::Lost ? SolveVerdict::NotWinnable
                                                    : SolveVerdict::Unknown;
        if (outcome == Outcome::Won) result.line = line_;
        result.nodes = nodes_;
        return result;
    }

    // The pairs that can go now, kind by kind.
    std::vector<TTilePair> Moves() const {
        std::vector<TTilePair> moves;
        for (const std::vector<int>& kind : kinds_)
            for (size_t i = 0; i < kind.size(); ++i)
                for (size_t j = i + 1; j < kind.size(); ++j)
                    if (present_.test(size_t(kind[i])) && present_.test(size_t(kind[j])) &&
                        Playable(kind[i], kind[j]))
                        moves.push_back({uint8_t(kind[i]), uint8_t(kind[j])});
        return moves;
    }

private:
    enum class Outcome { Won, Lost, Stopped };

    // Tiles match by the engine's own rule; a kind is the tiles that match its first one.
    void JoinKind(int tile) {
        for (std::vector<int>& kind : kinds_) {
            if (TilesMatch(kind.front(), tile)) {
                kind.push_back(tile);
                return;
            }
        }
        kinds_.push_back({tile});
    }

    // A kind with an odd number of tiles on some lattice of paths, or a tile no click ever
    // reaches, can never be cleared.
    bool CannotPair() const {
        for (const std::vector<int>& kind : kinds_) {
            std::vector<int> unpaired;
            for (const int tile : kind) {
                if (!cover_.Reachable(tile, TTileSet{})) return true;
                const auto partner = std::find_if(unpaired.begin(), unpaired.end(), [&](int other) {
                    return grid_.Lattice(other) == grid_.Lattice(tile);
                });
                if (partner == unpaired.end()) {
                    unpaired.push_back(tile);
                } else {
                    unpaired.erase(partner);
                }
            }
            if (!unpaired.empty()) return true;
        }
        return false;
    }

    // The tiles, in parts to be cleared one after the other: the tiles of one lattice of
    // paths, once those of every lattice covering them from a click have gone (on Hard, the
    // upper level, then the lower one). A part's pairs depend on no tile of a later part, and
    // a winning line cleared in this order still wins, so each part is a game of its own.
    // Covers that run in a circle leave the tiles as one part.
    std::vector<TTileSet> Parts() const {
        std::array<TTileSet, RiverGrid::kLattices> tiles{};
        std::array<uint32_t, RiverGrid::kLattices> coveredBy{};  // bit m: by a tile of lattice m
        for (int t = 1; t <= kTileCount; ++t) {
            if (!present_.test(size_t(t))) continue;
            const int lattice = grid_.Lattice(t);
            tiles[size_t(lattice)].set(size_t(t));
            const TTileSet over = cover_.Over(t) & present_;
            for (int u = 1; u <= kTileCount; ++u)
                if (over.test(size_t(u)) && grid_.Lattice(u) != lattice)
                    coveredBy[size_t(lattice)] |= 1u << grid_.Lattice(u);
        }
        std::vector<TTileSet> parts;
        uint32_t cleared = 0;
        for (int lattice = 0; lattice < RiverGrid::kLattices; ++lattice)
            if (tiles[size_t(lattice)].none()) cleared |= 1u << lattice;
        for (bool more = true; more;) {
            more = false;
            for (int lattice = 0; lattice < RiverGrid::kLattices; ++lattice) {
                const uint32_t bit = 1u << lattice;
                if ((cleared & bit) != 0 || (coveredBy[size_t(lattice)] & ~cleared) != 0) continue;
                parts.push_back(tiles[size_t(lattice)]);
                cleared |= bit;
                more = true;
            }
        }
        if (cleared != (1u << RiverGrid::kLattices) - 1) return {present_};
        return parts;
    }

    Outcome Search() {
        if (++nodes_ > limits_.nodeBudget ||
            (limits_.cancel && limits_.cancel->load(std::memory_order_relaxed)))
            return Outcome::Stopped;
        const size_t mark = line_.size();
        TakeWholeKinds();
        if (present_.count() == 0) return Outcome::Won;
        if (lost_.contains(present_)) {
            Rewind(mark);
            return Outcome::Lost;
        }
        for (const TTilePair pair : Moves()) {
            Take(pair);
            const Outcome outcome = Search();
            if (outcome != Outcome::Lost) return outcome;
            Rewind(line_.size() - 1);
        }
        lost_.insert(present_);
        Rewind(mark);
        return Outcome::Lost;
    }

    bool Playable(int a, int b) const {
        return cover_.Reachable(a, present_) && cover_.Reachable(b, present_) && grid_.Joined(a, b);
    }

    // Takes off, until none is left, every kind whose tiles can all go now one pair after
    // the other.
    void TakeWholeKinds() {
        for (bool taken = true; taken;) {
            taken = false;
            for (const std::vector<int>& kind : kinds_)
                taken = TakeWholeKind(kind) || taken;
        }
    }

    bool TakeWholeKind(const std::vector<int>& kind) {
        std::array<int, 4> left{};
        size_t count = 0;
        for (const int tile : kind) {
            if (!present_.test(static_cast<size_t>(tile))) continue;
            if (count == left.size()) return false;
            left[count++] = tile;
        }
        if (count == 2) return TakeInTurn(left, 2);
        if (count != 4) return false;
        // Four tiles: one pair now and the other after it, in any of the three ways to split
        // them, either pair first.
        static constexpr std::array<std::array<int, 4>, 6> kOrders{
            {{0, 1, 2, 3}, {2, 3, 0, 1}, {0, 2, 1, 3}, {1, 3, 0, 2}, {0, 3, 1, 2}, {1, 2, 0, 3}}};
        for (const std::array<int, 4>& order : kOrders) {
            if (TakeInTurn({left[order[0]], left[order[1]], left[order[2]], left[order[3]]}, 4))
                return true;
        }
        return false;
    }

    // Takes off the first `count` tiles pair by pair, if each pair can go when its turn
    // comes; else takes none.
    bool TakeInTurn(const std::array<int, 4>& tiles, size_t count) {
        const size_t mark = line_.size();
        for (size_t i = 0; i < count; i += 2) {
            if (!Playable(tiles[i], tiles[i + 1])) {
                Rewind(mark);
                return false;
            }
            Take(TTilePair{uint8_t(tiles[i]), uint8_t(tiles[i + 1])});
        }
        return true;
    }

    void Take(TTilePair pair) {
        for (const int tile : {pair.first, pair.second}) {
            grid_.Take(tile);
            present_.reset(tile);
        }
        line_.push_back(pair);
    }

    // Puts back the pairs taken since the line was `size` long.
    void Rewind(size_t size) {
        while (line_.size() > size) {
            const TTilePair pair = line_.back();
            line_.pop_back();
            for (const int tile : {pair.first, pair.second}) {
                grid_.PutBack(tile);
                present_.set(tile);
            }
        }
    }

    RiverGrid grid_;
    const ClickCover cover_;
    const TSolveLimits limits_;
    std::vector<std::vector<int>> kinds_;
    TTileSet present_;
    std::vector<TTilePair> line_;
    std::unordered_set<TTileSet> lost_;
    int64_t nodes_ = 0;
};

}  // namespace

TSolveResult SolveRiversPosition(const TBoardState& state, const TSolveLimits& limits) {
    return RiversSearch(state, limits).Run();
}

std::vector<TTilePair> OpenRiverPairs(const TBoardState& state) {
    return RiversSearch(state, {}).Moves();
}

}  // namespace ribaku
