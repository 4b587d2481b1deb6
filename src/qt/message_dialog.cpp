// Shows messages in a modal box with one OK button over the active window.
#include "qt/message_dialog.h"

#include "canvas/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace qt {

void InstallMessageDialog()
{
    surface::SetMessageSink([](const std::string& text) {
        QMessageBox::information(QApplication::activeWindow(), QStringLiteral("SORVEL"), QString::fromStdString(text));
    });
}

}  // namespace qt
