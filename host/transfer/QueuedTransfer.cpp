#include "transfer/QueuedTransfer.h"

#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/EditorWindows.h>
#include <g20seq/model/ErreurSerie.h>

namespace g20seq::host {

TQueuedTransfer::TQueuedTransfer() = default;

TQueuedTransfer::~TQueuedTransfer() {
    Terminer();
}

void TQueuedTransfer::Terminer() {
    WaitIdle();
    {
        const std::lock_guard lock(FMutex);
        FArret = true;
    }
    FChange.notify_all();
    if (FTravailleur.joinable())
        FTravailleur.join();
}

bool TQueuedTransfer::Send(TCustomEprom& Eprom, TZoneQueue& Queue) {
    IEditorWindow* fenetre = FindEditorWindowSending(&Queue);
    if (fenetre == nullptr)
        return false;
    {
        const std::lock_guard lock(FMutex);
        if (FArret)
            return false;
        if (!FTravailleur.joinable())
            FTravailleur = std::thread([this] { Travailler(); });
        const std::uint64_t file = ++FFiles;
        for (auto& zone : Queue)
            FEnvois.push_back({&Eprom, fenetre, file, std::move(zone)});
    }
    Queue.clear();
    FChange.notify_all();
    return true;
}

void TQueuedTransfer::WaitIdle() {
    std::unique_lock lock(FMutex);
    FChange.wait(lock, [this] { return FEnvois.empty() && !FOccupe; });
}

void TQueuedTransfer::Travailler() {
    std::unique_lock lock(FMutex);
    for (;;) {
        FChange.wait(lock, [this] { return FArret || !FEnvois.empty(); });
        if (FEnvois.empty())
            return;
        TEnvoi envoi = std::move(FEnvois.front());
        FEnvois.pop_front();
        if (envoi.File == FFileAbandonnee)
            continue;
        FOccupe = true;
        lock.unlock();
        const bool repondu = Traiter(envoi);
        envoi.Zone.reset();
        lock.lock();
        FOccupe = false;
        if (!repondu)
            FFileAbandonnee = envoi.File;
        FChange.notify_all();
    }
}

bool TQueuedTransfer::Traiter(const TEnvoi& Envoi) {
    std::unique_ptr<TCustomZoneCPS> reponse;
    try {
        reponse = Repondre(*Envoi.Eprom, *Envoi.Zone);
    } catch (const std::exception&) {
        reponse.reset(); // a zone the codec or the file cannot take: an error answer
    }
    DeliverToEditorWindow(Envoi.Fenetre, reponse.get(), reponse == nullptr);
    return reponse != nullptr;
}

std::unique_ptr<TCustomZoneCPS> AdoptAnswer(TCustomEprom& Eprom, const TCustomZoneCPS& Like,
                                            const TByteArray& Octets, int Longueur) {
    TZoneHolder tenue(&Eprom, Like.GetTypeZone(), Like.GetNumeroZone());
    if (Longueur <= 0 || !tenue)
        return nullptr;
    auto reponse = tenue->CreateSameZone();
    if (reponse->SerialDecode(Octets, Longueur) != SerSansErreur)
        return nullptr;
    tenue->Assign(reponse.get());
    if (tenue->IsFileZone() && !Eprom.SaveZoneToFile(tenue.Get()))
        return nullptr;
    return reponse;
}

std::unique_ptr<TCustomZoneCPS> AdoptAnswer(TCustomEprom& Eprom, const TCustomZoneCPS& Like,
                                            const std::vector<std::uint8_t>& Payload) {
    if (Payload.size() > std::size_t{MaxBuffer})
        return nullptr;
    const auto trame = std::make_unique<TByteArray>();
    std::copy(Payload.begin(), Payload.end(), trame->begin());
    return AdoptAnswer(Eprom, Like, *trame, static_cast<int>(Payload.size()));
}

} // namespace g20seq::host
