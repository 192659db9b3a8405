#pragma once

#include <array>
#include <cstdint>

#include "core/tiles.h"

namespace ribaku {

// Where a tile's anchor lies; (0, 0, 0) means not on the board.
struct TCellPos {
    int32_t column = 0;
    int32_t row = 0;
    int32_t level = 0;

    bool OnBoard() const { return column != 0 || row != 0; }
    friend bool operator==(const TCellPos&, const TCellPos&) = default;
};

inline constexpr int kBoardColumns = 37;  // 0..36; tiles use 1..34
inline constexpr int kBoardRows = 23;     // 0..22; tiles use 1..20
inline constexpr int kBoardLevels = 6;    // 0..5;  tiles use 1..5
inline constexpr int kMapColumns = 34;
inline constexpr int kMapRows = 20;
inline constexpr int kMapLevels = 5;
inline constexpr int kLayoutMapSize = kMapColumns * kMapRows * kMapLevels;  // 3400

// A position of the layout not yet holding a tile while a deal is built.
inline constexpr uint8_t kUndealt = 155;

// The board grid, [column][row][level]. Only the anchor cell of a tile holds its number.
struct TBoard {
    uint8_t cells[kBoardColumns][kBoardRows][kBoardLevels] = {};

    uint8_t& operator()(int c, int r, int l) { return cells[c][r][l]; }
    uint8_t operator()(int c, int r, int l) const { return cells[c][r][l]; }
    uint8_t& operator[](const TCellPos& p) { return cells[p.column][p.row][p.level]; }
    uint8_t operator[](const TCellPos& p) const { return cells[p.column][p.row][p.level]; }

    // Neighbour tests of tiles in column 1 or row 1 look at column or row -1: empty.
    uint8_t At(int c, int r, int l) const { return (c < 0 || r < 0) ? 0 : cells[c][r][l]; }

    friend bool operator==(const TBoard&, const TBoard&) = default;
};

// 5 levels x 20 rows x 34 columns, level by level, row by row; 1 marks a tile position.
using TLayoutMap = std::array<uint8_t, kLayoutMapSize>;

inline constexpr int LayoutMapIndex(int column, int row, int level) {
    return (level - 1) * kMapColumns * kMapRows + (row - 1) * kMapColumns + (column - 1);
}

struct TTileSlot {
    uint8_t tile = 0;
    TCellPos pos;
};

enum TGameMode : uint8_t {
    gmNone = 0,
    gmSolitaire = 1,
    gmTwoPlayers = 2,
    gmRivers = 3,
    gmMemory = 4,
    gmClicks = 5,
    gmEditor = 6,
    gmGameOver = 7,
    gmWelcome = 8,
    gmPaused = 9,
};

// Hall-of-fame and menu numbers of the variants; 1..99 are the listed layouts.
inline constexpr int kRiversEasyNumber = 100;
inline constexpr int kRiversHardNumber = 101;
inline constexpr int kMemoryEasyNumber = 110;
inline constexpr int kMemoryHardNumber = 111;
inline constexpr int kClicksNumber = 120;

// The Clicks board, [column 0..20][row 0..14]: 0 is empty, 1..5 a block of that colour.
// Blocks lie in columns 2..19 and rows 2..12 (row 12 is the bottom); the rest is an empty
// border.
inline constexpr int kClicksGridColumns = 21;
inline constexpr int kClicksGridRows = 15;
using TClicksGrid = std::array<std::array<uint8_t, kClicksGridRows>, kClicksGridColumns>;

// Everything that describes the board and the game on it. Tables indexed by tile number
// have an unused entry 0, so that tile n lives at index n.
struct TBoardState {
    TBoard Board;
    std::array<TCellPos, kTileCount + 1> TilePos{};
    TLayoutMap LayoutMap{};
    std::array<TTileSlot, kTileCount> History{};

    int32_t TilesLeft = 0;
    int32_t TileTotal = 0;
    int32_t FreeCount = 0;
    std::array<uint8_t, kTileCount + 1> FreeList{};
    int32_t MovesLeft = 0;

    uint8_t Selected1 = 0;
    uint8_t Selected2 = 0;
    int32_t HintTile1 = 0;
    int32_t HintTile2 = 0;
    uint8_t PointedTile = 0;
    int32_t LastPair1 = 0;
    int32_t LastPair2 = 0;

    int32_t GameSeed = 0;
    int32_t LayoutNumber = 0;
    int32_t SavedLayoutNumber = 0;
    int32_t LayoutCount = 0;
    int32_t BoardOriginX = 0;
    int32_t BoardOriginY = 0;
    uint32_t GameStartTick = 0;

    TGameMode GameMode = gmNone;
    TGameMode PausedMode = gmNone;

    // --- Board rendering: what the drawing reads besides the board ---
    // The Clicks game's blocks.
    TClicksGrid ClicksGrid{};
    // The layout editor's ghost cell, drawn even when empty; all -1 when there is none.
    TCellPos EditCursor{-1, -1, -1};
    // Set while a Rivers path is replayed: no highlight is drawn meanwhile.
    bool PathFound = false;
    // Kept by the clock; the end test of every redraw reads it.
    int32_t ElapsedSeconds = 0;
    // The board was emptied in a timed game; every game start clears it.
    bool BoardFinished = false;

    // --- Play: what every game start resets ---
    int32_t HintIndex = 0;        // which of the possible moves the next hint shows
    int32_t PenaltySeconds = 0;   // added to the game time by hints, shuffles and misses
    int32_t PauseElapsed = 0;     // milliseconds played when the last pause began
    bool GameOverDone = false;    // the end of the game has been shown
    int32_t MemoryCountdown = 0;  // ticks until a Memory pair is judged

    // --- Two players: whose turn it is, and each player's thinking time ---
    bool SecondPlayerTurn = false;
    int32_t PlayerTime1 = 0;  // milliseconds used in finished turns
    int32_t PlayerTime2 = 0;
    uint32_t TurnStart1 = 0;  // tick at which the player's current or last turn began
    uint32_t TurnStart2 = 0;
    bool PlayersAway = false;  // another program has the focus: no clock runs
    uint32_t AwaySince = 0;

    // --- Play: the pointer (play/selection.cpp) ---
    int32_t HoverTile = 0;          // tile under the pointer that passed the hover test
    int32_t PreviousHoverTile = 0;  // HoverTile before the current pointer move

    // The listed layout played last: a variant keeps it aside while it runs.
    int ClassicLayoutNumber() const {
        return LayoutNumber >= kRiversEasyNumber ? SavedLayoutNumber : LayoutNumber;
    }

    // Board coordinates of a cell: the board picture's pixels shifted by (26, 19).
    int CoordX(int column, int level) const { return 20 * column + 6 * level - 20 + BoardOriginX; }
    int CoordY(int row, int level) const { return 25 * row - 6 * level - 40 + BoardOriginY; }
};

}  // namespace ribaku
