// Measures the screen before the real application object exists, since the toolkit's scale factor
// can only be chosen before then.
#include "qt/program_scale.h"

#include "surface/screen_scale.h"

#include <QGuiApplication>
#include <QScreen>

namespace qt {

double ApplyProgramScale(int& argc, char** argv)
{
    surface::PixelSize screen{1024, 768};
    {
        const QGuiApplication probe(argc, argv);
        if (const QScreen* primary = QGuiApplication::primaryScreen())
            screen = {primary->size().width(), primary->size().height()};
    }
    const double scale = surface::ProgramScale(screen);
    // What the user asked for multiplies the program's own scale.
    bool set = false;
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    qputenv("QT_SCALE_FACTOR", QByteArray::number((set && asked > 0 ? asked : 1.0) * scale, 'g', 17));
    return scale;
}

}  // namespace qt
