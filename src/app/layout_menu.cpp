// The "&Layout" menu: the chooser, the editor's commands and one entry per layout file.
#include <QActionGroup>
#include <QMenuBar>

#include "app/choose_layout_dialog.h"
#include "app/ribaku_window.h"

namespace ribaku {

void TRibaku::BuildLayoutMenu() {
    layoutMenu_ = AddMenu("&Layout");
    AddCommand(layoutMenu_, "Select Layout", {}, [this] { SelectLayout1Click(); });
    AddCommand(layoutMenu_, "Create Layout", {}, [this] { EnterEditor(true); });
    AddCommand(layoutMenu_, "Edit Layout", {}, [this] { EnterEditor(false); });
    layoutMenu_->addSeparator();
    layoutGroup_ = new QActionGroup(layoutMenu_);
    for (int n = 1; n <= game_.state.LayoutCount; ++n)
        AddLayoutEntry(n);
}

void TRibaku::AddLayoutEntry(int number) {
    QAction* entry =
        layoutMenu_->addAction(QString::fromStdString(game_.catalog.Layout(number).caption));
    entry->setCheckable(true);
    layoutGroup_->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, number] {
        // The mark stays on the layout played while a refused one's message is shown.
        CheckLayoutEntry();
        Guarded([&] { ApplyLayoutLoaded(game_.LoadlayoutClick(number)); });
        CheckLayoutEntry();
    });
}

// The entry of the classic layout played, also while a variant keeps its number aside.
void TRibaku::CheckLayoutEntry() {
    const int number = game_.state.ClassicLayoutNumber();
    const QList<QAction*> entries = layoutGroup_->actions();
    for (int i = 0; i < entries.size(); ++i)
        entries[i]->setChecked(i + 1 == number);
}

void TRibaku::ApplyLayoutLoaded(const TLayoutLoaded& loaded) {
    game_.status.Show(loaded.statusText);
    if (loaded.beginGame) game_.BeginGame();
}

void TRibaku::SelectLayout1Click() {
    TChooseLayout chooser(game_.catalog, background_.BackgroundBitmap(), this);
    if (chooser.exec() == QDialog::Accepted &&
        game_.catalog.PlayChosenLayout(chooser.chosen(), game_.state)) {
        CheckLayoutEntry();
        game_.BeginGame();
    }
}

}  // namespace ribaku
