// The Rivers path rule: a depth-first search of at most three legs.
#include "variants/rivers_path.h"

namespace ribaku {
namespace {

constexpr int kLegs = 3;

struct TStep {
    int columns = 0;
    int rows = 0;
};

constexpr TStep kRight{2, 0}, kLeft{-2, 0}, kDown{0, 2}, kUp{0, -2};

// How far a leg may go: columns 2 to 32 and rows 1 to 19 for a board on the Rivers lattice,
// which leaves a margin of empty cells around the block of tiles.
bool MayStepOn(const TRiverCell& cell, TStep step) {
    if (step.columns > 0) return cell.column < 32;
    if (step.columns < 0) return cell.column > 2;
    if (step.rows > 0) return cell.row < 18;
    return cell.row > 2;
}

class PathSearch {
public:
    PathSearch(const TBoardState& state, int level, TRiverCell target)
        : state_(state), level_(level), target_(target) {}

    // A leg from `from` towards `step`, with `legsLeft` legs counting this one. When it
    // reaches the target, its own cells go to `path` after those of the legs it led to.
    bool Leg(TRiverCell from, TStep step, int legsLeft) {
        TRiverCell cell = from;
        while (MayStepOn(cell, step)) {
            cell.column += step.columns;
            cell.row += step.rows;
            if (state_.Board(cell.column, cell.row, level_) != 0) {
                // Any occupied cell ends the leg; only the target's ends the search.
                if (!(cell == target_)) return false;
                AddLegBack(cell, from, step);
                return true;
            }
            if (legsLeft > 1 && Turn(cell, step, legsLeft - 1)) {
                AddLegBack(cell, from, step);
                return true;
            }
        }
        return false;
    }

    std::vector<TRiverCell> path;

private:
    // The next leg turns a quarter: down then up after a row, right then left after a column.
    bool Turn(TRiverCell corner, TStep along, int legsLeft) {
        if (along.columns != 0) return Leg(corner, kDown, legsLeft) || Leg(corner, kUp, legsLeft);
        return Leg(corner, kRight, legsLeft) || Leg(corner, kLeft, legsLeft);
    }

    // The cells of a leg from `last` back to the one after `from`.
    void AddLegBack(TRiverCell last, TRiverCell from, TStep step) {
        for (TRiverCell cell = last; !(cell == from);) {
            path.push_back(cell);
            cell.column -= step.columns;
            cell.row -= step.rows;
        }
    }

    const TBoardState& state_;
    int level_;
    TRiverCell target_;
};

}  // namespace

std::optional<std::vector<TRiverCell>> FindRiverPath(const TBoardState& state, int a, int b) {
    const TCellPos& from = state.TilePos[a];
    const TCellPos& to = state.TilePos[b];
    if (from.level != to.level) return std::nullopt;
    PathSearch search(state, from.level, TRiverCell{to.column, to.row});
    const TRiverCell start{from.column, from.row};
    for (const TStep step : {kRight, kLeft, kDown, kUp})
        if (search.Leg(start, step, kLegs)) return std::move(search.path);
    return std::nullopt;
}

}  // namespace ribaku
