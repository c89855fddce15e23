#pragma once
// qav-cli's place commands: `places` lists the towns of the place list that match a name, each
// with its nearest stations, and `analyze --place TEXT` analyses the best match's nearest station.
#include <string>
#include <vector>

#include "pipeline/place_site.h"

namespace qav::cli {

/// `qav-cli places --name TEXT [--country CC] [--limit N] [--format table|csv|json]`. Writes the
/// list or an error line; returns the exit status (2 for bad arguments, 1 when the place list or
/// the catalogue cannot be read).
int PlacesCommand(const std::vector<std::string>& args);

/// The place list beside the program and the catalogue's stations, read on first use; null with
/// the reason when either cannot be read.
PlaceSources PlacesForAnalysis(std::string& failure);

}  // namespace qav::cli
