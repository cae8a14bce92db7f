// The live view of a connected station's welds: the last signature of each program (date,
// step, electrode, current, points, fault), refreshed as the controller welds, and the
// number of signatures received.
#pragma once

#include <QWidget>

#include <map>
#include <memory>

class QLabel;
class QTableWidget;

namespace g20seq {
class TCustomZoneCPS;
}

namespace g20seq::host {

class TSignaturesView : public QWidget {
    Q_OBJECT
public:
    explicit TSignaturesView(QWidget* Parent = nullptr);

    // Starts over for the station Nom.
    void Suivre(const QString& Nom);
    // A signature received: may be called from any thread (the view takes it over).
    void Recevoir(std::unique_ptr<TCustomZoneCPS> Signature);
    int Recues() const { return FRecues; }

    QTableWidget* tblSignatures;
    QLabel* lblStation;

private:
    void Afficher(const TCustomZoneCPS& Signature);

    std::map<int, int> FLignes; // program -> row
    int FRecues = 0;
};

} // namespace g20seq::host
