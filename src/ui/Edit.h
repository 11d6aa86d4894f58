// TEdit, the plain single-line edit: UTF-8 text edited by characters (not
// bytes), a caret, a selection made with the mouse (double click selects a
// word) or Shift with Home/End/arrows/Ctrl+arrows, Backspace and Delete,
// Ctrl+A/C/X/V (and Ctrl+Insert, Shift+Insert, Shift+Delete) with the platform
// clipboard, select-all when the focus arrives by keyboard (AutoSelect),
// OnChange on every change of the text, the Modified flag, ReadOnly, a sunken
// 3-D border, and a settable text rectangle so that a derived control can keep
// room for something of its own (a button) inside the field.
//
// Positions (SelStart, SelLength, caret) count characters. The text rectangle
// is given in client coordinates, inside the border (as the classic EM_SETRECT).
#pragma once

#include <string>
#include <vector>

#include "ui/WinControl.h"

namespace sk::ui {

enum TEditBorderStyle { bsEditNone, bsEditSingle };

class TEdit : public WinControl {
    SK_PERSISTENT_CLASS
public:
    explicit TEdit(Component* owner = nullptr);

    // The text; setting it selects nothing, puts the caret at the start, clears
    // Modified and raises OnChange when it differs.
    void SetText(const std::string& text);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool value) { m_autoSelect = value; }
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool value);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int value);
    bool Modified() const { return m_modified; }
    void SetModified(bool value) { m_modified = value; }
    TEditBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TEditBorderStyle style);

    // ---- Selection (characters) ----
    int SelStart() const;
    void SetSelStart(int position);
    int SelLength() const;
    void SetSelLength(int length);
    std::string SelText() const;
    void SetSelText(const std::string& text);  // replaces the selection, as typing does
    void SelectAll();
    void ClearSelection();
    int caretPosition() const { return m_caret; }
    int characterCount() const { return static_cast<int>(m_chars.size()); }

    // ---- Clipboard ----
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    // ---- Layout ----
    // The width of the border on each side (2 for the sunken border).
    int borderWidth() const { return m_borderStyle == bsEditSingle ? 2 : 0; }
    // The client area inside the border, in control coordinates.
    drawing::Rect editClientRect() const;
    // The rectangle the text is drawn in, in client coordinates; empty: the default.
    void setTextRect(const drawing::Rect& rect);
    drawing::Rect textRect() const;  // client coordinates
    // The character boundary nearest to a point (control coordinates).
    int positionAt(drawing::Point p) const;
    // The caret's x in control coordinates.
    int caretX() const;

    TNotifyEvent OnChange;

    void paint(const PaintSurface& surface) override;
    unsigned wantedKeys() const override { return WantArrows | WantChars; }
    void keyDown(int& key, TShiftState shift) override;
    void keyPress(char32_t& ch) override;
    void mouseDown(const MouseArgs& args) override;
    void mouseMove(const MouseArgs& args) override;
    void mouseUp(const MouseArgs& args) override;
    void focusEnter() override;
    void focusExit() override;

protected:
    // Called after every change of the text; fires OnChange.
    virtual void Change();
    void textChanged() override;
    void fontChanged() override;
    void boundsChanged(const drawing::Rect& old) override;

private:
    std::u32string::size_type index(int position) const;
    int textWidth(int from, int to) const;
    const std::vector<int>& caretOffsets() const;
    void replaceSelection(const std::u32string& text, bool byUser);
    void setCaret(int position, bool extend);
    void scrollToCaret();
    void updateInputPosition();
    int wordStart(int position) const;
    int nextWordStart(int position) const;
    void selectWordAt(int position);
    std::string utf8Of(int from, int to) const;

    std::u32string m_chars;  // the text, as characters
    int m_caret = 0;
    int m_anchor = 0;  // the other end of the selection
    int m_scroll = 0;  // pixels of text scrolled out at the left
    bool m_readOnly = false;
    bool m_autoSelect = true;
    bool m_hideSelection = true;
    bool m_modified = false;
    int m_maxLength = 0;
    TEditBorderStyle m_borderStyle = bsEditSingle;
    drawing::Rect m_textRect;  // empty: the default
    bool m_selecting = false;
    bool m_mouseFocusing = false;
    // The caret positions of m_offsetsText in m_offsetsFont.
    mutable std::vector<int> m_caretOffsets;
    mutable std::u32string m_offsetsText;
    mutable drawing::CanvasFont m_offsetsFont;
};

}  // namespace sk::ui
