#include "frm_tavrel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tavrel::PlayerSession session;
    tavrel::ui::Frm_Tavrel window(session);
    window.show();
    return app.exec();
}
