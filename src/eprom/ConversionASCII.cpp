#include "eprom/ConversionASCII.h"

#include "eprom/ZonesEnFichier.h"
#include "model/DataProxy.h"
#include "model/IDTypeZones.h"
#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "support/Format.h"

#include <filesystem>

namespace g20seq {

namespace {

// Which of the request's number lists restricts a section.
enum class TListe : std::uint8_t { Aucune, Programmes, Electrodes };

struct TSectionExport {
    TExportType Section;
    TTypeZones TypeZone;
    TListe Liste;
    // Written only when the EPROM has the zone type.
    bool Optionnelle;
    // Reports progress half-way through its tab sheets.
    bool MiParcours;
};

// The sections, in the order they are written.
constexpr TSectionExport SectionsExport[] = {
    {etProgrammes, PrcProgrammes, TListe::Programmes, false, true},
    {etElectrodes, PrcElectrodes, TListe::Electrodes, false, false},
    {etConfiguration, PrcConfiguration, TListe::Aucune, false, false},
    {etAssignationPoint, PrcAssignationPoint, TListe::Aucune, true, false},
    {etFraise, PrcFraise, TListe::Aucune, true, false},
    {etRodeuse, PrcRodeuse, TListe::Aucune, true, false},
    {etApprentissageAW, PrcApprentissageAW, TListe::Aucune, true, false},
    {etProgrammeCombine, PrcProgrammeCombine, TListe::Aucune, true, false},
    {etApprentissageAWA, PrcApprentissageAWA, TListe::Aucune, true, false},
};

// The requested sections the EPROM has, in the order they are written.
std::vector<const TSectionExport*> SectionsAEcrire(const TEprom& Eprom, TExportTypes Sections) {
    std::vector<const TSectionExport*> sections;
    for (const TSectionExport& section : SectionsExport)
        if (Sections.Contains(section.Section) &&
            (!section.Optionnelle || Eprom.GetSetOfTypesZones().Contains(section.TypeZone)))
            sections.push_back(&section);
    return sections;
}

// Written in place of an empty text.
constexpr const char* ValeurVide = "-";
// Position of a field that is not an array element.
constexpr int SansElement = -1;

bool EstControle(unsigned char Caractere) {
    return Caractere < 0x20 || Caractere == 0x7F;
}

bool ACiter(const std::string& Cellule) {
    for (const char caractere : Cellule)
        if (caractere == SeparateurExport || caractere == '"' || caractere == ' ' ||
            EstControle(static_cast<unsigned char>(caractere)))
            return true;
    return false;
}

// The zone numbers of a section: the zones written and the number cells of the header.
struct TNumerotation {
    int Premier = 0; // the zone whose logical zone gives the layout
    std::vector<int> Numeros;
    std::vector<std::string> Entete;
};

TNumerotation Numerotation(const TCustomEpromDescription* Description, TTypeZones TypeZone,
                           const TStringList* Liste) {
    const int minimum = Description != nullptr ? Description->GetMinZone(TypeZone) : -1;
    const int maximum = Description != nullptr ? Description->GetMaxZone(TypeZone) : -1;
    if (minimum == -1)
        return {0, {0}, {}};
    TNumerotation numerotation{minimum, {}, {}};
    for (int numero = minimum; numero <= maximum; ++numero) {
        const std::string texte = IntToStr(numero);
        if (Liste == nullptr)
            numerotation.Entete.push_back(texte);
        if (Liste == nullptr || Liste->IndexOf(texte) >= 0)
            numerotation.Numeros.push_back(numero);
    }
    for (int index = 0; Liste != nullptr && index < Liste->Count(); ++index)
        numerotation.Entete.push_back((*Liste)[index]);
    return numerotation;
}

std::vector<const TKEVTabSheet*> OngletsLies(const TKEVLogicalZone* Zone) {
    std::vector<const TKEVTabSheet*> onglets;
    for (int index = 0; Zone != nullptr && index < Zone->GetTabSheetCount(); ++index)
        if (const TKEVTabSheet* onglet = Zone->GetTabSheet(index); onglet->GetLinked())
            onglets.push_back(onglet);
    return onglets;
}

const TKEVField* ChampA(const TKEVTabSheet* Onglet, int Position) {
    return Onglet != nullptr && Position < Onglet->GetFieldCount() ? Onglet->GetField(Position)
                                                                   : nullptr;
}

// The field itself (SansElement), or its element Indice when it is an array that has one.
const TKEVField* Element(const TKEVField* Champ, int Indice) {
    if (Indice == SansElement || Champ == nullptr)
        return Champ;
    const auto* tableau = dynamic_cast<const TKEVArrayField*>(Champ);
    return tableau != nullptr && Indice < tableau->GetCount() ? tableau->GetField(Indice) : nullptr;
}

std::string Valeur(const TKEVField& Champ) {
    const std::string texte = Champ.GetAsString();
    return texte.empty() ? ValeurVide : texte;
}

} // namespace

std::string CelluleExport(const std::string& Cellule) {
    if (!ACiter(Cellule))
        return Cellule;
    std::string citee = "\"";
    for (const char caractere : Cellule) {
        if (caractere == '"')
            citee += '"';
        citee += caractere;
    }
    return citee + '"';
}

std::string LigneExport(const std::vector<std::string>& Cellules) {
    std::string ligne;
    for (std::size_t index = 0; index < Cellules.size(); ++index) {
        if (index > 0)
            ligne += SeparateurExport;
        ligne += CelluleExport(Cellules[index]);
    }
    return ligne;
}

TConversionASCII::TConversionASCII(TEprom& Eprom, THorloge Horloge)
    : FEprom(Eprom), FHorloge(std::move(Horloge)) {}

bool TConversionASCII::Execute(TExportTypes Sections, const std::string& Filename,
                               const TStringList* ProgList, const TStringList* ElecList) {
    try {
        Ecrire(Sections, Filename, ProgList, ElecList);
        FLignes.SaveToFile(Filename);
        return true;
    } catch (const std::exception& erreur) {
        LogEvent(&FEprom, "ConversionASCII", erreur.what(), Filename, LogAnomaly, CatEprom);
        return false;
    }
}

void TConversionASCII::Ecrire(TExportTypes Sections, const std::string& Filename,
                              const TStringList* ProgList, const TStringList* ElecList) {
    const std::vector<const TSectionExport*> sections = SectionsAEcrire(FEprom, Sections);
    FLignes.Clear();
    FDemiSections = 2 * static_cast<int>(sections.size());
    Progression(0);
    FLignes.Add(FormatDate(FHorloge()) + "," + std::filesystem::path(Filename).filename().string());
    FLignes.Add(FEprom.GetDescriptionCPS());
    // Held while the sections are written: a field is in its tab sheet only while its zone
    // exists.
    const TZonesEnFichier zones(FEprom);
    for (int rang = 0; rang < static_cast<int>(sections.size()); ++rang) {
        const TSectionExport& section = *sections[rang];
        const TStringList* liste = section.Liste == TListe::Programmes   ? ProgList
                                   : section.Liste == TListe::Electrodes ? ElecList
                                                                         : nullptr;
        EcrireSection(section.TypeZone, liste, section.MiParcours, rang);
        Progression(2 * (rang + 1));
    }
}

void TConversionASCII::EcrireSection(TTypeZones TypeZone, const TStringList* Liste, bool MiParcours,
                                     int Rang) {
    const TNumerotation numerotation = Numerotation(FEprom.GetDescription(), TypeZone, Liste);
    const auto* premiere =
        dynamic_cast<TKEVLogicalZone*>(FEprom.GetLogicalZone(TypeZone, numerotation.Premier));
    const std::vector<const TKEVTabSheet*> onglets = OngletsLies(premiere);
    if (onglets.empty())
        return;
    std::vector<std::string> entete{TypeZoneDisplayName(TypeZone)};
    entete.insert(entete.end(), numerotation.Entete.begin(), numerotation.Entete.end());
    FLignes.Add(LigneExport(entete));
    std::vector<TKEVLogicalZone*> zones;
    for (const int numero : numerotation.Numeros)
        zones.push_back(dynamic_cast<TKEVLogicalZone*>(FEprom.GetLogicalZone(TypeZone, numero)));
    const std::size_t moitie = (onglets.size() + 1) / 2;
    for (std::size_t index = 0; index < onglets.size(); ++index) {
        EcrireOnglet(*onglets[index], zones);
        if (MiParcours && index + 1 == moitie)
            Progression(2 * Rang + 1);
    }
}

void TConversionASCII::EcrireOnglet(const TKEVTabSheet& Onglet,
                                    const std::vector<TKEVLogicalZone*>& Zones) {
    FLignes.Add(LigneExport({Onglet.GetCaption()}));
    TOngletsParNumero onglets;
    for (const TKEVLogicalZone* zone : Zones)
        onglets.push_back(zone != nullptr ? zone->GetTabByID(Onglet.GetTabSheetID()) : nullptr);
    for (int position = 0; position < Onglet.GetFieldCount(); ++position)
        EcrireChamp(*Onglet.GetField(position), position, onglets);
}

void TConversionASCII::EcrireChamp(const TKEVField& Champ, int Position,
                                   const TOngletsParNumero& Onglets) {
    const auto* tableau = dynamic_cast<const TKEVArrayField*>(&Champ);
    const int lignes = tableau != nullptr ? tableau->GetCount() : 1;
    for (int ligne = 0; ligne < lignes; ++ligne) {
        const int element = tableau != nullptr ? ligne : SansElement;
        const TKEVField* tete = Element(&Champ, element);
        if (tete == nullptr)
            continue;
        std::vector<std::string> cellules{tete->GetName()};
        for (const TKEVTabSheet* onglet : Onglets)
            if (const TKEVField* champ = Element(ChampA(onglet, Position), element))
                cellules.push_back(Valeur(*champ));
        FLignes.Add(LigneExport(cellules));
    }
}

void TConversionASCII::Progression(int DemiSections) {
    const int etape =
        FDemiSections > 0 ? DemiSections * ProgressionExportTotale / FDemiSections : 0;
    FEprom.NextProgressStep(etape, ProgressionExportTotale);
}

} // namespace g20seq
