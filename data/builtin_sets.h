#pragma once
// The three climate data sets compiled into the program: Brazil (27 locations), South America (13)
// and World (50). Each loader writes its own slots completely and nothing above them, so slots
// beyond LocationCount keep what an earlier set left there (no consumer reads them).
#include "core/location.h"

namespace qav {

/// Slots 1..27, LocationCount = 27. Slot 5 is Brasília, the location analysed at start-up.
void LoadBrazilDataSet(LocationTable& table);
/// Slots 1..13, LocationCount = 13.
void LoadSouthAmericaDataSet(LocationTable& table);
/// Slots 1..24 of the World set; LocationCount unchanged. Always followed by LoadWorldDataSetSecond.
void LoadWorldDataSetFirst(LocationTable& table);
/// Slots 25..50 of the World set, LocationCount = 50.
void LoadWorldDataSetSecond(LocationTable& table);

enum class DataSetKind { Brazil, SouthAmerica, World };

/// Loads one whole set; World is LoadWorldDataSetFirst then LoadWorldDataSetSecond.
void LoadDataSet(DataSetKind kind, LocationTable& table);

}  // namespace qav
