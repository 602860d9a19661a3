#pragma once
// A panel that hosts the system's web browser control when the platform can
// create one; otherwise it stays a plain panel, without complaint.
#include "toolkit/custom_control.h"

struct IWebBrowser2;

class TWebBrowser : public TCustomControl {
    VELMORA_CLASS()
public:
    explicit TWebBrowser(TComponent* owner);
    ~TWebBrowser() override;

    // Asks the hosted browser to show `url`; ignored without a browser.
    void Navigate(const std::wstring& url);
    bool HasBrowser() const { return browser_ != nullptr; }
    std::wstring LastUrl() const { return lastUrl_; }

    void WndProc(TMessage& m) override;

protected:
    void CreateWnd() override;

private:
    void CreateBrowser();
    void ReleaseBrowser();

    HWND host_ = nullptr;
    IWebBrowser2* browser_ = nullptr;
    std::wstring lastUrl_;
};
