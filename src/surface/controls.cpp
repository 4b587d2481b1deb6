// Places each control from its twips geometry; the twips are kept as set, the pixels rounded from them.
#include "surface/controls.h"

#include "surface/twips.h"

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
}

void Control::SetLeft(float twips)
{
    geometry_.left = twips;
    place();
}

void Control::SetTop(float twips)
{
    geometry_.top = twips;
    place();
}

void Control::SetWidth(float twips)
{
    geometry_.width = twips;
    place();
}

void Control::SetHeight(float twips)
{
    geometry_.height = twips;
    place();
}

void Control::SetVisible(bool visible)
{
    visible_ = visible;
    widget_->setVisible(visible);
}

CommandButton::CommandButton(QWidget* parent, const std::string& caption, TwipsRect design)
    : Control(new QPushButton(QString::fromStdString(caption), parent), design)
{
}

OptionButton::OptionButton(QWidget* parent, const std::string& caption, TwipsRect design, bool value)
    : Control(new QRadioButton(QString::fromStdString(caption), parent), design)
{
    button()->setChecked(value);
}

CheckBox::CheckBox(QWidget* parent, const std::string& caption, TwipsRect design)
    : Control(new QCheckBox(QString::fromStdString(caption), parent), design)
{
}

ScrollBar::ScrollBar(QWidget* parent, Qt::Orientation orientation, TwipsRect design, ScrollRange range)
    : Control(new QScrollBar(orientation, parent), design)
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

Picture::Picture(QWidget* parent, TwipsRect design) : Control(new PictureBox(parent), design) {}

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
