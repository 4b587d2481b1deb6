// The square-root-case window: the picture SOURA1 with time, wavefront and A controls.
#pragma once

#include "model/square_root/square_root_ray_field.h"
#include "model/square_root/square_root_train.h"
#include "surface/announcements.h"
#include "surface/controls.h"
#include "surface/form.h"
#include "surface/timer.h"
#include "windows/spoken.h"
#include "windows/moment_link.h"
#include "windows/time_memories.h"

#include <memory>
#include <optional>

namespace sorvel_kampyles {
// Lays the square-root window out over the screen, shows A, shows the window and draws the ray field.
void ShowSquareRootCase();
}  // namespace sorvel_kampyles

namespace square_root {

struct SQUARE_RIZAControls {
    std::unique_ptr<surface::Picture> SOURA1;
    std::unique_ptr<surface::ScrollBar> XRONOS;
    std::unique_ptr<surface::CommandButton> Command1, Command2, Command3;
    std::unique_ptr<surface::ScrollBar> HScroll1;
    std::unique_ptr<surface::Picture> Picture1;
    std::unique_ptr<surface::TextBox> Text1;
    std::unique_ptr<surface::CommandButton> Command4, Command5;
    surface::OptionGroup options;
    std::unique_ptr<surface::OptionButton> starttimer, CONTINUETIME;
    std::unique_ptr<surface::Timer> Timer1;
};

class SQUARE_RIZA : public surface::FormOf<SQUARE_RIZA, SQUARE_RIZAControls>, public windows::TimeMemories {
public:
    using Controls = SQUARE_RIZAControls;

    // Ticks since the last restart; the time memories are in model time units.
    long long METRITIS_SQUARE = 0;
    // β of the law v(y) = √(A + β·y) of the basin this window shows.
    static constexpr std::int16_t SPEED_K = sorvel_kampyles::kBeta;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void HScroll1_Change();
    void Timer1_Timer();
    void XRONOS_Change();

    // The window over the screen, the square picture and the controls around it, as
    // ShowSquareRootCase places them before it shows A.
    void LayOut() override;

    // The words that open what the window shows now again (Copy link to this moment).
    moment::Moment NowAsMoment();
    // The name its picture is saved under: the case, A and the newest front.
    std::string PictureFileName();

protected:
    void MakeControls(surface::WindowPeer& window, Controls& c) override;

private:
    friend FormOf;
    friend void sorvel_kampyles::ShowSquareRootCase();
    SQUARE_RIZA();
    float pictureSide();
    // Tells SOURA1's description what it shows now.
    void describe();
    // The picture was cleared; the ray field is drawn again at once.
    void cleared();

    // The wavefront train of SOURA1, moved by the timer and by the time bar.
    sorvel_kampyles::SquareRootTrain train_;
    // What SOURA1 holds, for its description, and the pace at which the animation speaks.
    spoken::SquareRootPicture picture_;
    std::optional<spoken::SquareRootPicture> described_;  // what SOURA1's description says now
    surface::AnimationNarrator narrator_;
    // The ray field of SOURA1, drawn by every call of ShowSquareRootCase.
    sorvel_kampyles::SquareRootRayField rayField_;
};

}  // namespace square_root
