// Channel tables: the FCC and Japanese 6 MHz plans, Australia, New Zealand.
#include "panel/tuning/channel_tables.h"

namespace zel {
namespace {

// Broadcast channels 2-69 (the FCC plan; channel 1 has not existed since 1948).
constexpr auto kFccAirWords = make_channel_words<69>(2, kIntermediate45_75MHz, {
    {2, 3, 55.25, 6},
    {5, 2, 77.25, 6},
    {7, 7, 175.25, 6},
    {14, 56, 471.25, 6},
});

// The standard cable plan (CEA-542) up to channel 125.
constexpr auto kFccCableWords = make_channel_words<125>(1, kIntermediate45_75MHz, {
    {1, 1, 73.25},
    {2, 3, 55.25, 6},
    {5, 2, 77.25, 6},
    {7, 7, 175.25, 6},
    {14, 9, 121.25, 6},
    {23, 72, 217.25, 6},
    {95, 5, 91.25, 6},
    {100, 26, 649.25, 6},
});

// Japanese broadcast channels 1-62; channel 8 sits only 4 MHz above 7 in
// every published list.
constexpr auto kJapanAirWords = make_channel_words<62>(1, kIntermediate45_75MHz, {
    {1, 3, 91.25, 6},
    {4, 4, 171.25, 6},
    {8, 5, 193.25, 6},
    {13, 50, 471.25, 6},
});

// Japanese cable: the broadcast VHF channels 1-12, then cable channels
// C13-C63 at their numbers.
constexpr auto kJapanCableWords = make_channel_words<63>(1, kIntermediate45_75MHz, {
    {1, 3, 91.25, 6},
    {4, 4, 171.25, 6},
    {8, 5, 193.25, 6},
    {13, 9, 109.25, 6},
    {22, 1, 165.25},
    {23, 1, 223.25},
    {24, 4, 231.25, 6},
    {28, 36, 253.25, 6},
});

// Australian channels at their numbers: VHF 1-12, UHF 28-69 on the 7 MHz
// raster. The list must hold 68 carriers up to 73, more than the plan has:
// 13-15 take the unnumbered VHF channels 0, 5A and 9A; 16-20 stay empty;
// 21-27 carry the UHF raster below 28; 70-73 keep the other readings some
// lists give: 10 and 11 after the re-allocation, 12 as 226.50 MHz, and 36 as
// 591.25 MHz, which ends the table.
constexpr auto kAustraliaAirWords = make_channel_words<73>(1, kIntermediate38_9MHz, {
    {1, 2, 57.25, 7},
    {3, 2, 86.25, 9},
    {5, 1, 102.25},
    {6, 4, 175.25, 7},
    {10, 3, 209.25, 7},
    {13, 1, 46.25},
    {14, 1, 138.25},
    {15, 1, 205.50},
    {21, 49, 478.25, 7},
    {70, 2, 210.25, 7},
    {72, 1, 226.50},
    {73, 1, 591.25},
});

// Cable: the VHF broadcast channels 1-12, then the CCIR cable channels S11-S41,
// the mid band X to Z+2 and S1-S10, which closes the list.
constexpr auto kAustraliaCableWords = make_channel_words<58>(1, kIntermediate38_9MHz, {
    {1, 2, 57.25, 7},
    {3, 2, 86.25, 9},
    {5, 1, 102.25},
    {6, 4, 175.25, 7},
    {10, 3, 209.25, 7},
    {13, 10, 231.25, 7},
    {23, 21, 303.25, 8},
    {44, 5, 69.25, 7},
    {49, 10, 105.25, 7},
});

// New Zealand VHF 1-11 and UHF 21-69; 12 takes the next 7 MHz channel above
// band III (231.25 MHz), as the list has carriers on 1-12.
constexpr auto kNewZealandAirWords = make_channel_words<69>(1, kIntermediate38_9MHz, {
    {1, 1, 45.25},
    {2, 2, 55.25, 7},
    {4, 9, 175.25, 7},
    {21, 49, 471.25, 8},
});

// Cable: VHF 1-12 as on air, then the cable channels in Australia's order.
constexpr auto kNewZealandCableWords = make_channel_words<58>(1, kIntermediate38_9MHz, {
    {1, 1, 45.25},
    {2, 2, 55.25, 7},
    {4, 9, 175.25, 7},
    {13, 10, 231.25, 7},
    {23, 21, 303.25, 8},
    {44, 5, 69.25, 7},
    {49, 10, 105.25, 7},
});

}  // namespace

constinit const ChannelTable kFccAir{kFccAirWords};
constinit const ChannelTable kFccCable{kFccCableWords};
constinit const ChannelTable kJapanAir{kJapanAirWords};
constinit const ChannelTable kJapanCable{kJapanCableWords};
constinit const ChannelTable kAustraliaAir{kAustraliaAirWords};
constinit const ChannelTable kAustraliaCable{kAustraliaCableWords};
constinit const ChannelTable kNewZealandAir{kNewZealandAirWords};
constinit const ChannelTable kNewZealandCable{kNewZealandCableWords};

}  // namespace zel
