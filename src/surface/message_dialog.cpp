// Shows messages in a modal box with one OK button over the active window.
#include "surface/message_dialog.h"

#include "canvas/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace surface {

void InstallMessageDialog()
{
    SetMessageSink([](const std::string& text) {
        QMessageBox::information(QApplication::activeWindow(), QStringLiteral("SORVEL"), QString::fromStdString(text));
    });
}

}  // namespace surface
