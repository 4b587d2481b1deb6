// Answers the teacher's toolkit from the case windows and opens KEYS over the window in front.
#include "windows/teacher_windows.h"

#include "surface/teacher.h"
#include "windows/keys_window.h"
#include "windows/linear_case.h"
#include "windows/prepared_moment.h"
#include "windows/square_root_case.h"

namespace teacher_windows {
namespace {

class CaseWindows : public surface::teacher::Windows {
public:
    explicit CaseWindows(bool onPage) : onPage_(onPage) {}

    surface::Picture* PictureInFront() override
    {
        if (linear::aktinon_sxedio::instance().InFront())
            return linear::aktinon_sxedio::instance().controls().eikona.get();
        if (square_root::SQUARE_RIZA::instance().InFront())
            return square_root::SQUARE_RIZA::instance().controls().SOURA1.get();
        return nullptr;
    }
    std::string PictureFileName() override
    {
        if (linear::aktinon_sxedio::instance().InFront())
            return linear::aktinon_sxedio::instance().PictureFileName();
        if (square_root::SQUARE_RIZA::instance().InFront())
            return square_root::SQUARE_RIZA::instance().PictureFileName();
        return "";
    }
    std::string LinkToFront() override { return prepared_moment::LinkToFront(); }
    bool AnimationInFront() override
    {
        // While a window loads, its controls are being made: it is not in front yet.
        if (linear::aktinon_sxedio::instance().InFront())
            return linear::aktinon_sxedio::instance().controls().Timer1->Enabled();
        if (square_root::SQUARE_RIZA::instance().InFront())
            return square_root::SQUARE_RIZA::instance().controls().Timer1->Enabled();
        return false;
    }
    void OpenKeys() override { shell::KEYS::instance().Open(onPage_); }
    bool CloseKeys() override { return shell::KEYS::instance().CloseDialog(); }

private:
    bool onPage_;
};

}  // namespace

void Install(bool onPage)
{
    static CaseWindows page(true), desktop(false);
    surface::teacher::InstallWindows(onPage ? &page : &desktop);
}

}  // namespace teacher_windows
