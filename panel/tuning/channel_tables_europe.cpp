// Channel tables of Belgium, Switzerland, Italy, Morocco and France.
//
// The cable lists of Belgium, Switzerland, Italy and Morocco start with the
// country's broadcast VHF channels on 1-12 and go on with the CCIR cable
// channels from above band III: S11-S20 (231.25 MHz on, 7 MHz apart) and
// S21-S41 (303.25 MHz on, 8 MHz apart), then the mid band below it, X to Z+2
// (69.25 MHz on) and S1-S10 (105.25 MHz on), 7 MHz apart. The lists end at S10
// (168.25 MHz), or for Morocco after its own band III channels.
#include "panel/tuning/channel_tables.h"

namespace zel {
namespace {

// Belgium: channel 1 at 44.25 MHz (no published list names it), E2-E12,
// E21-E69.
constexpr auto kBelgiumAirWords = make_channel_words<69>(1, kIntermediate38_9MHz, {
    {1, 1, 44.25},
    {2, 3, 48.25, 7},
    {5, 8, 175.25, 7},
    {21, 49, 471.25, 8},
});

// Cable: 41.25 MHz on 1 (again no published name), E2-E12, S11-S41, and the
// hyper band raster carried on into E21-E27, then X to Z+2 and S1-S10.
constexpr auto kBelgiumCableWords = make_channel_words<65>(1, kIntermediate38_9MHz, {
    {1, 1, 41.25},
    {2, 3, 48.25, 7},
    {5, 8, 175.25, 7},
    {13, 10, 231.25, 7},
    {23, 28, 303.25, 8},
    {51, 5, 69.25, 7},
    {56, 10, 105.25, 7},
});

// Switzerland: as Belgium.
constexpr auto kSwitzerlandAirWords = make_channel_words<69>(1, kIntermediate38_9MHz, {
    {1, 1, 44.25},
    {2, 3, 48.25, 7},
    {5, 8, 175.25, 7},
    {21, 49, 471.25, 8},
});

constexpr auto kSwitzerlandCableWords = make_channel_words<58>(1, kIntermediate38_9MHz, {
    {1, 1, 41.25},
    {2, 3, 48.25, 7},
    {5, 8, 175.25, 7},
    {13, 10, 231.25, 7},
    {23, 21, 303.25, 8},
    {44, 5, 69.25, 7},
    {49, 10, 105.25, 7},
});

// Italy: A, B, C, D, E, F, G, H, H1, H2 on 1-10; 11 and 12 take E3 and E6,
// the first two CCIR channels DScaler's Italian list carries beside the
// letters; UHF 21-69.
constexpr auto kItalyAirWords = make_channel_words<69>(1, kIntermediate38_9MHz, {
    {1, 1, 53.75},
    {2, 1, 62.25},
    {3, 1, 82.25},
    {4, 1, 175.25},
    {5, 1, 183.75},
    {6, 1, 192.25},
    {7, 1, 201.25},
    {8, 1, 210.25},
    {9, 2, 217.25, 7},
    {11, 1, 55.25},
    {12, 1, 182.25},
    {21, 49, 471.25, 8},
});

constexpr auto kItalyCableWords = make_channel_words<58>(1, kIntermediate38_9MHz, {
    {1, 1, 53.75},
    {2, 1, 62.25},
    {3, 1, 82.25},
    {4, 1, 175.25},
    {5, 1, 183.75},
    {6, 1, 192.25},
    {7, 1, 201.25},
    {8, 1, 210.25},
    {9, 2, 217.25, 7},
    {11, 1, 55.25},
    {12, 1, 182.25},
    {13, 10, 231.25, 7},
    {23, 21, 303.25, 8},
    {44, 5, 69.25, 7},
    {49, 10, 105.25, 7},
});

// Morocco: E2-E12, then 13-20 on the 8 MHz band III raster Morocco used beside
// the CCIR channels (163.25-211.25 MHz, and 219.25 MHz to fill 20); UHF 21-69.
// Channel 1 has no carrier.
constexpr auto kMoroccoAirWords = make_channel_words<69>(1, kIntermediate38_9MHz, {
    {2, 3, 48.25, 7},
    {5, 8, 175.25, 7},
    {13, 8, 163.25, 8},
    {21, 49, 471.25, 8},
});

// Cable: as Switzerland's list, then the seven Moroccan band III channels,
// ending at 211.25 MHz.
constexpr auto kMoroccoCableWords = make_channel_words<65>(1, kIntermediate38_9MHz, {
    {1, 1, 41.25},
    {2, 3, 48.25, 7},
    {5, 8, 175.25, 7},
    {13, 10, 231.25, 7},
    {23, 21, 303.25, 8},
    {44, 5, 69.25, 7},
    {49, 10, 105.25, 7},
    {59, 7, 163.25, 8},
});

// France (SECAM-L): VHF K01-K10 on 1-10, UHF 21-69. No French channel exists
// on 70-72; the table ends with 82.25 MHz on 72, Italian channel C, so 70 and
// 71 take Italian A and B (53.75, 62.25 MHz) and the three form one list.
constexpr auto kFranceAirWords = make_channel_words<72>(1, kIntermediate38_9MHz, {
    {1, 1, 47.75},
    {2, 1, 55.75},
    {3, 1, 60.50},
    {4, 1, 63.75},
    {5, 6, 176.00, 8},
    {21, 49, 471.25, 8},
    {70, 1, 53.75},
    {71, 1, 62.25},
    {72, 1, 82.25},
});

// Cable: K01-K10, the cable channels B-Q (11-26) and the hyper band H01-H19
// (27-45); 46-55 stay empty so that UHF 56-69 keep their numbers.
constexpr auto kFranceCableWords = make_channel_words<69>(1, kIntermediate38_9MHz, {
    {1, 1, 47.75},
    {2, 1, 55.75},
    {3, 1, 60.50},
    {4, 1, 63.75},
    {5, 6, 176.00, 8},
    {11, 3, 116.75, 12},
    {14, 1, 159.75},
    {15, 12, 164.75, 12},
    {27, 19, 303.25, 8},
    {56, 14, 751.25, 8},
});

}  // namespace

constinit const ChannelTable kBelgiumAir{kBelgiumAirWords};
constinit const ChannelTable kBelgiumCable{kBelgiumCableWords};
constinit const ChannelTable kSwitzerlandAir{kSwitzerlandAirWords};
constinit const ChannelTable kSwitzerlandCable{kSwitzerlandCableWords};
constinit const ChannelTable kItalyAir{kItalyAirWords};
constinit const ChannelTable kItalyCable{kItalyCableWords};
constinit const ChannelTable kMoroccoAir{kMoroccoAirWords};
constinit const ChannelTable kMoroccoCable{kMoroccoCableWords};
constinit const ChannelTable kFranceAir{kFranceAirWords};
constinit const ChannelTable kFranceCable{kFranceCableWords};

}  // namespace zel
