#include "ui/ContexteFenetre.h"

#include "model/DataProxy.h"
#include "ui/EtatComposant.h"
#include "ui/widgets/CheckedComboBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QSettings>
#include <QWidget>

namespace g20seq {

namespace {

QString TexteBooleen(bool Valeur) {
    return Valeur ? QStringLiteral("True") : QStringLiteral("False");
}

// The format of a date and time edit's value, after what it shows.
QString FormatDateHeure(const QDateTimeEdit& Edit) {
    const auto sections = Edit.displayedSections();
    const bool date = (sections & QDateTimeEdit::DateSections_Mask) != 0;
    const bool heure = (sections & QDateTimeEdit::TimeSections_Mask) != 0;
    if (date && heure)
        return QStringLiteral("dd/MM/yyyy hh:mm:ss");
    return date ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("hh:mm:ss");
}

// One kind of control: how its state reads as text and is set back from text. The first
// kind a control belongs to is used (a checked combo box before a combo box).
struct TGenreControle {
    bool (*Est)(const QObject&);
    QString (*Lire)(QObject&);
    void (*Ecrire)(QObject&, const QString&);
};

template <class T> bool Est(const QObject& Controle) {
    return qobject_cast<const T*>(&Controle) != nullptr;
}

template <class T> T& Comme(QObject& Controle) {
    return *qobject_cast<T*>(&Controle);
}

bool EstActionCochable(const QObject& Controle) {
    const auto* action = qobject_cast<const QAction*>(&Controle);
    return action != nullptr && action->isCheckable();
}

const TGenreControle GenresControles[] = {
    {Est<QCheckBox>, [](QObject& c) { return TexteBooleen(Comme<QCheckBox>(c).isChecked()); },
     [](QObject& c, const QString& v) { Comme<QCheckBox>(c).setChecked(v == "True"); }},
    {Est<QDateTimeEdit>,
     [](QObject& c) {
         auto& edit = Comme<QDateTimeEdit>(c);
         return edit.dateTime().toString(FormatDateHeure(edit));
     },
     [](QObject& c, const QString& v) {
         auto& edit = Comme<QDateTimeEdit>(c);
         const QDateTime valeur = QDateTime::fromString(v, FormatDateHeure(edit));
         if (valeur.isValid())
             edit.setDateTime(valeur);
     }},
    {Est<TCheckedComboBox>, [](QObject& c) { return Comme<TCheckedComboBox>(c).State(); },
     [](QObject& c, const QString& v) { Comme<TCheckedComboBox>(c).SetState(v); }},
    {Est<QComboBox>, [](QObject& c) { return QString::number(Comme<QComboBox>(c).currentIndex()); },
     [](QObject& c, const QString& v) {
         bool ok = false;
         const int index = v.toInt(&ok);
         if (ok && index < Comme<QComboBox>(c).count())
             Comme<QComboBox>(c).setCurrentIndex(index);
     }},
    {EstActionCochable, [](QObject& c) { return TexteBooleen(Comme<QAction>(c).isChecked()); },
     [](QObject& c, const QString& v) { Comme<QAction>(c).setChecked(v == "True"); }},
};

const TGenreControle* Genre(const QObject& Controle) {
    for (const TGenreControle& genre : GenresControles)
        if (genre.Est(Controle))
            return &genre;
    return nullptr;
}

const QString SectionContexte = QStringLiteral("Contexte");

QString FichierContexte() {
    ISettingsProxy* settings = SettingsProxy();
    return settings != nullptr ? QString::fromStdString(settings->GetContextFileName()) : QString();
}

} // namespace

TContexteFenetre::TContexteFenetre(QWidget& Window, const TObject* Sender)
    : FWindow(Window), FSender(Sender) {}

void TContexteFenetre::Ajouter(const QObject& Controle) {
    if (!FControles.contains(Controle.objectName()))
        FControles.append(Controle.objectName());
}

QString TContexteFenetre::Cle(const QObject& Controle) const {
    return SectionContexte + "/" + FWindow.objectName() + "|" + Controle.objectName();
}

void TContexteFenetre::SauverControle(QObject& Controle, QSettings& Fichier) const {
    const TGenreControle* genre = Genre(Controle);
    if (genre == nullptr) {
        LogEvent(FSender, "SaveComponentIHM", "Nouveau type de composant à enregistrer le contexte",
                 "", LogAnomaly, CatThread);
        LogEvent(FSender, "SaveComponentIHM",
                 "Nom du composant: " + Controle.objectName().toStdString(), "", LogAnomaly,
                 CatKevnet);
        return;
    }
    Fichier.setValue(Cle(Controle), genre->Lire(Controle));
}

void TContexteFenetre::RestaurerControle(QObject& Controle, QSettings& Fichier) const {
    const TGenreControle* genre = Genre(Controle);
    if (genre == nullptr) {
        LogEvent(FSender, "RestoreComponentIHM", "Type de composant inconnu dans le fichier .ihm",
                 Controle.objectName().toStdString(), LogAnomaly, CatThread);
        return;
    }
    const QVariant valeur = Fichier.value(Cle(Controle));
    if (valeur.isValid())
        genre->Ecrire(Controle, valeur.toString());
}

void TContexteFenetre::EtatsComposants(bool Sauver) const {
    ISettingsProxy* settings = SettingsProxy();
    if (settings == nullptr)
        return;
    const std::string section = FWindow.objectName().toStdString();
    for (QObject* controle : FWindow.findChildren<QObject*>())
        if (auto* etat = dynamic_cast<IEtatComposant*>(controle))
            Sauver ? etat->SauverEtat(*settings, section) : etat->RestaurerEtat(*settings, section);
}

void TContexteFenetre::Parcourir(const std::function<void(QObject&, QSettings&)>& Controle) const {
    const QString fichier = FichierContexte();
    if (fichier.isEmpty())
        return;
    QSettings contexte(fichier, QSettings::IniFormat);
    for (const QString& nom : FControles)
        if (auto* controle = FWindow.findChild<QObject*>(nom))
            Controle(*controle, contexte);
}

void TContexteFenetre::Sauver(const std::function<void(QObject&, QSettings&)>& Controle) const {
    EtatsComposants(true);
    Parcourir(Controle);
}

void TContexteFenetre::Restaurer(const std::function<void(QObject&, QSettings&)>& Controle) const {
    EtatsComposants(false);
    Parcourir(Controle);
}

} // namespace g20seq
