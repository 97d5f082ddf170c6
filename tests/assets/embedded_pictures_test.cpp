// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace {

struct EmbeddedPicture {
    const char* path;
    int width;
    int height;
    // Pictures that fill a whole cell or window must have no see-through
    // pixels; balls and the icon keep transparent corners.
    bool opaque;
};

const EmbeddedPicture pictures[] = {
    {":/main/background.png", 799, 550, true},
    {":/main/pause.png", 41, 38, true},
    {":/main/play.png", 41, 38, true},
    {":/main/help.png", 41, 38, true},
    {":/main/minimise.png", 41, 38, true},
    {":/main/exit.png", 41, 38, true},
    {":/main/icon.png", 32, 32, false},
    {":/cells/empty.png", 16, 16, true},
    {":/cells/snake-green.png", 15, 15, false},
    {":/cells/snake-red.png", 15, 15, false},
    {":/cells/snake-yellow.png", 15, 15, false},
    {":/cells/snake-darkred.png", 15, 15, false},
    {":/cells/snake-blue.png", 15, 15, false},
    {":/cells/black-head.png", 15, 15, false},
    {":/cells/tile-beige.png", 16, 16, true},
    {":/cells/tile-red.png", 16, 16, true},
    {":/cells/tile-magenta.png", 16, 16, true},
    {":/cells/tile-orange.png", 16, 16, true},
    {":/cells/tile-blue.png", 16, 16, true},
    {":/cells/tile-cyan.png", 16, 16, true},
    {":/cells/tile-green.png", 16, 16, true},
    {":/cells/tile-yellow.png", 16, 16, true},
    {":/cells/food-0.png", 16, 16, true},
    {":/cells/food-1.png", 16, 16, true},
    {":/cells/food-2.png", 16, 16, true},
    {":/cells/food-3.png", 16, 16, true},
    {":/cells/food-4.png", 16, 16, true},
    {":/endscreen/level.png", 350, 200, true},
    {":/endscreen/campaign-over.png", 350, 200, true},
    {":/endscreen/classic-over.png", 350, 200, true},
    {":/endscreen/game-over.png", 350, 200, true},
    {":/settings/background.png", 428, 508, true},
    {":/settings/speed-0.png", 25, 20, true},
    {":/settings/speed-1.png", 25, 20, true},
    {":/settings/speed-2.png", 25, 20, true},
    {":/settings/speed-3.png", 25, 20, true},
    {":/settings/speed-4.png", 25, 20, true},
    {":/settings/speed-5.png", 25, 20, true},
    {":/settings/speed-6.png", 25, 20, true},
    {":/settings/speed-off.png", 25, 20, true},
    {":/settings/yes-up.png", 66, 32, true},
    {":/settings/yes-down.png", 66, 32, true},
    {":/settings/no-up.png", 51, 32, true},
    {":/settings/no-down.png", 51, 32, true},
    {":/settings/one-player.png", 81, 81, true},
    {":/settings/two-player.png", 81, 81, true},
    {":/settings/apply.png", 67, 37, true},
    {":/settings/cancel.png", 67, 37, true},
    {":/names/background.png", 358, 152, true},
    {":/help/logo.png", 354, 133, true},
    {":/help/snake.png", 144, 216, true},
    {":/help/keys.png", 624, 129, true},
};

// A picture missing from the binary shows as nothing at all, and one of the
// wrong size breaks the layouts and outlines drawn around it.
TEST(EmbeddedPictures, everyPictureIsEmbeddedAtTheSizeItsWindowExpects) {
    for (const EmbeddedPicture& expected : pictures) {
        SCOPED_TRACE(expected.path);
        const QImage picture(QString::fromLatin1(expected.path));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.width(), expected.width);
        EXPECT_EQ(picture.height(), expected.height);
        if (expected.opaque) {
            const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
            bool allOpaque = true;
            for (int y = 0; y < argb.height() && allOpaque; ++y)
                for (int x = 0; x < argb.width() && allOpaque; ++x)
                    allOpaque = qAlpha(argb.pixel(x, y)) == 255;
            EXPECT_TRUE(allOpaque);
        }
    }
}

} // namespace
