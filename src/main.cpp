// Desktop entry point: starts the toolkit at the program's scale, installs the Qt back end, the
// dialogs and the system's number format, then runs the start-up routine.
#include "canvas/format.h"
#include "qt/message_dialog.h"
#include "qt/program_scale.h"
#include "qt/qt_backend.h"
#include "surface/form.h"
#include "windows/startup.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    qt::ApplyProgramScale(argc, argv);
    QApplication app(argc, argv);
    surface::SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    surface::InstallBackend(std::make_unique<qt::QtBackend>());
    qt::InstallMessageDialog();
    shell::StartUp();
    const int code = QApplication::exec();
    // Every widget goes while the application object still exists.
    surface::Form::DropAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    surface::InstallBackend(nullptr);
    return code;
}
