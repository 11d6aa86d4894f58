// A published value of an appearance sub-object (glow colours, track-bar thumb,
// slider, ticks, buttons, label): a getter, and a setter that does nothing for
// an unchanged value and otherwise reports the change, so that the owning
// control repaints. Used inside a class derived from ui::Persistent:
//
//   SK_CHANGING_PROPERTY(WindowColour, Color, 0xFFFFFF)
//
// declares Color(), SetColor(v) and the member m_Color; it leaves the class in
// its private section.
#pragma once

#define SK_CHANGING_PROPERTY(Type, Name, Default) \
public:                                           \
    Type Name() const {                           \
        return m_##Name;                          \
    }                                             \
    void Set##Name(Type value) {                  \
        if (value == m_##Name) return;            \
        m_##Name = value;                         \
        changed();                                \
    }                                             \
                                                  \
private:                                          \
    Type m_##Name = Default;
