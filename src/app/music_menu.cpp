// The "M&usic" menu and the music player behind it.
#include <QMenuBar>

#include "app/ribaku_window.h"
#include "app/toolbar.h"
#include "app/audio_plugin_loader.h"

namespace ribaku {

void TRibaku::BuildMusicMenu() {
    QMenu* menu = AddMenu("M&usic");
    AddMarkedCommand(menu, "Random Music", &Options::RandomMusic,
                     [this] { game_.music.RandomMusicClick(); });
    menu->addSeparator();
    musicGroup_ = new QActionGroup(menu);
    for (int n = 1; n <= game_.catalog.MusicCount(); ++n) {
        QAction* entry = menu->addAction(QString::fromStdString(game_.catalog.MusicNames[n - 1]));
        entry->setCheckable(true);
        musicGroup_->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, n] {
            Guarded([&] { game_.music.LoadMidiClick(n); });
            CheckMusic(game_.catalog.MusicNumber);
        });
    }
    CheckMusic(game_.catalog.MusicNumber);
}

// The synthesizer and its SoundFont are loaded only once music is wanted.
void TRibaku::OpenMusicPlayer() {
    if (media_) return;
    media_ = LoadMusicPlayer();
    if (!media_) {
        SetStatusText("The music player cannot be loaded: the music is silent.");
        return;
    }
    game_.music.Media = media_.get();
}

void TRibaku::StartMusic() {
    if (game_.options.PlayMusic) OpenMusicPlayer();
    game_.music.StartMusicAtStartup();
    tools_->button(Toolbar::Music)->setEnabled(game_.music.MusicButtonEnabled());
}

void TRibaku::PlayMusicClick() {
    if (!game_.options.PlayMusic) OpenMusicPlayer();
    game_.music.PlayMusicClick();
    tools_->button(Toolbar::Music)->setEnabled(game_.music.MusicButtonEnabled());
}

void TRibaku::CheckMusic(int musicNumber) {
    const QList<QAction*> entries = musicGroup_->actions();
    for (int i = 0; i < entries.size(); ++i)
        entries[i]->setChecked(i + 1 == musicNumber);
}

}  // namespace ribaku
