// Desktop entry point: starts the toolkit at the program's scale, installs the Qt back end, the
// dialogs and the system's number format, then runs the start-up routine and opens the moment
// its argument prepares.
#include "canvas/format.h"
#include "qt/message_dialog.h"
#include "qt/program_scale.h"
#include "qt/qt_backend.h"
#include "surface/form.h"
#include "windows/prepared_moment.h"
#include "windows/teacher_windows.h"

#include <QApplication>
#include <QLocale>

#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    qt::ApplyProgramScale(argc, argv);
    QApplication app(argc, argv);
    surface::SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    surface::InstallBackend(std::make_unique<qt::QtBackend>());
    qt::InstallMessageDialog();
    teacher_windows::Install(false);
    // The words of a prepared moment, as a page's link fragment holds them; arguments that a
    // shell split at spaces are joined as words again.
    std::string words;
    for (const QString& argument : QApplication::arguments().mid(1))
        words += (words.empty() ? "" : "&") + argument.toStdString();
    const std::string leftOut = prepared_moment::OpenLink(words);
    if (!leftOut.empty())
        std::cerr << "sorvel: " << leftOut << '\n';
    const int code = QApplication::exec();
    // Every widget goes while the application object still exists.
    surface::Form::DropAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    surface::InstallBackend(nullptr);
    return code;
}
