// The live views of a connected station, one tab each: the last signature of each program
// (date, step, electrode, current, points) as the controller welds, and the number of
// signatures received; the real-time list with a chart of the current over the last 500
// welds; the faults present with their texts and the button that acknowledges them; the
// diagnostic objects; the controller's clock and the button that sets it; the counters of
// every electrode with the electrode change, dressing and counter reset commands.
//
// The view never reads the EPROM: the station's following thread hands it signature
// copies, the faults present and what it read after each polling round, from any thread.
#pragma once

#include "transfer/LiveState.h"

#include <QWidget>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QLineSeries;
class QChartView;
class QValueAxis;

namespace g20seq {
class TCustomZoneCPS;
}

namespace g20seq::host {

class TLiveView : public QWidget {
    Q_OBJECT
public:
    // The commands the view's buttons run (a missing one leaves its button without effect).
    struct TCommandes {
        std::function<void()> AcquitterDefauts;
        std::function<void(int Electrode)> Changement;
        std::function<void(int Electrode)> Rodage;
        std::function<void(int Electrode)> RemiseAZero;
        std::function<void()> MettreAHeure;
    };

    // How many welds the current chart shows.
    static constexpr int SouduresTracees = 500;

    explicit TLiveView(QWidget* Parent = nullptr);

    // Starts over for the station Nom (none: empty).
    void Suivre(const QString& Nom);
    void SetCommandes(TCommandes Commandes) { FCommandes = std::move(Commandes); }
    int Recues() const { return FRecues; }

    // May be called from any thread.
    void Recevoir(std::unique_ptr<TCustomZoneCPS> Signature);
    void SetDefauts(std::vector<TDefautDirect> Defauts);
    void SetEtat(TEtatStation Etat);

    QTabWidget* tabVues;
    QLabel* lblStation;
    QTableWidget* tblSignatures;
    QTableWidget* tblTempsReel;
    QChartView* chtIntensite;
    QListWidget* lstDefauts;
    QPushButton* btnAcquitter;
    QTableWidget* tblDiagnostic;
    QLabel* lblHorloge;
    QPushButton* btnHorloge;
    QTableWidget* tblCompteurs;
    QPushButton* btnChangement;
    QPushButton* btnRodage;
    QPushButton* btnRemiseAZero;

private:
    QWidget* CreerSignatures();
    QWidget* CreerTempsReel();
    QWidget* CreerDefauts();
    QWidget* CreerDiagnostic();
    QWidget* CreerHorloge();
    QWidget* CreerCompteurs();
    void Afficher(const TSoudureDirecte& Soudure);
    void Tracer(double Intensite);
    void AfficherDefauts(const std::vector<TDefautDirect>& Defauts);
    void AfficherEtat(const TEtatStation& Etat);
    // The electrode of the selected counters row (-1: none).
    int ElectrodeChoisie() const;

    TCommandes FCommandes;
    std::map<int, int> FLignes; // program -> row
    std::deque<double> FIntensites;
    int FRecues = 0;
    QLineSeries* FSerie = nullptr;
    QValueAxis* FAxeX = nullptr;
    QValueAxis* FAxeY = nullptr;
};

} // namespace g20seq::host
