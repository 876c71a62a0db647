// Channel tables of the 8 MHz D/K plans: the Chinese DS list (standard ids 5,
// 13 and 16), Russia, Poland, China and Shenzhen.
//
// Chinese channels used below (8 MHz apart): DS-1..3 49.75 MHz on, DS-4..5
// 77.25 MHz on, DS-6..12 168.25 MHz on, DS-13..24 471.25 MHz on, DS-25..68
// 607.25 MHz on; cable A1-A7 112.25 MHz on, B1-B30 224.25 MHz on, B31 463.25
// MHz, C1-C5 567.25 MHz on. DS-13 to DS-68 and C1-C5 lie on one raster from
// 471.25 MHz. OIRT channels: R1 49.75, R2 59.25, R3-R5 77.25 MHz on, R6-R12
// 175.25 MHz on; cable SR1-SR8 111.25 MHz on, SR11-SR19 and S20-S40 231.25 MHz
// on, all 8 MHz apart.
#include "panel/tuning/channel_tables.h"

namespace zel {
namespace {

// DS-1 to DS-57.
constexpr auto kDkAirWords = make_channel_words<57>(1, kIntermediate38_9MHz, {
    {1, 3, 49.75, 8},
    {4, 2, 77.25, 8},
    {6, 7, 168.25, 8},
    {13, 12, 471.25, 8},
    {25, 33, 607.25, 8},
});

constexpr auto kDkCableWords = make_channel_words<57>(1, kIntermediate38_9MHz, {
    {1, 3, 49.75, 8},
    {4, 2, 77.25, 8},
    {6, 7, 168.25, 8},
    {13, 12, 471.25, 8},
    {25, 33, 607.25, 8},
});

// R1-R12 and UHF 21-69.
constexpr auto kRussiaAirWords = make_channel_words<69>(1, kIntermediate38_9MHz, {
    {1, 1, 49.75},
    {2, 1, 59.25},
    {3, 3, 77.25, 8},
    {6, 7, 175.25, 8},
    {21, 49, 471.25, 8},
});

// Cable: SR1-SR8, SR11-SR19 and S20-S40 (1-38), then UHF 70-80 above the
// broadcast band (39-49, up to 943.25 MHz).
constexpr auto kRussiaCableWords = make_channel_words<49>(1, kIntermediate38_9MHz, {
    {1, 8, 111.25, 8},
    {9, 30, 231.25, 8},
    {39, 11, 863.25, 8},
});

// Poland: R4-R12 at their numbers, UHF 21-69. The list starts at 3, with a
// carrier of 45.75 MHz there (R3 would be 77.25 MHz).
constexpr auto kPolandAirWords = make_channel_words<69>(3, kIntermediate38_9MHz, {
    {3, 1, 45.75},
    {4, 2, 85.25, 8},
    {6, 7, 175.25, 8},
    {21, 49, 471.25, 8},
});

// Cable: SR1-SR8, SR11-SR19, S20-S40.
constexpr auto kPolandCableWords = make_channel_words<38>(1, kIntermediate38_9MHz, {
    {1, 8, 111.25, 8},
    {9, 30, 231.25, 8},
});

// China, broadcast numbering: DS-1 to DS-68 at their numbers, then the cable
// channels A1-A7, B1-B31, C1-C5 (69-111) in the order of the xawtv and tvtime
// lists. The list must reach 125 with three gaps: 112-116 carry the 471.25 MHz
// raster on above DS-68 and 117-121 the B-band raster, both up to 1 GHz;
// 122-124 stay empty; 125 holds 998.25 MHz, which no published list names.
constexpr auto kChinaAirWords = make_channel_words<125>(1, kIntermediate38_9MHz, {
    {1, 3, 49.75, 8},
    {4, 2, 77.25, 8},
    {6, 7, 168.25, 8},
    {13, 12, 471.25, 8},
    {25, 44, 607.25, 8},
    {69, 7, 112.25, 8},
    {76, 30, 224.25, 8},
    {106, 1, 463.25},
    {107, 5, 567.25, 8},
    {112, 5, 959.25, 8},
    {117, 5, 960.25, 8},
    {125, 1, 998.25},
});

// China, cable: the same channels in frequency order, the FM band (6-8)
// left empty, then the same top as the broadcast list.
constexpr auto kChinaCableWords = make_channel_words<125>(1, kIntermediate38_9MHz, {
    {1, 3, 49.75, 8},
    {4, 2, 77.25, 8},
    {9, 7, 112.25, 8},
    {16, 7, 168.25, 8},
    {23, 30, 224.25, 8},
    {53, 1, 463.25},
    {54, 61, 471.25, 8},
    {115, 5, 959.25, 8},
    {120, 5, 960.25, 8},
    {125, 1, 998.25},
});

// Shenzhen receives Hong Kong as well as the mainland: the PAL-I VHF channels
// A-J (1-9), then the Chinese broadcast list as above (DS-1 to DS-68, A1-A7,
// B1-B31, C1-C5), then the B-band raster up to 992.25 MHz (121-125).
constexpr auto kShenzhenAirWords = make_channel_words<125>(1, kIntermediate38_9MHz, {
    {1, 3, 45.75, 8},
    {4, 6, 175.25, 8},
    {10, 3, 49.75, 8},
    {13, 2, 77.25, 8},
    {15, 7, 168.25, 8},
    {22, 12, 471.25, 8},
    {34, 44, 607.25, 8},
    {78, 7, 112.25, 8},
    {85, 30, 224.25, 8},
    {115, 1, 463.25},
    {116, 5, 567.25, 8},
    {121, 5, 960.25, 8},
});

// Cable: Hong Kong's cable list (the CCIR channels E2 to S41, 1-55), then the
// mainland's VHF and cable channels DS-1..12, A1-A7, B1-B31 (56-105) and UHF
// DS-13 to DS-32 (106-125, up to 663.25 MHz).
constexpr auto kShenzhenCableWords = make_channel_words<125>(1, kIntermediate38_9MHz, {
    {1, 6, 48.25, 7},
    {7, 28, 105.25, 7},
    {35, 21, 303.25, 8},
    {56, 3, 49.75, 8},
    {59, 2, 77.25, 8},
    {61, 7, 168.25, 8},
    {68, 7, 112.25, 8},
    {75, 30, 224.25, 8},
    {105, 1, 463.25},
    {106, 12, 471.25, 8},
    {118, 8, 607.25, 8},
});

}  // namespace

constinit const ChannelTable kDkAir{kDkAirWords};
constinit const ChannelTable kDkCable{kDkCableWords};
constinit const ChannelTable kRussiaAir{kRussiaAirWords};
constinit const ChannelTable kRussiaCable{kRussiaCableWords};
constinit const ChannelTable kPolandAir{kPolandAirWords};
constinit const ChannelTable kPolandCable{kPolandCableWords};
constinit const ChannelTable kChinaAir{kChinaAirWords};
constinit const ChannelTable kChinaCable{kChinaCableWords};
constinit const ChannelTable kShenzhenAir{kShenzhenAirWords};
constinit const ChannelTable kShenzhenCable{kShenzhenCableWords};

}  // namespace zel
