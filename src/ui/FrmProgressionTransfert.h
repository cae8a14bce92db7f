// The small window shown while zones are exchanged with the controller: the name of the
// zone in transfer and a progress bar that the editor window advances per answer.
#pragma once

#include "ui/FrmKevSDI.h"

class QLabel;
class QProgressBar;

namespace g20seq {

class TCustomZoneCPS;

class TFrmProgressionTransfert : public TFrmKevSDI {
    Q_OBJECT
public:
    explicit TFrmProgressionTransfert(QWidget* Parent = nullptr);

    // Shows the name of Zone (nothing changes without a zone).
    void SetCaption(const TCustomZoneCPS* Zone);
    // Advances the zones' progress bar by one step.
    void StepIt();

    QLabel* pnlTransfertZones;
    QProgressBar* prbTransfertZones;
    QProgressBar* prbTransfertCPS;
};

} // namespace g20seq
