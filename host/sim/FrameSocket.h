// A connected stream socket carrying framed messages (SimMessage.h), for both ends of the
// TCP link. Owns the socket.
#pragma once

#include "sim/SimMessage.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>

namespace g20seq::host {

class TFrameSocket {
public:
    using TEcheance = std::chrono::steady_clock::time_point;

    explicit TFrameSocket(int Socket) : FSocket(Socket) {}
    ~TFrameSocket() { Fermer(); }
    TFrameSocket(const TFrameSocket&) = delete;
    TFrameSocket& operator=(const TFrameSocket&) = delete;

    bool Ouverte() const { return FSocket >= 0; }
    // Writes the whole frame of Message; false when the link is down. Writers of several
    // threads (answers, notifications) take turns.
    bool Ecrire(const TSimMessage& Message);
    // The next message, waiting until Echeance (or for ever without one); nothing at the
    // deadline, when the link is down or when the bytes are not a frame. A deadline before
    // any byte leaves the link as it is; a frame cut by the deadline or damaged closes it
    // (the stream is out of step).
    std::optional<TSimMessage> Lire(std::optional<TEcheance> Echeance = std::nullopt);
    // Stops both directions (a thread blocked in Lire returns), then closes.
    void Interrompre();
    void Fermer();

private:
    // Reads up to Nombre bytes until Echeance; answers how many came.
    std::size_t LireTout(std::uint8_t* Octets, std::size_t Nombre,
                         std::optional<TEcheance> Echeance);

    // Atomic: another thread may interrupt a blocked read.
    std::atomic<int> FSocket;
    std::mutex FEcriture;
};

} // namespace g20seq::host
