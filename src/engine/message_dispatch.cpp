#include "engine/message_dispatch.h"

#include "toolkit/caught_errors.h"

#include <commctrl.h>

TDispatchTarget::~TDispatchTarget() {
    *alive_ = false;
}

TDispatchTarget::THold::THold(TDispatchTarget& target) : target_(target), alive_(target.alive_) {
    ++target_.depth_;
}

TDispatchTarget::THold::~THold() {
    if (!*alive_) return;
    if (--target_.depth_ > 0 || !target_.freePending_) return;
    // Cleared first: a message sent while the object is being destroyed
    // must not free it a second time.
    target_.freePending_ = false;
    delete &target_;
}

LRESULT TDispatchTarget::Run(TDispatchTarget* self, HWND window, TMessage& m,
                             void (*call)(void*, TMessage&), void* context, const char* where) {
    THold hold(*self);
    TFrame frame{window, false, self->frame_};
    self->frame_ = &frame;
    try {
        call(context, m);
    } catch (...) {
        RecordCaughtError(where);
        if (!frame.PassedOn) m.Result = DefSubclassProc(window, m.Msg, m.WParam, m.LParam);
    }
    if (hold.Alive()) self->frame_ = frame.Outer;
    return m.Result;
}

bool TDispatchTarget::PassOn(TMessage& m) {
    if (!frame_) return false;
    // DefSubclassProc stays valid even when ours was removed during this
    // very message.
    frame_->PassedOn = true;
    m.Result = DefSubclassProc(frame_->Window, m.Msg, m.WParam, m.LParam);
    return true;
}
