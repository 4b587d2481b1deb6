// Entry point: installs the dialogs and the system's number format, then runs the start-up routine.
#include "canvas/format.h"
#include "surface/form.h"
#include "surface/message_dialog.h"
#include "windows/startup.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    surface::SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    surface::InstallMessageDialog();
    shell::StartUp();
    const int code = QApplication::exec();
    surface::Form::DestroyAll();
    return code;
}
