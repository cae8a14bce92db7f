#include "eprom/EpromG20.h"

#include "support/EpromTestKit.h"
#include "zones/LienProcess.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

constexpr Word fmShared = fmOpenRead | fmShareDenyNone;       // what the EPROM opens
constexpr Word fmWorking = fmOpenReadWrite | fmShareDenyNone; // a host's working file
constexpr const char* SmallImage = "image/ac_small.hex";

// The in-file zones of a G20 station per zone type: how many, on which variants, and the
// block a fresh station writes for every one of them (AC, MF).
enum TVariantes { AC = 1, MF = 2, Tous = AC | MF };
struct TInFile {
    TTypeZones TypeZone;
    int Count;
    int Variantes;
    const char* FreshAC;
    const char* FreshMF;
};
constexpr TInFile InFileZones[] = {
    {PrcConfiguration, 1, Tous, "configuration/fresh_ac_fieldbus.hex",
     "configuration/fresh_mf.hex"},
    {PrcElectrodes, 16, Tous, "electrode/fresh_ac_50hz.hex", "electrode/fresh_mf_50hz.hex"},
    {PrcCompteurs, 16, Tous, "counters/file_fresh.hex", "counters/file_fresh.hex"},
    {PrcProgrammes, 128, Tous, "programme/prog_fresh_ac.hex", "programme/prog_fresh_mf.hex"},
    {PrcApprentissage, 16, MF, nullptr, "image/learning_fresh.hex"},
    {PrcLienProcessAvance, 128, Tous, "image/lienprocess_fresh.hex", "image/lienprocess_fresh.hex"},
    {PrcAssignationPoint, 128, Tous, "points/points_invalid_default.hex",
     "points/points_invalid_default.hex"},
    {PrcFraise, 4, Tous, "cutter/fresh.hex", "cutter/fresh.hex"},
    {PrcCompteurFraise, 4, Tous, "cuttercounters/fresh.hex", "cuttercounters/fresh.hex"},
};

class EpromFilesTest : public EpromFixture {
protected:
    std::unique_ptr<TEpromG20> New(const std::string& Name = "GA_Image") {
        return TEpromG20::New(Name, &Protocol);
    }
    std::string Path(const std::string& Name = "image.kev") const { return Scratch.Path(Name); }
    // A stream the host hands over to an EPROM.
    TKevCustomFileStream* Stream(const std::string& Name, Word Mode = fmWorking) const {
        return new TKevCustomFileStream(Path(Name), Mode, true);
    }
    TBytes Contents(const std::string& Name = "image.kev") const { return ReadBytes(Path(Name)); }
    // Saves the image of Eprom into a new file, then works on that file.
    void SaveImage(TEprom& Eprom, const std::string& Name = "image.kev") const {
        ASSERT_TRUE(Eprom.SaveToNewFile(Stream(Name, fmCreate)));
        Eprom.CloseFile();
        ASSERT_TRUE(Eprom.ReadFromFile(Stream(Name)));
    }
    // Zones are freed on their last release: a change made in memory lasts while the zone
    // is held.
    static void SetTemps(const TZoneHolder& Programme, int Value) {
        Programme.As<TZoneCPS>()->SetAsInteger("IDTempsSoudage", Value);
    }
    static int Temps(TEprom& Eprom, int Numero) {
        TZoneHolder programme(&Eprom, PrcProgrammes, Numero);
        return programme.As<TZoneCPS>()->GetAsInteger("IDTempsSoudage");
    }
    static std::string Commentaire(TEprom& Eprom, int Numero) {
        TZoneHolder lien(&Eprom, PrcLienProcessAvance, Numero);
        return lien.As<TLienProcess>()->GetCommentaire();
    }
    TScratchDir Scratch;
};

} // namespace

TEST_F(EpromFilesTest, NewFileHoldsTheFreshBlockOfEveryInFileZoneAndReadsBackIdentical) {
    for (const std::string name : {"GA_Line3_Robot2", "GM_Line3_Robot2"}) {
        const auto eprom = New(name);
        SaveImage(*eprom);
        TKevCustomFileStream reopened(Path(), fmShared, false);
        EXPECT_EQ(reopened.GetIdentification(), name.substr(0, 8));
        const int variante = name[1] == 'M' ? MF : AC;
        std::map<int, int> expected;
        for (const TInFile& zones : InFileZones) {
            if ((zones.Variantes & variante) == 0)
                continue;
            expected[zones.TypeZone] = zones.Count;
            const TBytes vector = ReadHexVector(variante == MF ? zones.FreshMF : zones.FreshAC);
            const int size = static_cast<int>(vector.size());
            for (int numero = 0; numero < zones.Count; ++numero) {
                TByteArray buffer{};
                ASSERT_TRUE(reopened.ReadZone(zones.TypeZone, numero, buffer, size));
                ASSERT_EQ(ToHex(FromPayload(buffer, 0, size)), ToHex(vector))
                    << name << " " << TypeZoneName(zones.TypeZone) << "=" << numero;
            }
        }
        std::map<int, int> blocks;
        int total = 0;
        for (const auto& [type, numbers] : reopened.GetHeaderMap()) {
            blocks[type] = static_cast<int>(numbers.size());
            total += blocks[type];
        }
        EXPECT_EQ(blocks, expected) << name;
        EXPECT_EQ(total, variante == MF ? 441 : 425);
        EXPECT_EQ(eprom->GetFichierTypeEprom(Path()), name.substr(0, 8));

        TStringList differences;
        EXPECT_TRUE(eprom->EqualsFichier(&differences, Path()));
        EXPECT_EQ(differences.Count(), 0);
        const TZoneHolder programme(eprom.get(), PrcProgrammes, 5);
        SetTemps(programme, 12);
        EXPECT_FALSE(eprom->EqualsFichier(&differences, Path()));
        EXPECT_EQ(differences.Text(), "IDTempsSoudage=\"12\",\"0\"\r\n");
    }
}

TEST_F(EpromFilesTest, SavedEditorCopyReachesTheFileAndEveryHolder) {
    const auto eprom = New();
    SaveImage(*eprom);
    const std::size_t size = Contents().size();
    TZoneHolder holder(eprom.get(), PrcProgrammes, 7);
    const std::unique_ptr<TCustomZoneCPS> copy = holder->Duplicate();
    dynamic_cast<TZoneCPS&>(*copy).SetAsInteger("IDTempsSoudage", 33);
    Proxy.ClearLogs();
    EXPECT_TRUE(eprom->SaveZoneToFile(copy.get()));
    EXPECT_EQ(holder.As<TZoneCPS>()->GetAsInteger("IDTempsSoudage"), 33);
    std::vector<std::string> saved;
    for (const LogEntry& entry : Proxy.Logs())
        if (entry.Source == "SaveZoneCPSToCustomFile")
            saved.push_back(entry.Text1 + "|" + entry.Text2 + "|" + std::to_string(entry.Level) +
                            "|" + entry.Category);
    const std::string label = copy->ZoneLabel();
    EXPECT_EQ(saved, (std::vector<std::string>{
                         "Label: " + label + "- TypeZone :29 - Size : 163||0|GA_Image",
                         "mise à jour de la zone chargée momentanément en mémoire|" + label +
                             "|2|Eprom"}));
    EXPECT_EQ(Contents().size(), size);

    const auto other = New();
    ASSERT_TRUE(other->ReadFromFile(Stream("image.kev", fmShared)));
    EXPECT_EQ(Temps(*other, 7), 33);
    EXPECT_FALSE(eprom->SaveZoneToFile(nullptr));
    EXPECT_EQ(CountText1(Proxy, "aZone=nil"), 1);
}

TEST_F(EpromFilesTest, ReferenceFileCopiesAndRestoresTheImage) {
    const auto eprom = New();
    SaveImage(*eprom);
    ASSERT_TRUE(eprom->SaveToNewRefFile(Stream("ref.kev", fmCreate)));
    EXPECT_EQ(Contents("ref.kev"), Contents());
    EXPECT_FALSE(eprom->SaveToNewRefFile(eprom->GetFichier())); // one owner per stream

    ASSERT_TRUE(eprom->FreeRefFile());
    ASSERT_TRUE(eprom->ReadFromRefFile(Stream("ref.kev")));
    const TZoneHolder programme(eprom.get(), PrcProgrammes, 3);
    SetTemps(programme, 44);
    ASSERT_TRUE(eprom->SaveZoneToFile(programme.Get()));
    EXPECT_NE(Contents("ref.kev"), Contents());
    const std::unique_ptr<TCustomZoneCPS> reference = eprom->GetZoneRef(programme.Get());
    EXPECT_EQ(dynamic_cast<TZoneCPS&>(*reference).GetAsInteger("IDTempsSoudage"), 0);
    EXPECT_TRUE(reference->GetLoadToCPS());

    EXPECT_TRUE(eprom->PartialCopyRef());
    EXPECT_EQ(Temps(*eprom, 3), 0);
    EXPECT_EQ(Contents("ref.kev"), Contents());

    SetTemps(programme, 45);
    ASSERT_TRUE(eprom->SaveZoneToFile(programme.Get()));
    EXPECT_TRUE(eprom->SaveToRefFile(nullptr));
    EXPECT_EQ(Contents("ref.kev"), Contents());
}

TEST_F(EpromFilesTest, EqualsZonesWithoutSourceComparesWithTheReferenceFile) {
    const auto eprom = New();
    SaveImage(*eprom);
    ASSERT_TRUE(eprom->SaveToNewRefFile(Stream("ref.kev", fmCreate)));
    // Opened again, the reference file knows its blocks.
    eprom->FreeRefFile();
    ASSERT_TRUE(eprom->ReadFromRefFile(Stream("ref.kev")));
    TStringList differences;
    EXPECT_TRUE(eprom->EqualsZones(nullptr, &differences));
    EXPECT_EQ(differences.Count(), 0);
    {
        const TZoneHolder programme(eprom.get(), PrcProgrammes, 3);
        SetTemps(programme, 7);
        EXPECT_FALSE(eprom->EqualsZones(nullptr, &differences));
        EXPECT_EQ(differences.Text(), "IDTempsSoudage=\"7\",\"0\"\r\n");
        ASSERT_TRUE(eprom->SaveZoneRef(programme.Get()));
    }
    // Given back, the program is read again from the working file, which still holds 0.
    differences.Clear();
    EXPECT_FALSE(eprom->EqualsZones(nullptr, &differences));
    EXPECT_EQ(differences.Text(), "IDTempsSoudage=\"0\",\"7\"\r\n");
}

TEST_F(EpromFilesTest, MissingOrMisfitBlocksFailWithoutTouchingTheFile) {
    WriteBytes(Path(), ReadHexVector(SmallImage)); // program 5, not programs 6 and 9
    {
        TKevCustomFileStream stream(Path(), fmWorking, true);
        stream.WriteZone(PrcProgrammes, 6, TByteArray{}, 100); // a block of the wrong size
        TByteArray garbage;
        garbage.fill(0xFF);
        stream.WriteZone(PrcProgrammes, 8, garbage, 163); // a block that does not decode
    }
    const auto eprom = New();
    ASSERT_TRUE(eprom->ReadFromFile(Stream("image.kev")));
    const TBytes before = Contents();

    TZoneHolder programme(eprom.get(), PrcProgrammes, 6);
    EXPECT_EQ(CountText1(Proxy, SFileBlocFormatIncorrect), 1);
    EXPECT_FALSE(eprom->SaveZoneToFile(programme.Get()));
    EXPECT_EQ(CountText1(Proxy, SFileReecriture), 1);
    Proxy.ClearLogs();
    TZoneHolder refused(eprom.get(), PrcProgrammes, 8);
    EXPECT_EQ(Proxy.CountLogs("Lecture de la zone " + refused->ZoneLabel()), 1);
    ASSERT_EQ(CountText1(Proxy, "Erreur de decodage"), 1);
    for (const LogEntry& entry : Proxy.Logs()) {
        if (entry.Text1 == "Erreur de decodage") {
            EXPECT_EQ(entry.Source + "|" + std::to_string(entry.Level) + "|" + entry.Category,
                      "ReadZoneCPSFromCustomFile|3|Eprom");
        }
    }
    TZoneHolder absent(eprom.get(), PrcProgrammes, 9);
    EXPECT_FALSE(eprom->SaveZoneToFile(absent.Get()));
    EXPECT_EQ(CountText1(Proxy, "SearchBlocHeader"), 1);
    EXPECT_EQ(Contents(), before);
}

TEST_F(EpromFilesTest, OlderProcessLinksAreConvertedOnReading) {
    const auto eprom = New();
    {
        TLienProcess ancien(eprom.get(), PrcLienProcess, 7, nullptr);
        ancien.SetCommentaire("Lien d'origine");
        TKevCustomFileStream old(Path(), fmCreate, true);
        old.SetIdentification("GA_Old");
        TByteArray buffer{};
        old.WriteZone(PrcLienProcess, 7, buffer, ancien.FileEncode(buffer, 0, 1070));
    }
    ASSERT_TRUE(eprom->ReadFromFile(Stream("image.kev")));
    EXPECT_EQ(Commentaire(*eprom, 7), "Lien d'origine");
    EXPECT_EQ(Commentaire(*eprom, 8), "");

    const TKevCustomFileStream reopened(Path(), fmShared, false);
    ASSERT_EQ(reopened.GetHeaderMap().count(PrcLienProcessAvance), 1u);
    EXPECT_EQ(reopened.GetHeaderMap().at(PrcLienProcessAvance).count(7), 1u);
    const auto other = New();
    ASSERT_TRUE(other->ReadFromFile(Stream("image.kev", fmShared)));
    EXPECT_EQ(Commentaire(*other, 7), "Lien d'origine");
}

TEST_F(EpromFilesTest, AnOlderProcessLinkOfTheWrongSizeIsReportedAgainstItselfAndTheTraceEnds) {
    const auto eprom = New();
    {
        TKevCustomFileStream old(Path(), fmCreate, true);
        old.SetIdentification("GA_Old");
        old.WriteZone(PrcLienProcess, 7, TByteArray{}, 100);
    }
    ASSERT_TRUE(eprom->ReadFromFile(Stream("image.kev")));
    Proxy.ClearLogs();
    EXPECT_EQ(Commentaire(*eprom, 7), "");
    std::vector<std::string> conversion;
    for (const LogEntry& entry : Proxy.Logs())
        if (entry.Source == "ConversionLiensProcess" || entry.Source == "ReadZoneCPSFromCustomFile")
            conversion.push_back(entry.Source + "|" + entry.Text1 + "|" + entry.Text2 + "|" +
                                 std::to_string(entry.Level) + "|" + entry.Category);
    const std::string ancien = TLienProcess(eprom.get(), PrcLienProcess, 7, nullptr).ZoneLabel();
    EXPECT_EQ(conversion, (std::vector<std::string>{
                              "ConversionLiensProcess|" + std::string(SFileBlocFormatIncorrect) +
                                  "|Lecture de la zone " + ancien + "|2|Eprom",
                              "ConversionLiensProcess|Fin||0|GA_Image"}));
}

TEST_F(EpromFilesTest, SmallAcImageByteForByte) {
    const TBytes vector = ReadHexVector(SmallImage);
    const auto eprom = New();
    const TZoneHolder programme(eprom.get(), PrcProgrammes, 5);
    SetTemps(programme, 25);
    const TZoneHolder lien(eprom.get(), PrcLienProcessAvance, 5);
    lien.As<TLienProcess>()->SetCommentaire("Point 5");
    SaveImage(*eprom);
    const TBytes image = Contents();
    ASSERT_GE(image.size(), vector.size());
    EXPECT_EQ(ToHex(std::span(image).first(TFileHeader::Size)),
              ToHex(std::span(vector).first(TFileHeader::Size)));
    // The vector's blocks, each found at the position its header gives in the image.
    for (std::size_t start = TFileHeader::Size; start + TBlocHeader::Size <= vector.size();) {
        TBlocHeader::TImage header;
        std::copy_n(vector.begin() + static_cast<std::ptrdiff_t>(start), header.size(),
                    header.begin());
        const TBlocHeader bloc = TBlocHeader::Decode(header);
        const std::size_t length = TBlocHeader::Size + static_cast<std::size_t>(bloc.DataSize);
        ASSERT_LE(start + length, vector.size());
        EXPECT_EQ(ToHex(std::span(image).subspan(bloc.DataPosition - TBlocHeader::Size, length)),
                  ToHex(std::span(vector).subspan(start, length)))
            << "block " << bloc.DataType << "=" << bloc.DataNumber;
        start += length;
    }

    WriteBytes(Path("small.kev"), vector);
    const auto reader = New();
    ASSERT_TRUE(reader->ReadFromFile(Stream("small.kev", fmShared)));
    EXPECT_EQ(Temps(*reader, 5), 25);
    EXPECT_EQ(Commentaire(*reader, 5), "Point 5");
}
