// An application-wide filter: each key press in a program window is named as the surface names
// keys ("F11", "Ctrl+C", "Shift+F10", "ContextMenu", "F1", "Escape") and offered to it first.
#include "qt/teacher_keys.h"

#include "surface/teacher.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>

#include <string>

namespace qt {
namespace {

const char* const kProgramWindow = "sorvelProgramWindow";

std::string nameOf(const QKeyEvent& key)
{
    // The platform's copy key: Ctrl+C here, ⌘C on Apple's keyboards.
    if (key.matches(QKeySequence::Copy))
        return "Ctrl+C";
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)
        return "Shift+F10";
    if (modifiers != Qt::NoModifier)
        return "";
    switch (key.key()) {
    case Qt::Key_F11: return "F11";
    case Qt::Key_F1: return "F1";
    case Qt::Key_Escape: return "Escape";
    case Qt::Key_Menu: return "ContextMenu";
    default: return "";
    }
}

class TeacherKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!window || !window->property(kProgramWindow).toBool())
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        // Held down, F11 would flicker between full screen and back.
        if (key.isAutoRepeat())
            return false;
        const std::string name = nameOf(key);
        return !name.empty() && surface::teacher::PressKey(name, false);
    }
};

}  // namespace

void MarkAsProgramWindow(QWidget* window)
{
    window->setProperty(kProgramWindow, true);
}

void InstallTeacherKeys()
{
    qApp->installEventFilter(new TeacherKeys(qApp));
}

}  // namespace qt
