// The linear-case window: the square picture eikona with the time, single-ray and display controls.
#pragma once

#include "model/linear/linear_train.h"
#include "surface/announcements.h"
#include "surface/controls.h"
#include "surface/form.h"
#include "surface/timer.h"
#include "windows/spoken.h"
#include "windows/moment_link.h"
#include "windows/time_memories.h"

#include <memory>

namespace sorvel_kampyles {
// Lays the linear-case window out over the screen, shows it and draws its ray field.
void ShowLinearCase();
}  // namespace sorvel_kampyles

namespace linear {

struct aktinon_sxedioControls {
    std::unique_ptr<surface::Picture> eikona;
    surface::OptionGroup options;
    std::unique_ptr<surface::OptionButton> Option1, Option2;
    std::unique_ptr<surface::CheckBox> Check1;
    std::unique_ptr<surface::ScrollBar> XRONOS;
    std::unique_ptr<surface::CheckBox> Check2;
    std::unique_ptr<surface::CommandButton> Command1, Command2, Command3, Command4, Command5, Command6;
    std::unique_ptr<surface::ScrollBar> VScroll1;
    std::unique_ptr<surface::Label> Label1;
    std::unique_ptr<surface::Timer> Timer1;
};

class aktinon_sxedio : public surface::FormOf<aktinon_sxedio, aktinon_sxedioControls>, public windows::TimeMemories {
public:
    using Controls = aktinon_sxedioControls;

    // Ticks since the last "START AGAIN"; the time memories are in seconds.
    long long METRHTHS_LINEAR = 0;
    // k of the law v(y) = SPEED_V0 − k·y the handlers draw with: −8 with "increase  upwards", +8
    // with "decrease upwards", taken from the option by the handlers that draw wavefronts.
    std::int16_t SPEED_K = -8;

    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Check1_Click();
    void Check2_Click();
    void Timer1_Timer();
    void XRONOS_Change();
    void VScroll1_Change();

    void LayOut() override;

    // The words that open what the window shows now again (Copy link to this moment).
    moment::Moment NowAsMoment();
    // The name its picture is saved under: the case, the law and the newest front or single ray.
    std::string PictureFileName();

protected:
    void MakeControls(surface::WindowPeer& window, Controls& c) override;
    void Form_Load() override;

private:
    friend FormOf;
    friend void sorvel_kampyles::ShowLinearCase();
    aktinon_sxedio();
    void optionClick();
    void setMediumFromOption();
    // The two halves of the layout; ShowLinearCase shows the window between them.
    float columnReach();
    void layOutFirstColumn();
    void layOutButtons();
    // Tells eikona's description what it shows now.
    void describe();
    // The picture was cleared: it holds nothing until the next drawing.
    void cleared();

    // The wavefront train of eikona, moved by the timer and by the time bar.
    sorvel_kampyles::LinearTrain train_;
    // What eikona holds, for its description, and the pace at which the animation speaks.
    spoken::LinearPicture picture_;
    surface::AnimationNarrator narrator_;
    bool stillFrontsAlone_ = false;  // "SHOW ONLY WAVE FRONTS" drew on a cleared picture
};

}  // namespace linear
