// woodrun-bench: how long the game's frames take, screen by screen, at three
// window sizes, with the frame-rate limit lifted. Run it in a directory that
// holds the game's files (bench/run.sh does, in a virtual display).
//
//   woodrun-bench [--frames N] [--json FILE]
//
// Each frame is timed whole: input, update, render and display, which waits
// for the drawing to reach the window. Every screen runs twice from the same
// start: drawn the straightforward way (before) and the fast way (after); on
// the way, both ways draw the same state now and then, and the largest
// difference of any colour channel between the two pictures is reported.
#include "FrameStats.hpp"
#include "app/Application.hpp"
#include "app/ScriptedInput.hpp"
#include "audio/DeviceAudio.hpp"
#include "menu/MenuState.hpp"
#include "world/GameState.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>

#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace
{
constexpr float step = 1.f / 60.f; // the game advances as if at 60 frames per second
constexpr int warmUpFrames = 30;
const sf::Color clearColour(30, 30, 60); // what the main loop clears the window to

constexpr int compareEvery = 10; // frames between two comparisons of the pictures

struct Result
{
    std::string screen;
    sf::Vector2u size;
    FrameStats before;
    FrameStats after;
    int largestDifference = 0;
};

/// What the window shows now.
sf::Image capture(const sf::RenderWindow& window)
{
    sf::Texture texture;
    texture.create(window.getSize().x, window.getSize().y);
    texture.update(window);
    return texture.copyToImage();
}

int largestDifference(const sf::Image& a, const sf::Image& b)
{
    if (a.getSize() != b.getSize())
        return 255;
    const sf::Uint8* p = a.getPixelsPtr();
    const sf::Uint8* q = b.getPixelsPtr();
    int largest = 0;
    for (std::size_t i = 0; i < std::size_t{a.getSize().x} * a.getSize().y * 4; ++i)
        largest = std::max(largest, std::abs(p[i] - q[i]));
    return largest;
}

/// Drives a real Application through its screens with scripted input.
class Bench
{
public:
    explicit Bench(int frames) : frames(frames)
    {
        auto scripted = std::make_unique<ScriptedInput>();
        input = scripted.get();
        sf::Clock clock;
        // The game's own sound, so its cost shows in the figures.
        app = std::make_unique<Application>(std::move(scripted), openAudio(std::cerr));
        app->runFrame(step);
        startupMs = clock.getElapsedTime().asMicroseconds() / 1000.0;
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
        out << "                         before (straightforward)   after (fast)\n"
               "screen    size           median ms   p99 ms         median ms   p99 ms   "
               "largest difference\n";
        for (const Result& r : results)
            out << std::left << std::setw(10) << r.screen << std::setw(12)
                << (std::to_string(r.size.x) + "x" + std::to_string(r.size.y)) << std::right
                << std::setw(12) << r.before.median() << std::setw(9) << r.before.percentile(0.99)
                << std::setw(18) << r.after.median() << std::setw(9) << r.after.percentile(0.99)
                << std::setw(12) << r.largestDifference << "/255\n";
        out << "start to first frame:         " << startupMs << " ms\n";
        out << "play entry, images decoded:   " << playEntriesMs.front() << " ms\n";
        out << "play entry, from the cache:   " << laterEntryMs() << " ms (slowest of "
            << playEntriesMs.size() - 1 << ")\n";
        out << "peak resident memory:         " << peakMb << " MB\n";
    }

    void writeJson(std::ostream& out) const
    {
        out << std::fixed << std::setprecision(3) << "{\n  \"frames\": [\n";
        for (std::size_t i = 0; i < results.size(); ++i)
        {
            const Result& r = results[i];
            out << "    {\"screen\": \"" << r.screen << "\", \"width\": " << r.size.x
                << ", \"height\": " << r.size.y << ", \"count\": " << r.after.count()
                << ", \"before_median_ms\": " << r.before.median()
                << ", \"before_p99_ms\": " << r.before.percentile(0.99)
                << ", \"median_ms\": " << r.after.median()
                << ", \"p99_ms\": " << r.after.percentile(0.99)
                << ", \"largest_difference\": " << r.largestDifference << "}"
                << (i + 1 < results.size() ? ",\n" : "\n");
        }
        out << "  ],\n  \"startup_ms\": " << startupMs
            << ",\n  \"play_entry_first_ms\": " << playEntriesMs.front()
            << ",\n  \"play_entry_cached_ms\": " << laterEntryMs()
            << ",\n  \"peak_rss_mb\": " << peakMb << "\n}\n";
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
        window.clear(clearColour);
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
        window.clear(clearColour);
        screen.render(window);
        const sf::Image fast = capture(window);
        window.clear(clearColour);
        drawStraightforward(screen, window);
        const sf::Image straightforward = capture(window);
        const int difference = largestDifference(fast, straightforward);
        if (difference > 2 && std::getenv("BENCH_DUMP") != nullptr)
        {
            const std::string name =
                std::to_string(window.getSize().x) + "-" + std::to_string(difference) + ".png";
            fast.saveToFile("/tmp/fast-" + name);
            straightforward.saveToFile("/tmp/straight-" + name);
        }
        return difference;
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

public:
    /// Peak memory of the timed runs, before the comparisons take pictures.
    void notePeakMemory() { peakMb = peakResidentMb(); }

private:
    static double peakResidentMb()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return static_cast<double>(usage.ru_maxrss) / 1024.0;
    }

    int frames;
    ScriptedInput* input = nullptr;
    std::unique_ptr<Application> app;
    double startupMs = 0.0;
    double peakMb = 0.0;
    std::vector<double> playEntriesMs;
    std::vector<Result> results;
};
} // namespace

int main(int argc, char** argv)
{
    int frames = 300;
    std::string jsonPath = "bench.json";
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::string option = argv[i];
        if (option == "--frames")
            frames = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--json")
            jsonPath = argv[i + 1];
    }

    try
    {
        Bench bench(frames);
        const std::vector<sf::Vector2u> sizes{{800, 600}, {1280, 720}, {1920, 1080}};
        for (const sf::Vector2u size : sizes)
            bench.runAt(size, false);
        bench.notePeakMemory();
        for (const sf::Vector2u size : sizes)
            bench.runAt(size, true);
        bench.report(std::cout);
        std::ofstream json(jsonPath);
        bench.writeJson(json);
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
