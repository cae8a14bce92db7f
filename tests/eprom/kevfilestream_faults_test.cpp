#include "eprom/EpromG20.h"
#include "eprom/FichierES.h"
#include "model/DataProxy.h"

#include "support/EpromTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

enum class TAppel { Lecture, Ecriture, Sync };

// The faults a disk gives. A short write moves half of the bytes and the disk is full from
// then on; a truncated file gives half of the bytes asked for and nothing after them.
struct TPanne {
    const char* Nom;
    TAppel Appel;
    int Errno; // 0: fewer bytes instead of an error
};
constexpr TPanne Pannes[] = {
    {"short write", TAppel::Ecriture, 0},    {"ENOSPC", TAppel::Ecriture, ENOSPC},
    {"EIO on write", TAppel::Ecriture, EIO}, {"fsync failure", TAppel::Sync, EIO},
    {"truncation", TAppel::Lecture, 0},      {"EIO on read", TAppel::Lecture, EIO},
};

// Counts the calls of each kind and fails the one at Position with the fault given.
class TFichierESPanne : public TFichierES {
public:
    // Counts from zero again and fails the call at Position (no call without a fault).
    void Arme(const TPanne* Panne, int Position) {
        *this = TFichierESPanne();
        FPanne = Panne;
        FPosition = Position;
    }

    ssize_t ReadAt(int Handle, void* Buffer, std::size_t Count, Int64 Offset) override {
        if (Declenche(TAppel::Lecture, Lectures++)) {
            if (FPanne->Errno != 0)
                return Erreur(FPanne->Errno);
            FFin = Offset + static_cast<Int64>(Count / 2);
        }
        if (Offset >= FFin)
            return 0;
        Count = std::min<std::size_t>(Count, static_cast<std::size_t>(FFin - Offset));
        return FichierESSysteme().ReadAt(Handle, Buffer, Count, Offset);
    }
    ssize_t WriteAt(int Handle, const void* Buffer, std::size_t Count, Int64 Offset) override {
        if (Declenche(TAppel::Ecriture, Ecritures++)) {
            if (FPanne->Errno != 0)
                return Erreur(FPanne->Errno);
            FPlein = true;
            return FichierESSysteme().WriteAt(Handle, Buffer, Count / 2, Offset);
        }
        if (FPlein)
            return Erreur(ENOSPC);
        return FichierESSysteme().WriteAt(Handle, Buffer, Count, Offset);
    }
    Int64 Size(int Handle) override { return FichierESSysteme().Size(Handle); }
    int Sync(int Handle) override {
        return Declenche(TAppel::Sync, Syncs++) ? Erreur(FPanne->Errno)
                                                : FichierESSysteme().Sync(Handle);
    }
    int Truncate(int Handle, Int64 Length) override {
        return FichierESSysteme().Truncate(Handle, Length);
    }

    int Appels(TAppel Appel) const {
        return Appel == TAppel::Lecture ? Lectures : Appel == TAppel::Ecriture ? Ecritures : Syncs;
    }
    bool Declenchee = false;

private:
    bool Declenche(TAppel Appel, int Rang) {
        const bool panne = FPanne != nullptr && FPanne->Appel == Appel && Rang == FPosition;
        Declenchee = Declenchee || panne;
        return panne;
    }
    static int Erreur(int Code) {
        errno = Code;
        return -1;
    }
    const TPanne* FPanne = nullptr;
    int FPosition = -1;
    int Lectures = 0;
    int Ecritures = 0;
    int Syncs = 0;
    Int64 FFin = INT64_MAX;
    bool FPlein = false;
};

// Installs an access for the streams opened in its lifetime.
struct TAccesInstalle {
    explicit TAccesInstalle(TFichierES* Acces) : Precedent(InstalleFichierES(Acces)) {}
    ~TAccesInstalle() { InstalleFichierES(Precedent); }
    TFichierES* Precedent;
};

constexpr Word fmWorking = fmOpenReadWrite | fmShareDenyNone;
constexpr int Programme = 3;
constexpr int TempsImage = 12;   // saved in both files
constexpr int TempsMemoire = 17; // in memory only

// A station whose working and reference files hold program 3 with TempsImage; the program
// is held with TempsMemoire.
struct TBanc {
    TBanc() : Installe(&Acces) {
        Eprom = TEpromG20::New("GA_Image", &Protocol);
        Tenu = TZoneHolder(Eprom.get(), PrcProgrammes, Programme);
        TempsDefaut = Temps();
        SetTemps(TempsImage);
        EXPECT_TRUE(Eprom->SaveToNewFile(Stream("image.kev", fmCreate)));
        EXPECT_TRUE(Eprom->SaveToNewRefFile(Stream("ref.kev", fmCreate)));
        // Blocks appended are indexed when the file is opened again.
        Eprom->CloseFile();
        Eprom->FreeRefFile();
        EXPECT_TRUE(Eprom->ReadFromFile(Stream("image.kev", fmWorking)));
        EXPECT_TRUE(Eprom->ReadFromRefFile(Stream("ref.kev", fmWorking)));
        SetTemps(TempsMemoire);
    }
    TKevCustomFileStream* Stream(const std::string& Name, Word Mode) const {
        return new TKevCustomFileStream(Scratch.Path(Name), Mode, true);
    }
    void SetTemps(int Value) const { Tenu.As<TZoneCPS>()->SetAsInteger("IDTempsSoudage", Value); }
    int Temps() const { return Tenu.As<TZoneCPS>()->GetAsInteger("IDTempsSoudage"); }
    // An editor's copy of the program with Value.
    std::unique_ptr<TCustomZoneCPS> Copie(int Value) const {
        std::unique_ptr<TCustomZoneCPS> copie = Tenu.As<TZoneCPS>()->Duplicate();
        static_cast<TZoneCPS*>(copie.get())->SetAsInteger("IDTempsSoudage", Value);
        return copie;
    }

    // Every stream of the bench uses the faulty access, armed only during the operation.
    TFichierESPanne Acces;
    TAccesInstalle Installe;
    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    TScratchDir Scratch;
    std::unique_ptr<TEpromG20> Eprom;
    TZoneHolder Tenu;
    int TempsDefaut = 0;
    std::unique_ptr<TCustomZoneCPS> Editeur;
    TKevCustomFileStream* Nouveau = nullptr;
};

// An EPROM file operation: what is made before the fault is armed, the operation, its
// answer under a write fault and under a read fault, whether it reads the held program
// again (which then holds either its value in memory or the one in the file) and the file
// it must leave as it is.
struct TOperation {
    const char* Nom;
    std::function<void(TBanc&)> Prepare;
    std::function<bool(TBanc&)> Operation;
    bool ReponseEcriture;
    bool ReponseLecture;
    bool Relit;
    const char* Intact;
};
const TOperation Operations[] = {
    {"SaveToNewFile", [](TBanc&) {},
     [](TBanc& B) { return B.Eprom->SaveToNewFile(B.Stream("copie.kev", fmCreate)); }, false, false,
     false, "image.kev"},
    {"SaveZoneToFile", [](TBanc& B) { B.Editeur = B.Copie(40); },
     [](TBanc& B) { return B.Eprom->SaveZoneToFile(B.Editeur.get()); }, false, false, false,
     "ref.kev"},
    {"SaveZoneRef", [](TBanc& B) { B.Editeur = B.Copie(40); },
     [](TBanc& B) { return B.Eprom->SaveZoneRef(B.Editeur.get()); }, false, false, false,
     "image.kev"},
    {"SaveToNewRefFile", [](TBanc& B) { B.Eprom->FreeRefFile(); },
     [](TBanc& B) { return B.Eprom->SaveToNewRefFile(B.Stream("ref2.kev", fmCreate)); }, false,
     false, false, "image.kev"},
    // Every zone is written, failed ones logged; the answer says only that a file was there.
    {"SaveToRefFile", [](TBanc&) {}, [](TBanc& B) { return B.Eprom->SaveToRefFile(nullptr); }, true,
     true, false, "image.kev"},
    // The answer says that a file was given; a zone whose read fails keeps what it holds.
    {"ReadFromFile", [](TBanc& B) { B.Nouveau = B.Stream("image.kev", fmWorking); },
     [](TBanc& B) { return B.Eprom->ReadFromFile(B.Nouveau); }, true, true, true, "image.kev"},
    // First access of program 5: it keeps its default values.
    {"first access", [](TBanc&) {},
     [](TBanc& B) {
         const TZoneHolder zone(B.Eprom.get(), PrcProgrammes, 5);
         return zone.As<TZoneCPS>() != nullptr &&
                zone.As<TZoneCPS>()->GetAsInteger("IDTempsSoudage") == B.TempsDefaut;
     },
     true, true, false, "image.kev"},
};

// The calls of a long operation repeat the same few paths: the first and last calls are
// all tried, those between them at even steps, so that a run stays short. With
// G20SEQ_FAULTS_EVERY_CALL set, every call is tried (some minutes).
constexpr int Bord = 12;
constexpr int Milieu = 16;
int Suivante(int Position, int Total) {
    static const bool chaque = std::getenv("G20SEQ_FAULTS_EVERY_CALL") != nullptr;
    if (chaque || Position < Bord - 1 || Position >= Total - Bord)
        return Position + 1;
    return std::min(Total - Bord, Position + std::max(1, (Total - 2 * Bord) / Milieu));
}

// Runs Op with the fault given at Position: its answer, whether an exception escaped, whether
// the fault was met, the calls made and how many stream errors were logged.
struct TResultat {
    bool Reponse = false;
    bool Exception = false;
    bool Declenchee = false;
    int Appels[3] = {};
    std::size_t Anomalies = 0;
};
TResultat Execute(const TOperation& Op, TBanc& Banc, const TPanne* Panne, int Position) {
    Op.Prepare(Banc);
    const auto anomalies = [&Banc] {
        std::size_t count = 0;
        for (const LogEntry& entry : Banc.Proxy.Logs())
            count += entry.Level >= LogAnomaly &&
                     (entry.Text1 == SReadError || entry.Text1 == SWriteError);
        return count;
    };
    const std::size_t avant = anomalies();
    TResultat resultat;
    Banc.Acces.Arme(Panne, Position);
    try {
        resultat.Reponse = Op.Operation(Banc);
    } catch (...) {
        resultat.Exception = true;
    }
    resultat.Declenchee = Banc.Acces.Declenchee;
    for (const TAppel appel : {TAppel::Lecture, TAppel::Ecriture, TAppel::Sync})
        resultat.Appels[static_cast<int>(appel)] = Banc.Acces.Appels(appel);
    Banc.Acces.Arme(nullptr, -1);
    resultat.Anomalies = anomalies() - avant;
    return resultat;
}

} // namespace

TEST(KEVFileStreamFaultsTest, EveryFileOperationAnswersAndLogsUnderEveryFaultAtEveryCall) {
    for (const TOperation& op : Operations) {
        SCOPED_TRACE(op.Nom);
        int essais = 0;
        std::string detail;
        for (const TPanne& panne : Pannes) {
            int positions = 0;
            {
                TBanc banc;
                const TResultat sain = Execute(op, banc, nullptr, -1);
                ASSERT_FALSE(sain.Exception);
                positions = sain.Appels[static_cast<int>(panne.Appel)];
            }
            int essaye = 0;
            for (int position = 0; position < positions; position = Suivante(position, positions)) {
                ++essaye;
                SCOPED_TRACE(std::string(panne.Nom) + " at call " + std::to_string(position));
                TBanc banc;
                const TBytes intact = ReadBytes(banc.Scratch.Path(op.Intact));
                const TResultat resultat = Execute(op, banc, &panne, position);
                ASSERT_TRUE(resultat.Declenchee);
                EXPECT_FALSE(resultat.Exception);
                EXPECT_EQ(resultat.Reponse,
                          panne.Appel == TAppel::Lecture ? op.ReponseLecture : op.ReponseEcriture);
                EXPECT_GE(resultat.Anomalies, 1U);
                if (!op.Relit || banc.Temps() != TempsImage) {
                    EXPECT_EQ(banc.Temps(), TempsMemoire);
                }
                EXPECT_EQ(ReadBytes(banc.Scratch.Path(op.Intact)), intact);
            }
            essais += essaye;
            detail += " " + std::string(panne.Nom) + ":" + std::to_string(essaye) + "/" +
                      std::to_string(positions);
        }
        std::printf("[ faults   ] %s: %d positions tried (tried/calls:%s)\n", op.Nom, essais,
                    detail.c_str());
    }
}
