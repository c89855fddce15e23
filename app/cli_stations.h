#pragma once
// qav-cli's station commands: `stations` lists the catalogue by name or distance, and
// `analyze --station WMO` analyses a station as a Monthly Data location with its values.
#include <string>
#include <vector>

#include "data/station_catalogue.h"

namespace qav::cli {

/// `qav-cli stations [--near LAT,LON] [--name TEXT] [--limit N] [--format table|csv|json]`.
/// Writes the list or an error line; returns the exit status (2 for bad arguments, 1 when the
/// catalogue cannot be read).
int StationsCommand(const std::vector<std::string>& args);

/// The station catalogue beside the program, read on first use; null with the reason when it
/// cannot be read.
const StationCatalogue* CatalogueForAnalysis(std::string& failure);

}  // namespace qav::cli
