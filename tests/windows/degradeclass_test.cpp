#include "windows/degradeclass.h"

#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A gradient that counts its paint events.
class CountingGradient : public TDegradeClass {
public:
    using TDegradeClass::TDegradeClass;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        TDegradeClass::paintEvent(event);
    }
};

QImage rendered(TDegradeClass &gradient)
{
    QImage image(gradient.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    gradient.render(&image);
    return image;
}

// A shown top-level window with a counting gradient, painted once and quiet again.
struct ShownWindow {
    QWidget window;
    CountingGradient *gradient = new CountingGradient(&window);

    ShownWindow()
    {
        window.resize(120, 90);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_TRUE(QTest::qWaitFor([this] { return gradient->paints > 0; }));
        QCoreApplication::processEvents();
        gradient->paints = 0;
    }
};

}  // namespace

TEST(TDegradeClass, StartsBlueToRed)
{
    const TDegradeClass gradient;
    EXPECT_EQ(gradient.StartColor(), 0x00FF0000U);
    EXPECT_EQ(gradient.EndColor(), 0x000000FFU);
}

TEST(TDegradeClass, FillsTheClientAreaOfItsParent)
{
    QWidget window;
    window.resize(300, 200);
    const TDegradeClass gradient(&window);
    EXPECT_EQ(gradient.geometry(), QRect(0, 0, 300, 200));
}

TEST(TDegradeClass, FollowsTheParentsSize)
{
    QWidget window;
    window.resize(300, 200);
    const TDegradeClass gradient(&window);
    window.resize(340, 150);
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return gradient.geometry() == QRect(0, 0, 340, 150); }));
    window.resize(410, 260);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gradient.geometry() == QRect(0, 0, 410, 260); }));
}

TEST(TDegradeClass, StaysBehindTheControlsCreatedBeforeIt)
{
    QWidget window;
    QPushButton button(&window);
    TDegradeClass gradient(&window);
    ASSERT_EQ(window.children().size(), 2);
    EXPECT_EQ(window.children().first(), &gradient);
}

TEST(TDegradeClass, PaintsTheStartColourAtTheTopAndTheEndColourAtTheBottom)
{
    TDegradeClass gradient;
    gradient.resize(20, 256);
    const QImage image = rendered(gradient);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(19, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 128), qRgb(128, 0, 127));
    EXPECT_EQ(image.pixel(0, 255), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(19, 255), qRgb(255, 0, 0));
}

TEST(TDegradeClass, PaintsTheWindowColoursAcrossTheWholeWidth)
{
    TDegradeClass gradient;
    gradient.SetStartColor(windowGradientStart);
    gradient.SetEndColor(windowGradientEnd);
    gradient.resize(40, 512);
    const QImage image = rendered(gradient);
    for (const int x : {0, 39}) {
        EXPECT_EQ(image.pixel(x, 0), qRgb(241, 255, 223));
        EXPECT_EQ(image.pixel(x, 1), qRgb(241, 255, 223));
        EXPECT_EQ(image.pixel(x, 510), qRgb(235, 254, 171));
        EXPECT_EQ(image.pixel(x, 511), qRgb(235, 254, 171));
    }
}

TEST(TDegradeClass, ShortControlShowsTheBandsNearestToItsEnds)
{
    // Ten rows are painted by bands 12, 38, ... 243; the others are empty.
    TDegradeClass gradient;
    gradient.resize(8, 10);
    const QImage image = rendered(gradient);
    EXPECT_EQ(image.pixel(0, 0), qRgb(12, 0, 243));
    EXPECT_EQ(image.pixel(0, 1), qRgb(38, 0, 217));
    EXPECT_EQ(image.pixel(0, 9), qRgb(243, 0, 12));
}

TEST(TDegradeClass, EqualColoursGiveAUniformImage)
{
    TDegradeClass gradient;
    gradient.SetStartColor(windowGradientStart);
    gradient.SetEndColor(windowGradientStart);
    gradient.resize(30, 100);
    const QImage image = rendered(gradient);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), qRgb(241, 255, 223)) << x << "," << y;
    }
}

TEST(TDegradeClass, ANewColourIsPaintedWithoutBeingShownAgain)
{
    ShownWindow shown;
    shown.gradient->SetStartColor(windowGradientStart);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.gradient->paints, 1);
    EXPECT_EQ(shown.gradient->StartColor(), windowGradientStart);
    shown.gradient->SetEndColor(windowGradientEnd);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.gradient->paints, 2);
    EXPECT_EQ(shown.gradient->EndColor(), windowGradientEnd);
}

TEST(TDegradeClass, SettingTheCurrentColourRequestsNoRepaint)
{
    ShownWindow shown;
    shown.gradient->SetStartColor(defaultGradientStart);
    shown.gradient->SetEndColor(defaultGradientEnd);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.gradient->paints, 0);
}
