// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include <QImage>
#include <QSize>

#include <gtest/gtest.h>

// The pictures the windows show straight from the resources. The others go
// through the picture book, which stops the program when one is missing.
TEST(EmbeddedPictures, everyPictureShownDirectlyIsEmbeddedAtItsSize) {
    const std::pair<const char*, QSize> pictures[] = {{":/main/background.png", {799, 550}},
                                                      {":/main/icon.png", {32, 32}},
                                                      {":/endscreen/level.png", {350, 200}},
                                                      {":/endscreen/campaign-over.png", {350, 200}},
                                                      {":/endscreen/classic-over.png", {350, 200}},
                                                      {":/endscreen/game-over.png", {350, 200}},
                                                      {":/names/background.png", {358, 152}},
                                                      {":/help/logo.png", {354, 133}},
                                                      {":/help/snake.png", {144, 216}},
                                                      {":/help/keys.png", {624, 129}}};
    // A missing picture shows as nothing at all, and one of the wrong size
    // breaks the layout and outline drawn around it.
    for (const auto& [path, size] : pictures) {
        EXPECT_EQ(QImage(QString::fromLatin1(path)).size(), size) << path;
    }
}
