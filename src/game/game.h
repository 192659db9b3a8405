#pragma once

#include <filesystem>
#include <string>

#include "core/board_state.h"
#include "core/deal.h"
#include "core/game_view.h"
#include "core/music_player.h"
#include "core/options.h"
#include "core/random.h"
#include "core/shuffle.h"
#include "layouts/catalog.h"
#include "play/game_number.h"
#include "play/hall_of_fame.h"
#include "play/mouse_button.h"
#include "play/status_message.h"
#include "play/variant_rules.h"

namespace ribaku {

// The one engine object: the board, the options and the generator, and every game
// operation under its established name. Member functions live in the folder of their
// subsystem, so each file is one room.
class Game {
public:
    explicit Game(GameView& view);

    TBoardState state;
    Options options;
    TRandom random;
    TStatusLine status;  // the status bar's message (play/status_message.cpp)

    // The mode setter; hides the welcome panel when leaving it and shows it when entering it.
    void SetMode(TGameMode mode);  // IM

    // Starting a classic game (core/game_start.cpp).
    void NewGame();
    void RandomSolitaireGame1Click();
    void NewRandomSpecificGame1Click();
    void NewSpecificGame1Click();
    // Deals LayoutMap and starts the clock. Throws LayoutError, before anything changes,
    // when the layout cannot be dealt.
    void BeginGame();
    void VerticalClick();

    // GameSeed for a specific game, else the clock.
    void SeedDeal();

    // Fill the board from LayoutMap and deal it, plain or winnable as the options say.
    // Throws LayoutError, before anything changes, when the layout cannot be dealt.
    TDealResult DealClassicBoard();

    // The winnable reshuffle of the tiles left; leaves the board as it was when it fails.
    TShuffleResult ShuffleBoard();

    // --- Board rendering and highlights (play/highlight.cpp, play/end_of_game.cpp) ---
    // The colour and width of the outline drawn around the tile under the pointer.
    struct THighlightPen {
        uint8_t red = 0;
        uint8_t green = 0;
        uint8_t blue = 0;
        int width = 1;
        friend bool operator==(const THighlightPen&, const THighlightPen&) = default;
    };
    THighlightPen HighlightPen;

    // The pen of the rectangle mode in force (1 red, 3 green, 4 blue), width 3; modes 0 and 2
    // keep the last rectangle colour.
    void ColorHighlight();
    // An entry of the "&Highlight" menu; the tile under the pointer loses its old mark.
    void ChooseHighlight(THighlightMode mode);  // Highlight1Click, Highlight2Click, Highlight3Click
    void ShadowsClick();
    void ShowCurrentTileClick();

    // The end test at the head of every board redraw: true when the board must not be
    // drawn (finished or paused), after handing over to GameOver.
    bool RedrawHandsOver();
    // The board's redraws: each passes the end test first, so that drawing itself never
    // calls the engine back (play/end_of_game.cpp).
    void DrawBoard();
    void DrawTile(int tile);
    void DrawPointedTile(int tile);
    void GameOver();

    // --- Sound and music (play/music.cpp): the pieces are the catalog's music ---
    // The MIDI player (the window's Media), owned by the window; none keeps the music silent.
    MusicPlayer* Media = nullptr;

    // Start-up: the selected piece starts, and waits paused unless StartMusic is on.
    void StartMusicAtStartup();
    // A piece of the Music menu, 1..MusicCount; true when it is now the piece playing.
    bool LoadMidiClick(int number);
    // Opens and plays one MIDI file while music is on; true when it now plays.
    bool SelectedMusic(const std::filesystem::path& path);
    void PlayMusicClick();
    void RandomMusicClick();
    void SetMusicClick();  // the toolbar's "Music" button: pause or resume
    bool MusicButtonEnabled() const { return options.PlayMusic; }
    // The end-of-piece check; Tick runs it on every tick while "Play music" is on.
    void MediaNotify();

    // --- Layouts (layouts/game_layouts.cpp, layouts/game_save_layout.cpp) ---
    // The layouts and music found beside the program, and the current layout's file and name.
    LayoutCatalog catalog;
    // Start-up discovery: fills the catalog, LayoutCount and LayoutNumber, settles the music
    // number and the current layout file. Throws MissingFilesError naming an empty folder.
    void LoadFiles();
    // The layout readers. They throw FileError (LayoutFileError for a file that is no layout)
    // or, except at start-up, LayoutError for cells no deal takes, and then change nothing.
    TLayoutLoaded RunLayout(const std::filesystem::path& file);
    TLayoutLoaded RunShpLayout();       // reads LayoutFile
    TLayoutLoaded RunCurrentLayout();   // LayoutFile, with the reader of its extension
    TLayoutLoaded LoadStartupLayout();  // RunCurrentLayout with StartupLoading set
    // A Layout menu entry 1..LayoutCount, .lay or .shp: its file, number and check mark
    // become current once it was read and accepted.
    TLayoutLoaded LoadlayoutClick(int number);
    // Writes LayoutMap and LayoutName to LayoutFile (the window asks a name when it is empty).
    TLayoutSaved SaveLayout();
    // "Play this layout": false when the chooser has read no layout; throws LayoutError,
    // changing nothing, when no deal takes its cells.
    bool PlayChosenLayout(const TChooser& chooser);

    // --- Play (play/): selection, moves, clock and pause, end of game, hall of fame ---
    // The variants' and the editor's rules, where the play hands over to them.
    TVariantRules variants;
    THallOfFame hall;

    // Pointer input (play/selection.cpp). ButtonDown and FormMouseMove take the point in
    // the board picture's pixels; ClickAt the point relative to the board origin.
    void ButtonDown(int x, int y, TMouseButton button);
    void FormMouseMove(int x, int y);
    // The pointer left the board (or a dialog or the pause took it): no tile stays outlined.
    void PointerLeft();
    void ClickAt(int x, int y, int col, int row, TMouseButton button);  // ChoisitPai
    void MarkSelected(int tile);                                        // SonOK
    void TakeSecondTile();                                              // TestStile2
    // Records a pair on the history at the depth TileTotal - TilesLeft: the first tile at
    // `firstPos` (where it lay before a Rivers slide), the second where it lies.
    void PushPair(int first, const TCellPos& firstPos, int second);
    // Takes LastPair1 and LastPair2 off the board, clears the selection, plays "done".
    void RemoveLastPair();

    // Moves, hints, undo and reshuffle (play/moves.cpp).
    bool IsTileFree(int tile) const;  // IsFree, or IsFreeVertical with "Vertical Variation"
    void IsItFree();
    void Hint();
    void Back();
    void GoBack();
    void BackHistory();
    void Restart();
    void Stop();
    void Shuffle1Click();

    // The 50 ms timer, the status bar, pause and focus (play/clock.cpp).
    void Tick();  // Temps
    void WriteScore();
    void PauseClick();
    void SetPauseButtons();
    void FormActivate();
    void FormDeactivate();
    // Every help page opens through here: the game is paused while the dialog is shown
    // (never during a two-player game) and afterwards returns to the mode it had.
    void CallHelp(HelpPage page);

    // End of game (play/end_of_game.cpp): the current game into the hall of LayoutNumber.
    void AddHall();

    // Hall of fame (play/game_hall.cpp; its rules in play/hall_of_fame.cpp). "Hallfame.ini" beside
    // the program is read after LoadFiles and written when the program closes; both throw
    // FileError, and a failed write leaves the file as it was.
    void LoadHallOfFame();
    void WriteHallOfFame();
    // A layout saved under a new number: its hall from the file, short entries as they are.
    void LoadLayoutHall(int number);
    THallPanel PanelHOF() const;  // what ShowPanelHOF draws
    void ShowHallPanel();         // "Show Hall of Fame"; the window then resizes itself
    void ShowScores();            // "Hall of Fame": the help dialog on its hall page
    // The drop-down item's hall back to its defaults, after confirmation.
    void DeleteHighscoresClick(int item);
    // The hall page's name box: renames the new entry.
    void HallEdit1Change(const std::string& text);
    // The options page's boxes.
    void PlayerNameChange(const std::string& text);
    GameNumberText RandomSeedChange(const std::string& text);

private:
    // The two steps of ClickAt (play/selection.cpp).
    void SelectTile(int tile);
    void EvaluatePair();

    bool DealAnimates() const;
    DealAnimation AnimationForDeal();
    DealAnimation AnimationForShuffle();

    GameView& view_;
};

}  // namespace ribaku
