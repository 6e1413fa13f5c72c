#include "platform/Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace pelcor {

void DesktopDialogs::showMessage(const QString& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), text);
}

} // namespace pelcor
