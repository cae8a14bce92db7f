// The editor window of a G20 configuration: nine tabs of controls over the working copy
// of the configuration (program selection, wear compensation and tip-dressing cutters,
// fault classes, output states, medium frequency, Ethernet, clamp mode, advanced
// parameters, keypad screens).
//
// Besides the configuration it edits the cutter zones, the point-number mode (through the
// point handler, which empties the point table) and, when saving, the programs and the
// electrodes whose values the configuration's options no longer allow. Every zone is a pair
// of copies of the window base: comparison, queueing and the answers are the base's.
//
// The controls and the fields they edit are one table (FormConfigurationG20.cpp); what a
// control shows follows the EPROM's own configuration zone (whether it shows the field),
// never the copies, which show nothing.
#pragma once

#include "interface/CustomEprom.h"
#include "model/FieldHandle.h"
#include "ui/FrmKevMDIChild.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace g20seq {

class TAssignationHandler;
class TCheckListBox;
class TConfigurationG20;
class TFraise;
class TKEVComboBox;
class TKEVField;
class TKevNumericEdit;
class TKevVirtualStringTree;
struct TLiaisonConfiguration;

class TFrmConfigurationG20 : public TFrmKevMDIChild {
    Q_OBJECT
public:
    // Hold: the hold on the configuration zone the window is opened for.
    TFrmConfigurationG20(void* aOwner, TZoneHolder&& Hold, void* aFormReference);
    ~TFrmConfigurationG20() override;
    std::string ClassName() const override { return "TFrmConfigurationG20"; }

    // Opens the window for Hold's zone as a child of aOwner, or brings the open window of
    // the same EPROM to the front. Answers false for a zone that is no G20 configuration.
    static bool Ouvrir(TZoneHolder Hold, void* aOwner, void* FormReference);

    QTabWidget* pclConfiguration;
    QTabWidget* pclSelectProg;
    TKevVirtualStringTree* lswDefauts;
    QMenu* popDefauts;
    TKevVirtualStringTree* lswFraise;
    TKevNumericEdit* txtFVFraise;
    TKevNumericEdit* txtAlarmeFraise;
    QPushButton* btnValidFraise;
    QPushButton* btnCancelFraise;

    // The working copy every control writes into, and the point handler.
    TConfigurationG20* ConfigCourante = nullptr;
    const TAssignationHandler& Handler() const { return *FAssignationHandler; }

protected:
    void PreparerControles() override;
    void SauverDonnees() override;
    bool IsDonneesModifiees() const override;
    void MajEtatSaisie(bool Modification) override;
    void PreparerEnvoi() override;
    void ZoneRecue(TCustomZoneCPS& Cible) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

    // Loaders, in the order the window is refreshed; each logs its own error.
    virtual void ChargerDonneesSelectionProg();
    virtual void ChargerDonneesCU();
    virtual void ChargerDonneesFraises();
    virtual void ChargerDonneesDefauts();
    virtual void ChargerDonneesSP();
    virtual void ChargerDonneesMF();
    virtual void ChargerDonneesEthernet();
    virtual void ChargerDonneesParamAvances();
    virtual void ChargerDonneesParamAvances2();
    virtual void ChargerDonneesEcrans();
    // What is shown: each control while the EPROM's zone shows its field, and the tab rules.
    virtual void SetComponentsState();

private:
    struct TEcrans;
    void CreerControles();
    void CreerPages();
    void CreerLiaisons();
    void CreerDefauts();
    void CreerFraises();
    void CreerEcrans();
    QWidget* Page(int Page) const { return FPages.at(Page); }
    void AjouterLigne(int Page, QWidget* Libelle, QWidget* Controle);

    void RemplirListe(std::size_t Index);
    void PreparerNombre(std::size_t Index);
    void ChargerDonnees();
    void Charger(const char* Methode, void (TFrmConfigurationG20::*Chargeur)());
    void ChargerOnglet(int Onglet);
    void ChargerControle(std::size_t Index);
    void EcrireControle(std::size_t Index);
    void AppliquerRegles(const TLiaisonConfiguration& Liaison);
    std::vector<int> Valeurs(const TLiaisonConfiguration& Liaison) const;
    QWidget* Controle(const char* Nom) const;
    bool Lie(const TFieldHandle& Champ) const;
    bool Montre(const TLiaisonConfiguration& Liaison) const;
    int Valeur(const TFieldHandle& Champ) const;

    // Rules after a field was written.
    void AppliquerModePince();
    void AppliquerRadios();
    void AppliquerApprentissage();
    void AppliquerListePC();
    void AppliquerModeSP();
    void AppliquerGestionFraise();
    void ChangerModeAssignation(int Index);

    // Faults and their pop-up.
    void RemplirLigneDefaut(int Ligne);
    void lswDefautsContextPopup();
    void ValiderPopupDefauts(QAction* Choix);
    TKEVField* ChampClasse(const std::string& Numero) const;
    void LogDefaut(const std::string& Source, const std::string& Texte) const;

    // Cutters.
    void lswFraiseClick();
    void btnValidFraiseClick();
    void btnCancelFraiseClick();
    TFraise* FraiseChoisie() const;
    void RemplirFraises();

    // Screens.
    void EcranCoche(int Liste, int Item);
    void SelectionEcrans(int Liste, int Choix);

    // Save-time checks of the programs and the electrodes.
    void VerifierProgrammes();
    void VerifierElectrodes();
    int Paire(TTypeZones TypeZone, int Numero);
    void Enregistrer(const char* Nom, const std::vector<int>& Paires);
    std::vector<int> PairesDeType(TTypeZones TypeZone) const;

    std::unique_ptr<TAssignationHandler> FAssignationHandler;
    TZoneHolder ConfigurationMini;
    TZoneHolder ConfigurationMaxi;
    TZoneHolder ConfigurationRAZ;
    TConfigurationG20* ConfigInitiale = nullptr;
    int FFVFraiseMinValue = 0;
    int FFVFraiseMaxValue = 0;
    int FAlarmeFraiseMinValue = 0;
    int FAlarmeFraiseMaxValue = 0;

    std::vector<QWidget*> FPages;
    std::vector<QWidget*> FControles; // one per row of the binding table
    std::vector<QLabel*> FLibelles;   // null for check boxes and radio buttons
    std::map<std::string, QWidget*> FParNom;
    std::vector<std::string> FLignesDefauts;       // fault number of each row
    std::vector<std::pair<int, int>> FFraises;     // cutter number, pair index
    std::vector<std::unique_ptr<TEcrans>> FEcrans; // one per check list
    std::vector<QAction*> FClasses;                // classes 0..4
    QAction* FSeparateurTypes = nullptr;
    std::vector<QAction*> FTypes; // default classes A..D
    bool FChargement = false;
};

} // namespace g20seq
