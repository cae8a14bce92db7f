#include "sim/InProcessLink.h"

namespace g20seq::host {

namespace {

// A message as the other side reads it from its frame.
std::optional<TSimMessage> Transporter(const TSimMessage& Message) {
    const std::vector<std::uint8_t> trame = TSimFrame::Encode(Message);
    return TSimFrame::Decode(std::span(trame).subspan(TSimFrame::LengthSize));
}

} // namespace

std::optional<TSimMessage> TInProcessLink::Echanger(const TSimMessage& Requete,
                                                    std::chrono::milliseconds) {
    const auto recue = Transporter(Requete);
    if (!recue)
        return std::nullopt;
    const auto reponse = FControleur.Traiter(*recue);
    return reponse ? Transporter(*reponse) : std::nullopt;
}

TInProcessNotifications::TInProcessNotifications(TSimulatedController& Controleur)
    : FControleur(Controleur) {
    FControleur.SetEcouteur([this](const TSimMessage& Message) {
        if (auto recue = Transporter(Message)) {
            const std::lock_guard lock(FMutex);
            FFile.push_back(std::move(*recue));
        }
        FArrivee.notify_all();
    });
}

TInProcessNotifications::~TInProcessNotifications() {
    FControleur.SetEcouteur({});
}

std::optional<TSimMessage> TInProcessNotifications::Notification(std::chrono::milliseconds Delai) {
    std::unique_lock lock(FMutex);
    if (!FArrivee.wait_for(lock, Delai, [this] { return !FFile.empty(); }))
        return std::nullopt;
    TSimMessage message = std::move(FFile.front());
    FFile.pop_front();
    return message;
}

} // namespace g20seq::host
