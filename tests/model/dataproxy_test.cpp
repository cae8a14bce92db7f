#include "model/DataProxy.h"
#include "support/FakeDataProxy.h"

#include <gtest/gtest.h>

using namespace g20seq;

TEST(DataProxy, WithoutAProxyLogsAreSkippedAndDefaultsAnswer) {
    SetGlobalDataProxy(nullptr);
    LogEvent(nullptr, "Op", "a", "b", LogAnomaly, CatEprom); // must not crash
    EXPECT_EQ(Translate("IDTypeZone", "PrcProgrammes", "Programmes"), "Programmes");
    EXPECT_EQ(MessageDlg("CstMessages", "Mess", "Texte", mtConfirmation, mbYes | mbNo), mrNone);
    EXPECT_EQ(FrequenceSecteur(), 50);
}

TEST(DataProxy, ServicesAreFetchedFromTheCurrentProxy) {
    testkit::FakeDataProxy proxy;
    proxy.AddTranslation("IDTypeZone", "PrcProgrammes", "Programs");
    proxy.Frequence = 60;
    proxy.QueueDialogAnswer(mrYes);

    EXPECT_EQ(Translate("IDTypeZone", "PrcProgrammes", "Programmes"), "Programs");
    EXPECT_EQ(Translate("IDTypeZone", "PrcCompteurs", "Compteurs"), "Compteurs");
    EXPECT_EQ(FrequenceSecteur(), 60);
    EXPECT_EQ(MessageDlg("CstMessages", "Mess", "Texte", mtConfirmation, mbYes | mbNo), mrYes);

    TObject sender;
    LogEvent(&sender, "GetFieldByID", "aLogicalZone=nil", "Erreur", LogAnomaly, CatEprom);
    auto logs = proxy.Logs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].SenderClass, "TObject");
    EXPECT_EQ(logs[0].Source, "GetFieldByID");
    EXPECT_EQ(logs[0].Text1, "aLogicalZone=nil");
    EXPECT_EQ(logs[0].Level, 2);
    EXPECT_EQ(logs[0].Category, "Eprom");
}

namespace {
// A proxy that offers no service at all.
class BareProxy : public TInterfacedPersistent {};
} // namespace

TEST(DataProxy, AProxyWithoutTheServiceBehavesLikeNoProxy) {
    BareProxy bare;
    SetGlobalDataProxy(&bare);
    EXPECT_EQ(Translate("S", "K", "defaut"), "defaut");
    EXPECT_EQ(EventLogProxy(), nullptr);
    SetGlobalDataProxy(nullptr);
}
