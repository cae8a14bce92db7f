#include "transfer/OfflineTransfer.h"

#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/EditorWindows.h>
#include <g20seq/model/ErreurSerie.h>
#include <g20seq/support/ByteArray.h>

namespace g20seq::host {

TOfflineTransfer::TOfflineTransfer() : FTravailleur([this] { Travailler(); }) {}

TOfflineTransfer::~TOfflineTransfer() {
    WaitIdle();
    {
        const std::lock_guard lock(FMutex);
        FArret = true;
    }
    FChange.notify_all();
    FTravailleur.join();
}

bool TOfflineTransfer::Send(TCustomEprom& Eprom, TZoneQueue& Queue) {
    IEditorWindow* fenetre = FindEditorWindowSending(&Queue);
    if (fenetre == nullptr)
        return false;
    {
        const std::lock_guard lock(FMutex);
        const std::uint64_t file = ++FFiles;
        for (auto& zone : Queue)
            FEnvois.push_back({&Eprom, fenetre, file, std::move(zone)});
    }
    Queue.clear();
    FChange.notify_all();
    return true;
}

void TOfflineTransfer::WaitIdle() {
    std::unique_lock lock(FMutex);
    FChange.wait(lock, [this] { return FEnvois.empty() && !FOccupe; });
}

void TOfflineTransfer::Travailler() {
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
        const bool repondu = Repondre(envoi);
        envoi.Zone.reset();
        lock.lock();
        FOccupe = false;
        if (!repondu)
            FFileAbandonnee = envoi.File;
        FChange.notify_all();
    }
}

bool TOfflineTransfer::Repondre(const TEnvoi& Envoi) {
    std::unique_ptr<TCustomZoneCPS> reponse;
    try {
        reponse = Appliquer(*Envoi.Eprom, *Envoi.Zone);
    } catch (const std::exception&) {
        reponse.reset(); // a zone the codec or the file cannot take: an error answer
    }
    DeliverToEditorWindow(Envoi.Fenetre, reponse.get(), reponse == nullptr);
    return reponse != nullptr;
}

std::unique_ptr<TCustomZoneCPS> TOfflineTransfer::Appliquer(TCustomEprom& Eprom,
                                                            const TCustomZoneCPS& Zone) {
    const auto trame = std::make_unique<TByteArray>();
    const int longueur = Zone.SerialEncode(*trame, 0, Zone.GetTailleSendZone());
    TZoneHolder tenue(&Eprom, Zone.GetTypeZone(), Zone.GetNumeroZone());
    if (longueur <= 0 || !tenue)
        return nullptr;
    auto reponse = tenue->CreateSameZone();
    if (reponse->SerialDecode(*trame, longueur) != SerSansErreur)
        return nullptr;
    tenue->Assign(reponse.get());
    if (!Eprom.SaveZoneToFile(tenue.Get()))
        return nullptr;
    return reponse;
}

} // namespace g20seq::host
