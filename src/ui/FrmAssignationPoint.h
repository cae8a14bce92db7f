// The editor window of the point table: the (point number, program) pairs on the left, and
// on the right a small panel to add, alter and delete pairs. The table logic is the point
// handler's (TAssignationHandler), the enabled states are TSaisiePoints'; the window shows
// them and feeds them.
//
// Saving hands over only the handler's queue: the entries whose pair changed, written in
// table order from the first entry zone on, and the entries left over, made invalid.
#pragma once

#include "ui/FrmKevMDIChild.h"
#include "ui/SaisiePoints.h"

#include <memory>

class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace g20seq {

class TAssignationHandler;
class TAssignationPoints;
class TKEVComboBox;
class TKevNumPoint;
class TKevVirtualStringTree;

class TFrmAssignationPoint : public TFrmKevMDIChild {
    Q_OBJECT
public:
    // Hold: the hold on the entry zone the window is opened for.
    TFrmAssignationPoint(void* aOwner, TZoneHolder&& Hold, void* aFormReference);
    ~TFrmAssignationPoint() override;
    std::string ClassName() const override { return "TFrmAssignationPoint"; }

    // Opens the window for Hold's zone as a child of aOwner, or brings the open window of
    // the same EPROM to the front. Answers false for a zone that is no point entry.
    static bool Ouvrir(TZoneHolder Hold, void* aOwner, void* FormReference);

    TKevVirtualStringTree* lswPoints;
    QWidget* pnlDroitPoints;
    QWidget* pnlManagePoint;
    QLabel* pnlModeAssignation;
    QAction* actAddPoint;
    QAction* actAlterPoint;
    QAction* actDelPoint;
    QToolButton* btnAddPoint;
    QToolButton* btnAlterPoint;
    QToolButton* btnDelPoint;
    QMenu* mnuPointHandling;
    QLabel* lblNumPoint;
    TKevNumPoint* txtNumPoint;
    QLabel* lblNumProgPoint;
    TKEVComboBox* cmbNumProg;
    QToolButton* btnValidPoint;
    QToolButton* btnCancelPoint;

    const TAssignationHandler& Handler() const { return *FAssignationHandler; }

protected:
    void PreparerControles() override;
    bool IsDonneesModifiees() const override;
    void MajEtatSaisie(bool Modification) override;
    void PreparerEnvoi() override;
    void ZoneRecue(TCustomZoneCPS& Cible) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    friend struct TFrmAssignationPointActions;
    void CreerControles();
    void Connecter();
    void AfficherMode();
    void RemplirListe(int Selection);
    void MajEtats();
    void lswPointsClick();
    void actAddPointExecute();
    void actAlterPointExecute();
    void actDelPointExecute();
    void EditerLigne(void (TSaisiePoints::*Etat)(), void (TAssignationHandler::*Edition)(int));
    void btnValidPointClick();
    void btnCancelPointClick();
    void txtNumPointChange();
    bool AjoutPossible() const;
    int ProgrammeChoisi() const;
    void MettreAJourZoneOuverte();

    TAssignationPoints* AssignationPointInitial;
    std::unique_ptr<TAssignationHandler> FAssignationHandler;
    TSaisiePoints FSaisie;
};

} // namespace g20seq
