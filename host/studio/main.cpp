// The desktop studio: loads the editors beside the module, hands the module the host's
// data proxy set up from the user's files (the command-line tool's settings, catalogue and
// log file), and opens the images named on the command line. Interrupted or terminated, it
// leaves its event loop and closes its stations without asking, so no working copy stays
// behind.
#include "protocol/ProtocoleG20.h"
#include "services/DataProxy.h"
#include "studio/StudioWindow.h"
#include "transfer/OfflineTransfer.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/ui/Editors.h>

#include <QApplication>
#include <QTimer>

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> Interrompu = false;

extern "C" void SurSignal(int) {
    Interrompu = true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::signal(SIGINT, SurSignal);
    std::signal(SIGTERM, SurSignal);
    QTimer veille;
    QObject::connect(&veille, &QTimer::timeout, &app, [] {
        if (Interrompu)
            QCoreApplication::quit();
    });
    veille.start(200);
    g20seq::host::TDataProxy proxy;
    try {
        proxy.LoadUserFiles("", "", "");
    } catch (const std::exception& error) {
        proxy.EventLog().AddLog(nullptr, "main", error.what(), "", 3, "Studio");
    }
    SetDataProxy(&proxy);
    g20seq::InstallEditors();
    g20seq::host::TProtocoleG20 protocole;
    int result = 0;
    {
        g20seq::host::TOfflineTransfer engine;
        g20seq::host::StudioWindow window(proxy, protocole, engine);
        for (const QString& path : app.arguments().mid(1))
            window.OpenStation(path);
        window.show();
        result = app.exec();
    }
    g20seq::RemoveEditors();
    SetDataProxy(nullptr);
    return result;
}
