#include "platform/QtApplication.h"
#include "platform/QtUserDialogs.h"
#include "platform/Services.h"

#include <QMainWindow>

int main(int argc, char** argv) {
    QtApplication app(argc, argv);
    QtUserDialogs dialogs;
    platform::setDialogs(&dialogs);

    QMainWindow okno;
    okno.setWindowTitle(kTitulekAplikace);
    okno.resize(800, 600);
    okno.show();
    const int r = app.exec();
    platform::setDialogs(nullptr);
    return r;
}
