// One ring for the whole program, moved to the control that takes the keyboard focus and kept round
// it while it moves; the styles' own hints (a dotted line, a faint glow) are too thin for a projector.
#include "qt/focus_outline.h"

#include "surface/appearance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace qt {
namespace {

// A ring of the outline's width round the control. As the toolkit's own focus frame, which it
// derives from, it takes no clicks and is no control to assistive technology; it is placed here.
class Ring : public QFocusFrame {
public:
    explicit Ring(QWidget* parent) : QFocusFrame(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        const surface::Rgb colour = surface::kFocusOutlineColour;
        QPainter painter(this);
        painter.setPen(QPen(QColor(colour.r, colour.g, colour.b), surface::kFocusOutlineWidth, Qt::SolidLine,
                            Qt::SquareCap, Qt::MiterJoin));
        const double half = surface::kFocusOutlineWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
};

// What the outline goes round, in the control's parent: an option button or a check box by its
// mark and caption (its box may be far wider, under the formula beside it), any other control whole.
QRect outlined(const QWidget& control)
{
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    const bool radio = qobject_cast<const QRadioButton*>(&control) != nullptr;
    if (!button || (!radio && !qobject_cast<const QCheckBox*>(&control)))
        return control.geometry();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect mark = control.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &option, button);
    return mark.intersected(control.rect()).translated(control.pos());
}

// Follows the focus, and the focused control's moves, resizes and hiding.
class Follower : public QObject {
public:
    static constexpr const char* kName = "focus outline";

    explicit Follower(QObject* application) : QObject(application)
    {
        setObjectName(kName);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (watched == target_ && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
                                   type == QEvent::Hide || type == QEvent::ZOrderChange))
            place();
        return false;
    }

private:
    void follow(QWidget* now)
    {
        if (target_)
            target_->removeEventFilter(this);
        // Only a control inside a window is outlined, never a window itself.
        target_ = now && !now->isWindow() ? now : nullptr;
        if (target_)
            target_->installEventFilter(this);
        place();
    }

    void place()
    {
        if (!target_ || !target_->isVisible()) {
            if (ring_)
                ring_->hide();
            return;
        }
        QWidget* parent = target_->parentWidget();
        if (!ring_ || ring_->parentWidget() != parent) {
            delete ring_.data();
            ring_ = new Ring(parent);
        }
        // Just outside what it goes round, but never past the control's own box, so that it never
        // covers a neighbour or the picture beside the column.
        const int width = surface::kFocusOutlineWidth;
        ring_->setGeometry(outlined(*target_).adjusted(-width, -width, width, width) & target_->geometry());
        ring_->raise();
        ring_->show();
    }

    QPointer<QWidget> target_;
    QPointer<Ring> ring_;
};

}  // namespace

void InstallFocusOutline()
{
    // One for the application, which ends it.
    if (!qApp->findChild<QObject*>(Follower::kName, Qt::FindDirectChildrenOnly))
        new Follower(qApp);
}

}  // namespace qt
