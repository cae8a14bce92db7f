// The text export of an EPROM: the parameters of the requested sections (programs,
// electrodes, configuration, point assignment, tip dressers ...) as rows of cells that a
// spreadsheet opens, one column per zone number.
//
// The file: line 1 is the date ("DD/MM/YYYY"), a comma and the file's name without its
// directory; line 2 the controller's description. Then each section, in the order of
// TExportType: a header row (the zone type's caption, then one cell per zone number: the
// items of the number list when one is given, in its order, else every number of the type's
// range), then, for each linked tab sheet of the type's first logical zone, a line with the
// sheet's caption and one row per field (one per element of an array field): the field's
// caption, then its text in each zone written, "-" for an empty text. A zone whose sheet has
// fewer fields adds no cell to a row. No blank line anywhere: every line is a row.
//
// A null number list means every number of the range; an empty list means none (the header
// has no number cells and the rows hold captions only). A type without numbered zones (the
// configuration) is zone 0 and has no number cells. Cells are separated by ";" and quoted by
// CelluleExport. The file is UTF-8 without byte-order mark, lines ended by CR LF.
//
// Progress goes through the EPROM's progress operation with 100 as the overall value: 0 at
// the start, then after each section its share of 100 (sections written / sections to
// write), and half-way through the tab sheets of the programs half a share more.
#pragma once

#include "eprom/Eprom.h"
#include "support/DateTime.h"
#include "support/StringList.h"

#include <functional>
#include <string>
#include <vector>

namespace g20seq {

class TKEVField;
class TKEVLogicalZone;
class TKEVTabSheet;

// Separator of the cells of a row.
inline constexpr char SeparateurExport = ';';
// Overall value of the progress reports.
inline constexpr int ProgressionExportTotale = 100;

// The cell as a row holds it: enclosed in double quotes, inner double quotes doubled, when it
// contains the separator, a double quote, a space or a control character (codes 0 to 31 and
// 127); as it is otherwise, the empty cell included.
std::string CelluleExport(const std::string& Cellule);
// The cells, each as CelluleExport writes it, joined by the separator.
std::string LigneExport(const std::vector<std::string>& Cellules);

// Where the export takes the date of its first line from.
using THorloge = std::function<TDateTime()>;

class TConversionASCII {
public:
    explicit TConversionASCII(TEprom& Eprom, THorloge Horloge = Now);

    // Writes the export of Sections into Filename. Answers false (logged at level 2, category
    // "Eprom") when it could not be written; the zones held meanwhile are given back.
    bool Execute(TExportTypes Sections, const std::string& Filename, const TStringList* ProgList,
                 const TStringList* ElecList);

private:
    // The tab sheet of one zone number, or nullptr when that zone has no such sheet.
    using TOngletsParNumero = std::vector<const TKEVTabSheet*>;

    // The lines of the export; the in-file zones are held meanwhile, so that their fields
    // are in the tab sheets.
    void Ecrire(TExportTypes Sections, const std::string& Filename, const TStringList* ProgList,
                const TStringList* ElecList);
    // Writes the section of TypeZone, restricted to Liste (null: every number); Rang is its
    // place among the sections written, for the progress reports.
    void EcrireSection(TTypeZones TypeZone, const TStringList* Liste, bool MiParcours, int Rang);
    void EcrireOnglet(const TKEVTabSheet& Onglet, const std::vector<TKEVLogicalZone*>& Zones);
    void EcrireChamp(const TKEVField& Champ, int Position, const TOngletsParNumero& Onglets);
    // Reports DemiSections halves of a section done, out of FDemiSections.
    void Progression(int DemiSections);

    TEprom& FEprom;
    THorloge FHorloge;
    TStringList FLignes;
    int FDemiSections = 0;
};

} // namespace g20seq
