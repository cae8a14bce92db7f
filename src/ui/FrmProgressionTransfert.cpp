#include "ui/FrmProgressionTransfert.h"

#include "model/CustomZoneCPS.h"
#include "ui/FenetreTextes.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace g20seq {

TFrmProgressionTransfert::TFrmProgressionTransfert(QWidget* Parent)
    : TFrmKevSDI(Parent), pnlTransfertZones(new QLabel(sbxClient->widget())),
      prbTransfertZones(new QProgressBar(sbxClient->widget())),
      prbTransfertCPS(new QProgressBar(sbxClient->widget())) {
    setObjectName(QStringLiteral("TFrmProgressionTransfert"));
    setWindowTitle(QStringLiteral("Transfert en cours..."));
    NommerControles({{pnlTransfertZones, "pnlTransfertZones"},
                     {prbTransfertZones, "prbTransfertZones"},
                     {prbTransfertCPS, "prbTransfertCPS"}});
    pnlOk->hide();
    btnCancel->setText(QStringLiteral("Cancel"));
    pnlTransfertZones->setAlignment(Qt::AlignCenter);
    pnlTransfertZones->setFrameShape(QFrame::Panel);
    prbTransfertCPS->hide();
    auto* colonne = new QVBoxLayout(sbxClient->widget());
    for (QWidget* controle :
         {static_cast<QWidget*>(pnlTransfertZones), static_cast<QWidget*>(prbTransfertZones),
          static_cast<QWidget*>(prbTransfertCPS)})
        colonne->addWidget(controle);
    resize(415, 104 + pnlBoutons->sizeHint().height());
    if (Parent != nullptr)
        move(Parent->window()->geometry().center() - rect().center());
}

void TFrmProgressionTransfert::SetCaption(const TCustomZoneCPS* Zone) {
    if (Zone != nullptr)
        pnlTransfertZones->setText(QString::fromStdString(Zone->NomZone()));
}

void TFrmProgressionTransfert::StepIt() {
    prbTransfertZones->setValue(prbTransfertZones->value() + 1);
}

} // namespace g20seq
