#include <gtest/gtest.h>

#include <QAbstractProxyModel>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "app/ribaku_window.h"
#include "program_folder.h"

namespace ribaku {
namespace {

namespace fs = std::filesystem;

const QString kBackgroundTitle = "Please choose a Background bitmap file";
const QString kTilesetTitle = "Please choose a Tileset bitmap file";

// Closes every modal window the program opens and notes what it was: a file dialog by its
// title, a message box by its text.
class ModalWatcher {
public:
    ModalWatcher() {
        timer_.callOnTimeout([this] { CloseModal(); });
        timer_.start(5);
    }
    QStringList dialogs;
    QStringList messages;
    std::string Dialogs() const { return dialogs.join(" | ").toStdString(); }

private:
    void CloseModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            // The folder is read in the background: look again at the next tick.
            const QStringList names = Listed(*files);
            if (names.isEmpty() && ++waits_ < 400) return;
            waits_ = 0;
            listed << names.join(" ");
            dialogs << modal->windowTitle();
        } else {
            dialogs << modal->windowTitle();
        }
        modal->close();
    }
    // The names a file dialog shows in its folder.
    static QStringList Listed(const QFileDialog& files) {
        auto* folder = files.findChild<QFileSystemModel*>();
        if (!folder) return {};
        QAbstractProxyModel* proxy = files.proxyModel();
        const QAbstractItemModel* shown = proxy ? static_cast<QAbstractItemModel*>(proxy) : folder;
        QModelIndex at = folder->index(files.directory().path());
        if (proxy) at = proxy->mapFromSource(at);
        QStringList names;
        for (int row = 0; row < shown->rowCount(at); ++row)
            names << shown->index(row, 0, at).data().toString();
        names.sort();
        return names;
    }
    QTimer timer_;
    int waits_ = 0;

public:
    QStringList listed;  // per file dialog, the names it showed
};

class PictureMenus : public ::testing::Test {
protected:
    void WriteSettings(const std::string& lines) {
        folder.WriteSettings("[Ribaku]\nPlayMusic=0\nPlaySounds=0\n" + lines);
    }
    std::unique_ptr<TRibaku> Start() {
        auto window = std::make_unique<TRibaku>(folder.path());
        window->show();
        QCoreApplication::processEvents();
        return window;
    }
    static QAction* Entry(TRibaku& w, const QString& menu, const QString& caption) {
        for (QAction* a : w.menu(menu)->actions())
            if (a->text() == caption) return a;
        ADD_FAILURE() << caption.toStdString() << " not in " << menu.toStdString();
        return nullptr;
    }
    // A board-sized picture of our own, every pixel telling its place.
    QImage MakeBackground(const fs::path& file) {
        QImage picture(704, 468, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        EXPECT_TRUE(picture.save(QString::fromStdString(file.string()), "BMP"));
        return picture;
    }
    // A real JPEG's frame header changed to announce 60000 x 60000 pixels.
    void MakeHugeJpeg(const fs::path& file) {
        QImage small(16, 16, QImage::Format_RGB32);
        small.fill(Qt::gray);
        ASSERT_TRUE(small.save(QString::fromStdString(file.string()), "JPG"));
        std::fstream jpeg(file, std::ios::in | std::ios::out | std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(jpeg)), {});
        const size_t frame = bytes.find("\xFF\xC0");
        ASSERT_NE(frame, std::string::npos);
        jpeg.seekp(static_cast<std::streamoff>(frame + 5));
        jpeg.write("\xEA\x60\xEA\x60", 4);
    }
    testing::ProgramFolder folder;
    ModalWatcher modal;
};

// "Load from disk" brings back the remembered file without a dialog; chosen again while it
// is the choice, it asks for another file.
TEST_F(PictureMenus, LoadFromDiskTakesTheRememberedFileThenAsksWhenChosenAgain) {
    const fs::path mine = folder.path() / "mine.bmp";
    const QImage picture = MakeBackground(mine);
    fs::copy_file(folder.path() / "Tilesets/darkpai.bmp", folder.path() / "tiles.bmp");
    WriteSettings("LastLoadedBackground=" + mine.string() +
                  "\nLastLoadedTileset=" + (folder.path() / "tiles.bmp").string() + "\n");
    auto w = Start();
    ASSERT_TRUE(Entry(*w, "&Background", "Andromeda")->isChecked());

    QAction* background = Entry(*w, "&Background", "Load from disk");
    background->trigger();
    EXPECT_EQ(modal.Dialogs(), "");
    EXPECT_TRUE(background->isChecked());
    EXPECT_EQ(w->game().options.Background, 3);
    EXPECT_EQ(w->renderer().Screen().pixel(300, 200), picture.pixel(300, 200));
    EXPECT_EQ(w->renderer().Screen().pixel(703, 467), picture.pixel(703, 467));

    QAction* tileset = Entry(*w, "Tileset", "Load from disk");
    tileset->trigger();
    EXPECT_EQ(modal.Dialogs(), "");
    EXPECT_TRUE(tileset->isChecked());
    EXPECT_EQ(w->game().options.Tileset, 0);

    // Chosen again: the dialog opens; cancelled, everything stays.
    background->trigger();
    tileset->trigger();
    EXPECT_EQ(modal.Dialogs(), (kBackgroundTitle + " | " + kTilesetTitle).toStdString());
    EXPECT_TRUE(background->isChecked());
    EXPECT_TRUE(tileset->isChecked());
    EXPECT_EQ(w->renderer().Screen().pixel(300, 200), picture.pixel(300, 200));
    EXPECT_TRUE(modal.messages.isEmpty()) << modal.messages.join("\n").toStdString();

    // A remembered file that has gone is asked for.
    fs::remove(mine);
    Entry(*w, "&Background", "None")->trigger();
    background->trigger();
    EXPECT_EQ(modal.dialogs.size(), 3);
    EXPECT_TRUE(Entry(*w, "&Background", "None")->isChecked());
}

// The dialogs list the pictures a player may choose, not their twice-the-size companions.
TEST_F(PictureMenus, TheFileDialogsHideThePicturesAtTwiceTheSize) {
    fs::copy_file(folder.path() / "Backgrounds/kanji.bmp", folder.path() / "Backgrounds/kanji@2x.bmp",
                  fs::copy_options::overwrite_existing);
    auto w = Start();
    Entry(*w, "Tileset", "Load from disk")->trigger();
    Entry(*w, "&Background", "Load from disk")->trigger();
    ASSERT_EQ(modal.Dialogs(), (kTilesetTitle + " | " + kBackgroundTitle).toStdString());
    EXPECT_EQ(modal.listed.join(" | ").toStdString(),
              "bluepai.bmp darkpai.bmp pai.bmp pai256.bmp | "
              "andromeda.jpg catpats.jpg dragons.bmp kanji.bmp");
}

// A megabyte of path in the settings reads as a file that is not there: no error at all,
// the dialog opens as for any missing file, and the path is forgotten.
TEST_F(PictureMenus, AnImpossiblyLongRememberedPathIsAMissingFile) {
    WriteSettings("Background=3\nTileset=0\nLastLoadedBackground=/" + std::string(1 << 20, 'b') +
                  ".jpg\nLastLoadedTileset=/" + std::string(1 << 20, 't') + ".bmp\n");
    auto w = Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return modal.dialogs.size() >= 2; }, 5000));
    EXPECT_EQ(modal.Dialogs(), (kBackgroundTitle + " | " + kTilesetTitle).toStdString());
    EXPECT_TRUE(modal.messages.isEmpty()) << modal.messages.join("\n").left(300).toStdString();
    EXPECT_TRUE(w->game().options.LastLoadedBackground.empty());
    EXPECT_TRUE(w->game().options.LastLoadedTileset.empty());
}

// A picture that cannot be used is reported in a few words, however it is named, and the
// pictures shown stay.
TEST_F(PictureMenus, AnUnusablePictureIsReportedShortlyAndThePreviousOneStays) {
    fs::path deep = folder.path();
    for (int i = 0; i < 20; ++i)
        deep /= std::string(60, char('a' + i));
    fs::create_directories(deep);
    MakeHugeJpeg(deep / "huge.jpg");
    std::ofstream(deep / "huge.bmp", std::ios::binary)
        << std::string("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x60\xEA\0\0\x60\xEA\0\0\1\0\x18\0",
                       30)
        << std::string(24, '\0');
    WriteSettings("Tileset=2\nLastLoadedBackground=" + (deep / "huge.jpg").string() +
                  "\nLastLoadedTileset=" + (deep / "huge.bmp").string() + "\n");
    auto w = Start();
    const QImage before = w->renderer().Screen().copy();

    Entry(*w, "&Background", "Load from disk")->trigger();
    Entry(*w, "Tileset", "Load from disk")->trigger();
    ASSERT_EQ(modal.messages.size(), 2);
    EXPECT_EQ(modal.Dialogs(), "");
    for (const QString& message : modal.messages) {
        EXPECT_LT(message.size(), 200) << message.toStdString();
        EXPECT_TRUE(message.contains("/huge.")) << message.toStdString();
        EXPECT_TRUE(message.contains("not a readable")) << message.toStdString();
    }
    EXPECT_TRUE(Entry(*w, "&Background", "Andromeda")->isChecked());
    EXPECT_TRUE(Entry(*w, "Tileset", "Dark borders")->isChecked());
    EXPECT_EQ(w->renderer().Screen(), before);
}

}  // namespace
}  // namespace ribaku
