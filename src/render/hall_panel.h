#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>

#include "play/hall_of_fame.h"
#include "render/tileset.h"

namespace ribaku::render {

// The hall-of-fame side panel beside the board.
inline constexpr QSize kHallPanelSize{92, 468};
// Where the tile under the pointer is shown, 46 x 56 like a composed tile.
inline constexpr QRect kCurrentTileBox{24, 390, kTileWidth, kTileHeight};
// The lower part of the panel, which the two players' clocks own during their game.
inline constexpr QRect kPlayerClocksArea{0, 380, 92, 88};

// The panel's three pictures: its background HofPic, the working copy SaveHof that every
// drawing goes to, and HofBox, what the window shows. Drawing is deterministic.
class HallPanel {
public:
    HallPanel();

    // The background picture, stretched to the panel; a null picture gives a black panel.
    void SetPicture(const QImage& picture);

    // Paints the hall's texts into SaveHof over the background and shows it; nothing while
    // the panel is switched off.
    void ShowPanelHOF(const THallPanel& panel);
    // Copies SaveHof to HofBox.
    void RedrawHOF();

    // The current-tile box: the composed tile of face 1..42 through the tile's silhouette,
    // or the background again.
    void ShowCurrentTile(const Tileset& tileset, int face);
    void ClearCurrentTile();

    // The two players' labels and times in the lower part; the player to move blinks
    // (its label shows in the second half of each second of `tickMs`).
    void DrawPlayerClocks(bool secondPlayerTurn, uint32_t tickMs, int seconds1, int seconds2);

    const QImage& HofPic() const { return hofPic_; }
    const QImage& SaveHof() const { return saveHof_; }
    const QImage& HofBox() const { return hofBox_; }

    // Told which rectangle of HofBox changed, so that the window repaints it.
    std::function<void(const QRect&)> boxChanged;

    // The fonts of the panel, by the names the artwork was drawn for, with a fallback where
    // the system lacks them.
    static QFont TitleFont();
    static QFont EntryFont(bool newEntry);
    static QFont ClockFont(int points);

private:
    void CopyToBox(const QRect& area);
    void RestoreFromPicture(const QRect& area);

    QImage hofPic_;
    QImage saveHof_;
    QImage hofBox_;
};

}  // namespace ribaku::render
