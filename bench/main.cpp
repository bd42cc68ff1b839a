// woodrun-bench: how long the game's frames take, screen by screen, at five
// window sizes, with the frame-rate limit lifted, against the floor: what one
// window-sized opaque textured sprite and display cost on the same machine.
// Run it in a directory that holds the game's files, in a virtual display at
// least 3840x2160 (bench/run.sh does both).
//
//   woodrun-bench [--frames N] [--json FILE] [--starts N]
//
// Each frame is timed whole: input, update, render and display, which waits
// for the drawing to reach the window. Every screen runs twice from the same
// start: drawn the straightforward way (before) and the fast way (after), the
// latter frame by frame in turn with a frame of the floor. On the way, both
// ways draw the same state now and then, and the largest difference of any
// colour channel between the two pictures is reported.
//
// Start-up is timed in fresh processes, from just before the process starts
// to its first shown frame: the game, and a bare SFML program that opens a
// window and shows one frame, in turn.
#include "FrameStats.hpp"
#include "app/Application.hpp"
#include "app/ClearColor.hpp"
#include "audio/DeviceAudio.hpp"
#include "game/GameScreens.hpp"
#include "kit/PictureDifference.hpp"
#include "kit/ScriptedSource.hpp"
#include "menu/MenuState.hpp"
#include "resources/TextureCache.hpp"
#include "world/GameState.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
constexpr float step = 1.f / 60.f; // the game advances as if at 60 frames per second
constexpr int warmUpFrames = 30;

constexpr int compareEvery = 10; // frames between two comparisons of the pictures

// Opaque, and drawn stretched to the window like every forest layer.
const char* const floorImage = "parallax_demon_woods_pack/layers/parallax-demon-woods-bg.png";

struct Result
{
    std::string screen;
    sf::Vector2u size;
    FrameStats before;
    FrameStats after;
    int largestDifference = 0;
};

/// The floor at one window size.
struct Floor
{
    sf::Vector2u size;
    FrameStats frames;
};

/// What the window shows now.
sf::Image capture(const sf::RenderWindow& window)
{
    sf::Texture texture;
    texture.create(window.getSize().x, window.getSize().y);
    texture.update(window);
    return texture.copyToImage();
}

/// Drives a real Application through its screens with scripted input.
class Bench
{
public:
    explicit Bench(int frames) : frames(frames)
    {
        auto scripted = std::make_unique<ScriptedSource>();
        input = scripted.get();
        // The game's own sound, so its cost shows in the figures.
        app = std::make_unique<Application>(registerGameScreens, std::move(scripted),
                                            openAudio(std::cerr));
        app->runFrame(step);
    }

    /// Times every screen at this window size, or, with `checking`, compares
    /// the two ways of drawing them.
    void runAt(sf::Vector2u size, bool checking)
    {
        const auto run =
            [this, size, checking](const std::string& screen, auto script, auto restart)
        {
            if (checking)
                check(screen, size, script, restart);
            else
                measure(screen, size, script, restart);
        };
        app->applySettings({size.x, size.y, false});
        app->getWindow().setFramerateLimit(0);
        if (!checking)
            floors.push_back({size, {}});
        settle();

        run(
            "menu", [](int) {}, [] {});

        clickMenuItem(&MenuState::getSettingsButton);
        openResolutionList(size);
        run(
            "settings", [](int) {}, [] {});
        pressKey(sf::Keyboard::Escape); // closes the list
        pressKey(sf::Keyboard::Escape); // and then the settings

        // The hero runs right all along and jumps every 40 frames; each way
        // starts from a freshly entered play screen.
        run(
            "play",
            [this](int frame)
            {
                input->setKey(sf::Keyboard::D, true);
                input->setKey(sf::Keyboard::Space, (frame + warmUpFrames) % 40 < 10);
            },
            [this]
            {
                if (dynamic_cast<const GameState*>(&app->getStates().top()) != nullptr)
                    pressKey(sf::Keyboard::Escape);
                input->setKey(sf::Keyboard::D, false);
                input->setKey(sf::Keyboard::Space, false);
                enterPlay();
            });
        input->setKey(sf::Keyboard::D, false);
        input->setKey(sf::Keyboard::Space, false);
        pressKey(sf::Keyboard::Escape);
        settle();
    }

    void report(std::ostream& out) const
    {
        out << std::fixed << std::setprecision(2);
        out << "size        floor: median ms   p99 ms\n";
        for (const Floor& f : floors)
            out << std::left << std::setw(12) << sizeName(f.size) << std::right << std::setw(12)
                << f.frames.median() << std::setw(9) << f.frames.percentile(0.99) << "\n";
        out << "\n                      before (straightforward)  after (fast)"
               "             after / floor\n"
               "screen    size        median ms   p99 ms        median ms   p99 ms       "
               "median    p99   largest difference\n";
        for (const Result& r : results)
        {
            const double floor = floorOf(r.size);
            out << std::left << std::setw(10) << r.screen << std::setw(12) << sizeName(r.size)
                << std::right << std::setw(9) << r.before.median() << std::setw(9)
                << r.before.percentile(0.99) << std::setw(17) << r.after.median() << std::setw(9)
                << r.after.percentile(0.99) << std::setw(12) << r.after.median() / floor << "x"
                << std::setw(7) << r.after.percentile(0.99) / floor << "x" << std::setw(12)
                << r.largestDifference << "/255\n";
        }
        out << "\nplay entry, images decoded:   " << playEntriesMs.front() << " ms\n";
        out << "play entry, from the cache:   " << laterEntryMs() << " ms (slowest of "
            << playEntriesMs.size() - 1 << ")\n";
        out << "peak resident memory:         " << peakMb << " MB (all sizes, up to "
            << sizeName(floors.back().size) << ")\n";
    }

    void writeJson(std::ostream& out) const
    {
        out << std::fixed << std::setprecision(3) << "  \"floors\": [\n";
        for (std::size_t i = 0; i < floors.size(); ++i)
        {
            const Floor& f = floors[i];
            out << "    {\"width\": " << f.size.x << ", \"height\": " << f.size.y
                << ", \"median_ms\": " << f.frames.median()
                << ", \"p99_ms\": " << f.frames.percentile(0.99) << "}"
                << (i + 1 < floors.size() ? ",\n" : "\n");
        }
        out << "  ],\n  \"frames\": [\n";
        for (std::size_t i = 0; i < results.size(); ++i)
        {
            const Result& r = results[i];
            const double floor = floorOf(r.size);
            out << "    {\"screen\": \"" << r.screen << "\", \"width\": " << r.size.x
                << ", \"height\": " << r.size.y << ", \"count\": " << r.after.count()
                << ", \"before_median_ms\": " << r.before.median()
                << ", \"before_p99_ms\": " << r.before.percentile(0.99)
                << ", \"median_ms\": " << r.after.median()
                << ", \"p99_ms\": " << r.after.percentile(0.99)
                << ", \"median_x_floor\": " << r.after.median() / floor
                << ", \"p99_x_floor\": " << r.after.percentile(0.99) / floor
                << ", \"largest_difference\": " << r.largestDifference << "}"
                << (i + 1 < results.size() ? ",\n" : "\n");
        }
        out << "  ],\n  \"play_entry_first_ms\": " << playEntriesMs.front()
            << ",\n  \"play_entry_cached_ms\": " << laterEntryMs()
            << ",\n  \"peak_rss_mb\": " << peakMb << ",\n";
    }

    /// Peak memory of the timed runs, before the comparisons take pictures.
    void notePeakMemory() { peakMb = peakResidentMb(); }

    /// Plays at this window size for the frame count, the hero running right
    /// and jumping, as fast as the machine goes.
    void play(sf::Vector2u size)
    {
        app->applySettings({size.x, size.y, false});
        app->getWindow().setFramerateLimit(0);
        settle();
        enterPlay();
        for (int frame = 0; frame < frames; ++frame)
        {
            input->setKey(sf::Keyboard::D, true);
            input->setKey(sf::Keyboard::Space, frame % 40 < 10);
            app->runFrame(step);
        }
    }

    static double peakResidentMb()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return static_cast<double>(usage.ru_maxrss) / 1024.0;
    }

private:
    /// Runs the screen on top for the frame count the straightforward way,
    /// then from the same start the fast way. `script` sets the input of each
    /// frame; `restart` puts the screen back at its start.
    template <typename Script, typename Restart>
    void measure(const std::string& screen, sf::Vector2u size, Script script, Restart restart)
    {
        Result result{screen, size, {}, {}, 0};
        for (const bool fast : {false, true})
        {
            restart();
            FrameStats& stats = fast ? result.after : result.before;
            for (int frame = -warmUpFrames; frame < frames; ++frame)
            {
                script(frame);
                sf::Clock clock;
                runFrame(fast);
                if (frame >= 0)
                    stats.add(clock.getElapsedTime().asMicroseconds() / 1000.0);
                // Frame by frame in turn, so that whatever else the machine
                // does weighs on the floor as on the game.
                if (fast)
                {
                    const double floor = floorFrame();
                    if (frame >= 0)
                        floors.back().frames.add(floor);
                }
            }
        }
        results.push_back(std::move(result));
    }

    /// Runs the screen on top the fast way and, every few frames, draws the
    /// state it is in both ways and keeps the largest difference.
    template <typename Script, typename Restart>
    void check(const std::string& screen, sf::Vector2u size, Script script, Restart restart)
    {
        auto result =
            std::find_if(results.begin(), results.end(),
                         [&](const Result& r) { return r.screen == screen && r.size == size; });
        restart();
        for (int frame = -warmUpFrames; frame < frames; ++frame)
        {
            script(frame);
            runFrame(true);
            if (frame >= 0 && frame % compareEvery == 0 && result != results.end())
                result->largestDifference = std::max(result->largestDifference, compare());
        }
    }

    /// One frame of the floor: the window covered by one opaque textured
    /// sprite, then shown. Its time in milliseconds.
    double floorFrame()
    {
        sf::RenderWindow& window = app->getWindow();
        const std::string path = floorImage; // a temporary would look dangling to GCC 14
        const sf::Texture& texture = TextureCache::get(path);
        sf::Sprite sprite(texture);
        sprite.setScale(static_cast<float>(window.getSize().x) / texture.getSize().x,
                        static_cast<float>(window.getSize().y) / texture.getSize().y);
        window.setView(window.getDefaultView());
        sf::Clock clock;
        window.draw(sprite, sf::BlendNone);
        window.display();
        return clock.getElapsedTime().asMicroseconds() / 1000.0;
    }

    double floorOf(sf::Vector2u size) const
    {
        for (const Floor& f : floors)
            if (f.size == size)
                return f.frames.median();
        return 0.0;
    }

    static std::string sizeName(sf::Vector2u size)
    {
        return std::to_string(size.x) + "x" + std::to_string(size.y);
    }

    /// One frame as the main loop runs it, drawn the fast way or the straightforward way.
    void runFrame(bool fast)
    {
        if (fast)
        {
            app->runFrame(step);
            return;
        }
        StateStack& states = app->getStates();
        sf::RenderWindow& window = app->getWindow();
        states.top().handleInput(window, states, *app);
        states.top().update(step, window);
        window.clear(clearColor());
        drawStraightforward(states.top(), window);
        window.display();
    }

    static void drawStraightforward(State& screen, sf::RenderWindow& window)
    {
        if (const auto* game = dynamic_cast<const GameState*>(&screen))
            game->getWorld().renderStraightforward(window);
        else
            screen.render(window); // the menu and the settings have no faster way
    }

    /// The largest channel difference between the two ways of drawing the state now.
    int compare()
    {
        sf::RenderWindow& window = app->getWindow();
        State& screen = app->getStates().top();
        window.clear(clearColor());
        screen.render(window);
        const sf::Image fast = capture(window);
        window.clear(clearColor());
        drawStraightforward(screen, window);
        const sf::Image straightforward = capture(window);
        return largestDifference(fast, straightforward);
    }

    /// A few frames with nothing held, so the next press is a fresh one.
    void settle()
    {
        input->setButton(sf::Mouse::Left, false);
        for (int frame = 0; frame < 3; ++frame)
            app->runFrame(step);
    }

    void clickAt(sf::Vector2f point)
    {
        input->setMousePosition({static_cast<int>(point.x), static_cast<int>(point.y)});
        settle();
        sf::Event press{};
        press.type = sf::Event::MouseButtonPressed;
        press.mouseButton = {sf::Mouse::Left, static_cast<int>(point.x), static_cast<int>(point.y)};
        input->queueEvent(press);
        input->setButton(sf::Mouse::Left, true);
        app->runFrame(step);
        input->setButton(sf::Mouse::Left, false);
        sf::Event release = press;
        release.type = sf::Event::MouseButtonReleased;
        input->queueEvent(release);
    }

    void clickMenuItem(const MenuButton& (MenuState::*item)() const)
    {
        const auto& menu = dynamic_cast<const MenuState&>(app->getStates().top());
        const sf::FloatRect bounds = (menu.*item)().getBounds();
        clickAt({bounds.left + bounds.width / 2, bounds.top + bounds.height / 2});
    }

    /// The resolution box sits 100 px left of the centre, 150 px from the top.
    void openResolutionList(sf::Vector2u size) { clickAt({static_cast<float>(size.x / 2), 170.f}); }

    void enterPlay()
    {
        const auto& menu = dynamic_cast<const MenuState&>(app->getStates().top());
        const sf::FloatRect bounds = menu.getPlayButton().getBounds();
        settle();
        sf::Clock clock;
        clickAt({bounds.left + bounds.width / 2, bounds.top + bounds.height / 2});
        playEntriesMs.push_back(clock.getElapsedTime().asMicroseconds() / 1000.0);
    }

    void pressKey(sf::Keyboard::Key key)
    {
        input->queueKeyPress(key);
        app->runFrame(step);
    }

    double laterEntryMs() const
    {
        double slowest = 0.0;
        for (std::size_t i = 1; i < playEntriesMs.size(); ++i)
            slowest = std::max(slowest, playEntriesMs[i]);
        return slowest;
    }

    int frames;
    ScriptedSource* input = nullptr;
    std::unique_ptr<Application> app;
    double peakMb = 0.0;
    std::vector<double> playEntriesMs;
    std::vector<Result> results;
    std::vector<Floor> floors;
};

/// In a fresh process: plays at the largest size and prints the peak resident
/// memory, in megabytes.
int playForPeakMemory(int frames)
{
    Bench bench(frames);
    bench.play({3840, 2160});
    std::printf("%.1f\n", Bench::peakResidentMb());
    return 0;
}

/// Nanoseconds on the monotonic clock, which every process shares.
long long nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

/// In a fresh process: shows the first frame, of the game or of a bare SFML
/// program, and prints the milliseconds since `since` (nowNs of the parent
/// just before it started this process).
int showFirstFrame(const std::string& what, long long since)
{
    if (what == "bare")
    {
        sf::RenderWindow window(sf::VideoMode(800, 600), "bare");
        window.clear();
        window.display();
    }
    else
    {
        Application app(registerGameScreens, std::make_unique<ScriptedSource>(),
                        openAudioAfterFirstFrame(std::cerr));
        app.runFrame(step);
    }
    std::printf("%.3f\n", static_cast<double>(nowNs() - since) / 1e6);
    return 0;
}

/// Runs this program again with `arguments` and returns the number it prints.
double runAgain(const std::vector<std::string>& arguments)
{
    std::array<int, 2> pipe{};
    if (::pipe(pipe.data()) != 0)
        throw std::runtime_error("no pipe to run the benchmark again");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    std::string self = "/proc/self/exe";
    std::vector<std::string> words{self};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> args;
    for (std::string& word : words)
        args.push_back(word.data());
    args.push_back(nullptr);
    pid_t child = 0;
    const int failed = posix_spawn(&child, self.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe[1]);
    std::string output;
    std::array<char, 256> buffer{};
    for (ssize_t got; (got = read(pipe[0], buffer.data(), buffer.size())) > 0;)
        output.append(buffer.data(), static_cast<std::size_t>(got));
    close(pipe[0]);
    int status = 0;
    if (failed == 0)
        waitpid(child, &status, 0);
    if (failed != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty())
        throw std::runtime_error("the run with " + arguments.front() + " failed");
    return std::stod(output);
}

/// Starts this program again to show its first frame of `what` ("game" or
/// "bare"), and returns the milliseconds from its start to that frame.
double timeFirstFrame(const std::string& what)
{
    return runAgain({"--first-frame", what, std::to_string(nowNs())});
}

/// Start-up of the game against a bare SFML program, run in turn.
struct Starts
{
    FrameStats game;
    FrameStats bare;
    FrameStats difference; ///< of each game run and the bare run just before it

    void run(int count)
    {
        for (int i = 0; i < count; ++i)
        {
            const double bareMs = timeFirstFrame("bare");
            const double gameMs = timeFirstFrame("game");
            bare.add(bareMs);
            game.add(gameMs);
            difference.add(gameMs - bareMs);
        }
    }

    void report(std::ostream& out) const
    {
        out << std::fixed << std::setprecision(1) << "\nstart to first frame, " << game.count()
            << " runs each: median (min to max)\n"
            << "  game                 " << game.median() << " ms (" << game.percentile(0.0)
            << " to " << game.percentile(1.0) << ")\n"
            << "  bare SFML program    " << bare.median() << " ms (" << bare.percentile(0.0)
            << " to " << bare.percentile(1.0) << ")\n"
            << "  game - bare          " << difference.median() << " ms ("
            << difference.percentile(0.0) << " to " << difference.percentile(1.0) << ")\n";
    }

    void writeJson(std::ostream& out) const
    {
        out << std::fixed << std::setprecision(3)
            << "  \"startup_game_median_ms\": " << game.median()
            << ",\n  \"startup_bare_median_ms\": " << bare.median()
            << ",\n  \"startup_difference_median_ms\": " << difference.median()
            << ",\n  \"startup_difference_min_ms\": " << difference.percentile(0.0)
            << ",\n  \"startup_difference_max_ms\": " << difference.percentile(1.0) << "\n";
    }
};
} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--first-frame")
        return showFirstFrame(argv[2], std::stoll(argv[3]));
    if (argc == 3 && std::string(argv[1]) == "--peak-memory")
        return playForPeakMemory(std::atoi(argv[2]));

    int frames = 300;
    int starts = 10;
    std::string jsonPath = "bench.json";
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::string option = argv[i];
        if (option == "--frames")
            frames = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--json")
            jsonPath = argv[i + 1];
        else if (option == "--starts")
            starts = std::max(1, std::atoi(argv[i + 1]));
    }

    try
    {
        // First, while no settings file tells the game another window size.
        Starts startup;
        startup.run(starts);
        const double peakAtLargest = runAgain({"--peak-memory", std::to_string(frames)});

        Bench bench(frames);
        const std::vector<sf::Vector2u> sizes{
            {800, 600}, {1280, 720}, {1920, 1080}, {2560, 1440}, {3840, 2160}};
        for (const sf::Vector2u size : sizes)
            bench.runAt(size, false);
        bench.notePeakMemory();
        for (const sf::Vector2u size : sizes)
            bench.runAt(size, true);
        bench.report(std::cout);
        std::cout << "peak resident memory, playing at 3840x2160 alone: " << peakAtLargest
                  << " MB\n";
        startup.report(std::cout);
        std::ofstream json(jsonPath);
        json << "{\n";
        bench.writeJson(json);
        json << "  \"peak_rss_3840x2160_mb\": " << peakAtLargest << ",\n";
        startup.writeJson(json);
        json << "}\n";
        if (!json)
        {
            std::cerr << "could not write " << jsonPath << '\n';
            return 1;
        }
    }
    catch (const std::exception& error)
    {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
