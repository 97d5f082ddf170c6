// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/ending.h"

namespace zorvik {

// What a tick did that the players notice beyond the board, such as the
// sound of a meal; the game's rules never read it.
enum class TickEvent {
    Player1Ate,
    Player2Ate,
    // A bite that took power; a bite that kills ends the game instead.
    BiteTookPower,
    NextLevel,
    CampaignWon,
    ClassicWon,
    GameOver,
};

// The ending an end screen's picture tells.
constexpr TickEvent EndingEvent(EndPicture picture) {
    switch (picture) {
    case EndPicture::NextLevel:
        return TickEvent::NextLevel;
    case EndPicture::CampaignWon:
        return TickEvent::CampaignWon;
    case EndPicture::ClassicWon:
        return TickEvent::ClassicWon;
    case EndPicture::GameOver:
        break;
    }
    return TickEvent::GameOver;
}

// A set of tick events.
class TickEvents {
public:
    void Add(TickEvent event) { bits_ |= Bit(event); }
    bool Has(TickEvent event) const { return (bits_ & Bit(event)) != 0; }
    bool empty() const { return bits_ == 0; }
    // The events of this set that `heard` lacks.
    TickEvents Without(TickEvents heard) const {
        TickEvents rest;
        rest.bits_ = bits_ & ~heard.bits_;
        return rest;
    }

    friend bool operator==(TickEvents, TickEvents) = default;

private:
    static constexpr unsigned Bit(TickEvent event) { return 1u << static_cast<unsigned>(event); }

    unsigned bits_ = 0;
};

} // namespace zorvik
