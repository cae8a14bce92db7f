// Main window of the desktop studio: stations and their zones on the left, the module's
// editor windows as MDI children in the centre, the event log at the bottom, a progress
// bar in the status bar for long work.
//
// Each station is opened through a working copy (TStudioStation) with the host's three
// callbacks installed: every zone type may be modified (nobody else decides here), zones
// are sent through the transfer engine, and progress steps move the progress bar. Every
// question goes through the host's dialogs, so tests answer them by script.
#pragma once

#include "Station.h"
#include "transfer/LiveMonitor.h"
#include <g20seq/interface/ProxyInterface.h>

#include <QMainWindow>

#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QMdiArea;
class QProgressBar;

namespace g20seq {
class IEditorWindow;
class TStringList;
} // namespace g20seq

namespace g20seq::host {

class ITransferEngine;
class TDataProxy;
class TEventLogView;
class TProtocoleG20;
class TControllerPort;
class TStationConnection;
struct TBilanImage;
class TLiveView;
class TStationTree;
class TStudioStation;

class StudioWindow : public QMainWindow {
    Q_OBJECT
public:
    StudioWindow(TDataProxy& Proxy, TProtocoleG20& Protocole, ITransferEngine& Engine,
                 QWidget* Parent = nullptr);
    ~StudioWindow() override;

    QMdiArea* MdiArea() const { return FMdiArea; }
    TStationTree* Tree() const { return FTree; }
    TEventLogView* EventLogView() const { return FEventLog; }
    TLiveView* LiveView() const { return FLive; }
    const std::vector<std::unique_ptr<TStudioStation>>& Stations() const { return FStations; }

    // What the menu commands do once their file is chosen. Failures are shown as messages
    // and answered as null or false.
    TStudioStation* OpenStation(const QString& Path);
    TStudioStation* CreateStation(const QString& Nom, const QString& Path);
    bool SaveStation(TStudioStation& Station);
    // Asks first when the working copy differs from the image (save, discard or keep open).
    bool CloseStation(TStudioStation& Station);
    // Opens the editor of a zone through the module; false when it has none.
    bool OpenZone(TStudioStation& Station, const TZoneId& Zone);
    bool ExportStation(TStudioStation& Station, const QString& Path);
    // Shows the differences in a table; answers their number, or -1 on a failure.
    int CompareWithReference(TStudioStation& Station, const QString& Reference);
    int CompareWithStation(TStudioStation& Station, const QString& Other);

    // The station's controller: linked at "HOST:PORT" (its editor windows are then answered
    // by the controller, and its signatures and status zones followed), unlinked, and the
    // whole image written to it or read from it into the working copy.
    bool ConnectStation(TStudioStation& Station, const QString& Adresse);
    void DisconnectStation(TStudioStation& Station);
    bool SendImage(TStudioStation& Station);
    bool ReceiveImage(TStudioStation& Station);
    TStationConnection* ConnectionOf(const TStudioStation& Station) const;
    // Acknowledges every fault present on the station's controller.
    bool AcknowledgeFaults(TStudioStation& Station);
    // Runs a command of the live views on the station's controller; a refusal is shown with
    // its code, success in the status bar with Fait.
    bool RunCommand(TStudioStation& Station, const QString& Fait,
                    const std::function<TErreurSerie(TStationConnection&)>& Commande);

    // The station of the selected tree item, or the last opened; null without stations.
    TStudioStation* CurrentStation() const;

protected:
    void closeEvent(QCloseEvent* Event) override;

private:
    void CreateMenus();
    void CreateDocks();
    // The live views' listeners and commands for the connected Station.
    TLiveMonitor::TEcouteurs LiveListeners();
    void FollowStation(TStudioStation& Station);
    TStudioStation* Adopt(std::unique_ptr<TStudioStation> Station);
    void InstallCallbacks(TCustomEprom& Eprom);
    // Runs Work with the progress bar shown (busy until the module gives steps).
    template <class TWork> auto WithProgress(const QString& Text, TWork Work);
    void Progress(int Step, int Overall);
    int ShowDifferences(const QString& Title, const QString& OtherTitle,
                        const std::function<void(TStringList*)>& Compare);
    void CloseEditors(TStudioStation& Station);
    // What the studio did, in the event log (category "Studio").
    void Log(const char* Operation, const char* Text, const std::string& Detail);
    static constexpr int LogLevel = 1;
    int Ask(const QString& Text, TMsgDlgType Kind, TMsgDlgButtons Buttons);
    void ShowError(const QString& Text);
    TStudioStation* ChosenStation();

    void MenuNew();
    void MenuOpen();
    void MenuSave();
    void MenuClose();
    void AvecFichier(const std::function<QString(TStudioStation&)>& Dialogue,
                     const std::function<void(TStudioStation&, const QString&)>& Work);
    void MenuExport();
    void MenuCompareReference();
    void MenuCompareStation();
    void MenuConnect();
    void MenuDisconnect();
    void MenuSendImage();
    void MenuReceiveImage();
    using TTransfertImage = TBilanImage (*)(TCustomEprom&, TControllerPort&,
                                            const std::function<void(int, int)>&);
    // Sends or receives the whole image (Transfert) with the progress bar, then tells how it
    // ended.
    bool TransfererImage(TStudioStation& Station, const QString& Travail, const QString& Sens,
                         TTransfertImage Transfert);
    bool MontrerBilan(const TBilanImage& Bilan, const QString& Sens, const std::string& Adresse);
    // Waits until no engine is answering a window (the offline one and every live one).
    void WaitTransfers();

    TDataProxy& FProxy;
    TProtocoleG20& FProtocole;
    ITransferEngine& FEngine;
    QMdiArea* FMdiArea;
    TStationTree* FTree;
    TEventLogView* FEventLog;
    TLiveView* FLive;
    QProgressBar* FProgress;
    std::vector<std::unique_ptr<TStudioStation>> FStations;
    // The window variables handed to SaisieZone: an editor stores itself there while open.
    std::map<const TStudioStation*, std::list<IEditorWindow*>> FEditors;
    std::map<const TStudioStation*, std::unique_ptr<TStationConnection>> FConnections;
    // The station the Signatures dock follows (the last one connected), or null.
    TStudioStation* FStationSuivie = nullptr;
};

} // namespace g20seq::host
