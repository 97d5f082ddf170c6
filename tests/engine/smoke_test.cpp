// SPDX-License-Identifier: MIT
#include "engine/snake_game.h"
#include "fake_window.h"
#include <gtest/gtest.h>
using namespace zorvik;
TEST(Smoke, Runs) {
    fakes::FakeWindow w;
    CellPictures p{{1},{2},{3},{4},{5},{6},{{{7},{8},{9},{10},{11}}}};
    SnakeGame g(w, p, 1);
    g.Form_Load();
    for (int i = 0; i < 1000; ++i) g.Tick();
    EXPECT_EQ(w.interval, 150);
}
