#pragma once
// The LCD images of the sprite sheet: segment digits, the readout plates,
// source and record lamps and the time-shift knob. Each fills its box
// completely, on the flat glass colour, so that it sits seamlessly on the
// panel's glass wherever the readouts put it.
#include <vector>

#include "tools/skingen/description.h"

namespace zel::skingen {

// A seven-segment digit 0-9 in a cell; the cell's last column stays empty
// (the gap to the next digit). Cells 12 or more pixels high get segments two
// pixels thick.
void draw_digit(Image& img, const Box& cell, int digit, const Look& look);

enum class Plate { kTv, kFm, kVideo };

// The main readout plate. `digits` are the cells the readout draws over it,
// relative to the plate (channel digits for TV, FM digits from the thousands
// to the units for FM): the lettering goes beside them, the FM decimal point
// between the last two.
void draw_plate(Image& img, const Box& plate, Plate kind, const std::vector<Box>& digits, const Look& look);

// Source lamp for source 1 Air, 2 Cable, 3 AV-in, 4 S-Video, 5 FM.
void draw_source_lamp(Image& img, const Box& box, int source, const Look& look);
void draw_record_lamp(Image& img, const Box& box, bool recording, const Look& look);
void draw_knob(Image& img, const Box& box, const Look& look);

}  // namespace zel::skingen
