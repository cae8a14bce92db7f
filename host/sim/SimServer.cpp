#include "sim/SimServer.h"

#include "SafeSave.h"

#include <cstring>
#include <string>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace g20seq::host {

TSimServer::TSimServer(TSimulatedController& Controleur, std::uint16_t Port)
    : FControleur(Controleur) {
    const int ecoute = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int oui = 1;
    ::setsockopt(ecoute, SOL_SOCKET, SO_REUSEADDR, &oui, sizeof oui);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    adresse.sin_port = htons(Port);
    socklen_t taille = sizeof adresse;
    if (ecoute < 0 || ::bind(ecoute, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) != 0 ||
        ::listen(ecoute, 8) != 0 ||
        ::getsockname(ecoute, reinterpret_cast<sockaddr*>(&adresse), &taille) != 0) {
        const std::string erreur = std::strerror(errno);
        if (ecoute >= 0)
            ::close(ecoute);
        throw EHostIOError("cannot listen on 127.0.0.1:" + std::to_string(Port) + ": " + erreur);
    }
    FEcoute = ecoute;
    FPort = ntohs(adresse.sin_port);
    FAccepteur = std::thread([this] { Accepter(); });
    FControleur.SetEcouteur([this](const TSimMessage& Notification) { Diffuser(Notification); });
}

// Every connected host is told each notification.
void TSimServer::Diffuser(const TSimMessage& Notification) {
    const std::lock_guard lock(FMutex);
    for (const auto& connexion : FConnexions)
        if (connexion->Ouverte())
            connexion->Ecrire(Notification);
}

TSimServer::~TSimServer() {
    Arreter();
}

void TSimServer::Arreter() {
    FControleur.SetEcouteur({});
    {
        const std::lock_guard lock(FMutex);
        if (FArrete)
            return;
        FArrete = true;
        for (const auto& connexion : FConnexions)
            connexion->Interrompre();
    }
    if (const int ecoute = FEcoute; ecoute >= 0)
        ::shutdown(ecoute, SHUT_RDWR);
    FAccepteur.join();
    if (const int ecoute = FEcoute.exchange(-1); ecoute >= 0)
        ::close(ecoute);
    for (std::thread& serveur : FServeurs)
        serveur.join();
}

void TSimServer::Accepter() {
    for (;;) {
        const int socket = ::accept4(FEcoute, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // the listening socket was shut down
        }
        const std::lock_guard lock(FMutex);
        if (FArrete) {
            ::close(socket);
            return;
        }
        auto& connexion = FConnexions.emplace_back(std::make_unique<TFrameSocket>(socket));
        FServeurs.emplace_back([this, &connexion = *connexion] { Servir(connexion); });
    }
}

void TSimServer::Servir(TFrameSocket& Connexion) {
    while (const auto requete = Connexion.Lire())
        if (const auto reponse = FControleur.Traiter(*requete);
            reponse && !Connexion.Ecrire(*reponse))
            break;
    Connexion.Fermer();
}

} // namespace g20seq::host
