// The margins of a page control's tabs: the room left of the caption
// (LeftMargin), above it (TopMargin) and after it (RightMargin). The page
// control widens every tab by LeftMargin + RightMargin and draws the caption
// LeftMargin pixels further right and TopMargin pixels lower.
#pragma once

#include "ui/Persistent.h"

namespace sk::office {

class TTabMargin : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TTabMargin() = default;

    int LeftMargin() const { return m_left; }
    void SetLeftMargin(int value);
    int TopMargin() const { return m_top; }
    void SetTopMargin(int value);
    int RightMargin() const { return m_right; }
    void SetRightMargin(int value);

private:
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
};

}  // namespace sk::office
