// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/help_text.h"

#include <QtGlobal>

namespace zorvik {

// One literal a line; the spaces at the ends of lines belong to the text.
//: The help window's text. Keep the numbers and the game's name.
const char kHelpText[] = QT_TRANSLATE_NOOP(
    "zorvik::HelpWindow", "ZORVIK.\r\n"
                          "\r\n"
                          "Thier are two different types of games classical and campaign\r\n"
                          "\r\n"
                          "classical - You play in one level .It can be played in different \r\n"
                          "speeds by using the speed indicator. Higher the speed, higher \r\n"
                          "will be the score. \r\n"
                          "\r\n"
                          "Campaign - You can advance through various levels. The \r\n"
                          "game goes on becoming difficult as the game advances. It too, \r\n"
                          "can also be played in different speeds.Higher the speed, \r\n"
                          "higher will be the score.\r\n"
                          "\r\n"
                          "The game can be played by two players . Two player mode \r\n"
                          "also contains both classical and campaign types of games. But \r\n"
                          "if one player is out, the game is over for both the players.\r\n"
                          "\r\n"
                          "You can go on playing the classic type until the player (in case \r\n"
                          "of 2 players, either of the players) collects 100 food. In the \r\n"
                          "Campaign type, you can progress through the levels by taking \r\n"
                          "25 food.\r\n"
                          "\r\n"
                          "If the snakes of the two players collides thier head will turn \r\n"
                          "black that means that the player with the black head can bit the \r\n"
                          "other player and take some of his power (a player can be \r\n"
                          "bitten to death) ,eating the food gives you back your power .\r\n");

} // namespace zorvik
