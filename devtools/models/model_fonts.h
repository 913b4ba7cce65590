// Which real fonts draw the four reference rows of each cell format: the candidate rows, and the
// chosen list (chosen_rows.txt) that names four of them for every model file.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "model_builder.h"

namespace models {

// A row a model file may hold; the family is that of its font (empty for the rows kept from
// before the chooser, whose fonts are of the training families too).
struct PoolRow {
    int formatIndex;
    std::string name;  // unique within its format
    std::string family;
    ModelRow row;
};

// Every model cell in model-file order (t0.mod, t1.mod, ...; the order of the program's format
// table).
const std::vector<CellFormat>& ModelCells();

// The candidate rows of every format: the former rows, every training font that fits the cell,
// and (above 8 columns) the small training fonts enlarged into it. Whether a candidate draws
// every test character inside the drawing area shows only when it is built.
std::vector<PoolRow> CandidateRows();

// Per format the names of its four rows.
using ChosenRows = std::vector<std::array<std::string, kRowsPerModel>>;
std::filesystem::path DefaultChosenList();
ChosenRows ReadChosenList(const std::filesystem::path& path);
void WriteChosenList(const std::filesystem::path& path, const ChosenRows& chosen);

// Every cell format with the rows the list names.
std::vector<ModelFormat> ModelFormats(const std::filesystem::path& chosenList);
std::vector<ModelFormat> ModelFormats();

}  // namespace models
