// The desktop back end of the surface: Qt widgets for windows and controls, QTimer for timers.
#pragma once

#include "surface/backend.h"

namespace qt {

class QtBackend : public surface::Backend {
public:
    QtBackend();
    ~QtBackend() override;

    std::unique_ptr<surface::WindowPeer> MakeWindow(surface::Form& form) override;
    std::unique_ptr<surface::TimerPeer> MakeTimer(surface::Timer& timer) override;
    surface::PixelSize ScreenPixels() const override;
    surface::PixelSize FrameSize() const override;
    bool MayTakeFront() override;
    void Quit() override;
    surface::TextPainter* Text() override;
    void Announce(const std::string& sentence) override;
    void CopyPng(const std::string& fileName, const std::vector<std::uint8_t>& png) override;
    void SavePng(const std::string& fileName, const std::vector<std::uint8_t>& png) override;
    void CopyLink(const std::string& words) override;
    void KeepAwake(bool awake) override;
    const surface::Control* FocusedControl() const override;

private:
    std::unique_ptr<surface::TextPainter> text_;
    bool wasActive_ = false;
};

}  // namespace qt
