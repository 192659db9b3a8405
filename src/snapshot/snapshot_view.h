#pragma once

#include "core/game_view.h"
#include "render/board_renderer.h"

namespace ribaku::snapshot {

// The engine's view of a window that only draws: the board requests go to the renderer,
// everything else has no one to tell.
class SnapshotView : public GameView {
public:
    render::BoardRenderer* renderer = nullptr;

    void FullRedraw() override {
        if (renderer) renderer->FullRedraw();
    }
    void RedrawTile(int tile) override {
        if (renderer) renderer->RedrawTile(tile);
    }
    void RedrawHighlight(int tile) override {
        if (renderer) renderer->RedrawHighlight(tile);
    }
    void ShowBackground() override {
        if (renderer) renderer->ShowBackground();
    }
    void RedrawBox(const TCellPos& cell) override {
        if (renderer) renderer->RedrawBox(cell);
    }
    void RepaintNow() override {}
    void HoldFrame(int) override {}
    void ShowPanelHOF() override {}
    void ShowWelcomePanel(bool) override {}
    void ShowPauseState(bool) override {}
    void SetStatusText(const std::string&) override {}
    void PlaySound(const std::string&) override {}
    void CheckMusic(int) override {}
    bool Ask(const std::string&, const std::string&) override { return false; }
    void Tell(const std::string&, const std::string&) override {}
    uint32_t NowMs() override { return 0; }
    TimeOfDay UtcTimeOfDay() override { return {}; }
    // --- Play: no status bar, side panel or dialog to show them ---
    void SetTilesLeftText(const std::string&) override {}
    void SetMovesLeftText(const std::string&) override {}
    void SetTimeText(const std::string&) override {}
    void SetPauseButtons() override {}
    void RedrawHOF() override {}
    void ShowPlayerClocks(bool, uint32_t, int, int) override {}
    void ShowCurrentTileBox(int) override {}
    void CallHelp(HelpPage) override {}
};

}  // namespace ribaku::snapshot
