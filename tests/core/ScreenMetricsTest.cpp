#include <gtest/gtest.h>

#include <cmath>

#include "core/Screen.h"

namespace {

struct MetricsCase {
    unsigned width;
    unsigned height;
    AspectCase aspect;
    float scale;
    float offsetX;
    float offsetY;
    float gameWidth;
    float gameHeight;
};

TEST(ScreenMetrics, FitTheLargest16By9AreaIntoEveryDesktop) {
    const MetricsCase cases[] = {
        {1920, 1080, ASPECT_EXACT, 1.0f, 0.0f, 0.0f, 1920.0f, 1080.0f},
        {2560, 1440, ASPECT_EXACT, 1.3333334f, 0.0f, 0.0f, 2560.0f, 1440.0f},
        {1920, 1200, ASPECT_TALLER, 1.0f, 0.0f, 60.0f, 1920.0f, 1080.0f},
        {2560, 1080, ASPECT_WIDER, 1.0f, 320.0f, 0.0f, 1920.0f, 1080.0f},
        {1280, 720, ASPECT_EXACT, 0.6666667f, 0.0f, 0.0f, 1280.0f, 720.0f},
        {1024, 768, ASPECT_TALLER, 0.53333336f, 0.0f, 96.0f, 1024.0f, 576.0f},
    };
    for (const MetricsCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const ScreenMetrics m = ComputeScreenMetrics({c.width, c.height, 32});
        EXPECT_EQ(ClassifyAspect(m.aspectRatio), c.aspect);
        EXPECT_FLOAT_EQ(m.scale, c.scale);
        EXPECT_FLOAT_EQ(m.offsetX, c.offsetX);
        EXPECT_FLOAT_EQ(m.offsetY, c.offsetY);
        EXPECT_FLOAT_EQ(m.gameWidth, c.gameWidth);
        EXPECT_FLOAT_EQ(m.gameHeight, c.gameHeight);
        // Whatever the desktop, the game area is 16:9 and fits inside it.
        EXPECT_NEAR(m.gameWidth / m.gameHeight, 16.0f / 9.0f, 1e-4f);
        EXPECT_LE(m.gameWidth + 2 * m.offsetX, static_cast<float>(c.width) + 0.5f);
        EXPECT_LE(m.gameHeight + 2 * m.offsetY, static_cast<float>(c.height) + 0.5f);
    }
}

TEST(ScreenMetrics, ZeroSizeDesktopLeavesTheMetricsAtZero) {
    const ScreenMetrics m = ComputeScreenMetrics({0, 0, 24});
    EXPECT_TRUE(std::isnan(m.aspectRatio));
    EXPECT_EQ(ClassifyAspect(m.aspectRatio), ASPECT_NONE);
    EXPECT_EQ(m.scale, 0.0f);
    EXPECT_EQ(m.gameWidth, 0.0f);
    EXPECT_EQ(m.gameHeight, 0.0f);
    EXPECT_EQ(m.offsetX, 0.0f);
    EXPECT_EQ(m.offsetY, 0.0f);
    EXPECT_EQ(m.desktopMode.bitsPerPixel, 24u);
}

}  // namespace
