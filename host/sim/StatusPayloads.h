// The payloads of the controller's read-only zones as the simulated controller writes them:
// date and time, identification, event record and weld signature. Words are written most
// significant byte first, as the controller does.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace g20seq::host {

using TOctets = std::vector<std::uint8_t>;

class TStatusPayloads {
public:
    // Six bytes: year modulo 100, month, day, hour, minute, second (UTC).
    static TOctets DateHeure(std::chrono::system_clock::time_point Instant);
    // The 19 characters of the controller's identification.
    static TOctets Identification();

    // What the event record tells.
    struct TMouchard {
        std::uint32_t Soudures = 0; // total welds
        std::uint16_t IntensiteThermiqueMax = 0;
        std::chrono::system_clock::time_point DateIntensiteMax{};
    };
    static TOctets Mouchard(const TMouchard& Mouchard);

    // One weld as its signature record tells it.
    struct TSoudure {
        std::chrono::system_clock::time_point Instant{};
        int NumeroDefaut = -1; // a fault signature when >= 0
        int Programme = 0;
        int Palier = 1;
        int Electrode = 0;
        std::uint8_t EtatElectrode = 0; // request, end-of-life and degraded-mode bits
        std::uint16_t CompteurPointsAbsolu = 0;
        std::uint16_t CompteurPoints = 0;
        std::uint16_t CompteurRodages = 0;
        std::uint16_t CompteurPointsInterPalier = 0;
        std::uint16_t Intensite = 0;          // measured current (A)
        std::uint16_t PourcentEquivalent = 0; // duty cycle (MF), equivalent percent x 10 (AC)
        std::uint16_t Effort = 0;
        std::uint16_t TempsAccostage = 0;
    };
    // 34 bytes (AC), 36 with MF.
    static TOctets Signature(const TSoudure& Soudure, bool MF);
};

} // namespace g20seq::host
