// The country records.
//
// Standard ids follow the analog system each country broadcast in. Id 1 also
// covers the INMARSAT codes and small territories without a channel plan of
// their own: Tokelau, Kiribati, Tuvalu, Bhutan, Tonga, Western Samoa, Niue,
// the Cook Islands, Nauru, the Solomon Islands, Ascension, St. Helena,
// Guinea-Bissau, Sao Tome and Principe, Eritrea, the Cape Verde Islands. A
// country whose system has no row of its own takes the nearest row: Mauritius
// (SECAM-B) and the Falkland Islands (PAL-I) id 4, whose UHF carriers they
// share, North Korea and Afghanistan (D/K) id 4 as well, Vietnam (D/K) id 13.
//
// Limits are those of the tables a record's country uses: the id's row, or
// the country's own row (Belgium, Italy, Switzerland, New Zealand, Israel, the
// Netherlands, Australia, South Africa, Poland, Morocco, the code-7 states).
// Three records differ from their tables: the United Kingdom keeps the id-8
// limits, air from 2, although its own air table has carriers only from 21;
// Japan's cable range reaches 113, beyond its table's 63; Morocco's cable
// range starts at 2, above its table's first channel.
//
// Shared codes, matched to countries by index order:
//   7    six equal records for Kazakhstan, Kyrgyzstan, Russia, Tajikistan,
//        Turkmenistan, Uzbekistan, which share Russia's tables.
//   39   Italy 1-69 and 1-58, the range of its own tables; Vatican City, which
//        uses the id-4 tables, 2-69 and 2-60.
//   41   Liechtenstein 2-69 and 2-60 (id-4 tables); Switzerland 1-69 and
//        1-58, the range of its own tables.
//   61   Australia id 4 with the range of its own tables (1-73, 1-58); the
//        Cocos-Keeling Islands the id-1 record.
//   670  seven equal id-1 records: Rota, Saipan and Tinian, the Northern
//        Mariana Islands (NTSC-M), take the first three; four are spare.
//   672  the Australian Antarctic Territory and Christmas Island take the two
//        id-1 records; Norfolk Island, which has its own PAL-B transmitters
//        relaying Australian television, the id-4 record.
#include "panel/tuning/country_records.h"

#include <algorithm>

#include "panel/tuning/country_list.h"

namespace zel {
namespace {

struct Profile {
  std::int32_t standard;
  std::int32_t air_last;
  std::int32_t air_first;
  std::int32_t cable_last;
  std::int32_t cable_first;
};

constexpr Profile kFcc{1, 69, 2, 125, 1};
constexpr Profile kJapan{2, 62, 1, 113, 1};
constexpr Profile kCcir{4, 69, 2, 60, 2};
constexpr Profile kChina{5, 125, 1, 125, 1};
constexpr Profile kPalI{8, 69, 2, 56, 2};
constexpr Profile kBrazil{9, 69, 2, 125, 1};
constexpr Profile kPalN{10, 69, 2, 125, 1};
constexpr Profile kSecamBG{12, 69, 2, 60, 2};
constexpr Profile kOirt{13, 57, 1, 57, 1};
constexpr Profile kMonaco{14, 69, 2, 60, 2};
constexpr Profile kSecamK1{16, 57, 1, 57, 1};
constexpr Profile kFrance{18, 72, 1, 69, 1};

constexpr CountryRecord record(std::int32_t code, const Profile& p) {
  return {code, p.standard, p.air_last, p.air_first, p.cable_last, p.cable_first};
}

}  // namespace

constinit const std::array<CountryRecord, kCountryRecordCount> kCountryRecords{{
    record(1, kFcc),  // the North American numbering area
    record(2, kFcc),  // Canada
    record(20, kSecamBG),  // Egypt
    {212, 12, 69, 1, 65, 2},  // Morocco
    record(213, kCcir),  // Algeria
    record(216, kSecamBG),  // Tunisia
    record(218, kSecamBG),  // Libya
    record(220, kCcir),  // Gambia
    record(221, kSecamK1),  // Senegal Republic
    record(222, kSecamBG),  // Mauritania
    record(223, kSecamK1),  // Mali
    record(224, kCcir),  // Guinea
    record(225, kSecamK1),  // Ivory Coast
    record(226, kSecamK1),  // Burkina Faso
    record(227, kSecamK1),  // Niger
    record(228, kSecamK1),  // Togo
    record(229, kSecamK1),  // Benin
    record(230, kCcir),  // Mauritius
    record(231, kCcir),  // Liberia
    record(232, kCcir),  // Sierra Leone
    record(233, kCcir),  // Ghana
    record(234, kCcir),  // Nigeria
    record(235, kSecamK1),  // Chad
    record(236, kSecamK1),  // Central African Republic
    record(237, kCcir),  // Cameroon
    record(238, kFcc),  // Cape Verde Islands
    record(239, kFcc),  // Sao Tome and Principe
    record(240, kCcir),  // Equatorial Guinea
    record(241, kSecamK1),  // Gabon
    record(242, kSecamK1),  // Congo
    record(243, kSecamK1),  // Zaire
    record(244, kPalI),  // Angola
    record(245, kFcc),  // Guinea-Bissau
    record(246, kFcc),  // Diego Garcia
    record(247, kFcc),  // Ascension Island
    record(248, kCcir),  // Seychelle Islands
    record(249, kCcir),  // Sudan
    record(250, kSecamK1),  // Rwanda
    record(251, kCcir),  // Ethiopia
    record(252, kCcir),  // Somalia
    record(253, kSecamK1),  // Djibouti
    record(254, kCcir),  // Kenya
    record(255, kCcir),  // Tanzania
    record(256, kCcir),  // Uganda
    record(257, kSecamK1),  // Burundi
    record(258, kCcir),  // Mozambique
    record(260, kCcir),  // Zambia
    record(261, kSecamK1),  // Madagascar
    record(262, kSecamK1),  // Reunion Island
    record(263, kCcir),  // Zimbabwe
    record(264, kPalI),  // Namibia
    record(265, kCcir),  // Malawi
    record(266, kPalI),  // Lesotho
    record(267, kPalI),  // Botswana
    record(268, kCcir),  // Swaziland
    record(269, kSecamK1),  // Comoros, Mayotte Island
    {27, 8, 69, 1, 44, 1},  // South Africa
    record(290, kFcc),  // St. Helena
    record(291, kFcc),  // Eritrea
    record(297, kFcc),  // Aruba
    record(298, kCcir),  // Faroe Islands
    record(299, kCcir),  // Greenland
    record(30, kSecamBG),  // Greece
    {31, 4, 81, 2, 56, 2},  // Netherlands
    {32, 4, 69, 1, 65, 1},  // Belgium
    record(33, kFrance),  // France
    record(34, kCcir),  // Spain
    record(350, kCcir),  // Gibraltar
    record(351, kCcir),  // Portugal
    record(352, kCcir),  // Luxembourg
    record(353, kPalI),  // Ireland
    record(354, kCcir),  // Iceland
    record(355, kCcir),  // Albania
    record(356, kCcir),  // Malta
    record(357, kCcir),  // Cyprus
    record(358, kCcir),  // Finland
    record(359, kOirt),  // Bulgaria
    record(36, kOirt),  // Hungary
    record(370, kOirt),  // Lithuania
    record(371, kOirt),  // Latvia
    record(372, kOirt),  // Estonia
    record(373, kOirt),  // Moldova
    record(374, kOirt),  // Armenia
    record(375, kOirt),  // Belarus
    record(376, kCcir),  // Andorra
    record(377, kMonaco),  // Monaco
    record(378, kCcir),  // San Marino
    record(380, kOirt),  // Ukraine
    record(381, kCcir),  // Yugoslavia
    record(385, kCcir),  // Croatia
    record(386, kCcir),  // Slovenia
    record(387, kCcir),  // Bosnia and Herzegovina
    record(389, kCcir),  // Former Yugoslav Republic of Macedonia
    {39, 4, 69, 1, 58, 1},  // Italy
    record(39, kCcir),  // Vatican City
    {40, 5, 57, 1, 57, 1},  // Romania
    record(41, kCcir),  // Liechtenstein
    {41, 4, 69, 1, 58, 1},  // Switzerland
    record(42, kOirt),  // Czech Republic, Slovak Republic
    record(43, kCcir),  // Austria
    record(44, kPalI),  // United Kingdom
    record(45, kCcir),  // Denmark
    record(46, kCcir),  // Sweden
    record(47, kCcir),  // Norway
    {48, 13, 69, 3, 38, 1},  // Poland
    record(49, kCcir),  // Germany
    record(500, kCcir),  // Falkland Islands
    record(501, kFcc),  // Belize
    record(502, kFcc),  // Guatemala
    record(503, kFcc),  // El Salvador
    record(504, kFcc),  // Honduras
    record(505, kFcc),  // Nicaragua
    record(506, kFcc),  // Costa Rica
    record(507, kFcc),  // Panama
    record(508, kSecamK1),  // St. Pierre and Miquelon
    record(509, kFcc),  // Haiti
    record(51, kFcc),  // Peru
    record(52, kFcc),  // Mexico
    record(53, kFcc),  // Cuba, Guantanamo Bay
    record(54, kPalN),  // Argentina
    record(55, kBrazil),  // Brazil
    record(56, kFcc),  // Chile
    record(57, kFcc),  // Colombia
    record(58, kFcc),  // Venezuela
    record(590, kSecamK1),  // French Antilles, Guadeloupe
    record(591, kPalN),  // Bolivia
    record(592, kFcc),  // Guyana
    record(593, kFcc),  // Ecuador
    record(594, kSecamK1),  // French Guiana
    record(595, kPalN),  // Paraguay
    record(596, kSecamK1),  // Martinique
    record(597, kFcc),  // Suriname
    record(598, kPalN),  // Uruguay
    record(599, kFcc),  // Netherlands Antilles
    record(60, kCcir),  // Malaysia
    {61, 4, 73, 1, 58, 1},  // Australia
    record(61, kFcc),  // Cocos-Keeling Islands
    record(62, kCcir),  // Indonesia
    record(63, kFcc),  // Philippines
    {64, 4, 69, 1, 58, 1},  // New Zealand
    record(65, kCcir),  // Singapore
    record(66, kCcir),  // Thailand
    record(670, kFcc),  // Rota Island
    record(670, kFcc),  // Saipan Island
    record(670, kFcc),  // Tinian Island
    record(670, kFcc),  // spare
    record(670, kFcc),  // spare
    record(670, kFcc),  // spare
    record(670, kFcc),  // spare
    record(671, kFcc),  // Guam
    record(672, kFcc),  // Australian Antarctic Territory
    record(672, kFcc),  // Christmas Island
    record(672, kCcir),  // Norfolk Island
    record(673, kCcir),  // Brunei
    record(674, kFcc),  // Nauru
    record(675, kCcir),  // Papua New Guinea
    record(676, kFcc),  // Tonga
    record(677, kFcc),  // Solomon Islands
    record(678, kCcir),  // Vanuatu
    record(679, kCcir),  // Fiji Islands
    record(680, kFcc),  // Palau
    record(681, kSecamK1),  // Wallis and Futuna Islands
    record(682, kFcc),  // Cook Islands
    record(683, kFcc),  // Niue
    record(684, kFcc),  // American Samoa
    record(685, kFcc),  // Western Samoa
    record(686, kFcc),  // Kiribati Republic
    record(687, kSecamK1),  // New Caledonia
    record(688, kFcc),  // Tuvalu
    record(689, kSecamK1),  // French Polynesia
    record(690, kFcc),  // Tokelau
    record(691, kFcc),  // Micronesia
    record(692, kFcc),  // Marshall Islands
    {7, 13, 69, 1, 49, 1},  // Kazakhstan
    {7, 13, 69, 1, 49, 1},  // Kyrgyzstan
    {7, 13, 69, 1, 49, 1},  // Russia
    {7, 13, 69, 1, 49, 1},  // Tajikistan
    {7, 13, 69, 1, 49, 1},  // Turkmenistan
    {7, 13, 69, 1, 49, 1},  // Uzbekistan
    record(81, kJapan),  // Japan
    record(82, kFcc),  // South Korea
    record(84, kOirt),  // Vietnam
    record(850, kCcir),  // North Korea
    record(852, kPalI),  // Hong Kong
    record(853, kPalI),  // Macau
    record(855, kCcir),  // Cambodia
    record(856, kCcir),  // Laos
    record(86, kChina),  // China, China(Shenzhen)
    record(871, kFcc),  // INMARSAT (Atlantic-East)
    record(872, kFcc),  // INMARSAT (Pacific)
    record(873, kFcc),  // INMARSAT (Indian)
    record(874, kFcc),  // INMARSAT (Atlantic-West)
    record(880, kCcir),  // Bangladesh
    record(886, kFcc),  // Taiwan
    record(90, kCcir),  // Turkey
    record(91, kCcir),  // India
    record(92, kCcir),  // Pakistan
    record(93, kCcir),  // Afghanistan
    record(94, kCcir),  // Sri Lanka
    record(95, kFcc),  // Myanmar
    record(960, kCcir),  // Maldives
    record(961, kSecamBG),  // Lebanon
    record(962, kCcir),  // Jordan
    record(963, kSecamBG),  // Syria
    record(964, kSecamBG),  // Iraq
    record(965, kCcir),  // Kuwait
    record(966, kSecamBG),  // Saudi Arabia
    record(967, kCcir),  // Yemen
    record(968, kCcir),  // Oman
    record(971, kCcir),  // United Arab Emirates
    {972, 4, 69, 2, 75, 1},  // Israel
    record(973, kCcir),  // Bahrain
    record(974, kCcir),  // Qatar
    record(975, kFcc),  // Bhutan
    record(976, kOirt),  // Mongolia
    record(977, kCcir),  // Nepal
    record(98, kSecamBG),  // Iran
    record(994, kOirt),  // Azerbaijan
    record(995, kOirt),  // Georgia
}};

std::span<const CountryRecord> records_of_code(std::int32_t code) {
  const auto same_code = [code](const CountryRecord& r) { return r.code == code; };
  const auto begin = std::find_if(kCountryRecords.begin(), kCountryRecords.end(), same_code);
  const auto end = std::find_if_not(begin, kCountryRecords.end(), same_code);
  return {begin, end};
}

const CountryRecord* record_of_country(std::int32_t index) {
  const Country* country = country_at(index);
  if (country == nullptr) return nullptr;
  const std::span<const CountryRecord> records = records_of_code(country->code);
  if (records.empty()) return nullptr;
  if (records.size() == 1) return &records[0];
  std::size_t ordinal = 0;
  for (std::int32_t i = 0; i < index; ++i) {
    if (kCountries[static_cast<std::size_t>(i)].code == country->code) ++ordinal;
  }
  return ordinal < records.size() ? &records[ordinal] : &records.back();
}

}  // namespace zel
