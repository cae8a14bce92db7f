// The simulated controller run as a user runs it, and whole images sent to it and received
// from it over TCP by other runs of the tool.
#include "HostTestFiles.h"
#include "cli/CommandContext.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <regex>
#include <thread>

using namespace g20seq::host;
using g20seq::hosttest::HostFilesTest;
using g20seq::hosttest::ReadText;

namespace {

class Simulate : public HostFilesTest {};

TEST_F(Simulate, ImagesTravelToAndFromTheSimulatorAndItsSilenceExitsTwo) {
    const auto simulateur =
        Start({"simulate", "--port", "0", "--station", "GA_Sim", "--rate", "50"}, false, "sim");
    std::smatch port;
    const std::regex ecoute("listening on 127\\.0\\.0\\.1:([0-9]+)\n");
    std::string sortie;
    for (int essai = 0; essai < 500 && !std::regex_search(sortie, port, ecoute); ++essai) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        sortie = ReadText(simulateur.Out);
    }
    ASSERT_EQ(port.size(), 2u) << sortie;
    const std::string adresse = "127.0.0.1:" + port[1].str();

    const std::string envoyee = File("envoyee.g20"), recue = File("recue.g20");
    ASSERT_EQ(Run({"new", "GA_Sim", envoyee}).ExitCode, ExitOk);
    ASSERT_EQ(Run({"new", "GA_Sim", recue}).ExitCode, ExitOk);
    ASSERT_EQ(Run({"set", envoyee, "PrcProgrammes=5", "IDTempsSoudage=33"}).ExitCode, ExitOk);
    const auto envoi = Run({"send", envoyee, "--to", adresse});
    EXPECT_EQ(envoi.ExitCode, ExitOk) << envoi.Err;
    EXPECT_EQ(envoi.Out, "sent 277 zones to " + adresse + "\n");
    const auto reception = Run({"receive", recue, "--to", adresse});
    EXPECT_EQ(reception.ExitCode, ExitOk) << reception.Err;
    EXPECT_EQ(Run({"diff", envoyee, recue}).ExitCode, ExitOk) << "send then receive: the identity";

    // The welds it makes meanwhile, one line each.
    const auto signatures = Run({"watch", adresse, "--count", "3"});
    EXPECT_EQ(signatures.ExitCode, ExitOk) << signatures.Err;
    EXPECT_TRUE(std::regex_match(
        signatures.Out,
        std::regex("(20[0-9-]{8} [0-9:]{8} program 0 step [0-9]+ electrode 0 current [0-9]+ "
                   "points [0-9]+\n){3}")))
        << signatures.Out;

    ::kill(simulateur.Child, SIGTERM);
    const auto fin = Finish(simulateur);
    EXPECT_EQ(fin.ExitCode, ExitOk) << fin.Err;
    EXPECT_NE(fin.Out.find("stopped after 297 reads and 277 writes"), std::string::npos) << fin.Out;

    const std::string avant = ReadText(recue);
    const auto silence = Run({"receive", recue, "--to", adresse});
    EXPECT_EQ(silence.ExitCode, ExitUsage);
    EXPECT_NE(silence.Err.find("SerTimeOut"), std::string::npos) << silence.Err;
    EXPECT_EQ(ReadText(recue), avant) << "nothing received, nothing saved";
}

} // namespace
