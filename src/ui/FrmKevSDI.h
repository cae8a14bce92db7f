// The base of the modal dialogs that edit one data object with modification tracking: OK
// saves and closes, Annuler cancels, and closing with unsaved changes asks whether to save.
#pragma once

#include <QDialog>

class QPushButton;
class QScrollArea;

namespace g20seq {

class TGereDonnees;

class TFrmKevSDI : public QDialog {
    Q_OBJECT
public:
    explicit TFrmKevSDI(QWidget* Parent = nullptr);

    // The edited data object (not owned), or null.
    TGereDonnees* VGereDonnees = nullptr;

    QScrollArea* sbxClient;
    QWidget* pnlBoutons;
    QWidget* pnlAbandon;
    QPushButton* btnCancel;
    QWidget* pnlOk;
    QPushButton* btnOK;

    // Closing: without changes the dialog closes; otherwise the user is asked whether to save
    // (yes saves, no cancels the changes, cancel keeps the dialog open).
    void reject() override;

protected:
    // Hooks: save, cancel and "modified" of the data object (false without one).
    virtual void Enregistrer();
    virtual void Annuler();
    virtual bool Modifiees() const;

    void showEvent(QShowEvent* Event) override;

private:
    void btnOKClick();
    bool FTraduite = false;
};

} // namespace g20seq
