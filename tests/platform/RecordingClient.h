// A WindowClient that writes down everything a window tells it, one line per
// call, so that tests can compare the whole sequence at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/NativeWindow.h"

namespace sk::platform::test {

class RecordingClient : public WindowClient {
public:
    std::vector<std::string> log;
    std::vector<MouseEvent> mouseEvents;
    std::vector<KeyEvent> keyEvents;
    std::string text;  // every textInput joined
    bool allowClose = true;
    std::function<void()> onActivate;

    void mouseDown(const MouseEvent& e) override {
        mouseEvents.push_back(e);
        log.push_back(std::string(e.doubleClick ? "dblclick " : "down ") + buttonName(e.button) + " " +
                      at(e));
    }
    void mouseUp(const MouseEvent& e) override {
        mouseEvents.push_back(e);
        log.push_back(std::string("up ") + buttonName(e.button) + " " + at(e));
    }
    void mouseMove(const MouseEvent& e) override {
        mouseEvents.push_back(e);
        log.push_back("move " + at(e));
    }
    void mouseLeave() override { log.push_back("leave"); }
    void mouseWheel(const WheelEvent& e) override {
        log.push_back("wheel " + std::to_string(e.delta) + " " + std::to_string(e.position.x) + "," +
                      std::to_string(e.position.y));
    }
    void keyDown(const KeyEvent& e) override {
        keyEvents.push_back(e);
        log.push_back("keydown " + std::to_string(e.key) + mods(e.modifiers) + (e.repeat ? " repeat" : ""));
    }
    void keyUp(const KeyEvent& e) override {
        keyEvents.push_back(e);
        log.push_back("keyup " + std::to_string(e.key) + mods(e.modifiers));
    }
    void textInput(const std::string& utf8) override {
        text += utf8;
        log.push_back("text " + utf8);
    }
    void activeChanged(bool active) override {
        log.push_back(active ? "active" : "inactive");
        if (active && onActivate) onActivate();
    }
    bool closeRequested() override {
        log.push_back("close");
        return allowClose;
    }
    void lostCapture() override { log.push_back("lostcapture"); }

    void clear() {
        log.clear();
        mouseEvents.clear();
        keyEvents.clear();
        text.clear();
    }

    static std::string buttonName(MouseButton b) {
        switch (b) {
            case MouseButton::Left:
                return "left";
            case MouseButton::Right:
                return "right";
            case MouseButton::Middle:
                return "middle";
        }
        return "?";
    }
    static std::string at(const MouseEvent& e) {
        return std::to_string(e.position.x) + "," + std::to_string(e.position.y);
    }
    static std::string mods(unsigned m) {
        std::string s;
        if (m & ModShift) s += "+shift";
        if (m & ModCtrl) s += "+ctrl";
        if (m & ModAlt) s += "+alt";
        return s.empty() ? s : " " + s;
    }
};

}  // namespace sk::platform::test
