// Places each control from its twips geometry; the twips are kept as set, the pixels rounded from them.
#include "surface/controls.h"

#include "surface/twips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <map>

namespace surface {

Control::Control(QWidget* widget, TwipsRect design) : widget_(widget), geometry_(design)
{
    place();
    widget_->show();
}

void Control::place()
{
    widget_->setGeometry(ToPixels(geometry_.left), ToPixels(geometry_.top), std::max(0, ToPixels(geometry_.width)),
                         std::max(0, ToPixels(geometry_.height)));
    geometryChanged();
}

void Control::set(float TwipsRect::*field, float twips)
{
    geometry_.*field = twips;
    place();
}

void Control::PlaceUnder(const Control& above)
{
    SetTop(above.Height() + above.Top());
    SetLeft(above.Left());
}

void Control::SetVisible(bool visible)
{
    visible_ = visible;
    widget_->setVisible(visible);
}

void Control::SetAccessibleName(const std::string& name)
{
    widget_->setAccessibleName(QString::fromStdString(name));
}

void SetTabOrder(std::initializer_list<const Control*> controls)
{
    const Control* previous = nullptr;
    for (const Control* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous->widget(), control->widget());
        previous = control;
    }
}

QString WrapCaption(const QString& caption, const QFontMetrics& metrics, int width)
{
    QString text;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        text += line + QLatin1Char('\n');
        line = word;
    }
    return text + line;
}

CaptionedControl::CaptionedControl(QAbstractButton* button, const std::string& caption, TwipsRect design)
    : Control(button, design), caption_(caption)
{
    SetAccessibleName(caption);  // the shown text may be broken into lines
    geometryChanged();           // the base could not reach this override while it was being built
}

void CaptionedControl::geometryChanged()
{
    auto* button = static_cast<QAbstractButton*>(widget());
    // Room for the text: the width less what the style adds around it (indicator or bevel).
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle::ContentsType type = qobject_cast<QCheckBox*>(button)      ? QStyle::CT_CheckBox
                                      : qobject_cast<QRadioButton*>(button) ? QStyle::CT_RadioButton
                                                                            : QStyle::CT_PushButton;
    if (type != QStyle::CT_PushButton)
        option.text = QStringLiteral("x");  // a box adds the spacing after its indicator only where there is text
    const int bare =
        button->style()->sizeFromContents(type, &option, QSize(0, button->fontMetrics().height()), button).width();
    const int room = button->width() - bare;
    const QString wrapped = WrapCaption(QString::fromStdString(caption_), button->fontMetrics(), room);
    if (button->text() != wrapped)
        button->setText(wrapped);
}

CommandButton::CommandButton(QWidget* parent, const std::string& caption, TwipsRect design)
    : CaptionedControl(new QPushButton(parent), caption, design)
{
}

OptionButton::OptionButton(QWidget* parent, const std::string& caption, TwipsRect design, bool value)
    : CaptionedControl(new QRadioButton(parent), caption, design)
{
    button()->setChecked(value);
}

CheckBox::CheckBox(QWidget* parent, const std::string& caption, TwipsRect design)
    : CaptionedControl(new QCheckBox(parent), caption, design)
{
}

namespace {

// A scroll bar that a keyboard user can reach. The usual styles draw no focus on scroll bars, so
// a focused one is framed in the highlight colour.
class FocusScrollBar : public QScrollBar {
public:
    FocusScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    // Up and Left lower the value, Down and Right raise it, whatever the orientation; Page Up and
    // Page Down by a LargeChange; Home and End to Min and Max.
    void keyPressEvent(QKeyEvent* event) override
    {
        static const std::map<int, SliderAction> actions{
            {Qt::Key_Up, SliderSingleStepSub},   {Qt::Key_Left, SliderSingleStepSub},
            {Qt::Key_Down, SliderSingleStepAdd}, {Qt::Key_Right, SliderSingleStepAdd},
            {Qt::Key_PageUp, SliderPageStepSub}, {Qt::Key_PageDown, SliderPageStepAdd},
            {Qt::Key_Home, SliderToMinimum},     {Qt::Key_End, SliderToMaximum}};
        const auto action = actions.find(event->key());
        if (action == actions.end()) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        triggerAction(action->second);
        event->accept();
    }

    void paintEvent(QPaintEvent* event) override
    {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

}  // namespace

ScrollBar::ScrollBar(QWidget* parent, Qt::Orientation orientation, TwipsRect design, ScrollRange range)
    : Control(new FocusScrollBar(orientation, parent), design)
{
    bar()->setRange(range.min, range.max);
    bar()->setSingleStep(range.smallChange);
    bar()->setPageStep(range.largeChange);
    bar()->setValue(range.value);
}

Label::Label(QWidget* parent, const std::string& caption, TwipsRect design)
    : Control(new QLabel(QString::fromStdString(caption), parent), design)
{
    label()->setWordWrap(true);
    label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

namespace {

QWidget* makeTextWidget(QWidget* parent, bool multiLine)
{
    if (!multiLine)
        return new QLineEdit(parent);
    auto* edit = new QPlainTextEdit(parent);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return edit;
}

}  // namespace

TextBox::TextBox(QWidget* parent, const std::string& text, TwipsRect design, bool multiLine)
    : Control(makeTextWidget(parent, multiLine), design), multiLine_(multiLine)
{
    SetText(text);
}

std::string TextBox::Text() const
{
    if (multiLine_)
        return static_cast<QPlainTextEdit*>(widget())->toPlainText().toStdString();
    return static_cast<QLineEdit*>(widget())->text().toStdString();
}

void TextBox::SetText(const std::string& text)
{
    if (multiLine_)
        static_cast<QPlainTextEdit*>(widget())->setPlainText(QString::fromStdString(text));
    else
        static_cast<QLineEdit*>(widget())->setText(QString::fromStdString(text));
}

double TextBox::FontSize() const
{
    return widget()->font().pointSizeF();
}

void TextBox::SetFontSize(double points)
{
    QFont font = widget()->font();
    font.setPointSizeF(points);
    widget()->setFont(font);
}

Picture::Picture(QWidget* parent, TwipsRect design) : Control(new PictureBox(parent), design)
{
}

Canvas& Picture::canvas()
{
    if (tee_)
        return *tee_;
    return raster();
}

void Picture::SetObserver(Canvas* observer)
{
    tee_ = observer ? std::make_unique<TeeCanvas>(raster(), *observer) : nullptr;
}

}  // namespace surface
