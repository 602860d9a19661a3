#pragma once
// Check boxes and radio buttons: the platform's BUTTON window in its
// automatic check-box and three-state styles and its radio style. The window
// holds the state once it exists; before that the control keeps it and hands
// it over.
#include "toolkit/alignment.h"
#include "toolkit/win_control.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// What both share: a check state, the side the box stands on, and a click
// reported when the user changes the state.
class TCheckControl : public TWinControl {
    VELMORA_CLASS()
public:
    using TWinControl::TWinControl;
    bool Checked() const { return CheckState() == cbChecked; }
    virtual void SetChecked(bool v);
    // taLeftJustify puts the caption on the left and the box on the right.
    int Alignment() const { return alignment_; }
    void SetAlignment(int v);

    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    // BS_AUTOCHECKBOX, BS_AUTO3STATE or BS_RADIOBUTTON.
    virtual DWORD ButtonType() const = 0;
    // The user clicked the control (a check box has already changed).
    virtual void Clicked() { Click(); }
    int CheckState() const;
    void SetCheckState(int v);

private:
    int state_ = cbUnchecked;
    int alignment_ = taRightJustify;
};

// A grayed State needs AllowGrayed: a two-state box shows it as checked,
// as the platform does.
class TCheckBox : public TCheckControl {
    VELMORA_CLASS()
public:
    using TCheckControl::TCheckControl;
    int State() const { return CheckState(); }
    void SetState(int v) { SetCheckState(v); }
    // The user's clicks pass through the grayed state too.
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v);

protected:
    DWORD ButtonType() const override;

private:
    bool allowGrayed_ = false;
};

// Checking one radio button unchecks the others of its parent, whether the
// user or the program checks it. The window is a plain (not automatic)
// radio button: the platform's automatic one unchecks every radio button of
// its dialog group, and that group reaches into the containers beside it.
class TRadioButton : public TCheckControl {
    VELMORA_CLASS()
public:
    using TCheckControl::TCheckControl;
    void SetChecked(bool v) override;

protected:
    DWORD ButtonType() const override { return BS_RADIOBUTTON; }
    void Clicked() override;

private:
    void UncheckSiblings();
};
