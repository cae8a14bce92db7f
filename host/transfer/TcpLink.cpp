#include "transfer/TcpLink.h"

#include "SafeSave.h"

#include <charconv>

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

namespace g20seq::host {

TTcpLink::TTcpLink(std::string Hote, std::uint16_t Port) : FHote(std::move(Hote)), FPort(Port) {}

std::unique_ptr<TTcpLink> TTcpLink::FromText(const std::string& Adresse) {
    const auto deuxPoints = Adresse.rfind(':');
    unsigned port = 0;
    const char* fin = Adresse.data() + Adresse.size();
    if (deuxPoints == std::string::npos || deuxPoints == 0 ||
        std::from_chars(Adresse.data() + deuxPoints + 1, fin, port).ptr != fin || port == 0 ||
        port > 65535)
        throw EHostIOError("'" + Adresse + "' is not HOST:PORT");
    return std::make_unique<TTcpLink>(Adresse.substr(0, deuxPoints),
                                      static_cast<std::uint16_t>(port));
}

bool TTcpLink::Connecter() {
    if (FSocket != nullptr && FSocket->Ouverte())
        return true;
    addrinfo indications{};
    indications.ai_family = AF_INET;
    indications.ai_socktype = SOCK_STREAM;
    addrinfo* adresses = nullptr;
    if (::getaddrinfo(FHote.c_str(), std::to_string(FPort).c_str(), &indications, &adresses) != 0)
        return false;
    int socket = -1;
    for (addrinfo* a = adresses; a != nullptr && socket < 0; a = a->ai_next) {
        socket = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (socket >= 0 && ::connect(socket, a->ai_addr, a->ai_addrlen) != 0) {
            ::close(socket);
            socket = -1;
        }
    }
    ::freeaddrinfo(adresses);
    if (socket < 0)
        return false;
    FSocket = std::make_unique<TFrameSocket>(socket);
    return true;
}

std::optional<TSimMessage> TTcpLink::Echanger(const TSimMessage& Requete,
                                              std::chrono::milliseconds Delai) {
    const auto echeance = std::chrono::steady_clock::now() + Delai;
    if (!Connecter() || !FSocket->Ecrire(Requete)) {
        FSocket.reset();
        return std::nullopt;
    }
    while (auto reponse = FSocket->Lire(echeance))
        if (reponse->Requete == Requete.Requete)
            return reponse;
    FSocket.reset(); // timed out or lost: a late answer must not meet the next request
    return std::nullopt;
}

std::optional<TSimMessage> TTcpLink::Notification(std::chrono::milliseconds Delai) {
    const auto echeance = std::chrono::steady_clock::now() + Delai;
    if (!Connecter())
        return std::nullopt;
    while (auto message = FSocket->Lire(echeance))
        if (message->Kind == TSimKind::Notification)
            return message;
    if (!FSocket->Ouverte())
        FSocket.reset(); // lost: connect again next time; an idle link stays
    return std::nullopt;
}

} // namespace g20seq::host
