// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QRect>
#include <QSize>

// Where everything lies on the end screen, in logical pixels. The picture
// and the labels are placed from the top-left corner of the client area,
// inside a thin frame.
namespace zorvik::layout::endscreen {

inline constexpr int kFrame = 3;
inline constexpr QSize kClientArea{341, 204};
inline constexpr QSize kPicture{350, 200};
inline constexpr QRect kLevelNumber{204, 50, 103, 125};
inline constexpr QRect kMessage{29, 149, 296, 29};

} // namespace zorvik::layout::endscreen
