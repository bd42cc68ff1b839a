#include "support/RunningGame.hpp"

#include "game/GameScreens.hpp"

void RunningGame::startGame()
{
    auto scripted = std::make_unique<ScriptedSource>();
    input = scripted.get();
    auto recording = std::make_unique<RecordingAudio>();
    audio = recording.get();
    app = std::make_unique<Application>(registerGameScreens, std::move(scripted),
                                        std::move(recording));
}

void RunningGame::frame(float dt)
{
    app->runFrame(dt);
}

void RunningGame::pointAt(const sf::FloatRect& area, bool held)
{
    input->setMousePosition({static_cast<int>(area.left + area.width / 2),
                             static_cast<int>(area.top + area.height / 2)});
    input->setButton(sf::Mouse::Left, held);
}

void RunningGame::press(const sf::FloatRect& area)
{
    pointAt(area, true);
    queueMouseButton(sf::Event::MouseButtonPressed);
}

void RunningGame::tap(const sf::FloatRect& area)
{
    pointAt(area, false);
    queueMouseButton(sf::Event::MouseButtonPressed);
    queueMouseButton(sf::Event::MouseButtonReleased);
}

void RunningGame::queueMouseButton(sf::Event::EventType type)
{
    const sf::Vector2i mouse = input->mousePosition(app->getWindow());
    sf::Event event{};
    event.type = type;
    event.mouseButton.button = sf::Mouse::Left;
    event.mouseButton.x = mouse.x;
    event.mouseButton.y = mouse.y;
    input->queueEvent(event);
}
