#include "studio/LiveView.h"

#include <g20seq/model/CustomZoneCPS.h>

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <span>

namespace g20seq::host {

namespace {

// A column of one of the view's tables: its title and how it reads a row.
template <class TLigne> struct TColonne {
    const char* Titre;
    QString (*Texte)(const TLigne& Ligne);
};

QString Texte(const std::string& Valeur) {
    return QString::fromStdString(Valeur);
}

const TColonne<TSoudureDirecte> ColonnesSoudure[] = {
    {"Programme", [](const TSoudureDirecte& S) { return QString::number(S.Programme); }},
    {"Date", [](const TSoudureDirecte& S) { return Texte(S.DateHeure); }},
    {"Palier", [](const TSoudureDirecte& S) { return QString::number(S.Palier); }},
    {"Électrode", [](const TSoudureDirecte& S) { return QString::number(S.Electrode); }},
    {"Intensité (A)",
     [](const TSoudureDirecte& S) { return QString::number(S.Intensite, 'f', 0); }},
    {"Points", [](const TSoudureDirecte& S) { return QString::number(S.Points); }},
};

const TColonne<TObjetDirect> ColonnesDiagnostic[] = {
    {"Objet", [](const TObjetDirect& O) { return Texte(O.Nom); }},
    {"Description", [](const TObjetDirect& O) { return Texte(O.Description); }},
    {"État",
     [](const TObjetDirect& O) { return O.Actif ? QStringLiteral("Actif") : QStringLiteral("-"); }},
};

const TColonne<TCompteursDirects> ColonnesCompteurs[] = {
    {"Électrode", [](const TCompteursDirects& C) { return QString::number(C.Electrode); }},
    {"Points", [](const TCompteursDirects& C) { return QString::number(C.Points); }},
    {"Rodages", [](const TCompteursDirects& C) { return QString::number(C.Rodages); }},
    {"Palier", [](const TCompteursDirects& C) { return QString::number(C.Palier); }},
    {"Points absolus", [](const TCompteursDirects& C) { return QString::number(C.PointsAbsolus); }},
    {"État CU", [](const TCompteursDirects& C) { return QString(EtatVieText(C.EtatCU)); }},
    {"Fin de vie", [](const TCompteursDirects& C) { return QString(EtatVieText(C.EtatFDVE)); }},
};

template <class TLigne>
QTableWidget* CreerTable(QWidget* Parent, const char* Nom,
                         std::span<const TColonne<TLigne>> Colonnes) {
    auto* table = new QTableWidget(0, static_cast<int>(Colonnes.size()), Parent);
    table->setObjectName(QString::fromUtf8(Nom));
    QStringList titres;
    for (const auto& colonne : Colonnes)
        titres << QString::fromUtf8(colonne.Titre);
    table->setHorizontalHeaderLabels(titres);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

template <class TLigne>
void RemplirLigne(QTableWidget& Table, int Ligne, std::span<const TColonne<TLigne>> Colonnes,
                  const TLigne& Valeurs) {
    for (int c = 0; c < static_cast<int>(Colonnes.size()); ++c) {
        const QString texte = Colonnes[c].Texte(Valeurs);
        if (QTableWidgetItem* item = Table.item(Ligne, c))
            item->setText(texte);
        else
            Table.setItem(Ligne, c, new QTableWidgetItem(texte));
    }
}

// Rewrites the table's rows, keeping the selected row where it was.
template <class TLigne>
void Remplir(QTableWidget& Table, std::span<const TColonne<TLigne>> Colonnes,
             const std::vector<TLigne>& Lignes) {
    Table.setRowCount(static_cast<int>(Lignes.size()));
    for (int l = 0; l < static_cast<int>(Lignes.size()); ++l)
        RemplirLigne(Table, l, Colonnes, Lignes[l]);
}

QPushButton* Bouton(QWidget* Parent, const char* Nom, const QString& Libelle) {
    auto* bouton = new QPushButton(Libelle, Parent);
    bouton->setObjectName(QString::fromUtf8(Nom));
    return bouton;
}

// Runs Commande when the button is clicked, if the view has one.
template <class TCommande, class... TArgs>
void Relier(QPushButton* Bouton, const TCommande& Commande, TArgs... Args) {
    QObject::connect(Bouton, &QPushButton::clicked, Bouton, [&Commande, Args...] {
        if (Commande)
            Commande(Args()...);
    });
}

} // namespace

TLiveView::TLiveView(QWidget* Parent) : QWidget(Parent), tabVues(new QTabWidget(this)) {
    setObjectName(QStringLiteral("TLiveView"));
    setMinimumWidth(520); // every column readable
    tabVues->setObjectName(QStringLiteral("tabVues"));
    tabVues->addTab(CreerSignatures(), QStringLiteral("Signatures"));
    tabVues->addTab(CreerTempsReel(), QStringLiteral("Temps réel"));
    tabVues->addTab(CreerDefauts(), QStringLiteral("Défauts"));
    tabVues->addTab(CreerDiagnostic(), QStringLiteral("Diagnostic"));
    tabVues->addTab(CreerHorloge(), QStringLiteral("Horloge"));
    tabVues->addTab(CreerCompteurs(), QStringLiteral("Compteurs"));
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(lblStation);
    colonne->addWidget(tabVues, 1);
    Suivre(QString());
}

QWidget* TLiveView::CreerSignatures() {
    auto* page = new QWidget(this);
    lblStation = new QLabel(this);
    lblStation->setObjectName(QStringLiteral("lblStation"));
    tblSignatures = CreerTable<TSoudureDirecte>(page, "tblSignatures", ColonnesSoudure);
    (new QVBoxLayout(page))->addWidget(tblSignatures);
    return page;
}

QWidget* TLiveView::CreerTempsReel() {
    auto* page = new QWidget(this);
    tblTempsReel = CreerTable<TSoudureDirecte>(page, "tblTempsReel", ColonnesSoudure);
    FSerie = new QLineSeries;
    FSerie->setName(QStringLiteral("Intensité (A)"));
    auto* graphe = new QChart;
    graphe->addSeries(FSerie);
    graphe->legend()->hide();
    graphe->setTitle(QStringLiteral("Intensité des %1 dernières soudures").arg(SouduresTracees));
    FAxeX = new QValueAxis;
    FAxeX->setRange(0, SouduresTracees);
    FAxeX->setLabelFormat(QStringLiteral("%d"));
    FAxeY = new QValueAxis;
    FAxeY->setTitleText(QStringLiteral("A"));
    graphe->addAxis(FAxeX, Qt::AlignBottom);
    graphe->addAxis(FAxeY, Qt::AlignLeft);
    FSerie->attachAxis(FAxeX);
    FSerie->attachAxis(FAxeY);
    chtIntensite = new QChartView(graphe, page);
    chtIntensite->setObjectName(QStringLiteral("chtIntensite"));
    chtIntensite->setMinimumHeight(220);
    auto* colonne = new QVBoxLayout(page);
    colonne->addWidget(tblTempsReel, 1);
    colonne->addWidget(chtIntensite, 1);
    return page;
}

QWidget* TLiveView::CreerDefauts() {
    auto* page = new QWidget(this);
    lstDefauts = new QListWidget(page);
    lstDefauts->setObjectName(QStringLiteral("lstDefauts"));
    btnAcquitter = Bouton(page, "btnAcquitter", QStringLiteral("Acquitter les défauts"));
    Relier(btnAcquitter, FCommandes.AcquitterDefauts);
    auto* colonne = new QVBoxLayout(page);
    colonne->addWidget(new QLabel(QStringLiteral("Défauts présents"), page));
    colonne->addWidget(lstDefauts, 1);
    colonne->addWidget(btnAcquitter);
    return page;
}

QWidget* TLiveView::CreerDiagnostic() {
    auto* page = new QWidget(this);
    tblDiagnostic = CreerTable<TObjetDirect>(page, "tblDiagnostic", ColonnesDiagnostic);
    (new QVBoxLayout(page))->addWidget(tblDiagnostic);
    return page;
}

QWidget* TLiveView::CreerHorloge() {
    auto* page = new QWidget(this);
    lblHorloge = new QLabel(page);
    lblHorloge->setObjectName(QStringLiteral("lblHorloge"));
    btnHorloge = Bouton(page, "btnHorloge", QStringLiteral("Mettre à l'heure de l'ordinateur"));
    Relier(btnHorloge, FCommandes.MettreAHeure);
    auto* colonne = new QVBoxLayout(page);
    colonne->addWidget(new QLabel(QStringLiteral("Horloge du contrôleur"), page));
    colonne->addWidget(lblHorloge);
    colonne->addWidget(btnHorloge);
    colonne->addStretch(1);
    return page;
}

QWidget* TLiveView::CreerCompteurs() {
    auto* page = new QWidget(this);
    tblCompteurs = CreerTable<TCompteursDirects>(page, "tblCompteurs", ColonnesCompteurs);
    btnChangement = Bouton(page, "btnChangement", QStringLiteral("Changement d'électrode"));
    btnRodage = Bouton(page, "btnRodage", QStringLiteral("Rodage effectué"));
    btnRemiseAZero = Bouton(page, "btnRemiseAZero", QStringLiteral("Remise à zéro des compteurs"));
    const auto electrode = [this] { return ElectrodeChoisie(); };
    Relier(btnChangement, FCommandes.Changement, electrode);
    Relier(btnRodage, FCommandes.Rodage, electrode);
    Relier(btnRemiseAZero, FCommandes.RemiseAZero, electrode);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* bouton : {btnChangement, btnRodage, btnRemiseAZero})
        boutons->addWidget(bouton);
    auto* colonne = new QVBoxLayout(page);
    colonne->addWidget(tblCompteurs, 1);
    colonne->addLayout(boutons);
    return page;
}

void TLiveView::Suivre(const QString& Nom) {
    FLignes.clear();
    FIntensites.clear();
    FRecues = 0;
    FSerie->clear();
    for (QTableWidget* table : {tblSignatures, tblTempsReel, tblDiagnostic, tblCompteurs})
        table->setRowCount(0);
    lstDefauts->clear();
    lblHorloge->setText(QStringLiteral("-"));
    lblStation->setText(Nom.isEmpty() ? QStringLiteral("Aucune station connectée")
                                      : QStringLiteral("%1 : 0 signature").arg(Nom));
    lblStation->setProperty("Station", Nom);
}

void TLiveView::Recevoir(std::unique_ptr<TCustomZoneCPS> Signature) {
    auto soudure = std::make_shared<TSoudureDirecte>();
    if (!LireSoudure(*Signature, *soudure))
        return;
    QMetaObject::invokeMethod(
        this, [this, soudure] { Afficher(*soudure); }, Qt::QueuedConnection);
}

void TLiveView::SetDefauts(std::vector<TDefautDirect> Defauts) {
    QMetaObject::invokeMethod(
        this, [this, Defauts = std::move(Defauts)] { AfficherDefauts(Defauts); },
        Qt::QueuedConnection);
}

void TLiveView::SetEtat(TEtatStation Etat) {
    QMetaObject::invokeMethod(
        this, [this, Etat = std::move(Etat)] { AfficherEtat(Etat); }, Qt::QueuedConnection);
}

void TLiveView::Afficher(const TSoudureDirecte& Soudure) {
    auto ligne = FLignes.find(Soudure.Programme);
    if (ligne == FLignes.end()) {
        ligne = FLignes.emplace(Soudure.Programme, tblSignatures->rowCount()).first;
        tblSignatures->insertRow(ligne->second);
    }
    RemplirLigne<TSoudureDirecte>(*tblSignatures, ligne->second, ColonnesSoudure, Soudure);
    Tracer(Soudure.Intensite);
    ++FRecues;
    lblStation->setText(QStringLiteral("%1 : %2 signature(s)")
                            .arg(lblStation->property("Station").toString())
                            .arg(FRecues));
}

void TLiveView::Tracer(double Intensite) {
    FIntensites.push_back(Intensite);
    if (static_cast<int>(FIntensites.size()) > SouduresTracees)
        FIntensites.pop_front();
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(FIntensites.size()));
    for (const double intensite : FIntensites)
        points.append(QPointF(static_cast<double>(points.size()), intensite));
    FSerie->replace(points);
    const auto [bas, haut] = std::minmax_element(FIntensites.begin(), FIntensites.end());
    const double marge = std::max(1.0, (*haut - *bas) * 0.1);
    FAxeY->setRange(std::max(0.0, *bas - marge), *haut + marge);
}

void TLiveView::AfficherDefauts(const std::vector<TDefautDirect>& Defauts) {
    lstDefauts->clear();
    for (const TDefautDirect& defaut : Defauts)
        lstDefauts->addItem(defaut.Texte.empty() ? Texte(defaut.Code)
                                                 : QStringLiteral("%1 : %2").arg(
                                                       Texte(defaut.Code), Texte(defaut.Texte)));
}

void TLiveView::AfficherEtat(const TEtatStation& Etat) {
    Remplir<TSoudureDirecte>(*tblTempsReel, ColonnesSoudure, Etat.TempsReel);
    AfficherDefauts(Etat.Defauts);
    Remplir<TObjetDirect>(*tblDiagnostic, ColonnesDiagnostic, Etat.Diagnostic);
    lblHorloge->setText(Etat.Horloge.empty() ? QStringLiteral("-") : Texte(Etat.Horloge));
    Remplir<TCompteursDirects>(*tblCompteurs, ColonnesCompteurs, Etat.Compteurs);
}

int TLiveView::ElectrodeChoisie() const {
    const int ligne = tblCompteurs->currentRow();
    const QTableWidgetItem* item = ligne >= 0 ? tblCompteurs->item(ligne, 0) : nullptr;
    return item != nullptr ? item->text().toInt() : -1;
}

} // namespace g20seq::host
