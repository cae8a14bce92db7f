// Main window of the desktop studio: stations on the left, the module's editor windows
// as MDI children in the centre, the event log at the bottom.
#pragma once

#include <QMainWindow>

class QMdiArea;
class QListWidget;
class QPlainTextEdit;

namespace g20seq::host {

class StudioWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit StudioWindow(QWidget* parent = nullptr);

    QMdiArea* MdiArea() const { return FMdiArea; }

private:
    QMdiArea* FMdiArea;
    QListWidget* FStations;
    QPlainTextEdit* FEventLog;
};

} // namespace g20seq::host
