// What the live views of a connected station show, read from the station's EPROM by the
// thread that follows the controller (the one thread that writes the signature store and
// the polled zones): the real-time list of the latest signatures, the faults present with
// their texts, the diagnostic objects, the controller's clock and the counters of every
// electrode. A plain value, handed to the views, which never touch the EPROM themselves.
#pragma once

#include <g20seq/interface/CustomEprom.h>
#include <g20seq/interface/ZoneInterfaces.h>

#include <string>
#include <vector>

namespace g20seq::host {

// One weld of the real-time list.
struct TSoudureDirecte {
    int Programme = 0;
    std::string DateHeure;
    int Palier = 0;
    int Electrode = 0;
    double Intensite = 0; // A
    int Points = 0;
};

// A fault present on the controller, with the configuration's text of its number (empty
// when the configuration does not define it).
struct TDefautDirect {
    std::string Code;
    std::string Texte;
    bool operator==(const TDefautDirect&) const = default;
};

// A diagnostic object the controller manages.
struct TObjetDirect {
    std::string Nom;
    std::string Description;
    bool Actif = false;
};

// The counters of one electrode as the controller last told them.
struct TCompteursDirects {
    int Electrode = 0;
    int Points = 0;
    int Rodages = 0;
    int Palier = 0;
    int PointsAbsolus = 0;
    TEtatVie EtatCU = evNone;
    TEtatVie EtatFDVE = evNone;
};

struct TEtatStation {
    std::vector<TSoudureDirecte> TempsReel; // oldest first
    std::vector<TDefautDirect> Defauts;
    std::vector<TObjetDirect> Diagnostic;
    std::string Horloge; // empty until the clock was read
    std::vector<TCompteursDirects> Compteurs;
};

// Reads everything the live views show. To be called on the station's following thread.
TEtatStation ReleverEtat(TCustomEprom& Eprom);
// The faults present with their texts.
std::vector<TDefautDirect> DefautsPresents(TCustomEprom& Eprom);
// One weld as a row of the real-time list; false for a zone that is no signature.
bool LireSoudure(TCustomZoneCPS& Signature, TSoudureDirecte& Soudure);
// "OK", "Alarme", "Erreur", "KO", "" for a life state.
const char* EtatVieText(TEtatVie Etat);

} // namespace g20seq::host
