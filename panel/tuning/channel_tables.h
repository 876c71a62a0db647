#pragma once
// The 42 channel tables of the tuner-data library, one air and one cable table
// for each of 21 plans. The plan table (plan_table.h) says which standard ids
// and countries use which pair.
//
// Six pairs serve the standard-id rows:
//   Fcc      ids 1, 9, 10   the FCC channels, which Brazil (PAL-M) and the
//                           PAL-N countries use unchanged
//   Ccir     ids 4, 12, 14  CCIR channels E2-E69 and the CCIR cable list
//   Dk       ids 5, 13, 16  the Chinese DS channels 1-57, one 8 MHz D/K list
//                           from 49.75 to 863.25 MHz without gaps
//   PalI     id 8           Irish VHF A-J and UHF 21-69; CCIR cable list
//   France   id 18
//   Japan    id 2
// and fifteen pairs the country rows: Australia, Belgium, China, Shenzhen,
// Hong Kong, Israel, Italy, New Zealand, Poland, South Africa, Switzerland,
// Morocco, the Netherlands, the United Kingdom, and Russia, whose pair the five
// other code-7 states share (one Soviet plan).
//
// A table serves one band of one plan, so 21 pairs make 42 tables. Some hold
// the same carriers as another (the two Dk lists; Hong Kong's lists and those
// of id 8; the cable lists of the UK and the Netherlands), yet each plan keeps
// its own, as each country row exists to give that country its own lists.
//
// Where a published list has fewer carriers, another last channel or another
// end frequency than a table must have, the table notes how its slots are
// filled. Where the open-source channel lists (xawtv, tvtime, DScaler,
// MPlayer) disagree, the majority value is taken: Irish G 199.25 MHz, Russian
// UHF 65 823.25 MHz, French cable KK 224.75 and H12 391.25 MHz, Australian 36
// 583.25 MHz (on the 7 MHz raster), Chinese B31 463.25 MHz; Australian 12,
// where two lists differ, is 223.25 MHz on the raster of 10 and 11.
#include "panel/tuning/channel_table.h"

namespace zel {

// channel_tables_americas_pacific.cpp
extern const ChannelTable kFccAir;
extern const ChannelTable kFccCable;
extern const ChannelTable kJapanAir;
extern const ChannelTable kJapanCable;
extern const ChannelTable kAustraliaAir;
extern const ChannelTable kAustraliaCable;
extern const ChannelTable kNewZealandAir;
extern const ChannelTable kNewZealandCable;

// channel_tables_ccir.cpp
extern const ChannelTable kCcirAir;
extern const ChannelTable kCcirCable;
extern const ChannelTable kPalIAir;
extern const ChannelTable kPalICable;
extern const ChannelTable kUnitedKingdomAir;
extern const ChannelTable kUnitedKingdomCable;
extern const ChannelTable kHongKongAir;
extern const ChannelTable kHongKongCable;
extern const ChannelTable kIsraelAir;
extern const ChannelTable kIsraelCable;
extern const ChannelTable kNetherlandsAir;
extern const ChannelTable kNetherlandsCable;
extern const ChannelTable kSouthAfricaAir;
extern const ChannelTable kSouthAfricaCable;

// channel_tables_europe.cpp
extern const ChannelTable kBelgiumAir;
extern const ChannelTable kBelgiumCable;
extern const ChannelTable kSwitzerlandAir;
extern const ChannelTable kSwitzerlandCable;
extern const ChannelTable kItalyAir;
extern const ChannelTable kItalyCable;
extern const ChannelTable kMoroccoAir;
extern const ChannelTable kMoroccoCable;
extern const ChannelTable kFranceAir;
extern const ChannelTable kFranceCable;

// channel_tables_oirt_china.cpp
extern const ChannelTable kDkAir;
extern const ChannelTable kDkCable;
extern const ChannelTable kRussiaAir;
extern const ChannelTable kRussiaCable;
extern const ChannelTable kPolandAir;
extern const ChannelTable kPolandCable;
extern const ChannelTable kChinaAir;
extern const ChannelTable kChinaCable;
extern const ChannelTable kShenzhenAir;
extern const ChannelTable kShenzhenCable;

}  // namespace zel
