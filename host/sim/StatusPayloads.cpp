#include "sim/StatusPayloads.h"

#include <ctime>

namespace g20seq::host {

namespace {

void Mot(TOctets& Octets, std::uint32_t Valeur) {
    Octets.push_back(static_cast<std::uint8_t>(Valeur >> 8));
    Octets.push_back(static_cast<std::uint8_t>(Valeur));
}

// Signature type bytes: a weld, and a fault whose number follows (raw type 2).
constexpr std::uint8_t TypeSoudure = 0x00;
constexpr std::uint8_t TypeDefaut = 0x81;
constexpr std::uint8_t SansPoint = 0xFF; // no point number (bit 6 of the type clear)

} // namespace

TOctets TStatusPayloads::DateHeure(std::chrono::system_clock::time_point Instant) {
    const std::time_t secondes = std::chrono::system_clock::to_time_t(Instant);
    std::tm t{};
    gmtime_r(&secondes, &t);
    return {static_cast<std::uint8_t>(t.tm_year % 100), static_cast<std::uint8_t>(t.tm_mon + 1),
            static_cast<std::uint8_t>(t.tm_mday),       static_cast<std::uint8_t>(t.tm_hour),
            static_cast<std::uint8_t>(t.tm_min),        static_cast<std::uint8_t>(t.tm_sec)};
}

TOctets TStatusPayloads::Identification() {
    // Software version, type, protocol version, production year and week, sales group,
    // serial number.
    const std::string texte = "100"
                              "G2"
                              "035"
                              "26"
                              "49"
                              "SIMU"
                              "001";
    return TOctets(texte.begin(), texte.end());
}

TOctets TStatusPayloads::Mouchard(const TMouchard& Mouchard) {
    TOctets octets = {'G', '2', 1, 0, 0, 0, 0, 0};
    Mot(octets, Mouchard.Soudures / 10000);
    Mot(octets, Mouchard.Soudures % 10000);
    Mot(octets, Mouchard.IntensiteThermiqueMax);
    const TOctets date = DateHeure(Mouchard.DateIntensiteMax);
    octets.insert(octets.end(), date.begin(), date.end());
    return octets;
}

TOctets TStatusPayloads::Signature(const TSoudure& Soudure, bool MF) {
    TOctets octets = DateHeure(Soudure.Instant);
    const bool defaut = Soudure.NumeroDefaut >= 0;
    octets.push_back(defaut ? TypeDefaut : TypeSoudure);
    octets.push_back(static_cast<std::uint8_t>(defaut ? Soudure.NumeroDefaut : 0));
    octets.push_back(0); // acknowledgement origin
    octets.push_back(static_cast<std::uint8_t>(Soudure.Programme));
    octets.push_back(static_cast<std::uint8_t>(Soudure.Palier));
    octets.push_back(SansPoint);
    Mot(octets, Soudure.Intensite);
    if (MF) {
        Mot(octets, Soudure.Intensite / 10);  // set current / 10
        Mot(octets, Soudure.Intensite / 100); // primary current
        Mot(octets, Soudure.PourcentEquivalent);
        Mot(octets, 0); // ignored
    } else {
        Mot(octets, Soudure.PourcentEquivalent); // equivalent percentage x 10
        Mot(octets, 0);                          // voltage percentage x 10
    }
    octets.push_back(static_cast<std::uint8_t>(Soudure.Electrode));
    octets.push_back(Soudure.EtatElectrode);
    Mot(octets, Soudure.CompteurPointsAbsolu);
    Mot(octets, Soudure.CompteurPoints);
    Mot(octets, Soudure.CompteurRodages);
    Mot(octets, Soudure.CompteurPointsInterPalier);
    if (!MF)
        Mot(octets, 100); // drift coefficient (AC only)
    Mot(octets, Soudure.Effort);
    Mot(octets, Soudure.TempsAccostage);
    return octets;
}

} // namespace g20seq::host
