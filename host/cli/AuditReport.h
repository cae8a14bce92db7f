// What the audit writes of its stations: one line per station on the terminal, a CSV file
// and an HTML page with a sortable table per station. The CSV and the HTML tables share one
// table of columns.
#pragma once

#include "cli/StationAudit.h"

#include <string>
#include <vector>

namespace g20seq::host {

// "equal", "N differences" or "error: MESSAGE".
std::string AuditResult(const TStationAudit& Station);

// Comma-separated, every cell quoted, lines ended by CR LF (UTF-8): one row per differing
// field, one row for each station that is equal or could not be read.
std::string AuditCsv(const std::vector<TStationAudit>& Stations);
// A page on its own (no external file): the summary of every station, then a table of the
// differing fields of each station that differs. Clicking a column title sorts the table.
std::string AuditHtml(const std::vector<TStationAudit>& Stations);

} // namespace g20seq::host
