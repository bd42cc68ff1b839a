// woodrun-bench: how long the game's frames take, screen by screen, at three
// window sizes, with the frame-rate limit lifted. Run it in a directory that
// holds the game's files (bench/run.sh does, in a virtual display).
//
//   woodrun-bench [--frames N] [--json FILE]
//
// Each frame is timed whole: input, update, render and display, which waits
// for the drawing to reach the window.
#include "FrameStats.hpp"
#include "app/Application.hpp"
#include "app/ScriptedInput.hpp"
#include "menu/MenuState.hpp"

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

struct Result
{
    std::string screen;
    sf::Vector2u size;
    FrameStats frames;
};

/// Drives a real Application through its screens with scripted input.
class Bench
{
public:
    explicit Bench(int frames) : frames(frames)
    {
        auto scripted = std::make_unique<ScriptedInput>();
        input = scripted.get();
        sf::Clock clock;
        app = std::make_unique<Application>(std::move(scripted));
        app->runFrame(step);
        startupMs = clock.getElapsedTime().asMicroseconds() / 1000.0;
    }

    void runAt(sf::Vector2u size)
    {
        app->applySettings({size.x, size.y, false});
        app->getWindow().setFramerateLimit(0);
        settle();

        measure("menu", size, [] {});

        clickMenuItem(&MenuState::getSettingsButton);
        openResolutionList(size);
        measure("settings", size, [] {});
        pressKey(sf::Keyboard::Escape);

        enterPlay();
        int frame = 0;
        input->setKey(sf::Keyboard::D, true);
        measure("play", size,
                [this, &frame]
                {
                    // Run right all along; jump every 40 frames.
                    input->setKey(sf::Keyboard::Space, frame++ % 40 < 10);
                });
        input->setKey(sf::Keyboard::D, false);
        input->setKey(sf::Keyboard::Space, false);
        pressKey(sf::Keyboard::Escape);
        settle();
    }

    void report(std::ostream& out) const
    {
        out << std::fixed << std::setprecision(2);
        out << "screen    size        median ms   p99 ms\n";
        for (const Result& r : results)
            out << std::left << std::setw(10) << r.screen << std::setw(12)
                << (std::to_string(r.size.x) + "x" + std::to_string(r.size.y)) << std::right
                << std::setw(9) << r.frames.median() << std::setw(9) << r.frames.percentile(0.99)
                << '\n';
        out << "start to first frame:         " << startupMs << " ms\n";
        out << "play entry, images decoded:   " << playEntriesMs.front() << " ms\n";
        out << "play entry, from the cache:   " << laterEntryMs() << " ms (slowest of "
            << playEntriesMs.size() - 1 << ")\n";
        out << "peak resident memory:         " << peakResidentMb() << " MB\n";
    }

    void writeJson(std::ostream& out) const
    {
        out << std::fixed << std::setprecision(3) << "{\n  \"frames\": [\n";
        for (std::size_t i = 0; i < results.size(); ++i)
        {
            const Result& r = results[i];
            out << "    {\"screen\": \"" << r.screen << "\", \"width\": " << r.size.x
                << ", \"height\": " << r.size.y << ", \"count\": " << r.frames.count()
                << ", \"median_ms\": " << r.frames.median()
                << ", \"p99_ms\": " << r.frames.percentile(0.99) << "}"
                << (i + 1 < results.size() ? ",\n" : "\n");
        }
        out << "  ],\n  \"startup_ms\": " << startupMs
            << ",\n  \"play_entry_first_ms\": " << playEntriesMs.front()
            << ",\n  \"play_entry_cached_ms\": " << laterEntryMs()
            << ",\n  \"peak_rss_mb\": " << peakResidentMb() << "\n}\n";
    }

private:
    template <typename Script>
    void measure(const std::string& screen, sf::Vector2u size, Script script)
    {
        Result result{screen, size, {}};
        for (int frame = -warmUpFrames; frame < frames; ++frame)
        {
            script();
            sf::Clock clock;
            app->runFrame(step);
            if (frame >= 0)
                result.frames.add(clock.getElapsedTime().asMicroseconds() / 1000.0);
        }
        results.push_back(std::move(result));
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
        for (const sf::Vector2u size :
             {sf::Vector2u(800, 600), sf::Vector2u(1280, 720), sf::Vector2u(1920, 1080)})
            bench.runAt(size);
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
