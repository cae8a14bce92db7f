// The window context: the state of chosen controls of a window, kept in the context file
// (an INI file named by the host's settings service, extension ".ihm") from one opening of
// the window to the next, and the state that controls keep themselves (IEtatComposant).
//
// The value key of a control is the window's component name, "|" and the control's name,
// in the section "Contexte". Values by kind of control:
//   check box            checked state as boolean text ("True", "False")
//   date and time edit   date "dd/MM/yyyy", time "hh:mm:ss" or both, as the edit shows
//   checked combo box    one "1" or "0" per item, concatenated
//   combo box            index of the selected item in decimal
//   checkable action     checked state as boolean text (a menu item)
#pragma once

#include "support/Object.h"

#include <QStringList>

#include <functional>

class QObject;
class QSettings;
class QWidget;

namespace g20seq {

class TContexteFenetre {
public:
    // Sender: the window as the log's sender.
    TContexteFenetre(QWidget& Window, const TObject* Sender);

    // Adds a control (by its name) to the controls whose state is kept.
    void Ajouter(const QObject& Controle);
    const QStringList& Controles() const { return FControles; }

    // Saves, or restores, the states the controls keep themselves, then those of the listed
    // controls through Controle (a window's hook, by default SauverControle or
    // RestaurerControle).
    void Sauver(const std::function<void(QObject&, QSettings&)>& Controle) const;
    void Restaurer(const std::function<void(QObject&, QSettings&)>& Controle) const;

    // One control's state into, or out of, the open context file. Unknown kinds are logged
    // and skipped.
    void SauverControle(QObject& Controle, QSettings& Fichier) const;
    void RestaurerControle(QObject& Controle, QSettings& Fichier) const;

private:
    QString Cle(const QObject& Controle) const;
    void EtatsComposants(bool Sauver) const;
    void Parcourir(const std::function<void(QObject&, QSettings&)>& Controle) const;

    QWidget& FWindow;
    const TObject* FSender;
    QStringList FControles;
};

} // namespace g20seq
