// Active Accessibility's dynamic annotation: the system's own proxy for each standard control
// answers a screen reader, with the texts set here in place of, or beside, what it would say.
// Sentences go through UI Automation's notification, which Windows has had since 10 (1709); it
// is looked up, so that an older system still runs the program, only without the sentences.
#include "win32/accessibility.h"

#include "win32/utf16.h"

#include <initguid.h>

#include <oleacc.h>
#include <oleauto.h>

namespace win32 {
namespace {

IAccPropServices* services()
{
    static IAccPropServices* theServices = [] {
        IAccPropServices* made = nullptr;
        // The program's one thread, made a single-threaded apartment for the COM objects of accessibility.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                    reinterpret_cast<void**>(&made))))
            made = nullptr;
        return made;
    }();
    return theServices;
}

const MSAAPROPID& property(Annotation what)
{
    switch (what) {
    case Annotation::Name:
        return PROPID_ACC_NAME;
    case Annotation::Value:
        return PROPID_ACC_VALUE;
    case Annotation::Description:
        return PROPID_ACC_DESCRIPTION;
    case Annotation::Group:
        // An option button's group has no object of its own: the name travels as the button's
        // help text, which screen readers say after the button's name and state.
        return PROPID_ACC_HELP;
    }
    return PROPID_ACC_NAME;
}

// UI Automation's notification kinds and processing, from Windows 10's SDK.
constexpr int kNotificationOther = 4;
constexpr int kProcessingAll = 2;  // after whatever is being said, not interrupting it

}  // namespace

void Annotate(HWND control, Annotation what, const std::string& text)
{
    IAccPropServices* annotation = services();
    if (!annotation || !control)
        return;
    const MSAAPROPID& id = property(what);
    if (text.empty())
        annotation->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, const_cast<MSAAPROPID*>(&id), 1);
    else
        annotation->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, id, ToUtf16(text).c_str());
}

void AnnotateAsPicture(HWND picture)
{
    IAccPropServices* annotation = services();
    if (!annotation || !picture)
        return;
    VARIANT role;
    VariantInit(&role);
    role.vt = VT_I4;
    role.lVal = ROLE_SYSTEM_GRAPHIC;
    annotation->SetHwndProp(picture, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, role);
}

void Announce(HWND window, const std::string& sentence)
{
    using HostProvider = HRESULT(WINAPI*)(HWND, IUnknown**);
    using Notify = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
    static HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
    static const auto host = core ? reinterpret_cast<HostProvider>(reinterpret_cast<void*>(
                                        GetProcAddress(core, "UiaHostProviderFromHwnd")))
                                  : nullptr;
    static const auto notify = core ? reinterpret_cast<Notify>(reinterpret_cast<void*>(
                                          GetProcAddress(core, "UiaRaiseNotificationEvent")))
                                    : nullptr;
    if (!host || !notify || sentence.empty())
        return;
    IUnknown* provider = nullptr;
    if (FAILED(host(window, &provider)) || !provider)
        return;
    BSTR text = SysAllocString(ToUtf16(sentence).c_str());
    BSTR activity = SysAllocString(L"sorvel.announcement");
    notify(provider, kNotificationOther, kProcessingAll, text, activity);
    SysFreeString(activity);
    SysFreeString(text);
    provider->Release();
}

void EndAccessibility()
{
    if (IAccPropServices* annotation = services())
        annotation->Release();
    CoUninitialize();
}

}  // namespace win32
