#pragma once
// The shared way a skin object handles the messages of a window it hooks.
// One message may run inside another (passing a message on sends more; a
// click handler may switch the skin off and free every skin object), so the
// object counts the messages it is handling and is never freed under one of
// them; and nothing thrown while handling crosses the window procedure.
#include "toolkit/messages.h"

#include <windows.h>

#include <memory>

class TDispatchTarget {
public:
    TDispatchTarget() = default;
    virtual ~TDispatchTarget();
    TDispatchTarget(const TDispatchTarget&) = delete;
    TDispatchTarget& operator=(const TDispatchTarget&) = delete;

    // True while a message of the hooked window is being handled by this
    // object; it must not be freed then.
    bool InDispatch() const { return depth_ > 0; }
    // The owner let go of the object inside one of its messages: it frees
    // itself when the outermost of them returns.
    void FreeWhenDone() { freePending_ = true; }
    // Frees `object` now, or when the outermost of its messages returns.
    template <class T> static void Release(std::unique_ptr<T> object) {
        if (object && object->InDispatch()) object.release()->FreeWhenDone();
    }

protected:
    // Counts one message as being handled for as long as it lives; when the
    // outermost ends and the owner let go meanwhile, frees the object.
    class THold {
    public:
        explicit THold(TDispatchTarget& target);
        ~THold();
        THold(const THold&) = delete;
        THold& operator=(const THold&) = delete;
        // False once the object was freed directly inside the message.
        bool Alive() const { return *alive_; }

    private:
        TDispatchTarget& target_;
        std::shared_ptr<bool> alive_;
    };

    // Runs (self->*handle)(m) for one message of `window`. An exception is
    // recorded under `where`, and the message, unless already passed on,
    // goes to the next procedure of the window's chain.
    template <class T>
    static LRESULT Dispatch(T* self, HWND window, TMessage& m, void (T::*handle)(TMessage&),
                            const char* where) {
        struct TCall {
            T* Self;
            void (T::*Handle)(TMessage&);
            static void Run(void* call, TMessage& m) {
                auto* c = static_cast<TCall*>(call);
                (c->Self->*c->Handle)(m);
            }
        } call{self, handle};
        return Run(self, window, m, &TCall::Run, &call, where);
    }
    // Passes the message being handled to the next procedure of the window's
    // chain (m.Result gets its answer); false outside a message, when there
    // is no chain to pass to.
    bool PassOn(TMessage& m);
    // The window whose message is being handled, or null outside one.
    HWND DispatchWindow() const { return frame_ ? frame_->Window : nullptr; }
    // Reads false once the object is gone; for code that runs a nested
    // message loop and must not touch the object afterwards if it was freed.
    std::shared_ptr<const bool> AliveFlag() const { return alive_; }

private:
    struct TFrame {
        HWND Window;
        bool PassedOn;
        TFrame* Outer;
    };
    static LRESULT Run(TDispatchTarget* self, HWND window, TMessage& m,
                       void (*call)(void*, TMessage&), void* context, const char* where);

    int depth_ = 0;
    bool freePending_ = false;
    TFrame* frame_ = nullptr;
    // False once the object is gone: a handler still on the stack (the
    // object freed directly inside one of its own messages) touches nothing
    // more of it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
