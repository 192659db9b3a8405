#pragma once

#include <QAction>
#include <QActionGroup>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/display_mode.h"
#include "app/program_folders.h"
#include "app/settings_file.h"
#include "core/game_view.h"
#include "game/game.h"
#include "media/audio_plugins.h"
#include "render/art_files.h"
#include "render/background.h"
#include "render/board_pieces.h"
#include "render/board_renderer.h"
#include "render/hall_panel.h"
#include "render/tileset.h"

namespace ribaku {

class ImageView;
class THelpForm;
class StatusLine;
class Toolbar;
class WelcomePanel;
class EditorPanel;

// The main window: a thin shell that shows what the engine decided and forwards every
// event to it. Every command enters through Guarded, where file errors become a message.
class TRibaku : public QMainWindow, public GameView {
    Q_OBJECT
public:
    explicit TRibaku(const std::filesystem::path& programDir);
    ~TRibaku() override;

    Game& game() { return game_; }
    // The help dialog, made at its first use (help_dialog_glue.cpp).
    THelpForm& HelpDialog();
    // A menu entry by its caption, for the tests and the menu pictures.
    QAction* action(const QString& caption) const;
    QMenu* menu(const QString& title) const;
    StatusLine* statusLine() const { return status_; }
    WelcomePanel* welcomePanel() const { return welcome_; }
    Toolbar* toolbar() const { return tools_; }
    ImageView* boardView() const { return board_; }
    const render::BoardRenderer& renderer() const { return *renderer_; }
    const render::HallPanel& hallPanel() const { return hallPanel_; }
    // Shows the hidden Clicks game's menu entry and welcome box (the --clicks switch).
    void RevealClicks();
    // Start-up could not go on (no music or no layout): the window closes once shown.
    bool startupFailed() const { return startupFailed_; }

    // GameView
    void FullRedraw() override;
    void RedrawTile(int tile) override;
    void RedrawHighlight(int tile) override;
    void RedrawBox(const TCellPos& cell) override;
    void ShowBackground() override;
    void RepaintNow() override;
    void HoldFrame(int ms) override;
    void ShowPanelHOF() override;
    void ShowWelcomePanel(bool shown) override;
    void ShowPauseState(bool paused) override;
    void SetStatusText(const std::string& text) override;
    void PlaySound(const std::string& name) override;
    void CheckMusic(int musicNumber) override;
    bool Ask(const std::string& title, const std::string& text) override;
    void Tell(const std::string& title, const std::string& text) override;
    uint32_t NowMs() override;
    TimeOfDay UtcTimeOfDay() override;
    // --- Play: status bar, pause glyphs, side panel, help dialog (play_view.cpp) ---
    void SetTilesLeftText(const std::string& text) override;
    void SetMovesLeftText(const std::string& text) override;
    void SetTimeText(const std::string& text) override;
    void SetPauseButtons() override;
    void RedrawHOF() override;
    void ShowPlayerClocks(bool secondPlayerTurn, uint32_t tickMs, int seconds1,
                          int seconds2) override;
    void ShowCurrentTileBox(int tile) override;
    void CallHelp(HelpPage page) override;
    // The layout editor's save dialog: a file for the layout named `name`, or none when the
    // player cancels. Tests answer it themselves.
    std::function<std::optional<std::filesystem::path>(const std::string& name)> askLayoutFile;
    EditorPanel* editorPanel() const { return editorPanel_; }
    // Shows the help dialog on `page` modally and returns when it is closed; the game
    // pauses and resumes around it (Game::CallHelp). Unset, no dialog opens.
    std::function<void(HelpPage)> openHelp;

signals:
    // The window has been shown for the first time: the splash can go.
    void shown();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Init();
    void CreateParts();
    void CreateHelpDialog();  // help_dialog_glue.cpp
    void ReadSettings();
    // "Hallfame.ini": a file that cannot be read is reported and never written over.
    void ReadHallOfFame();
    Settings SettingsToWrite() const;
    // The game pauses when another program takes the focus, not when our own dialogs open.
    void ApplicationStateChanged(Qt::ApplicationState state);
    void FormShow();
    void FormCloseQuery();
    void Guarded(const std::function<void()>& command);

    // Menus (main_menu.cpp).
    void BuildMainMenu();
    void BuildNewMenu();
    void BuildPlayMenu();
    void BuildViewMenu();
    void BuildHighlightMenu();
    void BuildConfigurationMenu();
    void BuildHelpMenu();
    QAction* AddCommand(QMenu* menu, const char* caption, const QKeySequence& key,
                        std::function<void()> handler);
    QAction* AddMarkedCommand(QMenu* menu, const char* caption, bool Options::*field,
                              std::function<void()> handler, const QKeySequence& key = {});
    QAction* AddOption(QMenu* menu, const char* caption, bool Options::*field,
                       std::function<void()> afterToggle = {}, const QKeySequence& key = {});
    QMenu* AddMenu(const char* title);
    // Every check mark from the engine's options.
    void SyncMarks();

    // The layout editor (editor_window.cpp).
    void BuildEditorMenu();
    bool Editing() const;
    void ShowMenus(const QList<QAction*>& menus);
    void EnterEditor(bool createLayout);  // CreateLayout1Click, Editlayout1Click
    void ShowEditorTilesLeft();
    void LeaveEditorScreen();
    bool EditedLayoutFinished();
    bool SaveEditedLayout(bool askName);  // SaveandexitClick: "Save", "Save as..."
    void TryEditedLayout();               // SaveandexitClick: "Try it"
    void Cancel2Click();
    std::optional<std::filesystem::path> AskLayoutFileByDialog(const std::string& name);
    bool MayCloseEditor();

    // "&Layout" (layout_menu.cpp).
    void BuildLayoutMenu();
    void AddLayoutEntry(int number);
    void CheckLayoutEntry();
    void ApplyLayoutLoaded(const TLayoutLoaded& loaded);
    void SelectLayout1Click();

    // "&Background" and "Tileset" (picture_menus.cpp).
    void BuildBackgroundMenu();
    void BuildTilesetMenu();
    QAction* AddChoice(QMenu* menu, QActionGroup* group, const char* caption, int setting,
                       std::function<void()> handler);
    void ChooseBackground(int setting);
    void None1Click();
    void LoadBackgroundClick(bool askEvenIfRemembered);
    void ChooseTileset(int setting);
    void Load1Click(bool askEvenIfRemembered);
    std::optional<std::filesystem::path> AskPictureFile(const render::PictureDialog& dialog,
                                                        std::string& lastLoaded, bool ask);
    void ActiveTilesetBackground();
    // Loads the tileset the settings name, if that is still to be done; anything that shows
    // tiles calls it first.
    void EnsureTileset();
    void RedrawAfterPictureChange();

    // "M&usic" (music_menu.cpp).
    void BuildMusicMenu();
    void StartMusic();
    void OpenMusicPlayer();
    void PlayMusicClick();

    // The client area from the parts shown; the window is as large as they are.
    void ArrangeClientArea();
    void PlaceWindow();
    void ConnectToolbarAndWelcome();
    void ApplyCoolOptions();
    QWidget* BoxParent();

    ProgramFolders folders_;
    std::filesystem::path programDir_;  // folders_.data, where the program reads its files
    Game game_;
    Settings settings_;

    render::Tileset tileset_;
    render::Background background_;
    render::BoardPieces pieces_;
    std::unique_ptr<render::BoardRenderer> renderer_;
    std::unique_ptr<MusicPlayer> media_;
    std::unique_ptr<SoundEffectsPlayer> effects_;
    bool effectsLoadTried_ = false;

    ImageView* board_ = nullptr;
    Toolbar* tools_ = nullptr;
    StatusLine* status_ = nullptr;
    WelcomePanel* welcome_ = nullptr;
    ImageView* hofBox_ = nullptr;
    EditorPanel* editorPanel_ = nullptr;
    QList<QMenu*> editorMenus_;
    QList<QAction*> mainMenuActions_;  // the main menu bar's, while the editor's is shown
    render::HallPanel hallPanel_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool startupFailed_ = false;
    bool tilesetPending_ = false;
    SwitchedDisplay display_;
    THelpForm* help_ = nullptr;
    // A file that exists but could not be read keeps its contents: it is not written at exit.
    bool settingsUnreadable_ = false;
    bool settingsFound_ = false;
    bool hallUnreadable_ = false;

    std::vector<std::pair<QAction*, bool Options::*>> optionActions_;
    std::vector<QMenu*> menus_;
    QActionGroup* highlightGroup_ = nullptr;
    QMenu* layoutMenu_ = nullptr;
    QActionGroup* layoutGroup_ = nullptr;
    QAction* clicksSeparator_ = nullptr;
    QActionGroup* backgroundGroup_ = nullptr;
    QActionGroup* tilesetGroup_ = nullptr;
    QActionGroup* musicGroup_ = nullptr;
};

}  // namespace ribaku
