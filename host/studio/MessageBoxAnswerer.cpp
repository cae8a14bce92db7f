#include "studio/MessageBoxAnswerer.h"

#include <QMessageBox>

namespace g20seq::host {

namespace {

struct TBouton {
    TMsgDlgBtn Bouton;
    QMessageBox::StandardButton Standard;
    TModalResult Reponse;
};

constexpr TBouton Boutons[] = {
    {mbYes, QMessageBox::Yes, mrYes},
    {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},
    {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},
    {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
};

struct TIcone {
    TMsgDlgType Kind;
    QMessageBox::Icon Icon;
};

constexpr TIcone Icones[] = {
    {mtWarning, QMessageBox::Warning},         {mtError, QMessageBox::Critical},
    {mtInformation, QMessageBox::Information}, {mtConfirmation, QMessageBox::Question},
    {mtCustom, QMessageBox::NoIcon},
};

} // namespace

int AskWithMessageBox(QWidget* Parent, const std::string& Text, TMsgDlgType Kind,
                      TMsgDlgButtons Buttons) {
    QMessageBox box(Parent);
    box.setObjectName(QStringLiteral("msgModule"));
    box.setWindowTitle(QStringLiteral("g20seq studio"));
    box.setText(QString::fromStdString(Text));
    for (const TIcone& icone : Icones)
        if (icone.Kind == Kind)
            box.setIcon(icone.Icon);
    QMessageBox::StandardButtons standards;
    for (const TBouton& bouton : Boutons)
        if ((Buttons & bouton.Bouton) != 0)
            standards |= bouton.Standard;
    box.setStandardButtons(standards == QMessageBox::NoButton ? QMessageBox::Ok : standards);
    const int clique = box.exec();
    for (const TBouton& bouton : Boutons)
        if (clique == bouton.Standard)
            return bouton.Reponse;
    return (Buttons & mbCancel) != 0 ? mrCancel : mrNone;
}

} // namespace g20seq::host
