// A tiny host built against the installed package only: it gives the module a data proxy
// and a protocol model of its own, creates the EPROM of a station, reads and changes a
// field by its identifier, compares two images through a difference reporter of its own,
// writes the image into a zone file stream it creates, catches the module's exceptions and
// closes the EPROM, all without a Qt library in the process.
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/eprom/KEVCustomFileStream.h>
#include <g20seq/interface/CustomEprom.h>
#include <g20seq/interface/KEVInterface.h>
#include <g20seq/interface/ProtocolInterface.h>
#include <g20seq/model/DifferenceReporter.h>
#include <g20seq/support/Exceptions.h>
#include <g20seq/support/StringList.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

using namespace g20seq;

namespace {

// The event log of the host: counts the entries.
class ConsumerProxy : public TInterfacedPersistent, public IEventLogProxy {
public:
    THResult QueryInterface(const TGUID& IID, void** Obj) override {
        if (IID != IEventLogProxy::IID)
            return TInterfacedPersistent::QueryInterface(IID, Obj);
        *Obj = static_cast<IEventLogProxy*>(this);
        return THResult::S_OK;
    }
    int AddRef() override { return -1; }
    int Release() override { return -1; }
    int GetLogLevel() override { return 0; }
    void AddLog(const TObject*, const std::string&, const std::string&, const std::string&, int,
                const std::string&) override {
        ++Entries;
    }
    void SetLogLevel(int) override {}
    std::string GetLogFileName() override { return {}; }
    void Flush() override {}

    int Entries = 0;
};

class ConsumerZone : public IZoneProtocole {
public:
    ConsumerZone(Word Size, int Zones) : FSize(Size), FZones(Zones) {}
    THResult QueryInterface(const TGUID&, void** Obj) override {
        *Obj = nullptr;
        return THResult::E_NOINTERFACE;
    }
    int AddRef() override { return -1; }
    int Release() override { return -1; }
    Word GetTailleSendZone() override { return FSize; }
    Word GetTailleReceiveZone() override { return FSize; }
    LongWord GetAdresse() override { return 0; }
    bool IsFileZone() override { return true; }
    bool IsZoneMultiple() override { return FZones > 1; }
    int GetNombreZones() override { return FZones; }

private:
    Word FSize;
    int FZones;
};

// Configuration, electrodes and programs of a G20 station.
class ConsumerProtocol : public TInterfacedPersistent, public IProtocoleModel {
public:
    THResult QueryInterface(const TGUID& IID, void** Obj) override {
        if (IID != IProtocoleModel::IID)
            return TInterfacedPersistent::QueryInterface(IID, Obj);
        *Obj = static_cast<IProtocoleModel*>(this);
        return THResult::S_OK;
    }
    int AddRef() override { return -1; }
    int Release() override { return -1; }
    IZoneProtocole* GetZoneProtocole(TTypeZones TypeZone) override {
        const auto found = FZones.find(TypeZone);
        return found != FZones.end() ? &found->second : nullptr;
    }
    void IncNombreEproms() override { ++Eproms; }
    bool DecNombreEproms() override { return --Eproms == 0; }
    TInterfacedPersistent* CreateAutomate(TObject*) override { return nullptr; }

    int Eproms = 0;

private:
    std::map<TTypeZones, ConsumerZone> FZones = {
        {PrcConfiguration, {183, 1}}, {PrcElectrodes, {79, 16}}, {PrcProgrammes, {163, 128}}};
};

bool Check(bool Condition, const char* What) {
    if (!Condition)
        std::printf("consumer: FAILED %s\n", What);
    return Condition;
}

// Reads the weld time of program 5 by its identifier, then has a refused value raise.
bool ReadAndRefuse(TCustomEprom& Eprom) {
    TZoneHolder zone(&Eprom, PrcProgrammes, 5, false);
    void* found = nullptr;
    TInterfacedPersistent* field = Eprom.GetFieldByID(PrcProgrammes, 5, "IDTempsSoudage");
    if (!Check(zone && field != nullptr &&
                   field->QueryInterface(IKEVField::IID, &found) == THResult::S_OK,
               "field IDTempsSoudage"))
        return false;
    auto* weldTime = static_cast<IKEVField*>(found);
    bool ok = Check(weldTime->GetAsString() == "0", "default weld time");
    try {
        weldTime->SetAsString("5000");
        ok = Check(false, "a weld time of 5000 is refused");
    } catch (const EFieldError& error) {
        ok = Check(std::string(error.what()).find("5000") == 0, "refusal message") && ok;
    }
    return ok;
}

// Keeps the differences the module reports.
class ConsumerDifferences : public TDifferenceReporter {
public:
    void Report(const TFieldDifference& Difference) override { Differences.push_back(Difference); }
    std::vector<TFieldDifference> Differences;
};

// Changes the weld time of program 5 in Other and compares Eprom with it.
bool CompareImages(TCustomEprom& Eprom, TCustomEprom& Other) {
    TZoneHolder zone(&Other, PrcProgrammes, 5, false);
    void* found = nullptr;
    TInterfacedPersistent* field = Other.GetFieldByID(PrcProgrammes, 5, "IDTempsSoudage");
    if (!Check(zone && field != nullptr &&
                   field->QueryInterface(IKEVField::IID, &found) == THResult::S_OK,
               "field IDTempsSoudage of the other image"))
        return false;
    static_cast<IKEVField*>(found)->SetAsString("12");
    ConsumerDifferences reporter;
    TReportingDifferenceList differences(reporter);
    const bool equal = Eprom.EqualsZones(&Other, &differences);
    const TFieldDifference expected{
        TDifferenceZone{PrcProgrammes, 5}, "IDTempsSoudage", "0", "12", {}, {}};
    return Check(!equal && reporter.Differences == std::vector<TFieldDifference>{expected} &&
                     DifferenceLine(expected) == "IDTempsSoudage=\"0\",\"12\"",
                 "differences reported");
}

// Writes the image into a zone file the host creates, and reads its identification back.
bool WriteImage(TCustomEprom& Eprom) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "g20seq-consumer.g20").string();
    bool ok = Check(Eprom.SaveToNewFile(new TKevCustomFileStream(path, fmCreate, false)),
                    "SaveToNewFile");
    Eprom.CloseFile();
    try {
        TKevCustomFileStream file(path, fmOpenRead | fmShareDenyNone, false);
        ok = Check(file.GetIdentification() == "GA_Consu", "identification") && ok;
    } catch (const Exception& error) {
        ok = Check(false, error.what());
    }
    std::filesystem::remove(path);
    return ok;
}

} // namespace

// Whether a Qt library is mapped into this process: a host without windows must not load
// one through the module.
bool QtLoaded() {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find("libQt") != std::string::npos)
            return true;
    return false;
}

int main() {
    ConsumerProxy proxy;
    ConsumerProtocol protocol;
    SetDataProxy(&proxy);
    const std::string handle = std::to_string(NouvelleEprom("GA_Consumer", &protocol));
    TCustomEprom* eprom = ChercheInstance(handle.c_str());
    bool ok = Check(eprom != nullptr && protocol.Eproms == 1, "EPROM created");
    if (eprom != nullptr) {
        TStringList types;
        eprom->GetTypeLogicalZones(&types);
        ok = Check(types.Count() > 0, "logical zone types") && ok;
        ok = ReadAndRefuse(*eprom) && ok;
        const std::string other = std::to_string(NouvelleEprom("GA_Other", &protocol));
        if (TCustomEprom* source = ChercheInstance(other.c_str()))
            ok = CompareImages(*eprom, *source) && ok;
        FermeEprom(other.c_str());
        ok = WriteImage(*eprom) && ok;
    }
    try {
        NouvelleEprom("XX_Consumer", &protocol);
        ok = Check(false, "an unknown station is refused");
    } catch (const Exception& error) {
        ok = Check(std::string(error.what()).find("not handled") != std::string::npos,
                   "refusal of an unknown station") &&
             ok;
    }
    FermeEprom(handle.c_str());
    ok = Check(protocol.Eproms == 0, "EPROM closed") && Check(proxy.Entries > 0, "log entries") &&
         ok;
    ok = Check(!QtLoaded(), "no Qt library loaded") && ok;
    SetDataProxy(nullptr);
    std::puts(ok ? "consumer: the installed module works for a host" : "consumer: FAILED");
    return ok ? 0 : 1;
}
