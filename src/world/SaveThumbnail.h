#pragma once
// The slot's thumbnail, capture.png beside save.txt: the in-game scene as the player last saw it, at
// the size a menu shows it. The scene is drawn and shrunk on the frame; the PNG is encoded and put in
// place (atomically, through a temporary file) by a worker, so a door does not wait for the encoder.

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <functional>
#include <string>

inline constexpr unsigned THUMBNAIL_WIDTH = 480;
inline constexpr unsigned THUMBNAIL_HEIGHT = 270;
inline constexpr const char* THUMBNAIL_FILE = "capture.png";
inline constexpr const char* THUMBNAIL_TEMPORARY_FILE = "capture.tmp.png";

// Draws the in-game scene as the player sees it (the roaming screen's own drawing).
using SceneDrawing = std::function<void(sf::RenderWindow& window)>;

// The scene drawn now, over the whole game area, shrunk to THUMBNAIL_WIDTH x THUMBNAIL_HEIGHT. The
// window's views are left as they were.
sf::Image CaptureThumbnail(sf::RenderWindow& window, const SceneDrawing& drawScene);
// Captures and hands the picture to the worker for the slot's folder. False when nothing could be
// captured (the file is then left as it was).
bool WriteSlotThumbnail(sf::RenderWindow& window, const std::string& folder, const SceneDrawing& drawScene);
// Waits until every thumbnail handed over is on disk (or has failed): before a menu reads them, a slot
// is deleted, or the program resets.
void FinishThumbnailWrites();
