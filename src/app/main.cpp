#include "gui/app_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tvx::startTorvanex();
    return QApplication::exec();
}
