#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSoundEffect>
#include <QTest>

#include <memory>

#include "media/sound_effects.h"
#include "media_fixtures.h"

namespace ribaku {
namespace {

// The game's three wave files in a folder of their own.
class SoundEffectsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_media";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);
        }
    }

    void SetUp() override {
        folder = testing::FreshFolder();
        const std::filesystem::path data = std::filesystem::path(RIBAKU_SOURCE_DIR) / "data";
        for (const char* name : {"select", "noway", "done"}) {
            const std::string file = std::string(name) + ".wav";
            std::filesystem::copy_file(data / file, folder / file);
        }
    }

    // Qt's sample cache deadlocks at exit when a wave is still being decoded then.
    void TearDown() override {
        if (!effects) return;
        for (QSoundEffect* sound : Loaded()) {
            EXPECT_TRUE(QTest::qWaitFor(
                [sound] { return sound->status() != QSoundEffect::Loading; }, 2000));
        }
        effects.reset();
    }

    SoundEffects& Make(bool audioOutput) {
        effects = std::make_unique<SoundEffects>(folder, options, audioOutput);
        return *effects;
    }

    QList<QSoundEffect*> Loaded() const { return effects->findChildren<QSoundEffect*>(); }

    static QSoundEffect* Named(const QList<QSoundEffect*>& sounds, const char* name) {
        for (QSoundEffect* sound : sounds) {
            if (sound->source().fileName() == QString(name) + ".wav") return sound;
        }
        return nullptr;
    }

    std::filesystem::path folder;
    Options options;
    std::unique_ptr<SoundEffects> effects;
};

TEST_F(SoundEffectsTest, WithEffectsOffNoWaveFileIsTouched) {
    options.PlaySounds = false;
    SoundEffects& sounds = Make(true);
    for (const char* name : {"select", "noway", "done"})
        sounds.Play(name);
    EXPECT_TRUE(Loaded().isEmpty());
}

TEST_F(SoundEffectsTest, WithoutAnAudioOutputNothingIsLoadedOrPlayed) {
    Make(false).Play("select");
    EXPECT_TRUE(Loaded().isEmpty());
}

TEST_F(SoundEffectsTest, TheEffectsAreLoadedOnceFromTheProgramsFolder) {
    SoundEffects& sounds = Make(true);
    sounds.Play("select");
    const QList<QSoundEffect*> loaded = Loaded();
    ASSERT_EQ(loaded.size(), 3);
    for (const char* name : {"select", "noway", "done"}) {
        QSoundEffect* sound = Named(loaded, name);
        ASSERT_NE(sound, nullptr) << name;
        EXPECT_EQ(sound->source().toLocalFile().toStdString(),
                  (folder / (std::string(name) + ".wav")).string());
    }
    sounds.Play("done");
    sounds.Play("noway");
    sounds.Play("unknown");
    EXPECT_EQ(Loaded(), loaded);
}

TEST_F(SoundEffectsTest, ANewEffectReplacesOneStillPlaying) {
    SoundEffects& sounds = Make(true);
    sounds.Play("select");
    QSoundEffect* select = Named(Loaded(), "select");
    QSoundEffect* done = Named(Loaded(), "done");
    ASSERT_TRUE(select && done);
    EXPECT_TRUE(QTest::qWaitFor([&] { return select->isPlaying(); }, 2000));

    sounds.Play("done");
    EXPECT_TRUE(QTest::qWaitFor([&] { return done->isPlaying(); }, 2000));
    EXPECT_FALSE(select->isPlaying());
}

}  // namespace
}  // namespace ribaku
