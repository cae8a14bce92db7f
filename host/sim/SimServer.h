// The simulated controller on TCP: listens on 127.0.0.1 and answers the framed requests of
// every host that connects, one thread per connection, each request handled under the
// controller's lock; every connection is told the controller's notifications.
#pragma once

#include "sim/FrameSocket.h"
#include "sim/SimulatedController.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace g20seq::host {

class TSimServer {
public:
    // Listens on Port (0: a free port the system picks). Raises EHostIOError when the port
    // cannot be had.
    TSimServer(TSimulatedController& Controleur, std::uint16_t Port);
    ~TSimServer();
    TSimServer(const TSimServer&) = delete;
    TSimServer& operator=(const TSimServer&) = delete;

    std::uint16_t Port() const { return FPort; }
    // Closes the listening socket and every connection, and waits for their threads.
    void Arreter();

private:
    void Accepter();
    void Servir(TFrameSocket& Connexion);
    void Diffuser(const TSimMessage& Notification);

    TSimulatedController& FControleur;
    std::atomic<int> FEcoute{-1};
    std::uint16_t FPort = 0;
    std::thread FAccepteur;
    std::mutex FMutex;
    std::vector<std::unique_ptr<TFrameSocket>> FConnexions;
    std::vector<std::thread> FServeurs;
    bool FArrete = false;
};

} // namespace g20seq::host
