#include "studio/StudioWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    g20seq::host::StudioWindow window;
    window.show();
    return app.exec();
}
