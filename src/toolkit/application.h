#pragma once
// The program object: title, icon, the forms it owns, the message loop and
// message boxes (the platform's own, so that they are real dialogs).
#include "toolkit/component.h"
#include "toolkit/gdi_objects.h"

#include <string>

class TForm;

class TApplication : public TComponent {
    VELMORA_CLASS()
public:
    TApplication();
    ~TApplication() override;

    // Common controls and OLE, once per process.
    void Initialize();

    std::wstring Title() const { return title_; }
    void SetTitle(const std::wstring& title);
    // The icon resource "MAINICON" of the program, or nullptr.
    HICON Icon() const;
    // A hidden top-level window that owns popup menus.
    HWND Handle();

    // Makes a form from its stored description; the first one made is the
    // main form.
    template <class T> T* CreateForm() {
        T* form = new T(this);
        try {
            form->ReadFromResource();
            form->AfterConstruction();
        } catch (...) {
            delete form;
            throw;
        }
        if (!mainForm_) mainForm_ = form;
        return form;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and dispatches messages until Terminate; then
    // frees the forms, last made first.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Dispatches every message waiting in the queue, keys as Run does.
    void ProcessMessages();

    // MessageBoxW owned by the active form; returns its result.
    int MessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);

    void DestroyForms();

private:
    // The active form sees keys first (dialog keys, its own shortcuts).
    void Dispatch(const MSG& msg);

    std::wstring title_;
    HWND handle_ = nullptr;
    mutable TIconHandle icon_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

TApplication& Application();
