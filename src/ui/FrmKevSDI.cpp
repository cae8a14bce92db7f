#include "ui/FrmKevSDI.h"

#include "model/DataProxy.h"
#include "model/GereDonnees.h"
#include "ui/FenetreTextes.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace g20seq {

TFrmKevSDI::TFrmKevSDI(QWidget* Parent)
    : QDialog(Parent), sbxClient(new QScrollArea(this)), pnlBoutons(new QWidget(this)),
      pnlAbandon(new QWidget(pnlBoutons)),
      btnCancel(new QPushButton(QStringLiteral("Annuler"), pnlAbandon)),
      pnlOk(new QWidget(pnlBoutons)), btnOK(new QPushButton(QStringLiteral("OK"), pnlOk)) {
    setObjectName(QStringLiteral("TFrmKevSDI"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(415, 214);
    NommerControles({{sbxClient, "sbxClient"},
                     {pnlBoutons, "pnlBoutons"},
                     {pnlAbandon, "pnlAbandon"},
                     {btnCancel, "btnCancel"},
                     {pnlOk, "pnlOk"},
                     {btnOK, "btnOK"}});
    btnCancel->setToolTip(QStringLiteral("Annule les modifications"));
    btnOK->setToolTip(QStringLiteral("Enregistre les modifications et ferme la fenêtre"));
    sbxClient->setFrameShape(QFrame::NoFrame);
    sbxClient->setWidgetResizable(true);
    sbxClient->setWidget(new QWidget);
    auto* barre = new QHBoxLayout(pnlBoutons);
    barre->setContentsMargins(0, 0, 0, 0);
    barre->addStretch();
    for (auto [panneau, bouton] : {std::pair{pnlOk, btnOK}, std::pair{pnlAbandon, btnCancel}}) {
        (new QHBoxLayout(panneau))->addWidget(bouton);
        panneau->layout()->setContentsMargins(2, 2, 2, 2);
        barre->addWidget(panneau);
    }
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(sbxClient, 1);
    colonne->addWidget(pnlBoutons);
    connect(btnOK, &QPushButton::clicked, this, &TFrmKevSDI::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TFrmKevSDI::reject);
}

void TFrmKevSDI::Enregistrer() {
    if (VGereDonnees != nullptr)
        VGereDonnees->EnregistrerModifications();
}

void TFrmKevSDI::Annuler() {
    if (VGereDonnees != nullptr)
        VGereDonnees->AnnulerModifications();
}

bool TFrmKevSDI::Modifiees() const {
    return VGereDonnees != nullptr && VGereDonnees->GetDonneesModifiees();
}

void TFrmKevSDI::showEvent(QShowEvent* Event) {
    if (!FTraduite) {
        TraduireFenetre(*this);
        FTraduite = true;
    }
    QDialog::showEvent(Event);
}

void TFrmKevSDI::btnOKClick() {
    Enregistrer();
    accept();
}

void TFrmKevSDI::reject() {
    if (Modifiees()) {
        switch (QuestionFermeture()) {
        case mrYes:
            Enregistrer();
            break;
        case mrNo:
            Annuler();
            break;
        default:
            return;
        }
    }
    QDialog::reject();
}

} // namespace g20seq
