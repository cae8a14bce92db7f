#include "HostTestFiles.h"
#include "services/DataProxy.h"
#include "services/IniFile.h"
#include <g20seq/interface/ProtocolInterface.h>

#include <gtest/gtest.h>

#include <sstream>

using namespace g20seq;
using namespace g20seq::host;
using g20seq::hosttest::HostFilesTest;
using g20seq::hosttest::ReadText;
using g20seq::hosttest::WriteText;

namespace {

class Sender : public TObject {
public:
    std::string ClassName() const override { return "TSender"; }
};

template <class TService> TService* Service(TDataProxy& Proxy) {
    void* service = nullptr;
    return Proxy.QueryInterface(TService::IID, &service) == THResult::S_OK
               ? static_cast<TService*>(service)
               : nullptr;
}

using ServicesTest = HostFilesTest;

} // namespace

TEST(IniFile, ReadsCommentsBomAndLineEndsAndWritesBackInOrder) {
    TIniFile ini;
    ini.SetText("\xEF\xBB\xBF; comment\r\n[General]\r\nFrequenceSecteur = 60\r\n# other\r\n"
                "Vide=\r\n[IDOnglet]\r\nIDTabTemps=Temps\r\nflag=Oui\r\n");
    EXPECT_EQ(ini.ReadString("General", "FrequenceSecteur", ""), "60");
    EXPECT_EQ(ini.ReadString("General", "Vide", "x"), "");
    EXPECT_EQ(ini.ReadString("General", "Absent", "x"), "x");
    EXPECT_EQ(ini.ReadString("IDOnglet", "idtabtemps", "case"), "case");
    EXPECT_TRUE(ini.ReadBool("IDOnglet", "flag", false));
    EXPECT_TRUE(ini.ReadBool("IDOnglet", "IDTabTemps", true)) << "not a boolean: default";
    ini.WriteString("General", "FrequenceSecteur", "50");
    ini.WriteBool("Editeurs", "MasquerGraphes", true);
    EXPECT_EQ(ini.Text(), "[General]\nFrequenceSecteur=50\nVide=\n\n[IDOnglet]\n"
                          "IDTabTemps=Temps\nflag=Oui\n\n[Editeurs]\nMasquerGraphes=1\n");
}

TEST_F(ServicesTest, DataProxyAnswersEachServiceByItsIdentifier) {
    TDataProxy proxy;
    EXPECT_EQ(Service<IEventLogProxy>(proxy), &proxy.EventLog());
    EXPECT_EQ(Service<ITranslationProxy>(proxy), &proxy.Translations());
    EXPECT_EQ(Service<ISettingsProxy>(proxy), &proxy.Settings());
    void* none = &proxy;
    EXPECT_EQ(proxy.QueryInterface(IProtocoleModel::IID, &none), THResult::E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
}

TEST_F(ServicesTest, TranslationsFromCataloguesOrTheFrenchDefaults) {
    TDataProxy proxy;
    ITranslationProxy& translations = proxy.Translations();
    EXPECT_EQ(translations.Translate("IDOnglet", "IDTabTemps", "Temps"), "Temps");
    WriteText(File("en.ini"), "[IDOnglet]\nIDTabTemps=Times\n[Messages]\nMessQuitter=Quit?\n");
    EXPECT_TRUE(proxy.Translations().LoadCatalogue(File("en.ini")));
    EXPECT_FALSE(proxy.Translations().LoadCatalogue(File("missing.ini")));
    EXPECT_EQ(translations.Translate("IDOnglet", "IDTabTemps", "Temps"), "Times");
    EXPECT_EQ(translations.TranslateMessage("IDOnglet", "IDTabCU", "CU"), "CU");

    proxy.Dialogs().QueueAnswer(mrNo);
    EXPECT_EQ(translations.MessageDlg("Messages", "MessQuitter", "Quitter ?", mtConfirmation,
                                      mbYes | mbNo),
              mrNo);
    ASSERT_EQ(proxy.Dialogs().Questions().size(), 1u);
    EXPECT_EQ(proxy.Dialogs().Questions()[0].Text, "Quit?");
}

TEST(Dialogs, AnswerByScriptThenByPolicyAndRefuseWithoutOne) {
    struct Case {
        TDialogPolicy Policy;
        TMsgDlgButtons Buttons;
        int Answer;
    };
    const Case cases[] = {
        {TDialogPolicy::Yes, mbYes | mbNo, mrYes},
        {TDialogPolicy::Yes, mbOK | mbCancel, mrOk},
        {TDialogPolicy::No, mbYes | mbNo | mbCancel, mrNo},
        {TDialogPolicy::No, mbOK | mbCancel, mrCancel},
        {TDialogPolicy::Refuse, mbYes | mbNo | mbCancel, mrCancel},
        {TDialogPolicy::Refuse, mbYes | mbNo, mrNo},
        {TDialogPolicy::Refuse, mbOK, mrOk},
    };
    for (const Case& c : cases) {
        TDialogs dialogs;
        dialogs.SetPolicy(c.Policy);
        EXPECT_EQ(dialogs.Ask("?", mtConfirmation, c.Buttons), c.Answer) << c.Buttons;
    }
    TDialogs dialogs;
    std::ostringstream messages;
    dialogs.SetMessageStream(&messages);
    dialogs.QueueAnswer(mrYes);
    EXPECT_EQ(dialogs.Ask("Continuer ?", mtConfirmation, mbYes | mbNo), mrYes);
    EXPECT_TRUE(messages.str().empty()) << "scripted answers print nothing";
    EXPECT_EQ(dialogs.Ask("Continuer ?", mtConfirmation, mbYes | mbNo), mrNo);
    EXPECT_NE(messages.str().find("question refused"), std::string::npos);

    // The studio's answerer replaces the policy; scripted answers still come first.
    messages.str("");
    dialogs.SetAnswerer([](const std::string&, TMsgDlgType, TMsgDlgButtons Buttons) {
        return Buttons == (mbYes | mbNo) ? mrYes : mrAbort;
    });
    EXPECT_EQ(dialogs.Ask("Continuer ?", mtConfirmation, mbYes | mbNo), mrYes);
    dialogs.QueueAnswer(mrNo);
    EXPECT_EQ(dialogs.Ask("Continuer ?", mtConfirmation, mbYes | mbNo), mrNo);
    EXPECT_TRUE(messages.str().empty()) << "the user was asked";
    EXPECT_EQ(dialogs.Questions().back().Answer, mrNo);
}

TEST_F(ServicesTest, SettingsFrequencyContextFileAndPanelFlags) {
    TSettings settings;
    settings.Load(File("missing.ini"));
    EXPECT_EQ(settings.GetFrequenceSecteur(), 50);
    EXPECT_EQ(settings.GetContextFileName(), File("g20seq.ihm"));
    EXPECT_FALSE(settings.MasquerDernierResultat());

    WriteText(File("settings.ini"), "[General]\nFrequenceSecteur=60\nFichierContexte=/x/a.ihm\n"
                                    "[Editeurs]\nMasquerDernierResultat=oui\n");
    settings.Load(File("settings.ini"));
    EXPECT_EQ(settings.GetFrequenceSecteur(), 60);
    EXPECT_EQ(settings.GetContextFileName(), "/x/a.ihm");
    EXPECT_TRUE(settings.MasquerDernierResultat());
    EXPECT_FALSE(settings.MasquerGraphes());
    settings.WriteString(SectionGeneral, KeyFrequenceSecteur, "55");
    EXPECT_EQ(settings.GetFrequenceSecteur(), 50) << "only 50 or 60";
    settings.WriteBool(SectionEditeurs, KeyMasquerGraphes, true);
    settings.Save();
    TSettings reloaded;
    reloaded.Load(File("settings.ini"));
    EXPECT_TRUE(reloaded.MasquerGraphes());
    EXPECT_EQ(reloaded.ReadString(SectionGeneral, KeyFrequenceSecteur, ""), "55");
}

TEST_F(ServicesTest, EventLogKeepsLevelsWritesFileAndVerboseAndRotates) {
    TEventLog log;
    std::ostringstream verbose;
    log.SetVerboseStream(&verbose);
    log.SetLogFile(File("logs/g20seq.log"), 120, 2);
    const Sender sender;
    log.AddLog(&sender, "CreatePhysicalZone", "Zone PrcX n° 5", "Zone non référencée", 2, "Eprom");
    const std::string line = "[2] Eprom TSender.CreatePhysicalZone: Zone PrcX n° 5 | "
                             "Zone non référencée\n";
    EXPECT_NE(verbose.str().find(line), std::string::npos) << verbose.str();
    log.Flush();
    EXPECT_NE(ReadText(File("logs/g20seq.log")).find(line), std::string::npos);

    log.SetLogLevel(1);
    log.AddLog(nullptr, "ReadFromFile", "Debut", "", 0, "GA_1");
    EXPECT_EQ(log.Entries().size(), 1u) << "below the log level";
    log.SetLogLevel(0);
    for (int i = 0; i < 4; ++i)
        log.AddLog(nullptr, "ReadFromFile", "Fin", "", 0, "GA_1");
    log.Flush();
    EXPECT_EQ(log.Entries().back().SenderClass, "nil");
    EXPECT_EQ(log.Entries().size(), 5u);
    EXPECT_TRUE(std::filesystem::exists(File("logs/g20seq.log.1")));
    EXPECT_TRUE(std::filesystem::exists(File("logs/g20seq.log.2")));
    EXPECT_FALSE(std::filesystem::exists(File("logs/g20seq.log.3")));
    EXPECT_LE(std::filesystem::file_size(File("logs/g20seq.log")), 120u);

    // The listener is told each entry kept, outside the log's lock: it may log in turn.
    std::vector<std::string> heard;
    log.SetLogLevel(1);
    log.SetListener([&](const TLogEntry& Entry) {
        heard.push_back(Entry.Text1);
        if (Entry.Level == 2)
            log.AddLog(nullptr, "Listener", "echo", "", 1, "Test");
    });
    log.AddLog(nullptr, "ReadFromFile", "Debut", "", 0, "GA_1");
    log.AddLog(&sender, "CreatePhysicalZone", "Zone PrcX n° 6", "", 2, "Eprom");
    EXPECT_EQ(heard, (std::vector<std::string>{"Zone PrcX n° 6", "echo"}));
    log.SetListener({});
    log.AddLog(&sender, "CreatePhysicalZone", "Zone PrcX n° 7", "", 2, "Eprom");
    EXPECT_EQ(heard.size(), 2u);
}
