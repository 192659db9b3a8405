// The hit boxes as play/hit_test.cpp scans them, cut into pieces along the edges of the boxes
// that overlap: within a piece the same tiles cover the same pixels.
#include "variants/click_cover.h"

#include <algorithm>

namespace ribaku {
namespace {

struct TBox {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom excluded
    bool Empty() const { return left >= right || top >= bottom; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

TBox Intersect(const TBox& a, const TBox& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The pixels a click is taken from: the grid test of play/selection.cpp keeps x / 20 within
// 0..34 and y / 25 within 0..20, division rounding towards zero.
constexpr TBox kClickable{-19, -24, 700, 525};

bool Scanned(const TCellPos& p) {
    return p.level >= 1 && p.level <= kMapLevels && p.column >= 1 && p.column <= kMapColumns &&
           p.row >= 1 && p.row <= kMapRows;
}

// A tile's face plus the edge on its left, 46 x 56 pixels, as the hit test places it.
TBox HitBox(const TCellPos& p) {
    const int l = p.level - 1;
    const int left = (p.column - 1) * 20 + l * 6 - 26, top = (p.row - 1) * 25 - l * 6 - 40;
    return {left, top, left + 46, top + 56};
}

// The hit test scans levels upwards, columns leftwards, rows downwards; a later hit wins.
bool ScannedLater(const TCellPos& u, const TCellPos& t) {
    if (u.level != t.level) return u.level > t.level;
    if (u.column != t.column) return u.column < t.column;
    return u.row > t.row;
}

// The sets of tiles over each piece of `box`, keeping only the smallest ones: a piece is
// free whenever a piece with fewer covering tiles is.
std::vector<TTileSet> CoversOf(const TBox& box, const std::vector<std::pair<int, TBox>>& over) {
    std::vector<int> xs{box.left, box.right}, ys{box.top, box.bottom};
    for (const auto& [tile, b] : over) {
        xs.insert(xs.end(), {std::clamp(b.left, box.left, box.right),
                             std::clamp(b.right, box.left, box.right)});
        ys.insert(ys.end(), {std::clamp(b.top, box.top, box.bottom),
                             std::clamp(b.bottom, box.top, box.bottom)});
    }
    for (std::vector<int>* edges : {&xs, &ys}) {
        std::sort(edges->begin(), edges->end());
        edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
    }
    std::vector<TTileSet> covers;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        for (size_t j = 0; j + 1 < ys.size(); ++j) {
            TTileSet cover;
            for (const auto& [tile, b] : over)
                if (b.Contains(xs[i], ys[j])) cover.set(static_cast<size_t>(tile));
            if (std::find(covers.begin(), covers.end(), cover) == covers.end())
                covers.push_back(cover);
        }
    }
    std::vector<TTileSet> smallest;
    for (const TTileSet& cover : covers) {
        const auto strictlyWithin = [&](const TTileSet& other) {
            return other != cover && (other & ~cover).none();
        };
        if (std::none_of(covers.begin(), covers.end(), strictlyWithin)) smallest.push_back(cover);
    }
    return smallest;
}

}  // namespace

ClickCover::ClickCover(const TBoardState& state) : first_(kTileCount + 2, 0) {
    std::vector<int> tiles;
    for (int t = 1; t <= kTileCount; ++t)
        if (state.TilePos[t].OnBoard() && Scanned(state.TilePos[t])) tiles.push_back(t);
    for (int t = 1; t <= kTileCount; ++t) {
        first_[t] = static_cast<int>(covers_.size());
        const TCellPos& p = state.TilePos[t];
        if (!p.OnBoard() || !Scanned(p)) continue;  // the hit test never finds it
        const TBox box = Intersect(HitBox(p), kClickable);
        if (box.Empty()) continue;
        std::vector<std::pair<int, TBox>> over;
        for (const int u : tiles)
            if (u != t && ScannedLater(state.TilePos[u], p) &&
                !Intersect(HitBox(state.TilePos[u]), box).Empty())
                over.emplace_back(u, HitBox(state.TilePos[u]));
        const std::vector<TTileSet> covers = CoversOf(box, over);
        covers_.insert(covers_.end(), covers.begin(), covers.end());
    }
    first_[kTileCount + 1] = static_cast<int>(covers_.size());
}

}  // namespace ribaku
