#include "audio/DeferredAudio.hpp"

#include "game/GameScreens.hpp"
#include "support/RunningGame.hpp"
#include "world/GameState.hpp"

#include <gtest/gtest.h>

namespace
{
/// The game as it starts for players: its sound opened only after the first
/// frame, here into a recorder.
class DeferredAudioTest : public RunningGame
{
protected:
    DeferredAudioTest()
    {
        auto scripted = std::make_unique<ScriptedSource>();
        input = scripted.get();
        auto opener = [this]
        {
            ++opens;
            return std::move(device);
        };
        app = std::make_unique<Application>(registerGameScreens, std::move(scripted),
                                            std::make_unique<DeferredAudio>(opener));
    }

    std::unique_ptr<RecordingAudio> device = std::make_unique<RecordingAudio>();
    RecordingAudio* heard = device.get();
    int opens = 0;
};
} // namespace

TEST_F(DeferredAudioTest, TheDeviceOpensOnTheSecondFrameAndHearsWhatTheMenuAskedFor)
{
    input->queueKeyPress(sf::Keyboard::M);
    frame();
    EXPECT_EQ(opens, 0) << "opened before the first frame was shown";
    EXPECT_TRUE(app->getAudio().isMuted());

    frame();
    ASSERT_EQ(opens, 1);
    EXPECT_EQ(heard->music, std::vector<MusicTheme>{MusicTheme::Menu});
    EXPECT_TRUE(heard->isLoaded(SoundEffect::Hover) && heard->isLoaded(SoundEffect::Click));
    EXPECT_TRUE(heard->muted) << "the silence asked for before it opened";

    // From then on the screens talk to the device itself: play starts.
    input->queueKeyPress(sf::Keyboard::Down);
    input->queueKeyPress(sf::Keyboard::Enter);
    frame();
    ASSERT_TRUE(onTop<GameState>());
    frame();
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(heard->music, (std::vector<MusicTheme>{MusicTheme::Menu, MusicTheme::Forest}));
    EXPECT_TRUE(heard->isLoaded(SoundEffect::HeroJump));
    EXPECT_EQ(heard->listener, top<GameState>().getWorld().getCamera().getCenter())
        << "the listener follows the camera";
    input->queueKeyPress(sf::Keyboard::M);
    frame();
    EXPECT_FALSE(heard->muted);
}

TEST(DeferredAudio, TriesADeviceWhileThereIsNoneAndOpensAnotherWhenItsDeviceIsLost)
{
    std::vector<std::unique_ptr<RecordingAudio>> found(3); // what each try finds: none, then two
    found[1] = std::make_unique<RecordingAudio>();
    found[2] = std::make_unique<RecordingAudio>();
    RecordingAudio* const first = found[1].get();
    RecordingAudio* const second = found[2].get();
    std::size_t tries = 0;
    DeferredAudio audio([&] { return tries < found.size() ? std::move(found[tries++]) : nullptr; });
    audio.load({SoundEffect::Click});
    audio.playMusic(MusicTheme::Forest);
    audio.toggleMute();
    const auto run = [&audio](int frames) // of an eighth of a second
    {
        for (int frame = 0; frame < frames; ++frame)
            audio.update(0.125f);
    };
    run(5); // the first try, on the second update, finds nothing
    EXPECT_EQ(tries, 1u);
    run(1);
    ASSERT_EQ(tries, 2u) << "tried again within half a second";
    EXPECT_EQ(first->music, std::vector<MusicTheme>{MusicTheme::Forest});

    first->lost = true;
    audio.load({SoundEffect::HeroJump});
    run(8);
    ASSERT_EQ(tries, 3u) << "a lost device is let go and another opened within a second";
    EXPECT_TRUE(second->isLoaded(SoundEffect::Click) && second->isLoaded(SoundEffect::HeroJump));
    EXPECT_EQ(second->music, std::vector<MusicTheme>{MusicTheme::Forest});
    EXPECT_TRUE(second->muted && audio.isMuted());
}
