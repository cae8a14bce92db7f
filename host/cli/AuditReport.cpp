#include "cli/AuditReport.h"

#include "Station.h"
#include <g20seq/model/KEVField.h>

#include <array>
#include <functional>
#include <span>
#include <sstream>

namespace g20seq::host {

namespace {

// A row of a report: a station, and one of its differences or none.
struct TAuditRow {
    const TStationAudit& Station;
    const TAuditDifference* Difference = nullptr;
};

// A value as the reports show it: with its number when the field is an enumeration.
std::string ValueCell(const std::string& Text, const std::optional<int>& Value) {
    return Value ? std::to_string(*Value) + " (" + Text + ")" : Text;
}

const TFieldDifference* DifferenceOf(const TAuditRow& Row) {
    return Row.Difference != nullptr ? &Row.Difference->Difference : nullptr;
}

struct TColumn {
    const char* Title;
    std::string (*Cell)(const TAuditRow& Row);
};

// The station columns, then the difference columns.
constexpr std::size_t StationColumns = 3;
constexpr std::array<TColumn, 8> Columns = {{
    {"station", [](const TAuditRow& Row) { return Row.Station.Image; }},
    {"reference", [](const TAuditRow& Row) { return Row.Station.Reference; }},
    {"result", [](const TAuditRow& Row) { return AuditResult(Row.Station); }},
    {"zone",
     [](const TAuditRow& Row) {
         const TFieldDifference* difference = DifferenceOf(Row);
         return difference != nullptr && difference->Zone
                    ? ZoneIdText(difference->Zone->TypeZone, difference->Zone->NumeroZone)
                    : std::string();
     }},
    {"field",
     [](const TAuditRow& Row) {
         return Row.Difference != nullptr ? Row.Difference->Difference.Path : std::string();
     }},
    {"caption",
     [](const TAuditRow& Row) {
         return Row.Difference != nullptr ? Row.Difference->Caption : std::string();
     }},
    {"station value",
     [](const TAuditRow& Row) {
         const TFieldDifference* difference = DifferenceOf(Row);
         return difference != nullptr ? ValueCell(difference->OwnText, difference->OwnValue)
                                      : std::string();
     }},
    {"reference value",
     [](const TAuditRow& Row) {
         const TFieldDifference* difference = DifferenceOf(Row);
         return difference != nullptr ? ValueCell(difference->OtherText, difference->OtherValue)
                                      : std::string();
     }},
}};

std::span<const TColumn> SummaryColumns() {
    return std::span(Columns).first(StationColumns);
}
std::span<const TColumn> DifferenceColumns() {
    return std::span(Columns).subspan(StationColumns);
}

std::string Escaped(const std::string& Text) {
    std::string escaped;
    for (const char character : Text)
        switch (character) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += character;
        }
    return escaped;
}

const char* RowClass(const TStationAudit& Station) {
    return Station.Failed() ? "error" : Station.Equal() ? "equal" : "different";
}

// The summary (Links: its station names lead to the station's table) or a station's table.
void HtmlTable(std::ostream& Out, std::span<const TColumn> Shown,
               const std::vector<TAuditRow>& Rows, bool Links) {
    Out << "<table class=\"sortable" << (Links ? " summary" : "") << "\"><thead><tr>";
    for (const TColumn& column : Shown)
        Out << "<th>" << Escaped(column.Title) << "</th>";
    Out << "</tr></thead>\n<tbody>\n";
    for (const TAuditRow& row : Rows) {
        Out << "<tr class=\"" << RowClass(row.Station) << "\">";
        for (const TColumn& column : Shown) {
            const std::string cell = Escaped(column.Cell(row));
            const bool link =
                Links && &column == &Shown.front() && !row.Station.Equal() && !row.Station.Failed();
            Out << "<td>"
                << (link ? "<a href=\"#s" + std::to_string(&row - Rows.data()) + "\">" + cell +
                               "</a>"
                         : cell)
                << "</td>";
        }
        Out << "</tr>\n";
    }
    Out << "</tbody></table>\n";
}

constexpr const char* HtmlHead = R"html(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>g20seq audit</title>
<style>
body { font-family: sans-serif; margin: 1.5em; color: #222; }
h1 { font-size: 1.4em; } h2 { font-size: 1.1em; margin-top: 1.6em; }
table { border-collapse: collapse; margin: 0.5em 0; }
th, td { border: 1px solid #bbb; padding: 0.25em 0.6em; text-align: left; }
th { background: #e8e8e8; cursor: pointer; user-select: none; }
th[aria-sort=ascending]::after { content: " \25B2"; }
th[aria-sort=descending]::after { content: " \25BC"; }
table.summary tr.equal td:nth-child(3) { color: #176117; }
table.summary tr.different td:nth-child(3) { color: #8a5a00; font-weight: bold; }
table.summary tr.error td { background: #fde4e4; }
.totals span { margin-right: 1.5em; }
</style>
</head>
<body>
)html";

constexpr const char* HtmlScript = R"html(<script>
document.querySelectorAll("table.sortable th").forEach(function (title) {
  title.addEventListener("click", function () {
    var table = title.closest("table"), body = table.tBodies[0], index = title.cellIndex;
    var ascending = title.getAttribute("aria-sort") !== "ascending";
    table.querySelectorAll("th").forEach(function (other) { other.removeAttribute("aria-sort"); });
    title.setAttribute("aria-sort", ascending ? "ascending" : "descending");
    Array.prototype.slice.call(body.rows).sort(function (a, b) {
      var order = a.cells[index].textContent.localeCompare(b.cells[index].textContent,
                                                            undefined, { numeric: true });
      return ascending ? order : -order;
    }).forEach(function (row) { body.appendChild(row); });
  });
});
</script>
</body>
</html>
)html";

} // namespace

std::string AuditResult(const TStationAudit& Station) {
    if (Station.Failed())
        return "error: " + Station.Error;
    if (Station.Equal())
        return "equal";
    const std::size_t count = Station.Differences.size();
    return std::to_string(count) + (count == 1 ? " difference" : " differences");
}

std::string AuditCsv(const std::vector<TStationAudit>& Stations) {
    std::ostringstream out;
    const auto line = [&](const std::function<std::string(const TColumn&)>& Cell) {
        for (const TColumn& column : Columns)
            out << (&column == &Columns.front() ? "" : ",") << QuotedFieldText(Cell(column));
        out << "\r\n";
    };
    line([](const TColumn& Column) { return std::string(Column.Title); });
    for (const TStationAudit& station : Stations) {
        if (station.Differences.empty())
            line([&](const TColumn& Column) { return Column.Cell({station}); });
        for (const TAuditDifference& difference : station.Differences)
            line([&](const TColumn& Column) { return Column.Cell({station, &difference}); });
    }
    return out.str();
}

std::string AuditHtml(const std::vector<TStationAudit>& Stations) {
    std::ostringstream out;
    std::array<int, 3> counts{}; // equal, different, error
    std::vector<TAuditRow> summary;
    for (const TStationAudit& station : Stations) {
        ++counts[station.Failed() ? 2 : station.Equal() ? 0 : 1];
        summary.push_back({station});
    }
    out << HtmlHead << "<h1>Audit of " << Stations.size() << " stations</h1>\n"
        << "<p class=\"totals\"><span>equal: " << counts[0]
        << "</span><span>different: " << counts[1]
        << "</span><span>could not be read: " << counts[2] << "</span></p>\n";
    HtmlTable(out, SummaryColumns(), summary, true);
    for (std::size_t index = 0; index < Stations.size(); ++index) {
        const TStationAudit& station = Stations[index];
        if (station.Equal() || station.Failed())
            continue;
        std::vector<TAuditRow> rows;
        for (const TAuditDifference& difference : station.Differences)
            rows.push_back({station, &difference});
        out << "<h2 id=\"s" << index << "\">" << Escaped(station.Image) << "</h2>\n<p>reference "
            << Escaped(station.Reference) << ": " << AuditResult(station) << "</p>\n";
        HtmlTable(out, DifferenceColumns(), rows, false);
    }
    out << HtmlScript;
    return out.str();
}

} // namespace g20seq::host
