#include "cli/ExportCommand.h"

#include "SafeSave.h"
#include "cli/CliErrors.h"
#include <g20seq/support/StringList.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <optional>
#include <ostream>
#include <set>

namespace g20seq::host {

namespace {

struct TSectionNommee {
    const char* Nom; // the section's name without its "et" prefix
    TExportType Section;
};

constexpr std::array<TSectionNommee, 9> SectionsNommees = {{
    {"Programmes", etProgrammes},
    {"Electrodes", etElectrodes},
    {"Configuration", etConfiguration},
    {"AssignationPoint", etAssignationPoint},
    {"Fraise", etFraise},
    {"Rodeuse", etRodeuse},
    {"ApprentissageAW", etApprentissageAW},
    {"ProgrammeCombine", etProgrammeCombine},
    {"ApprentissageAWA", etApprentissageAWA},
}};

std::string Minuscules(std::string Text) {
    std::transform(Text.begin(), Text.end(), Text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return Text;
}

// The items of a comma-separated list, as given ("" is the empty list).
std::vector<std::string> Elements(const std::string& Liste) {
    std::vector<std::string> elements;
    std::size_t debut = 0;
    while (!Liste.empty()) {
        const std::size_t virgule = Liste.find(',', debut);
        elements.push_back(Liste.substr(debut, virgule - debut));
        if (virgule == std::string::npos)
            break;
        debut = virgule + 1;
    }
    return elements;
}

TExportType SectionNommee(const std::string& Nom) {
    std::string nom = Minuscules(Nom);
    if (nom.rfind("et", 0) == 0)
        nom.erase(0, 2);
    for (const TSectionNommee& section : SectionsNommees)
        if (nom == Minuscules(section.Nom))
            return section.Section;
    throw TUsageError("unknown section '" + Nom + "'");
}

// The zone numbers of an option, in increasing order and each once: the export labels its
// columns in list order but fills them in zone order, so only a sorted list keeps every
// value under its own zone number.
std::unique_ptr<TStringList> ListeNumeros(const std::string& Option, const std::string& Liste) {
    std::set<unsigned long> numeros;
    for (const std::string& element : Elements(Liste)) {
        if (element.empty() || element.size() > 9 ||
            !std::all_of(element.begin(), element.end(),
                         [](unsigned char c) { return std::isdigit(c) != 0; }))
            throw TUsageError(Option + " takes zone numbers, not '" + element + "'");
        numeros.insert(std::stoul(element));
    }
    auto liste = std::make_unique<TStringList>();
    for (const unsigned long numero : numeros)
        liste->Add(std::to_string(numero));
    return liste;
}

struct TDemande {
    TExportTypes Sections;
    std::unique_ptr<TStringList> Programmes; // null: every program
    std::unique_ptr<TStringList> Electrodes; // null: every electrode
};

TDemande Demande(const TArgs& Args) {
    TDemande demande;
    std::optional<std::string> sections;
    for (std::size_t index = 2; index < Args.size(); index += 2) {
        const std::string& option = Args[index];
        if (index + 1 == Args.size())
            throw TUsageError(option + " needs a list");
        const std::string& valeur = Args[index + 1];
        if (option == "--sections")
            sections = valeur;
        else if (option == "--programs")
            demande.Programmes = ListeNumeros(option, valeur);
        else if (option == "--electrodes")
            demande.Electrodes = ListeNumeros(option, valeur);
        else
            throw TUsageError("unknown option '" + option + "'");
    }
    if (!sections.has_value()) {
        demande.Sections = EverySection();
        return demande;
    }
    for (const std::string& nom : Elements(*sections))
        demande.Sections.Include(SectionNommee(nom));
    return demande;
}

} // namespace

TExportTypes EverySection() {
    TExportTypes sections;
    for (const TSectionNommee& section : SectionsNommees)
        sections.Include(section.Section);
    return sections;
}

int CommandExport(const TCommandContext& Context, const TArgs& Args) {
    const TDemande demande = Demande(Args);
    const auto station = Context.ReadImage(Args[0]);
    // The tool shows no progress; a callback keeps the module from logging a missing one.
    station->Eprom().SetNextProgressStep([](int, int) {});
    if (!station->Eprom().ConversionASCII(demande.Sections, Args[1], demande.Programmes.get(),
                                          demande.Electrodes.get()))
        throw EHostIOError("cannot write the export '" + Args[1] + "' (see the event log)");
    Context.Out << "exported " << Args[0] << " to " << Args[1] << '\n';
    return ExitOk;
}

} // namespace g20seq::host
