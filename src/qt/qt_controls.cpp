// Buttons, option buttons, check boxes, scroll bars, labels and text boxes as Qt widgets.
#include "qt/qt_controls.h"

#include "qt/accessible_roles.h"
#include "surface/caption_wrap.h"
#include "surface/controls.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>

#include <QRegion>

#include <map>

namespace qt {

namespace {

// A named grouping of option buttons. The buttons keep their places in the window: the box
// spans them, and takes the pointer only where they are, so what lies between stays reachable.
class GroupBox : public QWidget {
public:
    explicit GroupBox(QWidget* window) : QWidget(window) { SetAccessibleRole(this, QAccessible::Grouping); }

    void adopt(QWidget* member)
    {
        places_[member] = member->geometry();
        member->setParent(this);
        reflow();
        member->show();
    }
    // Where a member stands in the window.
    void place(QWidget* member, const QRect& inWindow)
    {
        places_[member] = inWindow;
        reflow();
    }

private:
    void reflow()
    {
        QRect span;
        for (const auto& [member, place] : places_)
            span = span.united(place);
        setGeometry(span);
        QRegion mask;
        for (const auto& [member, place] : places_) {
            member->setGeometry(place.translated(-span.topLeft()));
            mask += member->geometry();
        }
        setMask(mask);
    }

    std::map<QWidget*, QRect> places_;
};

}  // namespace

QtControl::~QtControl()
{
    delete widget_.data();
}

void QtControl::setGeometry(const surface::PixelRect& rect)
{
    const QRect place(rect.left, rect.top, rect.width, rect.height);
    if (auto* group = dynamic_cast<GroupBox*>(widget_->parentWidget()))
        group->place(widget_, place);
    else
        widget_->setGeometry(place);
}

void QtControl::setVisible(bool visible)
{
    widget_->setVisible(visible);
}

void QtControl::setAccessibleName(const std::string& name)
{
    widget_->setAccessibleName(QString::fromStdString(name));
}

void QtControl::setDescription(const std::string& description)
{
    widget_->setAccessibleDescription(QString::fromStdString(description));
}

void QtControl::takeFocus()
{
    widget_->setFocus(Qt::OtherFocusReason);
}

void QtControl::setLabelledBy(surface::ControlPeer& label)
{
    // A label's buddy is what Qt reports as the control it labels.
    if (auto* caption = qobject_cast<QLabel*>(dynamic_cast<QtControl&>(label).widget()))
        caption->setBuddy(widget_);
}

void MakeGroup(QWidget* window, const std::string& name, const std::vector<surface::ControlPeer*>& members)
{
    auto* group = new GroupBox(window);
    group->setAccessibleName(QString::fromStdString(name));
    // Where its first button stood among the window's widgets, which is the order screen readers read.
    if (!members.empty())
        group->stackUnder(dynamic_cast<QtControl&>(*members.front()).widget());
    for (surface::ControlPeer* member : members)
        group->adopt(dynamic_cast<QtControl&>(*member).widget());
    group->show();
}

namespace {

// The peer of every control kind: geometry, visibility and name go straight to the widget.
template <class Peer>
class Widget : public Peer, public QtControl {
public:
    explicit Widget(QWidget* widget) : QtControl(widget) { widget->show(); }
    void SetGeometry(const surface::PixelRect& rect) override
    {
        setGeometry(rect);
        geometryChanged();
    }
    void SetVisible(bool visible) override { setVisible(visible); }
    void SetAccessibleName(const std::string& name) override { setAccessibleName(name); }
    void SetDescription(const std::string& text) override { setDescription(text); }
    void TakeFocus() override { takeFocus(); }
    void SetLabelledBy(surface::ControlPeer& label) override { setLabelledBy(label); }

protected:
    virtual void geometryChanged() {}
};

// A button, option button or check box whose caption wraps within its width.
template <class Peer>
class Captioned : public Widget<Peer> {
public:
    explicit Captioned(QAbstractButton* button) : Widget<Peer>(button), button_(button) {}
    void SetCaption(const std::string& caption) override
    {
        caption_ = caption;
        wrap();
    }

protected:
    void geometryChanged() override { wrap(); }

private:
    void wrap()
    {
        // Room for the text: the width less what the style adds around it (indicator or bevel).
        QStyleOptionButton option;
        option.initFrom(button_);
        const QStyle::ContentsType type = qobject_cast<QCheckBox*>(button_)      ? QStyle::CT_CheckBox
                                          : qobject_cast<QRadioButton*>(button_) ? QStyle::CT_RadioButton
                                                                                 : QStyle::CT_PushButton;
        if (type != QStyle::CT_PushButton)
            option.text = QStringLiteral("x");  // a box adds the spacing after its indicator only where there is text
        const int bare = button_->style()
                             ->sizeFromContents(type, &option, QSize(0, button_->fontMetrics().height()), button_)
                             .width();
        const QFontMetrics metrics = button_->fontMetrics();
        const std::string wrapped = surface::WrapCaption(
            caption_, [&](const std::string& text) { return metrics.horizontalAdvance(QString::fromStdString(text)); },
            button_->width() - bare);
        const QString shown = QString::fromStdString(wrapped);
        if (button_->text() != shown)
            button_->setText(shown);
    }

    QAbstractButton* button_;
    std::string caption_;
};

class Button : public Captioned<surface::CaptionPeer> {
public:
    Button(QWidget* window, surface::CommandButton& control) : Captioned(new QPushButton(window))
    {
        QObject::connect(static_cast<QPushButton*>(widget()), &QPushButton::clicked,
                         [&control] { control.UserClick(); });
    }
};

class Toggle : public Captioned<surface::TogglePeer> {
public:
    explicit Toggle(QAbstractButton* button) : Captioned(button), button_(button) {}
    void SetChecked(bool checked) override
    {
        if (button_->isChecked() == checked)
            return;
        // An exclusive button cannot be cleared directly; the group's rule is kept by the control.
        const bool exclusive = button_->autoExclusive();
        button_->setAutoExclusive(false);
        button_->setChecked(checked);
        button_->setAutoExclusive(exclusive);
    }

private:
    QAbstractButton* button_;
};

// A scroll bar that a keyboard user can reach (the focus outline shows it has the focus); its keys
// are the control's.
class FocusScrollBar : public QScrollBar {
public:
    FocusScrollBar(Qt::Orientation orientation, QWidget* parent, surface::ScrollBar& control)
        : QScrollBar(orientation, parent), control_(control)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        static const std::map<int, surface::ScrollKey> keys{
            {Qt::Key_Up, surface::ScrollKey::Up},         {Qt::Key_Left, surface::ScrollKey::Left},
            {Qt::Key_Down, surface::ScrollKey::Down},     {Qt::Key_Right, surface::ScrollKey::Right},
            {Qt::Key_PageUp, surface::ScrollKey::PageUp}, {Qt::Key_PageDown, surface::ScrollKey::PageDown},
            {Qt::Key_Home, surface::ScrollKey::Home},     {Qt::Key_End, surface::ScrollKey::End}};
        const auto key = keys.find(event->key());
        if (key == keys.end() || !control_.UserKey(key->second)) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        event->accept();
    }

private:
    surface::ScrollBar& control_;
};

class ScrollBar : public Widget<surface::ScrollBarPeer> {
public:
    ScrollBar(QWidget* window, surface::ScrollBar& control)
        : Widget(new FocusScrollBar(
              control.orientation() == surface::Orientation::Vertical ? Qt::Vertical : Qt::Horizontal, window, control))
    {
        auto* bar = static_cast<QScrollBar*>(widget());
        bar->setRange(control.Min(), control.Max());
        bar->setSingleStep(control.SmallChange());
        bar->setPageStep(control.LargeChange());
        bar->setValue(control.Value());
        QObject::connect(bar, &QScrollBar::valueChanged, [&control](int value) { control.UserMove(value); });
    }
    void SetValue(int value) override
    {
        const QSignalBlocker quiet(widget());
        static_cast<QScrollBar*>(widget())->setValue(value);
    }
    // Qt's bridge to the desktop's screen readers carries a scroll bar's value as a number only,
    // so its value in words travels as its description, which they read with it.
    void SetValueText(const std::string& text) override { setDescription(text); }
};

class Label : public Widget<surface::CaptionPeer> {
public:
    explicit Label(QWidget* window) : Widget(new QLabel(window))
    {
        label()->setWordWrap(true);
        label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    void SetCaption(const std::string& caption) override { label()->setText(QString::fromStdString(caption)); }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// A multi-line text box wraps at its width, scrolling only while its text is taller than the box; a
// single-line one is a line edit.
class TextBox : public Widget<surface::TextBoxPeer> {
public:
    TextBox(QWidget* window, surface::TextBox& control) : Widget(makeWidget(window, control.MultiLine()))
    {
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget()))
            QObject::connect(edit, &QPlainTextEdit::textChanged,
                             [edit, &control] { control.UserEdit(edit->toPlainText().toStdString()); });
        else
            QObject::connect(static_cast<QLineEdit*>(widget()), &QLineEdit::textEdited,
                             [&control](const QString& text) { control.UserEdit(text.toStdString()); });
    }
    void SetText(const std::string& text) override
    {
        const QSignalBlocker quiet(widget());
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget()))
            edit->setPlainText(QString::fromStdString(text));
        else
            static_cast<QLineEdit*>(widget())->setText(QString::fromStdString(text));
    }
    void SetFontSize(double points) override
    {
        QFont font = widget()->font();
        font.setPointSizeF(points);
        widget()->setFont(font);
    }
    double DefaultFontSize() const override { return widget()->font().pointSizeF(); }

private:
    static QWidget* makeWidget(QWidget* window, bool multiLine)
    {
        if (!multiLine)
            return new QLineEdit(window);
        auto* edit = new QPlainTextEdit(window);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        return edit;
    }
};

}  // namespace

std::unique_ptr<surface::CaptionPeer> MakeButton(QWidget* window, surface::CommandButton& button)
{
    return std::make_unique<Button>(window, button);
}

std::unique_ptr<surface::TogglePeer> MakeOptionButton(QWidget* window, surface::OptionButton& option)
{
    auto* button = new QRadioButton(window);
    QObject::connect(button, &QRadioButton::clicked, [&option] { option.UserClick(); });
    return std::make_unique<Toggle>(button);
}

std::unique_ptr<surface::TogglePeer> MakeCheckBox(QWidget* window, surface::CheckBox& box)
{
    auto* button = new QCheckBox(window);
    QObject::connect(button, &QCheckBox::clicked, [&box] { box.UserClick(); });
    return std::make_unique<Toggle>(button);
}

std::unique_ptr<surface::ScrollBarPeer> MakeScrollBar(QWidget* window, surface::ScrollBar& bar)
{
    return std::make_unique<ScrollBar>(window, bar);
}

std::unique_ptr<surface::CaptionPeer> MakeLabel(QWidget* window, surface::Label&)
{
    return std::make_unique<Label>(window);
}

std::unique_ptr<surface::TextBoxPeer> MakeTextBox(QWidget* window, surface::TextBox& box)
{
    return std::make_unique<TextBox>(window, box);
}

}  // namespace qt
