#include "cli/SimCommands.h"

#include "cli/CliErrors.h"
#include "protocol/ZoneFiles.h"
#include "services/DataProxy.h"
#include "sim/SimServer.h"
#include "sim/SimulatedController.h"
#include "transfer/ImageTransfer.h"
#include "transfer/TcpLink.h"

#include <charconv>
#include <csignal>
#include <map>
#include <ostream>

namespace g20seq::host {

namespace {

// "--name value" options of a command; raises TUsageError for another argument.
std::map<std::string, std::string> Options(const TArgs& Args, std::size_t Debut,
                                           std::initializer_list<const char*> Connues) {
    std::map<std::string, std::string> options;
    for (std::size_t i = Debut; i < Args.size(); i += 2) {
        const bool connue = std::find_if(Connues.begin(), Connues.end(), [&](const char* nom) {
                                return Args[i] == nom;
                            }) != Connues.end();
        if (!connue || i + 1 >= Args.size())
            throw TUsageError("unexpected argument '" + Args[i] + "'");
        options[Args[i]] = Args[i + 1];
    }
    return options;
}

std::string Requise(const std::map<std::string, std::string>& Options, const char* Nom) {
    const auto option = Options.find(Nom);
    if (option == Options.end())
        throw TUsageError(std::string("missing ") + Nom);
    return option->second;
}

std::uint16_t PortOf(const std::string& Texte) {
    unsigned port = 0;
    const char* fin = Texte.data() + Texte.size();
    if (std::from_chars(Texte.data(), fin, port).ptr != fin || port > 65535)
        throw TUsageError("'" + Texte + "' is not a port number");
    return static_cast<std::uint16_t>(port);
}

// Prints how a whole-image transfer ended: a refusal exits 1, no answer 2.
int Bilan(const TCommandContext& Context, const TBilanImage& Bilan, const std::string& Adresse,
          const char* Verbe) {
    if (Bilan.Reussi()) {
        Context.Out << Verbe << ' ' << Bilan.Zones << " zones " << Adresse << '\n';
        return ExitOk;
    }
    Context.Message(Bilan.Zone + ": " + ErreurSerieName(Bilan.Code) + " from " +
                    Adresse.substr(Adresse.find(' ') + 1) + " after " +
                    std::to_string(Bilan.Zones) + " of " + std::to_string(Bilan.Total) + " zones");
    return Bilan.Code == SerTimeOut ? ExitUsage : ExitDifferent;
}

} // namespace

int CommandSimulate(const TCommandContext& Context, const TArgs& Args) {
    const auto options = Options(Args, 0, {"--port", "--station", "--image"});
    const std::string station = Requise(options, "--station");
    const auto image = options.find("--image");
    if (VarianteOfName(station) == TVariante::Inconnue)
        throw TUsageError("'" + station + "' names no AC (GA...) or MF (GM...) station");
    TSimulatedController controleur(station, image == options.end() ? "" : image->second);
    // The signals that stop the simulator are taken by this thread alone.
    sigset_t arret;
    sigemptyset(&arret);
    sigaddset(&arret, SIGINT);
    sigaddset(&arret, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &arret, nullptr);
    TSimServer serveur(controleur, PortOf(Requise(options, "--port")));
    Context.Out << "station " << station << " (" << VarianteText(VarianteOfName(station))
                << ") listening on 127.0.0.1:" << serveur.Port() << std::endl;
    int signal = 0;
    sigwait(&arret, &signal);
    serveur.Arreter();
    Context.Out << "stopped after " << controleur.Lectures() << " reads and "
                << controleur.Ecritures() << " writes" << std::endl;
    return ExitOk;
}

int CommandSend(const TCommandContext& Context, const TArgs& Args) {
    const std::string adresse = Requise(Options(Args, 1, {"--to"}), "--to");
    const auto lien = TTcpLink::FromText(adresse);
    TControllerPort port(*lien);
    const auto station = Context.ReadImage(Args[0]);
    return Bilan(Context, EnvoyerImage(station->Eprom(), port), "to " + adresse, "sent");
}

int CommandReceive(const TCommandContext& Context, const TArgs& Args) {
    const std::string adresse = Requise(Options(Args, 1, {"--to"}), "--to");
    const auto lien = TTcpLink::FromText(adresse);
    TControllerPort port(*lien);
    return Context.ChangeImage(Args[0], [&](TStation& Station) {
        return Bilan(Context, RecevoirImage(Station.Eprom(), port), "from " + adresse, "received");
    });
}

} // namespace g20seq::host
