// Channel tables built on the CCIR and PAL-I channels: standard ids 4/12/14
// and 8, the United Kingdom, Hong Kong, Israel, the Netherlands, South Africa.
//
// CCIR channels used below: E2-E4 48.25 MHz on and E5-E12 175.25 MHz on, 7 MHz
// apart; the cable mid band X, Y, Z, Z+1, Z+2 69.25 MHz on and S1-S20
// 105.25/231.25 MHz on, 7 MHz apart; the hyper band S21-S41 303.25 MHz on and
// UHF E21-E69 471.25 MHz on, 8 MHz apart.
#include "panel/tuning/channel_tables.h"

namespace zel {
namespace {

// The western European broadcast plan: E2-E12 and E21-E69.
constexpr auto kCcirAirWords = make_channel_words<69>(2, kIntermediate38_9MHz, {
    {2, 3, 48.25, 7},
    {5, 8, 175.25, 7},
    {21, 49, 471.25, 8},
});

// The CCIR cable list: E2-E4 and X-Z (2-7), S1-S10, E5-E12 and S11-S20 (8-35),
// S21-S41 (36-56), then the UHF channels E30, E34, E35 and E40.
constexpr auto kCcirCableWords = make_channel_words<60>(2, kIntermediate38_9MHz, {
    {2, 6, 48.25, 7},
    {8, 28, 105.25, 7},
    {36, 21, 303.25, 8},
    {57, 1, 543.25},
    {58, 1, 575.25},
    {59, 1, 583.25},
    {60, 1, 623.25},
});

// PAL-I: the nine Irish VHF channels A-J on 2-10, UHF 21-69.
constexpr auto kPalIAirWords = make_channel_words<69>(2, kIntermediate38_9MHz, {
    {2, 3, 45.75, 8},
    {5, 6, 175.25, 8},
    {21, 49, 471.25, 8},
});

// The CCIR cable list up to S41, which PAL-I cable networks use as well.
constexpr auto kPalICableWords = make_channel_words<56>(2, kIntermediate38_9MHz, {
    {2, 6, 48.25, 7},
    {8, 28, 105.25, 7},
    {36, 21, 303.25, 8},
});

// The UK broadcasts on UHF only: 21-69.
constexpr auto kUnitedKingdomAirWords = make_channel_words<69>(20, kIntermediate38_9MHz, {
    {21, 49, 471.25, 8},
});

constexpr auto kUnitedKingdomCableWords = make_channel_words<56>(2, kIntermediate38_9MHz, {
    {2, 6, 48.25, 7},
    {8, 28, 105.25, 7},
    {36, 21, 303.25, 8},
});

// Hong Kong broadcasts on UHF 21-69 (PAL-I); the VHF part keeps the PAL-I
// channels A-J of the list.
constexpr auto kHongKongAirWords = make_channel_words<69>(2, kIntermediate38_9MHz, {
    {2, 3, 45.75, 8},
    {5, 6, 175.25, 8},
    {21, 49, 471.25, 8},
});

constexpr auto kHongKongCableWords = make_channel_words<56>(2, kIntermediate38_9MHz, {
    {2, 6, 48.25, 7},
    {8, 28, 105.25, 7},
    {36, 21, 303.25, 8},
});

// Israel broadcasts on the CCIR channels.
constexpr auto kIsraelAirWords = make_channel_words<69>(2, kIntermediate38_9MHz, {
    {2, 3, 48.25, 7},
    {5, 8, 175.25, 7},
    {21, 49, 471.25, 8},
});

// Cable in frequency order up to E49 (695.25 MHz, where the list ends):
// 41.25 MHz, E2-E4 and X-Z+2, S1-S10, E5-E12, S11-S20, S21-S41, then E33-E49.
// 75 channels leave no room for E21-E32.
constexpr auto kIsraelCableWords = make_channel_words<75>(1, kIntermediate38_9MHz, {
    {1, 1, 41.25},
    {2, 8, 48.25, 7},
    {10, 28, 105.25, 7},
    {38, 21, 303.25, 8},
    {59, 17, 567.25, 8},
});

// The CCIR broadcast plan with the mid band X, Y, Z on 13-15, and UHF carried
// on past 69 in 8 MHz steps to 80 (943.25 MHz). Channel 81 holds 851.00 MHz,
// a carrier no published list names.
constexpr auto kNetherlandsAirWords = make_channel_words<81>(2, kIntermediate38_9MHz, {
    {2, 3, 48.25, 7},
    {5, 8, 175.25, 7},
    {13, 3, 69.25, 7},
    {21, 60, 471.25, 8},
    {81, 1, 851.00},
});

constexpr auto kNetherlandsCableWords = make_channel_words<56>(2, kIntermediate38_9MHz, {
    {2, 6, 48.25, 7},
    {8, 28, 105.25, 7},
    {36, 21, 303.25, 8},
});

// South Africa (PAL-I, 8 MHz): band I 1-3, band III 4-13, UHF 21-69.
constexpr auto kSouthAfricaAirWords = make_channel_words<69>(1, kIntermediate38_9MHz, {
    {1, 3, 45.75, 8},
    {4, 10, 175.25, 8},
    {21, 49, 471.25, 8},
});

// Cable: the CCIR cable-only channels X, Y, Z and S1-S41 in frequency order;
// band III stays with the broadcasters.
constexpr auto kSouthAfricaCableWords = make_channel_words<44>(1, kIntermediate38_9MHz, {
    {1, 3, 69.25, 7},
    {4, 10, 105.25, 7},
    {14, 10, 231.25, 7},
    {24, 21, 303.25, 8},
});

}  // namespace

constinit const ChannelTable kCcirAir{kCcirAirWords};
constinit const ChannelTable kCcirCable{kCcirCableWords};
constinit const ChannelTable kPalIAir{kPalIAirWords};
constinit const ChannelTable kPalICable{kPalICableWords};
constinit const ChannelTable kUnitedKingdomAir{kUnitedKingdomAirWords};
constinit const ChannelTable kUnitedKingdomCable{kUnitedKingdomCableWords};
constinit const ChannelTable kHongKongAir{kHongKongAirWords};
constinit const ChannelTable kHongKongCable{kHongKongCableWords};
constinit const ChannelTable kIsraelAir{kIsraelAirWords};
constinit const ChannelTable kIsraelCable{kIsraelCableWords};
constinit const ChannelTable kNetherlandsAir{kNetherlandsAirWords};
constinit const ChannelTable kNetherlandsCable{kNetherlandsCableWords};
constinit const ChannelTable kSouthAfricaAir{kSouthAfricaAirWords};
constinit const ChannelTable kSouthAfricaCable{kSouthAfricaCableWords};

}  // namespace zel
