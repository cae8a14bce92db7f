#include "ui/FenetreTextes.h"

#include "model/DataProxy.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace g20seq {

namespace {

QString Traduire(const QString& Section, const QString& Key, const QString& Default) {
    return QString::fromStdString(
        Translate(Section.toStdString(), Key.toStdString(), Default.toStdString()));
}

// The caption of a control of the kinds that show one, through its getter and setter.
template <class TControle>
bool TraduireTexte(QWidget& Controle, const QString& Section, QString (TControle::*Lire)() const,
                   void (TControle::*Ecrire)(const QString&)) {
    auto* controle = qobject_cast<TControle*>(&Controle);
    if (controle == nullptr)
        return false;
    const QString texte = (controle->*Lire)();
    if (!texte.isEmpty())
        (controle->*Ecrire)(Traduire(Section, Controle.objectName(), texte));
    return true;
}

void TraduireControle(QWidget& Controle, const QString& Section) {
    TraduireTexte<QAbstractButton>(Controle, Section, &QAbstractButton::text,
                                   &QAbstractButton::setText) ||
        TraduireTexte<QLabel>(Controle, Section, &QLabel::text, &QLabel::setText) ||
        TraduireTexte<QGroupBox>(Controle, Section, &QGroupBox::title, &QGroupBox::setTitle);
    if (!Controle.toolTip().isEmpty())
        Controle.setToolTip(
            Traduire(Section, Controle.objectName() + QStringLiteral(".Hint"), Controle.toolTip()));
}

// The caption and hint of an action (menus and tool buttons show them).
void TraduireAction(QAction& Action, const QString& Section) {
    Action.setText(Traduire(Section, Action.objectName(), Action.text()));
    Action.setToolTip(
        Traduire(Section, Action.objectName() + QStringLiteral(".Hint"), Action.toolTip()));
}

} // namespace

void NommerControles(std::initializer_list<std::pair<QObject*, const char*>> Controles) {
    for (const auto& [controle, nom] : Controles)
        controle->setObjectName(QString::fromLatin1(nom));
}

void TraduireFenetre(QWidget& Window) {
    const QString section = Window.objectName();
    Window.setWindowTitle(Traduire(section, section, Window.windowTitle()));
    for (QWidget* controle : Window.findChildren<QWidget*>())
        if (!controle->objectName().isEmpty() && !controle->objectName().startsWith("qt_"))
            TraduireControle(*controle, section);
    for (QAction* action : Window.findChildren<QAction*>())
        if (!action->objectName().isEmpty() && !action->text().isEmpty())
            TraduireAction(*action, section);
}

QString TexteFenetre(const QWidget& Window, const char* Key, const char* Default) {
    return Traduire(Window.objectName(), QString::fromLatin1(Key), QString::fromUtf8(Default));
}

int QuestionFermeture() {
    return MessageDlg("CstMessages", "Mess_DataModified",
                      "Les données ont été modifiées. Souhaitez vous les sauvegarder ?",
                      mtConfirmation, mbYes | mbNo | mbCancel);
}

} // namespace g20seq
