// The editor window of the electrodes: one electrode at a time, picked in cmbNumElectrode,
// on four tabs (steps and alarm, dressing, transformer, advanced parameters), every value
// with the bounds of its field taken from the two companion zones, and the transformer
// ratio graph.
//
// The controls are made from one binding table (control, field, caption, hint, length,
// group); loading, writing and the rules that follow a change go through that table. The
// window edits the framework's single pair of copies of the displayed electrode, loaded
// again on every switch; the cutter it names is copied for display only.
#pragma once

#include "interface/CustomEprom.h"
#include "ui/FrmKevMDIChild.h"
#include "ui/GraphRapport.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QTabWidget;
class QVBoxLayout;

namespace g20seq {

class QtChartSeriesView;
class TElectrodeG20;
class TKEVComboBox;
class TKevRichEditPalierPoint;
struct TLiaisonElectrode;
struct TFrmElectrodeG20Table;

class TFrmElectrodeG20 : public TFrmKevMDIChild {
    Q_OBJECT
public:
    // Hold: the hold on the electrode the window is opened for (ElecInitiale).
    TFrmElectrodeG20(void* aOwner, TZoneHolder&& Hold, void* aFormReference);
    ~TFrmElectrodeG20() override;
    std::string ClassName() const override { return "TFrmElectrodeG20"; }

    // Opens the window for Hold's electrode as a child of aOwner, or brings the open window
    // of the same EPROM to the front. Answers false for a zone that is no electrode.
    static bool Ouvrir(TZoneHolder Hold, void* aOwner, void* FormReference);

    // A control of the window by its name, or null.
    template <class T> T* Controle(const char* Nom) const {
        return findChild<T*>(QString::fromLatin1(Nom));
    }

    QWidget* pnlNumProgCourant;
    QLabel* lblNumElectrode;
    TKEVComboBox* cmbNumElectrode;
    QTabWidget* pclElectrode;
    QtChartSeriesView* chtGraphRapportTransfo;

    // The working copy of the displayed electrode (the copies' first pair).
    TCustomZoneCPS* ElecCourante() const { return VZoneCPS; }
    const TCustomZoneCPS* FraiseCourante() const { return FFraiseCourante.get(); }

    void ModifierVisualiser() override;

protected:
    void PreparerControles() override;
    void MajEtatSaisie(bool Modification) override;
    void ZoneRecue(TCustomZoneCPS& Cible) override;

private:
    friend struct TFrmElectrodeG20Table;

    // Creating.
    using TGrilles = std::map<std::string, QGridLayout*>;
    void CreerControles();
    void CreerEntete();
    std::vector<QVBoxLayout*> CreerOnglets();
    TGrilles CreerGroupes(const std::vector<QVBoxLayout*>& Cotes);
    void CreerLignes(const TGrilles& Grilles);
    QWidget* CreerControle(const TLiaisonElectrode& Liaison, QWidget* Parent);
    void Connecter(const TLiaisonElectrode& Liaison, QWidget* Controle);

    // Loading.
    void cmbNumElectrodeChange();
    void ChargerDonneesElecCourante();
    // The four loaders, from the copies as they are.
    void ChargerControles();
    void ChargerDonneesPaliersEtAlarme();
    void ChargerDonneesRodage();
    void ChargerDonneesFraise();
    void ChargerDonneesTransformateur();
    void ChargerDonneesParamAvances();
    void ChargerDonneesIntensiteThermique();
    void ChargerGraphRapport();
    void SetComponentsState();
    // Loads every bound control of tab Onglet from the working copy and the companions; a
    // control that fails is logged under Methode and the others still load.
    void ChargerOnglet(int Onglet, const char* Methode);
    void Charger(const TLiaisonElectrode& Liaison);
    void ChargerThermique(const TLiaisonElectrode& Liaison);
    // Runs a loader, logging its failure with its name.
    void Executer(const char* Methode, void (TFrmElectrodeG20::*Chargeur)());

    // Writing.
    void Ecrire(const TLiaisonElectrode& Liaison);
    void EcrireValeur(const TLiaisonElectrode& Liaison, QWidget* Controle);
    void EcrireThermique(const TLiaisonElectrode& Liaison, QWidget* Controle);

    // Rules run after a write.
    void chkRodageInterPalierClick();
    void cmbNumFraiseEditorChange();
    void EtatRapports();
    void EtatOffsets();
    void cmbTypeRempltEtenduEnter();

    bool ElectrodeVerrouillee();
    QString LibelleZone() const;
    QWidget* Widget(const TLiaisonElectrode& Liaison) const;
    TElectrodeG20& Courante() const;
    const TElectrodeG20* Mini() const;
    const TElectrodeG20* Maxi() const;

    TZoneHolder ElectrodeMini;
    TZoneHolder ElectrodeMaxi;
    TZoneHolder CfgCourante;
    std::unique_ptr<TCustomZoneCPS> FFraiseCourante;
    std::unique_ptr<TGraphRapport> GraphRapport;
    std::vector<TKevRichEditPalierPoint*> tabPaliers;
    std::map<const TLiaisonElectrode*, QWidget*> FControles;
    int FNumeroAffiche = -1;
    int FMinElectrode = 0;
};

} // namespace g20seq
