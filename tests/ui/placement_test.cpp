#include "ui/placement.h"

#include <gtest/gtest.h>

using namespace zantrel;

TEST(Placement, CentresInsideTheAreaWithTheOddPixelRightAndBelow) {
    const struct {
        QRect area;
        QSize size;
        QPoint at;
    } cases[] = {
        {{0, 0, 1024, 768}, {815, 593}, {104, 87}},
        {{0, 0, 1024, 768}, {816, 594}, {104, 87}},
        {{1920, 40, 1280, 1000}, {480, 200}, {2320, 440}}, // a second screen, a top panel
        {{0, 0, 800, 600}, {1000, 700}, {-100, -50}},      // larger than the screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(centredIn(c.area, c.size), c.at) << c.size.width();
}
