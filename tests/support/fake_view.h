#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/game_view.h"

namespace ribaku::testing {

// Records every call the engine makes, as short strings ("FullRedraw", "RedrawTile 12", ...),
// and answers the clock and the message boxes from settable fields.
class FakeView : public GameView {
public:
    void FullRedraw() override { Record("FullRedraw"); }
    void RedrawTile(int tile) override { Record("RedrawTile " + std::to_string(tile)); }
    void RedrawHighlight(int tile) override { Record("RedrawHighlight " + std::to_string(tile)); }
    void RedrawBox(const TCellPos& cell) override {
        Record("RedrawBox " + std::to_string(cell.column) + "," + std::to_string(cell.row) + "," +
               std::to_string(cell.level));
    }
    void ShowBackground() override { Record("ShowBackground"); }
    void RepaintNow() override { Record("RepaintNow"); }
    void HoldFrame(int ms) override {
        Record("HoldFrame " + std::to_string(ms));
        if (onHoldFrame) onHoldFrame();
    }
    // --- Board rendering ---
    void ShowPanelHOF() override { Record("ShowPanelHOF"); }
    void ShowPauseState(bool paused) override { Record(paused ? "ShowPaused" : "ShowRunning"); }
    void ShowWelcomePanel(bool shown) override { Record(shown ? "ShowWelcome" : "HideWelcome"); }
    void SetStatusText(const std::string& text) override {
        statusText = text;
        Record("Status " + text);
    }
    void PlaySound(const std::string& name) override { Record("PlaySound " + name); }
    // --- Sound and music ---
    void CheckMusic(int musicNumber) override {
        Record("CheckMusic " + std::to_string(musicNumber));
    }
    // --- Play ---
    void SetTilesLeftText(const std::string& text) override { tilesText = text; }
    void SetMovesLeftText(const std::string& text) override { movesText = text; }
    void SetTimeText(const std::string& text) override { timeText = text; }
    void SetPauseButtons() override { Record("SetPauseButtons"); }
    void RedrawHOF() override { Record("RedrawHOF"); }
    void ShowCurrentTileBox(int tile) override { Record("CurrentTile " + std::to_string(tile)); }
    void ShowPlayerClocks(bool secondPlayerTurn, uint32_t tickMs, int seconds1,
                          int seconds2) override {
        Record("PlayerClocks " + std::to_string(secondPlayerTurn ? 2 : 1) + " " +
               std::to_string(tickMs) + " " + std::to_string(seconds1) + " " +
               std::to_string(seconds2));
    }
    void CallHelp(HelpPage page) override {
        Record("CallHelp " + std::to_string(static_cast<int>(page)));
    }
    std::string tilesText, movesText, timeText;

    bool Ask(const std::string& title, const std::string& text) override;
    void Tell(const std::string& title, const std::string& text) override;
    uint32_t NowMs() override { return nowMs; }
    TimeOfDay UtcTimeOfDay() override { return timeOfDay; }

    int Count(const std::string& call) const;

    std::vector<std::string> calls;
    bool answerOk = true;
    std::string statusText;
    uint32_t nowMs = 0;
    TimeOfDay timeOfDay{};
    // Runs at each frame of an animation, to look at the board between two frames.
    std::function<void()> onHoldFrame;

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

}  // namespace ribaku::testing
