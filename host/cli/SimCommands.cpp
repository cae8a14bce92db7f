#include "cli/SimCommands.h"

#include "cli/CliErrors.h"
#include "protocol/ProtocoleG20.h"
#include "protocol/ZoneFiles.h"
#include "services/DataProxy.h"
#include "sim/SimServer.h"
#include "sim/SimulatedController.h"
#include "transfer/ImageTransfer.h"
#include "transfer/TcpLink.h"

#include <g20seq/interface/SignatureInterface.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/support/ByteArray.h>

#include <charconv>
#include <csignal>
#include <cstdio>
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

double Nombre(const std::string& Texte) {
    double nombre = 0;
    const char* fin = Texte.data() + Texte.size();
    if (std::from_chars(Texte.data(), fin, nombre).ptr != fin || !(nombre > 0))
        throw TUsageError("'" + Texte + "' is not a positive number");
    return nombre;
}

// One line of a signature: date and time, program, step, electrode, current, points, and
// the fault when it is one.
std::string Ligne(TCustomZoneCPS& Signature, const std::vector<std::uint8_t>& Octets) {
    void* interface = nullptr;
    Signature.QueryInterface(ISignature::IID, &interface);
    const auto& s = *static_cast<ISignature*>(interface);
    char date[32];
    std::snprintf(date, sizeof date, "20%02u-%02u-%02u %02u:%02u:%02u", Octets[0], Octets[1],
                  Octets[2], Octets[3], Octets[4], Octets[5]);
    std::string ligne = std::string(date) + " program " + std::to_string(s.GetNumeroProgramme()) +
                        " step " + std::to_string(s.GetNumeroPalier()) + " electrode " +
                        std::to_string(s.GetNumeroElectrode()) + " current " +
                        std::to_string(static_cast<int>(s.GetIntensiteMesuree(true))) + " points " +
                        std::to_string(s.GetCompteurPoints());
    void* defaut = nullptr;
    if (s.GetTypeSignatureBrut() != 0 &&
        Signature.QueryInterface(ISignatureCompl1::IID, &defaut) == THResult::S_OK)
        ligne +=
            " fault " + std::to_string(static_cast<ISignatureCompl1*>(defaut)->GetNumeroDefaut());
    return ligne;
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
    const auto options = Options(Args, 0, {"--port", "--station", "--image", "--rate"});
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
    if (const auto rythme = options.find("--rate"); rythme != options.end())
        controleur.DemarrerSoudures(Nombre(rythme->second));
    int signal = 0;
    sigwait(&arret, &signal);
    controleur.ArreterSoudures();
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

int CommandWatch(const TCommandContext& Context, const TArgs& Args) {
    const auto options = Options(Args, 1, {"--count"});
    const auto compte = options.find("--count");
    const long maximum = compte == options.end() ? -1 : static_cast<long>(Nombre(compte->second));
    const auto lien = TTcpLink::FromText(Args[0]);
    // Signatures are decoded by a station of the variant their length tells (36 bytes: MF).
    std::map<std::size_t, std::unique_ptr<TStation>> stations;
    for (long lues = 0; maximum < 0 || lues < maximum;) {
        const auto message = lien->Notification(std::chrono::seconds(5));
        if (!message) {
            Context.Message("no signature from " + Args[0]);
            return ExitUsage;
        }
        if (message->TypeZone != PrcSignatures)
            continue;
        auto& station = stations[message->Payload.size()];
        if (station == nullptr)
            station = std::make_unique<TStation>(
                message->Payload.size() == 36 ? "GM_Watch" : "GA_Watch", &Context.Protocole);
        const TZoneHolder zone(&station->Eprom(), PrcSignatures, 0);
        auto signature = zone->CreateSameZone();
        const auto trame = std::make_unique<TByteArray>();
        std::copy(message->Payload.begin(), message->Payload.end(), trame->begin());
        if (signature->SerialDecode(*trame, static_cast<int>(message->Payload.size())) !=
            SerSansErreur) {
            Context.Message("a signature that does not decode");
            continue;
        }
        Context.Out << Ligne(*signature, message->Payload) << std::endl;
        ++lues;
    }
    return ExitOk;
}

} // namespace g20seq::host
