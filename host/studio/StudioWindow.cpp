#include "studio/StudioWindow.h"

#include <QDockWidget>
#include <QListWidget>
#include <QMdiArea>
#include <QPlainTextEdit>

namespace g20seq::host {

StudioWindow::StudioWindow(QWidget* parent)
    : QMainWindow(parent), FMdiArea(new QMdiArea(this)), FStations(new QListWidget),
      FEventLog(new QPlainTextEdit) {
    setObjectName("StudioWindow");
    setWindowTitle("g20seq studio");
    FMdiArea->setObjectName("mdiArea");
    setCentralWidget(FMdiArea);

    auto* stations = new QDockWidget("Stations", this);
    stations->setObjectName("dockStations");
    FStations->setObjectName("lstStations");
    stations->setWidget(FStations);
    addDockWidget(Qt::LeftDockWidgetArea, stations);

    auto* log = new QDockWidget("Journal", this);
    log->setObjectName("dockJournal");
    FEventLog->setObjectName("txtJournal");
    FEventLog->setReadOnly(true);
    log->setWidget(FEventLog);
    addDockWidget(Qt::BottomDockWidgetArea, log);
    resize(1200, 800);
}

} // namespace g20seq::host
