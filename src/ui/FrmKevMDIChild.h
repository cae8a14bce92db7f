// The base of every zone editor window: the bar of buttons (OK, Annuler, Appliquer,
// Modifier), the view and modify modes (Ctrl+F5), the question asked when the window closes
// with unsaved changes, the transfer of the edited zones to the controller with its
// progress window, the reception of the answers, and the window context.
//
// The window works on pairs of copies (TEditionCopies) of the EPROM's zones; the first pair
// registered is the edited zone (VZoneCPS is its working copy). It keeps the hold on the
// zone it was opened for and gives it back when it is destroyed.
//
// Threads: ReceiveZone runs on the host's thread. It matches the answer with the waiting
// list under the list's lock and queues the rest (assignment into the copies, progress,
// refresh) to the user-interface thread, so the controls never read a copy while an answer
// is being assigned into it.
#pragma once

#include "interface/EditorWindow.h"
#include "model/CustomZoneCPS.h"
#include "model/DataProxy.h"
#include "model/EditorWindows.h"
#include "support/Object.h"
#include "ui/ContexteFenetre.h"
#include "ui/EditionCopies.h"
#include "ui/TransfertZones.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QPushButton;
class QScrollArea;

namespace g20seq {

class TFrmProgressionTransfert;
class TGereDonnees;

class TFrmKevMDIChild : public QWidget, public TObject, public IEditorWindow {
    Q_OBJECT
public:
    // aOwner: the host's QMdiArea (the window becomes one of its sub-windows) or another
    // parent widget. FormReference: the host's IEditorWindow* variable, or null. Hold: the
    // hold on the zone the window is opened for (kept until the window is destroyed).
    TFrmKevMDIChild(void* aOwner, TCustomEprom* Eprom, TZoneHolder&& Hold, void* FormReference);
    ~TFrmKevMDIChild() override;

    std::string ClassName() const override { return "TFrmKevMDIChild"; }

    // IEditorWindow
    void ReceiveZone(TCustomZoneCPS* ZoneCPS, bool bErreur) override;
    const TZoneQueue* ZonesEnEnvoi() const override { return FEnEnvoi; }
    TCustomEprom* GetEprom() const override { return FEprom; }
    // Closes the window without asking.
    void ForceFermeture() override;

    // Modes.
    virtual void ModifierVisualiser();
    virtual void PasserEnModification();
    virtual void PasserEnVisualisation();
    bool EnVisualisation() const { return FStateLockDataCapture; }

    // Shows the window (maximized in its MDI area).
    void Afficher();
    // Closes the window (through the closing question).
    void Fermer();

    // The window's sub-window in the host's MDI area, or the window itself.
    QWidget* Cadre();
    // Brings the window to the front.
    void AuPremierPlan();

    // Opens a window of class TFenetre for the zone Hold holds, a TZone of type TypeZone, as
    // a child of aOwner. The module keeps one such window: when it is open on the same
    // EPROM it comes to the front instead (told Deja with the zone's number, when given)
    // and the hold is given back. Answers false for another zone, or when the window
    // cannot be made (logged).
    template <class TFenetre, class TZone>
    static bool OuvrirFenetreUnique(TTypeZones TypeZone, TZoneHolder Hold, void* aOwner,
                                    void* FormReference, void (TFenetre::*Deja)(int) = nullptr);

    QScrollArea* sbxClient;
    QWidget* pnlBoutons;
    QWidget* pnlAppliquer;
    QPushButton* btnAppliquer;
    QWidget* pnlAbandon;
    QPushButton* btnCancel;
    QWidget* pnlOk;
    QPushButton* btnOK;
    QWidget* pnlModifier;
    QPushButton* btnModifier;
    QAction* actModifierVisualiser;

protected:
    // Hooks of the editors.
    // Prepares the controls when the window shows (before the context is restored).
    virtual void PreparerControles() {}
    virtual void SaveComponentIHM(QObject& Controle, QSettings& Fichier);
    virtual void RestoreComponentIHM(QObject& Controle, QSettings& Fichier);
    // Saves the data: on OK, on Appliquer and on a yes to the closing question.
    virtual void SauverDonnees();
    // Cancels the data: on a no to the closing question.
    virtual void AnnulerDonnees();
    virtual bool IsDonneesModifiees() const;
    // Refreshes the enabled state of the data controls after a mode change.
    virtual void MajEtatSaisie(bool Modification);
    // Lists the zones to send and queues their duplicates (the save's third step): by
    // default each differing pair, in SensEnvoi's order; a file-only pair is written to the
    // file instead.
    virtual void PreparerEnvoi();
    // The order in which differing pairs are sent (indexes of pairs); registration order.
    virtual std::vector<int> OrdreEnvoi() const;
    // Called on the user-interface thread after an answer was assigned into a copy.
    virtual void ZoneRecue(TCustomZoneCPS& Cible);

    // Shows the mode on btnModifier (caption and hint).
    void AfficherMode();
    // The window is the module's one window of its zone type (see OuvrirFenetreUnique), until
    // it is destroyed.
    void FenetreUnique(TTypeZones TypeZone);
    void AddSaveRestoreComponentIHM(const QObject& Controle);
    // Registers a pair of copies of zone (TypeZone, Numero); the first pair is the edited
    // zone. Answers the working copy, or null.
    TCustomZoneCPS* AjouterPaire(TTypeZones TypeZone, int Numero, bool FichierSeul = false);
    // The zone the window was opened for (held until the window is destroyed).
    TCustomZoneCPS* ZoneOuverte() const { return FHold.Get(); }
    // The client area, where editors put their controls.
    QWidget* Client() const;

    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

    TCustomEprom* FEprom;
    bool FStateLockDataCapture = true;
    TGereDonnees* VGereDonnees = nullptr;
    TCustomZoneCPS* VZoneCPS = nullptr;
    TFrmProgressionTransfert* FrmProgressionTransfert = nullptr;
    TTransfertZones FTransfert;
    std::atomic<bool> FDemandeFermeture = false;
    TEditionCopies FCopies;
    TContexteFenetre FContexte;

private:
    void btnOKClick();
    void btnCancelClick();
    void btnAppliquerClick();
    // Hands the queue to the EPROM and shows the progress until the last answer.
    void EnvoyerZones();
    void AppliquerReception(TTransfertZones::TReception& Reception);
    bool QuestionFermetureAcceptee();

    TZoneHolder FHold;
    IEditorWindow** FFormReference;
    const TZoneQueue* FEnEnvoi = nullptr;
    bool FMontree = false;
    bool FFermee = false;
    bool FEnFermeture = false;
    bool FForcee = false;
    std::optional<TTypeZones> FTypeUnique;
};

template <class TFenetre, class TZone>
bool TFrmKevMDIChild::OuvrirFenetreUnique(TTypeZones TypeZone, TZoneHolder Hold, void* aOwner,
                                          void* FormReference, void (TFenetre::*Deja)(int)) {
    if (Hold.As<TZone>() == nullptr || Hold->GetTypeZone() != TypeZone)
        return false;
    auto* ouverte = dynamic_cast<TFenetre*>(SingleEditorWindow(TypeZone));
    if (ouverte != nullptr && ouverte->GetEprom() == Hold->GetEprom()) {
        ouverte->AuPremierPlan();
        if (Deja != nullptr)
            (ouverte->*Deja)(Hold->GetNumeroZone());
        return true;
    }
    try {
        auto* fenetre = new TFenetre(aOwner, std::move(Hold), FormReference);
        fenetre->Afficher();
        return true;
    } catch (const std::exception& erreur) {
        LogEvent(nullptr, "SaisieZoneCPS", erreur.what(), TypeZoneName(TypeZone), LogAnomaly,
                 CatZRT);
        return false;
    }
}

} // namespace g20seq
