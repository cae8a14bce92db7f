// The live view of a connected station: the last signature of each program (date, step,
// electrode, current, points), refreshed as the controller welds, the number of signatures
// received, and the faults present with the button that acknowledges them.
#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
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
    // The faults present on the station: may be called from any thread.
    void SetDefauts(std::vector<std::string> Codes);
    // Run when the user acknowledges the faults.
    void SetAcquitter(std::function<void()> Acquitter) { FAcquitter = std::move(Acquitter); }

    QTableWidget* tblSignatures;
    QLabel* lblStation;
    QListWidget* lstDefauts;
    QPushButton* btnAcquitter;

private:
    void Afficher(const TCustomZoneCPS& Signature);

    std::map<int, int> FLignes; // program -> row
    std::function<void()> FAcquitter;
    int FRecues = 0;
};

} // namespace g20seq::host
