// The editor window of the weld programs: the times of the sequence, the set points of the
// steps, the monitoring thresholds, the valves and forces, the advanced options and the
// process link comment of one program, with the graph of the weld sequence and the graph
// of the electrode's wear compensation, and the last weld result of the program.
//
// Every control edits one field (or one element of an array field) of the working copies;
// one table binds control names, fields, graph segments and captions. The window keeps
// three pairs of copies: the program (sent), its electrode (sent after the program) and its
// process link (written to the zone file only). Only one program window is open at a time.
#pragma once

#include "model/FieldHandle.h"
#include "support/Observers.h"
#include "ui/FormProgrammationG20Regles.h"
#include "ui/FrmKevMDIChild.h"

#include <memory>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace g20seq {

class TAssignationHandler;
class TGraphCU;
class TGraphTemps;
class TKEVComboBox;
class TKEVField;
class TKevVirtualStringTree;
class TProgrammeG20;
class TZoneCPS;
class QtChartSeriesView;
struct TLiaisonProgramme;

class TFrmProgrammationG20 : public TFrmKevMDIChild {
    Q_OBJECT
public:
    // Hold: the hold on the program zone the window is opened for.
    TFrmProgrammationG20(void* aOwner, TZoneHolder&& Hold, void* aFormReference);
    ~TFrmProgrammationG20() override;
    std::string ClassName() const override { return "TFrmProgrammationG20"; }

    // Opens the window for Hold's program as a child of aOwner. With a program window of
    // the same EPROM already open, that window comes to the front and switches to Hold's
    // program; Hold is given back at once. Answers false for a zone that is no program.
    static bool Ouvrir(TZoneHolder Hold, void* aOwner, void* FormReference);

    // Shows the last weld result of the current program (cleared without one).
    void SetSignature();
    // Clears, then sets, point number Index (from 1) of the process link; a process link
    // without that point logs it.
    void txtNumPointChange(int Index, const QString& Numero);
    // Switches to program Numero through the questions of a switch.
    void ChoisirProgramme(int Numero);

    int NumeroProgramme() const { return FNumProg; }
    // The working copies.
    TProgrammeG20& ProgCourant() const;
    TZoneCPS& ElecCourante() const;
    TZoneCPS& LienProcess() const;
    const TGraphTemps& GraphCycleSoud() const { return *GraphCycleSoud_; }
    const TGraphCU& GraphCompUsure() const { return *GraphCompUsure_; }
    bool IsTypeMF() const { return isTypeMF; }

    QTabWidget* pclProgrammation;
    TKEVComboBox* cmbNumProgCourant;
    QLabel* lblDescrProg;
    TKEVComboBox* cmbNumElectrode;
    QGroupBox* gbxConsignesMF;
    QtChartSeriesView* chtGraphCycleSoudage;
    QtChartSeriesView* chtGraphCompensationUsure;
    TKevVirtualStringTree* lswPoints;
    QPlainTextEdit* txtCommentaire;
    QWidget* pnlVisualisuSignaturesTR;
    QLabel* lblDefautPresent;

protected:
    void PreparerControles() override;
    void MajEtatSaisie(bool Modification) override;
    void AnnulerDonnees() override;
    void PreparerEnvoi() override;
    void ZoneRecue(TCustomZoneCPS& Cible) override;

private:
    // One control of the binding table: its row, its step (0 for a single control) and its
    // widgets.
    struct TControle {
        const TLiaisonProgramme* Ligne;
        int Pas;
        QWidget* Widget;
        QLabel* Label;
    };

    void CreerControles();
    void CreerOnglets();
    void CreerControle(const TLiaisonProgramme& Ligne, int Pas);
    QWidget* CreerWidget(const TLiaisonProgramme& Ligne, int Pas, QWidget* Parent,
                         const QString& Texte);
    void CreerBas();
    void CreerGraphes();
    void Connecter(const TControle& Controle);
    QString NomControle(const TLiaisonProgramme& Ligne, int Pas) const;

    // Loading.
    void ChargerProgramme(int Numero);
    void ActualiserRapports();
    void Remplir();
    void RemplirControle(const TControle& Controle);
    void RemplirListe(const TControle& Controle);
    void RemplirNombre(const TControle& Controle);
    void RemplirPoints();
    void RemplirLibelles();
    void MajDescriptionProgramme();
    void MajVisibilite();

    // Editing.
    void Modifier(const TControle& Controle);
    void EcrireControle(const TControle& Controle);
    void EcrireListe(const TLiaisonProgramme& Ligne, int Index);
    void Apres(const TControle& Controle);
    void cmbNumProgCourantChange();
    void cmbNumElectrodeChange();
    void cmbRegulationChange(const TControle& Controle);
    void chkControleClick(const TControle& Controle);
    void txtVariationChange(int Pas);
    void txtReferenceValidate(const TControle& Controle);
    void txtEffortExit(const TControle& Controle);
    void txtCommentaireChange();
    bool QuestionElectrode();
    bool QuestionProgramme();

    // Refreshing.
    void MajColonnes();
    void MajChiffres(const TControle& Controle, double Valeur);
    void MajEV();
    void MajEffort();
    void MajGraphTemps(int Segment);
    void MajGraphCU(int Pas);
    void MajPointsGraphCU();
    void MajItalique();
    void EffacerSignature();

    // Values.
    TZoneCPS& Zone(const TLiaisonProgramme& Ligne) const;
    TKEVField& Champ(const TLiaisonProgramme& Ligne, int Pas) const;
    double Valeur(const TLiaisonProgramme& Ligne, int Pas) const;
    double Diviseur(const TLiaisonProgramme& Ligne) const;
    int Decimales(const TLiaisonProgramme& Ligne) const;
    double Borne(const TLiaisonProgramme& Ligne, bool Maxi) const;
    int RawCompagnon(const TLiaisonProgramme& Ligne, bool Maxi) const;
    TColonneConsigne ColonneActive() const;
    int ConfigurationEntier(const TFieldHandle& Champ) const;
    bool ChampVisible(const TLiaisonProgramme& Ligne) const;
    const TControle* Controle(const char* Nom, int Pas = 0) const;
    void Journaliser(const char* Methode, const std::exception& Erreur) const;

    bool isTypeMF;
    int FNumProg = 0;
    bool FModeAmperes = false;
    bool FChargement = false;
    bool FEnvoiElectrodeSeule = false;
    TZoneCPS* ProgrammationMini = nullptr;
    TZoneCPS* ProgrammationMaxi = nullptr;
    std::vector<TControle> FControles;
    std::unique_ptr<TGraphTemps> GraphCycleSoud_;
    std::unique_ptr<TGraphCU> GraphCompUsure_;
    std::unique_ptr<TAssignationHandler> FAssignationHandler;
    std::vector<QLabel*> FResultats;
    TSubscription FSuiviSignatures;
};

} // namespace g20seq
