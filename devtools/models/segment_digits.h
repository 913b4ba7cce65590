// Digits drawn as seven- and sixteen-segment displays show them. Clock, meter and thermostat
// firmware often holds only such digits; no font file draws them, so they are drawn here: into
// the drawing area of a cell, as tall as the area, at most six tenths of that wide.
#pragma once

#include <string>
#include <vector>

#include "font_tables.h"
#include "model_builder.h"

namespace models {

enum class Segments { Seven, Sixteen };

struct SegmentStyle {
    Segments segments = Segments::Seven;
    int strokeEighths = 1;  // the stroke, in eighths of the digit's width (one dot at least)
    bool gaps = false;      // a blank dot between segments where they meet, as on a real display
    std::string family;
};

// The digits 0..9 of the style in the cells of a whole font, every other character blank.
DrawnFont DrawSegmentDigits(const SegmentStyle& style, const CellFormat& cell);

// The styles the chooser trains on and the ones it is judged on (separate families).
std::vector<SegmentStyle> TrainingSegmentStyles();
std::vector<SegmentStyle> ValidationSegmentStyles();

}  // namespace models
