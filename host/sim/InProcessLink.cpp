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

} // namespace g20seq::host
