#include "studio/SignaturesView.h"

#include <g20seq/interface/SignatureInterface.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/support/DateTime.h>

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace g20seq::host {

namespace {

// The columns, with how each reads a signature.
struct TColonne {
    const char* Titre;
    QString (*Texte)(const ISignature& Signature);
};

const TColonne Colonnes[] = {
    {"Programme", [](const ISignature& S) { return QString::number(S.GetNumeroProgramme()); }},
    {"Date",
     [](const ISignature& S) {
         return QString::fromStdString(FormatDate(S.GetDateHeure()) + " " +
                                       FormatTime(S.GetDateHeure()));
     }},
    {"Palier", [](const ISignature& S) { return QString::number(S.GetNumeroPalier()); }},
    {"Électrode", [](const ISignature& S) { return QString::number(S.GetNumeroElectrode()); }},
    {"Intensité (A)",
     [](const ISignature& S) { return QString::number(S.GetIntensiteMesuree(true), 'f', 0); }},
    {"Points", [](const ISignature& S) { return QString::number(S.GetCompteurPoints()); }},
};

} // namespace

TSignaturesView::TSignaturesView(QWidget* Parent)
    : QWidget(Parent), tblSignatures(new QTableWidget(0, std::size(Colonnes), this)),
      lblStation(new QLabel(this)), lstDefauts(new QListWidget(this)),
      btnAcquitter(new QPushButton(QStringLiteral("Acquitter les défauts"), this)) {
    setObjectName(QStringLiteral("TSignaturesView"));
    setMinimumWidth(480); // every column readable
    tblSignatures->setObjectName(QStringLiteral("tblSignatures"));
    lblStation->setObjectName(QStringLiteral("lblStation"));
    lstDefauts->setObjectName(QStringLiteral("lstDefauts"));
    lstDefauts->setMaximumHeight(120);
    btnAcquitter->setObjectName(QStringLiteral("btnAcquitter"));
    connect(btnAcquitter, &QPushButton::clicked, this, [this] {
        if (FAcquitter)
            FAcquitter();
    });
    QStringList titres;
    for (const TColonne& colonne : Colonnes)
        titres << QString::fromUtf8(colonne.Titre);
    tblSignatures->setHorizontalHeaderLabels(titres);
    tblSignatures->verticalHeader()->hide();
    tblSignatures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSignatures->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(lblStation);
    colonne->addWidget(tblSignatures, 1);
    colonne->addWidget(new QLabel(QStringLiteral("Défauts présents"), this));
    colonne->addWidget(lstDefauts);
    colonne->addWidget(btnAcquitter);
    Suivre(QString());
}

void TSignaturesView::Suivre(const QString& Nom) {
    FLignes.clear();
    FRecues = 0;
    tblSignatures->setRowCount(0);
    lstDefauts->clear();
    lblStation->setText(Nom.isEmpty() ? QStringLiteral("Aucune station connectée")
                                      : QStringLiteral("%1 : 0 signature").arg(Nom));
    lblStation->setProperty("Station", Nom);
}

void TSignaturesView::Recevoir(std::unique_ptr<TCustomZoneCPS> Signature) {
    auto partagee = std::shared_ptr<TCustomZoneCPS>(std::move(Signature));
    QMetaObject::invokeMethod(
        this, [this, partagee] { Afficher(*partagee); }, Qt::QueuedConnection);
}

void TSignaturesView::SetDefauts(std::vector<std::string> Codes) {
    QMetaObject::invokeMethod(
        this,
        [this, Codes = std::move(Codes)] {
            lstDefauts->clear();
            for (const std::string& code : Codes)
                lstDefauts->addItem(QString::fromStdString(code));
        },
        Qt::QueuedConnection);
}

void TSignaturesView::Afficher(const TCustomZoneCPS& Signature) {
    void* interface = nullptr;
    if (const_cast<TCustomZoneCPS&>(Signature).QueryInterface(ISignature::IID, &interface) !=
        THResult::S_OK)
        return;
    const auto& signature = *static_cast<ISignature*>(interface);
    const int programme = signature.GetNumeroProgramme();
    auto ligne = FLignes.find(programme);
    if (ligne == FLignes.end()) {
        ligne = FLignes.emplace(programme, tblSignatures->rowCount()).first;
        tblSignatures->insertRow(ligne->second);
    }
    for (int c = 0; c < static_cast<int>(std::size(Colonnes)); ++c)
        tblSignatures->setItem(ligne->second, c,
                               new QTableWidgetItem(Colonnes[c].Texte(signature)));
    ++FRecues;
    lblStation->setText(QStringLiteral("%1 : %2 signature(s)")
                            .arg(lblStation->property("Station").toString())
                            .arg(FRecues));
}

} // namespace g20seq::host
