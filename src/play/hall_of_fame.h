#pragma once

#include <string>
#include <vector>

#include "core/options.h"
#include "layouts/catalog.h"
#include "play/hall_table.h"

namespace ribaku {

// A text drawn with its top-left corner at (x, y) of the side panel.
struct TPanelText {
    std::string text;
    int x = 0;
    int y = 0;
};

// One rank of the side panel: the name in white, the time in aqua below it, both bold, and
// italic too for the entry added last.
struct THallPanelLine {
    TPanelText name;
    TPanelText time;  // MM:SS of the total
    bool newEntry = false;
};

// What ShowPanelHOF draws over the panel background.
struct THallPanel {
    bool shown = false;                 // "Show Hall of Fame" is on
    bool empty = false;                 // the editor: the background alone
    TPanelText hallOf;                  // "HALL OF", yellow, 10-point bold
    TPanelText fame;                    // "FAME"
    std::vector<THallPanelLine> lines;  // ranks 1 to 10, 9-point
};

// One row of the hall page's list: "Rk", "Name", "Time", "Malus".
struct THallRow {
    std::string rank;
    std::string name;
    std::string time;
    std::string malus;
};

// The hall page's list for one hall and the drop-down item that stands for it (-1: none,
// the Clicks hall has no item).
struct THallList {
    int item = -1;
    std::vector<THallRow> rows;
};

// The hall page's drop-down list: items 0..layoutCount-1 are the layouts, then Rivers Easy
// and Hard, Memory Easy and Hard. -1 when the hall has no item or the item no hall.
int HallItemOfIndex(int hallIndex, int layoutCount);
int HallIndexOfItem(int item, int layoutCount);

// The hall of fame while the program runs: the table, its file "Hallfame.ini" beside the
// program, and what the side panel and the hall page of the help dialog show.
struct THallOfFame {
    THallTable HallTable;
    int32_t HallNewRank = 0;        // rank of the entry added last, drawn bold italic
    int32_t HallNewIndex = 0;       // the hall it went into: no other hall has a new entry
    bool HallFromGameOver = false;  // the hall page is open because of a new entry
    bool HallPanelDirty = false;    // every board redraw repaints the side panel first
    // The file was read at start-up (or there was none): only then may closing remove the
    // sections of halls that hold defaults.
    bool FileRead = false;

    // A finished game's time into hall `hallIndex`; it becomes the new entry when it ranks.
    void Enter(int hallIndex, int total, int penalty, const std::string& player);  // AddHall
    // The rank of the new entry when it lies in hall `hallIndex`, else 0.
    int NewRankIn(int hallIndex) const;
    // The hall page's list of one hall; `layoutCount` numbers the drop-down items.
    THallList List(int hallIndex, int layoutCount) const;  // GenerateList
    // "You reached rank #3, Ann ! Your score : 05:23" for the new entry of hall `hallIndex`;
    // empty without one.
    std::string RankMessage(int hallIndex, const std::string& player) const;
    // The new entry of hall `hallIndex` takes the player's new name.
    void RenameNewEntry(int hallIndex, const std::string& player);

    // The file is read after the catalog was filled and written when the program closes;
    // both throw FileError, and a failed write leaves the file as it was.
    void Load(const LayoutCatalog& catalog);   // LoadHallOfFame
    void Write(const LayoutCatalog& catalog);  // WriteHallOfFame
    // A layout saved under a new number: its hall from the file, short entries as they are.
    void LoadLayoutHall(const LayoutCatalog& catalog, int number);
    // What the side panel draws for hall `hallIndex`: nothing for the layout editor
    // (`emptyPanel`), room above for the players' clocks or below for the current-tile box.
    THallPanel Panel(int hallIndex, const Options& options, bool emptyPanel,
                     bool playerClocks) const;  // PanelHOF
};

}  // namespace ribaku
