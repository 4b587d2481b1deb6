// Controls with their geometry in twips, read back exactly as written, and the properties the windows use.
#pragma once

#include "canvas/tee_canvas.h"
#include "surface/picture_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <memory>
#include <string>

namespace surface {

struct TwipsRect {
    float left, top, width, height;
};

class Control {
public:
    Control(QWidget* widget, TwipsRect design);
    virtual ~Control() = default;

    float Left() const { return geometry_.left; }
    float Top() const { return geometry_.top; }
    float Width() const { return geometry_.width; }
    float Height() const { return geometry_.height; }
    void SetLeft(float twips) { set(&TwipsRect::left, twips); }
    void SetTop(float twips) { set(&TwipsRect::top, twips); }
    void SetWidth(float twips) { set(&TwipsRect::width, twips); }
    void SetHeight(float twips) { set(&TwipsRect::height, twips); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // Directly under `above`, left edges aligned: how the windows stack their columns.
    void PlaceUnder(const Control& above);

    // What a screen reader says the control is, or sets.
    void SetAccessibleName(const std::string& name);

    QWidget* widget() const { return widget_; }

protected:
    // Called after every change of position or size.
    virtual void geometryChanged() {}

private:
    void set(float TwipsRect::*field, float twips);
    void place();

    QWidget* widget_;
    TwipsRect geometry_;
    bool visible_ = true;
};

// Breaks a caption at blanks into lines no wider than width pixels (a longer word keeps a line
// of its own), as captions of buttons and boxes wrap rather than being cut off at the edge.
QString WrapCaption(const QString& caption, const QFontMetrics& metrics, int width);

// A control whose caption wraps within its width; Caption() is the caption as given.
class CaptionedControl : public Control {
public:
    CaptionedControl(QAbstractButton* button, const std::string& caption, TwipsRect design);
    std::string Caption() const { return caption_; }

protected:
    void geometryChanged() override;

private:
    std::string caption_;
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(QWidget* parent, const std::string& caption, TwipsRect design);
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
};

class OptionButton : public CaptionedControl {
public:
    OptionButton(QWidget* parent, const std::string& caption, TwipsRect design, bool value);
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
    bool Value() const { return button()->isChecked(); }
    void SetValue(bool value) { button()->setChecked(value); }
};

class CheckBox : public CaptionedControl {
public:
    CheckBox(QWidget* parent, const std::string& caption, TwipsRect design);
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }
    int Value() const { return box()->isChecked() ? 1 : 0; }
    void SetValue(int value) { box()->setChecked(value != 0); }
};

struct ScrollRange {
    int min, max, smallChange, largeChange, value;
};

// Takes the focus when clicked or tabbed to, moves with the arrow keys (SmallChange), Page Up and
// Page Down (LargeChange), Home and End (Min, Max), and shows when it has the focus.
class ScrollBar : public Control {
public:
    ScrollBar(QWidget* parent, Qt::Orientation orientation, TwipsRect design, ScrollRange range);
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
    int Value() const { return bar()->value(); }
    // Raises the change handler at once when the value changes.
    void SetValue(int value) { bar()->setValue(value); }
    int Min() const { return bar()->minimum(); }
    int Max() const { return bar()->maximum(); }
};

class Label : public Control {
public:
    Label(QWidget* parent, const std::string& caption, TwipsRect design);
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    std::string Caption() const { return label()->text().toStdString(); }
    void SetCaption(const std::string& caption) { label()->setText(QString::fromStdString(caption)); }
};

// A multi-line text box wraps at its width and has no scroll bars; a single-line one is a line edit.
class TextBox : public Control {
public:
    TextBox(QWidget* parent, const std::string& text, TwipsRect design, bool multiLine);
    std::string Text() const;
    void SetText(const std::string& text);
    double FontSize() const;
    void SetFontSize(double points);

private:
    bool multiLine_;
};

class Picture : public Control {
public:
    Picture(QWidget* parent, TwipsRect design);
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
    RasterCanvas& raster() const { return box()->canvas(); }

    // Where the window draws: the picture, and also the observer while one is set.
    Canvas& canvas();
    void SetObserver(Canvas* observer);

private:
    std::unique_ptr<TeeCanvas> tee_;
};

// Tab and Shift+Tab visit these controls in this order (their TabIndex order).
void SetTabOrder(std::initializer_list<const Control*> controls);

}  // namespace surface
