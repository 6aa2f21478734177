#include "app/HlidacSignalu.h"
#include "app/QtProgram.h"
#include "platform/QtApplication.h"
#include "platform/QtUserDialogs.h"
#include "platform/Services.h"

int main(int argc, char** argv) {
    QtApplication app(argc, argv);
    QtUserDialogs dialogs;
    platform::setDialogs(&dialogs);
    int kod = 0;
    {
        QtProgram program;
        HlidacSignalu signaly;
        QObject::connect(&signaly, &HlidacSignalu::konecSezeni, &program, [&program] { program.KonecSezeni(); });
        program.spust();
        kod = app.exec();
    }
    platform::setDialogs(nullptr);
    return kod;
}
