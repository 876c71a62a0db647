#pragma once
// The two exports of ZtTV.dll, answering from the tables (tuner_queries.h).
// ZtTV.dll exports exactly these; host tests call them in process.
#include <type_traits>

#include "panel/tuning/tuner_abi.h"

extern "C" {
std::int32_t ZEL_TUNER_CDECL ZtGetFreqInfo(std::int32_t* code, std::int32_t* country_index,
                                           std::int32_t band, std::int32_t channel,
                                           std::int32_t reserved1, std::int32_t* standard,
                                           std::int32_t* last_channel, std::int32_t* first_channel,
                                           std::int32_t reserved2);
std::int32_t ZEL_TUNER_CDECL ZtGetContryInfo(void);
}

static_assert(std::is_same_v<decltype(&ZtGetFreqInfo), zel::ZtGetFreqInfoFn>);
static_assert(std::is_same_v<decltype(&ZtGetContryInfo), zel::ZtGetContryInfoFn>);
