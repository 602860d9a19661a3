#pragma once
// Top-level windows. A form is made from its stored description (see
// form_reader.h) by TApplication::CreateForm, which reads it, calls Loaded on
// every component, makes the windows and then runs OnCreate.
#include "toolkit/custom_control.h"

class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };

class TForm : public TCustomControl {
    VELMORA_CLASS()
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int v) { borderStyle_ = v; }
    int BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(int v) { borderIcons_ = v; }
    int Position() const { return position_; }
    void SetPosition(int v) { position_ = v; }
    int PixelsPerInch() const { return 96; }
    void SetPixelsPerInch(int) {}

    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;

    void Show();
    void Close();

    // Keyboard navigation that a dialog box would do: Tab and Shift+Tab move
    // between tab stops (and from then on show the focus), Enter clicks the
    // focused or else the default button, Alt+letter clicks the button whose
    // caption marks that letter with '&'. True when the message was used up.
    virtual bool DialogKey(const MSG& msg);

    // The tooltip window that shows the controls' hints (ShowHint forms only).
    HWND HintWindow() const { return hintWindow_; }

    // Reads the form's stored description, resource type RCDATA named after
    // the class in upper case ("TFRMMAIN"), then Loaded on every component.
    void ReadFromResource();
    // Makes the windows and runs OnCreate; CreateForm calls it after reading.
    void AfterConstruction();
    // Runs OnDestroy and destroys the window; call before deleting.
    void BeforeDestruction();

    // The menu bar; a main menu read with the form becomes it.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    RECT FrameFor(int clientWidth, int clientHeight) const;
    void CreateHints();
    void AddHints(const TWinControl& parent);
    void HideFocusCuesUntilKeyboardUse();

    int borderStyle_ = bsSizeable;
    int borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    int position_ = poDesigned;
    int clientWidth_ = 0, clientHeight_ = 0; // wanted until the window exists
    bool destroying_ = false;
    HWND hintWindow_ = nullptr; // owned by the form's window, destroyed with it
    TMainMenu* menu_ = nullptr; // owned by the form as a component
};

// Runs the form's OnDestroy, then deletes it.
void FreeForm(TForm* form);
