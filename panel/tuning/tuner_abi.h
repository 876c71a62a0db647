#pragma once
// The binary interface of the tuner-data library ZtTV.dll: two cdecl exports
// with undecorated names, all arguments and results 32-bit.
//
// ZtGetContryInfo() returns the number of countries; indexes run from 0 to
// that count - 1.
//
// ZtGetFreqInfo(code, country index, band, channel, 0, standard id,
//               last channel, first channel, 0)
// answers for the country *country_index and the band (0 air, 1 cable):
//   *code           its telephone code;
//   *standard       its standard id;
//   *last, *first   the last and first channel number of the band;
//   result          the nominal picture carrier of `channel` in that band in
//                   Hz, 0 where the channel has no carrier or lies outside
//                   the band's table.
// The caller sets *code to -1 before every call: for an index that names no
// country, and for a null country-index pointer, every output keeps the value
// the caller put there (so *code stays -1) and the result is 0. A band other
// than 0 or 1 leaves *last and *first as they were and yields 0. A null
// output pointer is skipped. The two reserved arguments are ignored.
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define ZEL_TUNER_CDECL __cdecl
#else
#define ZEL_TUNER_CDECL
#endif

namespace zel {

using ZtGetFreqInfoFn = std::int32_t(ZEL_TUNER_CDECL*)(
    std::int32_t* code, std::int32_t* country_index, std::int32_t band, std::int32_t channel,
    std::int32_t reserved1, std::int32_t* standard, std::int32_t* last_channel,
    std::int32_t* first_channel, std::int32_t reserved2);

using ZtGetContryInfoFn = std::int32_t(ZEL_TUNER_CDECL*)();

inline constexpr char kZtGetFreqInfoName[] = "ZtGetFreqInfo";
inline constexpr char kZtGetContryInfoName[] = "ZtGetContryInfo";

// The code the caller presets and that an unknown index leaves in place.
inline constexpr std::int32_t kNoCountryCode = -1;

}  // namespace zel
