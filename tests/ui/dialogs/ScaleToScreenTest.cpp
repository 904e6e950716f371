#include "ui/dialogs/ScaleToScreen.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

using namespace vantor::ui;

namespace {

struct ScreenCase {
    QSize screen;
    double fx, fy;
    UnitRect window;  // a 4000 x 3000 dialog, centred
    double splashTop; // the same window placed as the splash
};

const ScreenCase Screens[] = {
    {{640, 480}, 1.0, 1.0, {2800, 2100, 4000, 3000}, 1930},
    {{800, 600}, 1.25, 1.25, {3500, 2625, 5000, 3750}, 2455},
    {{1920, 1080}, 3.0, 2.25, {8400, 4725, 12000, 6750}, 4555},
    {{1280, 1024}, 2.0, 15360.0 / 7200, {5600, 4480, 8000, 6400}, 4310},
};

} // namespace

TEST(ScaleToScreen, WindowFollowsTheScreenAndIsCentred) {
    const UnitRect design{0, 0, 4000, 3000};
    for (const ScreenCase& c : Screens) {
        SCOPED_TRACE(testing::Message() << c.screen.width() << "x" << c.screen.height());
        const Factors f = screenFactors(c.screen);
        EXPECT_DOUBLE_EQ(f.fx, c.fx);
        EXPECT_DOUBLE_EQ(f.fy, c.fy);
        const UnitRect r = centredWindow(design, c.screen);
        EXPECT_DOUBLE_EQ(r.left, c.window.left);
        EXPECT_DOUBLE_EQ(r.top, c.window.top);
        EXPECT_DOUBLE_EQ(r.width, c.window.width);
        EXPECT_DOUBLE_EQ(r.height, c.window.height);
        EXPECT_DOUBLE_EQ(centredWindow(design, c.screen, 170).top, c.splashTop);
    }
}

TEST(ScaleToScreen, FontPixelsFollowTheWidthFactor) {
    struct Case {
        double points, fx;
        int pixels;
    };
    // 96 pixels to the inch: a point is 4/3 pixel
    const Case cases[] = {{8, 1.0, 11}, {10, 1.25, 17}, {24, 1.0, 32}, {10, 3.0, 40}, {1, 0.1, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(fontPixels(c.points, c.fx), c.pixels) << c.points << "pt x " << c.fx;
}

class ScaleWindow : public ::testing::Test {
protected:
    QWidget window;
    QLabel* label = new QLabel(&window);
    QLabel* picture = new QLabel(&window);
    QLabel* unscaled = new QLabel(&window);
    QWidget* line = new QWidget(&window);
    std::vector<DesignedControl> controls{
        {label, Kind::Label, {1500, 300, 3000, 600}, 10.0},
        {picture, Kind::Picture, {150, 150, 600, 450}, 10.0},
        {unscaled, Kind::ListBox, {1500, 1500, 3000, 600}, 10.0},
        {line, Kind::Line, {300, 2400, 3000, 15}, 8.0},
    };
    const std::set<Kind> kinds{Kind::Label, Kind::Picture, Kind::Line};
    const UnitRect design{0, 0, 4000, 3000};

    ScaleWindow() {
        QFont own = picture->font();
        own.setPixelSize(20);
        picture->setFont(own);
    }

    void apply(QSize screen, double raisedBy = 0) {
        ScaleToScreen(&window, design, 8.0, controls, kinds, screen, raisedBy);
    }
};

TEST_F(ScaleWindow, DesignScreenKeepsDesignGeometry) {
    apply({640, 480});
    EXPECT_EQ(window.geometry(), QRect(187, 140, 267, 200));
    EXPECT_EQ(label->geometry(), QRect(100, 20, 200, 40));
    EXPECT_EQ(picture->geometry(), QRect(10, 10, 40, 30));
    EXPECT_EQ(unscaled->geometry(), QRect(100, 100, 200, 40));
    EXPECT_EQ(line->geometry(), QRect(20, 160, 200, 1));
    EXPECT_EQ(label->font().pixelSize(), 13);
    EXPECT_EQ(window.font().pixelSize(), 11);
    EXPECT_EQ(picture->font().pixelSize(), 20); // pictures keep their fonts
}

TEST_F(ScaleWindow, WideScreenScalesTheAxesApartAndFontsByWidth) {
    apply({1920, 1080}); // fx 3, fy 2.25
    EXPECT_EQ(window.geometry(), QRect(560, 315, 800, 450));
    EXPECT_EQ(label->geometry(), QRect(300, 45, 600, 90));
    // Edges round: the top 22.5 to 23, the bottom 90 stays, so the height is 67.
    EXPECT_EQ(picture->geometry(), QRect(30, 23, 120, 67));
    EXPECT_EQ(line->geometry(), QRect(60, 360, 600, 2));
    EXPECT_EQ(label->font().pixelSize(), 40);
    EXPECT_EQ(window.font().pixelSize(), 32);
    EXPECT_EQ(picture->font().pixelSize(), 20);
    // A kind the window does not scale keeps its design geometry and font.
    EXPECT_EQ(unscaled->geometry(), QRect(100, 100, 200, 40));
    EXPECT_EQ(unscaled->font().pixelSize(), 13);
}

TEST_F(ScaleWindow, EachLoadStartsFromTheDesign) {
    apply({800, 600});
    const QRect once = label->geometry();
    EXPECT_EQ(once, QRect(125, 25, 250, 50));
    EXPECT_EQ(label->font().pixelSize(), 17);
    apply({800, 600});
    EXPECT_EQ(label->geometry(), once);
    EXPECT_EQ(window.geometry(), QRect(233, 175, 333, 250));
    apply({640, 480});
    EXPECT_EQ(label->geometry(), QRect(100, 20, 200, 40));
}

TEST_F(ScaleWindow, SplashStandsAboveCentre) {
    apply({640, 480}, 170);
    EXPECT_EQ(window.geometry().top(), 129); // (7200 - 3000) / 2 - 170 = 1930 units
    apply({1920, 1080}, 170);
    EXPECT_EQ(window.geometry().top(), 304); // 4555 units
}
