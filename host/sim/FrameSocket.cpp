#include "sim/FrameSocket.h"

#include <array>
#include <cerrno>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace g20seq::host {

bool TFrameSocket::Ecrire(const TSimMessage& Message) {
    const std::vector<std::uint8_t> trame = TSimFrame::Encode(Message);
    const std::lock_guard lock(FEcriture);
    std::size_t envoyes = 0;
    while (FSocket >= 0 && envoyes < trame.size()) {
        const ssize_t n =
            ::send(FSocket, trame.data() + envoyes, trame.size() - envoyes, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        envoyes += static_cast<std::size_t>(n);
    }
    return envoyes == trame.size();
}

std::size_t TFrameSocket::LireTout(std::uint8_t* Octets, std::size_t Nombre,
                                   std::optional<TEcheance> Echeance) {
    std::size_t lus = 0;
    while (FSocket >= 0 && lus < Nombre) {
        int attente = -1;
        if (Echeance) {
            const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
                *Echeance - std::chrono::steady_clock::now());
            if (reste.count() <= 0)
                break;
            attente = static_cast<int>(reste.count());
        }
        pollfd attendu{FSocket, POLLIN, 0};
        const int pret = ::poll(&attendu, 1, attente);
        if (pret < 0 && errno == EINTR)
            continue;
        if (pret <= 0)
            break;
        const ssize_t n = ::recv(FSocket, Octets + lus, Nombre - lus, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            Fermer(); // the other end is gone
            break;
        }
        lus += static_cast<std::size_t>(n);
    }
    return lus;
}

std::optional<TSimMessage> TFrameSocket::Lire(std::optional<TEcheance> Echeance) {
    std::array<std::uint8_t, TSimFrame::LengthSize> prefixe{};
    const std::size_t lus = LireTout(prefixe.data(), prefixe.size(), Echeance);
    if (lus == 0)
        return std::nullopt; // nothing came: the stream is still in step
    const auto longueur = lus == prefixe.size() ? TSimFrame::Length(prefixe) : std::nullopt;
    std::vector<std::uint8_t> corps(longueur.value_or(0));
    std::optional<TSimMessage> message;
    if (longueur && LireTout(corps.data(), corps.size(), Echeance) == corps.size())
        message = TSimFrame::Decode(corps);
    if (!message)
        Fermer(); // a frame cut or damaged: the stream is lost
    return message;
}

void TFrameSocket::Interrompre() {
    if (const int socket = FSocket; socket >= 0)
        ::shutdown(socket, SHUT_RDWR);
}

void TFrameSocket::Fermer() {
    if (const int socket = FSocket.exchange(-1); socket >= 0)
        ::close(socket);
}

} // namespace g20seq::host
