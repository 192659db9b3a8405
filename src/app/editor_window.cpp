// The layout editor in the window: its menu in the place of the main menu, its panel in the
// place of the toolbar, the save dialog, and the ways out.
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>

#include "app/editor_panel.h"
#include "app/error_box.h"
#include "app/qt_text.h"
#include "app/ribaku_window.h"
#include "layouts/save_names.h"

namespace ribaku {
namespace {

constexpr const char* kUnfinished = "You haven't finished building the layout yet !";

}  // namespace

void TRibaku::BuildEditorMenu() {
    auto* exitMenu = new QMenu(QStringLiteral("Exit"), this);
    const auto add = [this](QMenu* menu, const char* caption, const QKeySequence& key,
                            std::function<void()> handler) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, handler] { Guarded(handler); });
    };
    add(exitMenu, "Save", {}, [this] { SaveEditedLayout(false); });
    add(exitMenu, "Save as...", {}, [this] { SaveEditedLayout(true); });
    add(exitMenu, "Try it", {}, [this] { TryEditedLayout(); });
    exitMenu->addSeparator();
    add(exitMenu, "Exit", {}, [this] { Cancel2Click(); });
    auto* moveMenu = new QMenu(QStringLiteral("Move Board"), this);
    const std::pair<const char*, std::pair<QKeySequence, LayoutMove>> moves[] = {
        {"Move to left <", {Qt::CTRL | Qt::Key_S, LayoutMove::Left}},
        {"Move to right >", {Qt::CTRL | Qt::Key_D, LayoutMove::Right}},
        {"Move to top /\\", {Qt::CTRL | Qt::Key_E, LayoutMove::Up}},
        {"Move to bottom \\/", {Qt::CTRL | Qt::Key_X, LayoutMove::Down}},
    };
    for (const auto& [caption, move] : moves)
        add(moveMenu, caption, move.first,
            [this, direction = move.second] { game_.MoveEditedLayout(direction); });
    editorMenus_ = {exitMenu, moveMenu};
}

bool TRibaku::Editing() const {
    return game_.state.GameMode == gmEditor;
}

// The menu bar holds one set of menus at a time, so only its shortcuts are live: Ctrl+S
// moves the layout in the editor and shuffles in a game.
void TRibaku::ShowMenus(const QList<QAction*>& menus) {
    menuBar()->clear();
    menuBar()->addActions(menus);
}

void TRibaku::EnterEditor(bool createLayout) {
    if (!Editing()) mainMenuActions_ = menuBar()->actions();
    if (createLayout) {
        game_.CreateLayout();
    } else {
        game_.EditLayout();
    }
    QList<QAction*> editorActions;
    for (QMenu* menu : editorMenus_)
        editorActions.push_back(menu->menuAction());
    ShowMenus(editorActions);
    editorPanel_->nameEdit()->setText(Text(game_.catalog.LayoutName));
    ShowEditorTilesLeft();
    ArrangeClientArea();
}

void TRibaku::ShowEditorTilesLeft() {
    editorPanel_->setTilesLeft(EditorTilesLeft(game_.state));
}

void TRibaku::LeaveEditorScreen() {
    ShowMenus(mainMenuActions_);
    ArrangeClientArea();
}

// Only a layout of exactly 144 tiles leaves the editor; the name box gives up the keyboard,
// so that typing goes on to the board.
bool TRibaku::EditedLayoutFinished() {
    ShowEditorTilesLeft();
    if (EditorTilesLeft(game_.state) == 0) return true;
    Tell("Ribaku", kUnfinished);
    editorPanel_->nameEdit()->setEnabled(false);
    editorPanel_->nameEdit()->setEnabled(true);
    return false;
}

// "Save" of a layout that has a file writes it there; a new layout, or "Save as...", asks
// for a file first. A cancelled dialog or a failed write keeps the editor open with the work.
bool TRibaku::SaveEditedLayout(bool askName) {
    if (!EditedLayoutFinished()) return false;
    game_.catalog.LayoutName = editorPanel_->nameEdit()->text().toStdString();
    if (askName || game_.catalog.LayoutFile.empty()) {
        const std::optional<std::filesystem::path> file = askLayoutFile(game_.catalog.LayoutName);
        if (!file) return false;
        game_.catalog.LayoutFile = *file;
    }
    TLayoutSaved saved;
    try {
        saved = game_.SaveLayout();
    } catch (const std::exception& error) {
        ShowError(this, error);
        return false;
    }
    if (saved.listedAnew) {
        AddLayoutEntry(game_.state.LayoutCount);
        game_.hall.LoadLayoutHall(game_.catalog, game_.state.LayoutCount);
    }
    LeaveEditorScreen();
    CheckLayoutEntry();
    game_.BeginGame();
    return true;
}

void TRibaku::TryEditedLayout() {
    if (!EditedLayoutFinished()) return;
    game_.catalog.LayoutName = editorPanel_->nameEdit()->text().toStdString();
    game_.TryLayout();
    LeaveEditorScreen();
    CheckLayoutEntry();
}

void TRibaku::Cancel2Click() {
    const TLayoutLoaded loaded = game_.ExitEditor();
    LeaveEditorScreen();
    CheckLayoutEntry();
    ApplyLayoutLoaded(loaded);
}

// In the folder for the player's layouts, under the layout's name; the dialog adds ".lay"
// and asks before it replaces a file.
std::optional<std::filesystem::path> TRibaku::AskLayoutFileByDialog(const std::string& name) {
    QFileDialog dialog(this, QStringLiteral("Save layout"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Layouts (*.lay)"));
    dialog.setDefaultSuffix(QStringLiteral("lay"));
    const std::filesystem::path folder = game_.catalog.SavedLayoutsFolder();
    std::error_code ignored;  // a folder that cannot be made leaves the dialog elsewhere
    std::filesystem::create_directories(folder, ignored);
    dialog.setDirectory(QString::fromStdString(folder.string()));
    dialog.selectFile(Text(name) + QStringLiteral(".lay"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

// Leaving the program keeps a finished layout if the player wants it, and loses an
// unfinished one only when the player says so.
bool TRibaku::MayCloseEditor() {
    if (EditorTilesLeft(game_.state) != 0)
        return Ask("Layout editor",
                   "The layout is not finished and will be lost. Do you want to leave ?");
    const QString name = editorPanel_->nameEdit()->text();
    const auto answer = QMessageBox::question(
        BoxParent(), QStringLiteral("Layout editor"),
        QStringLiteral("Do you want to save the layout \"%1\" before leaving ?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    return answer == QMessageBox::Discard || SaveEditedLayout(false);
}

}  // namespace ribaku
