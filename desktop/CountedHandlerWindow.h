#pragma once

#include "toolkit/Application.h"
#include "toolkit/MessageWindow.h"

#include <map>
#include <memory>
#include <windows.h>

// The one hidden window of the process that receives the platform's messages
// for every live object of a kind, and the ids by which those messages name
// the objects. The window is made when the first object attaches and
// destroyed when the last one detaches (or at program end, should one be
// left). Ids are never given twice, so a message still queued for an object
// that is gone names no live object and is ignored.
//
// Object supplies the window's place (HandlerParent(): HWND_MESSAGE, or
// nullptr for a hidden top-level window) and its message handling
// (static LRESULT HandlerMessage(HWND, UINT, WPARAM, LPARAM)).
template <typename Object> class CountedHandlerWindow {
public:
    using Id = UINT;

    // One object's use of the window, from its construction to its end.
    class Use {
    public:
        explicit Use(Object& object) : id_(Attach(object)) {}
        ~Use() { Detach(id_); }
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;
        Id Get() const { return id_; }

    private:
        Id id_;
    };

    // The live object with this id, or nullptr.
    static Object* Find(WPARAM id) {
        State& state = Instance();
        auto found = state.live.find(Id(id));
        return found != state.live.end() && WPARAM(found->first) == id ? found->second : nullptr;
    }

    // The window, or nullptr while no object lives.
    static HWND Window() {
        State& state = Instance();
        return state.window ? state.window->Handle() : nullptr;
    }

    static size_t Users() { return Instance().live.size(); }

private:
    static Id Attach(Object& object) {
        State& state = Instance();
        if (!state.window)
            state.window =
                std::make_unique<MessageWindow>(&Object::HandlerMessage, Object::HandlerParent());
        Id id = state.nextId++;
        if (state.nextId == 0)
            state.nextId = 1;
        state.live[id] = &object;
        return id;
    }

    static void Detach(Id id) noexcept {
        State& state = Instance();
        state.live.erase(id);
        if (state.live.empty())
            state.window.reset();
    }

    struct State {
        // The window's procedure dispatches through the application object,
        // which must therefore outlive this state at program end.
        State() { Application(); }
        std::unique_ptr<MessageWindow> window;
        std::map<Id, Object*> live;
        Id nextId = 1;
    };
    static State& Instance() {
        static State state;
        return state;
    }
};
