// links: slidekiln_app slidekiln_platform
// Renders every page of the main window, as the user sees it after clicking its
// tab, into PNG files, with the headless backend (no display needed):
//
//   slidekiln-screens <folder>
//
// writes <folder>/page-1.png (settings), page-2.png (compilation), page-3.png (about),
// and the state matrices of the settings page's controls: radio-states.png and
// trackbar-states.png, one row per state, each cut from a freshly made window.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/ProgramStart.h"
#include "drawing/Canvas.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"

namespace {

// ---- State matrices ----------------------------------------------------------------------

struct StateRow {
    const char* name;
    std::function<void(sk::app::TForm1&, sk::platform::HeadlessWindow&)> apply;
};

// The centre of a control in window coordinates.
sk::drawing::Point centreOf(const sk::ui::Control& c) {
    const sk::drawing::Rect r = c.formRect();
    return {r.left + r.width / 2, r.top + r.height / 2};
}

sk::drawing::Point thumbOf(const sk::office::TAdvTrackBar& bar) {
    const sk::drawing::Rect t = bar.geometry().thumb(bar.Position());
    const sk::drawing::Point o = bar.formOrigin();
    return {o.x + t.center().x, o.y + t.center().y};
}

// Renders one window per row, applies the row's state and cuts `area` (window
// coordinates) out of it, with the row's name at the left.
bool writeStateMatrix(const std::filesystem::path& file,
                      const sk::drawing::Rect& area, const std::vector<StateRow>& rows) {
    constexpr int labelWidth = 150, gap = 4;
    sk::drawing::Bitmap matrix(labelWidth + area.width, static_cast<int>(rows.size()) * (area.height + gap));
    matrix.fill(0xFFFFFFFF);
    sk::drawing::Canvas canvas(matrix);
    canvas.font().name = "Tahoma";
    canvas.brush().style = sk::drawing::CanvasBrush::Style::Clear;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto form = sk::app::createMainWindow();
        form->show();
        auto* window = static_cast<sk::platform::HeadlessWindow*>(form->nativeWindow());
        rows[i].apply(*form, *window);
        sk::ui::Application::instance().paintPending();
        const int top = static_cast<int>(i) * (area.height + gap);
        canvas.copyRect({labelWidth, top, area.width, area.height}, form->backBuffer(), area);
        canvas.textOut(4, top + area.height / 2 - 7, rows[i].name);
    }
    return matrix.savePng(file);
}

bool writeSettingsStates(const std::filesystem::path& folder) {
    using sk::app::TForm1;
    using sk::platform::HeadlessWindow;
    auto hover = [](sk::ui::Control& c, HeadlessWindow& w) { w.mouseMove(centreOf(c)); };
    auto press = [](sk::ui::Control& c, HeadlessWindow& w) {
        w.mouseMove(centreOf(c));
        w.mouseDown(centreOf(c));
    };
    const std::vector<StateRow> radios{
        {"normal", [](TForm1&, HeadlessWindow&) {}},
        {"hot: checked", [&](TForm1& f, HeadlessWindow& w) { hover(*f.AdvOfficeRadioButton1, w); }},
        {"hot: unchecked", [&](TForm1& f, HeadlessWindow& w) { hover(*f.AdvOfficeRadioButton2, w); }},
        {"pressed: checked", [&](TForm1& f, HeadlessWindow& w) { press(*f.AdvOfficeRadioButton1, w); }},
        {"pressed: unchecked", [&](TForm1& f, HeadlessWindow& w) { press(*f.AdvOfficeRadioButton2, w); }},
        {"focused", [](TForm1& f, HeadlessWindow&) { f.AdvOfficeRadioButton1->SetFocus(); }},
        {"2007 checked, focused", [](TForm1& f, HeadlessWindow&) { f.AdvOfficeRadioButton2->SetFocus(); }},
        {"disabled",
         [](TForm1& f, HeadlessWindow&) {
             f.AdvOfficeRadioButton1->SetEnabled(false);
             f.AdvOfficeRadioButton2->SetEnabled(false);
         }},
    };
    const std::vector<StateRow> bars{
        {"position 0", [](TForm1& f, HeadlessWindow&) { f.AdvTrackBar1->SetPosition(0); }},
        {"position 4", [](TForm1&, HeadlessWindow&) {}},
        {"position 10", [](TForm1& f, HeadlessWindow&) { f.AdvTrackBar1->SetPosition(10); }},
        {"hot thumb", [](TForm1& f, HeadlessWindow& w) { w.mouseMove(thumbOf(*f.AdvTrackBar1)); }},
        {"pressed thumb",
         [](TForm1& f, HeadlessWindow& w) {
             w.mouseMove(thumbOf(*f.AdvTrackBar1));
             w.mouseDown(thumbOf(*f.AdvTrackBar1));
         }},
        {"focused", [](TForm1& f, HeadlessWindow&) { f.AdvTrackBar1->SetFocus(); }},
        {"disabled", [](TForm1& f, HeadlessWindow&) { f.AdvTrackBar1->SetEnabled(false); }},
    };
    auto form = sk::app::createMainWindow();
    const sk::drawing::Rect radioArea = form->AdvOfficeRadioButton1->formRect().united(
        form->AdvOfficeRadioButton2->formRect());
    const sk::drawing::Rect barArea = form->AdvTrackBar1->formRect().inflated(4, 4);
    form.reset();
    bool ok = writeStateMatrix(folder / "radio-states.png", radioArea, radios);
    ok = writeStateMatrix(folder / "trackbar-states.png", barArea, bars) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);

    sk::platform::HeadlessPlatform platform;
    sk::platform::setCurrentPlatform(&platform);
    sk::app::installFonts();
    int status = 0;
    {
        auto form = sk::app::createMainWindow();
        form->show();
        sk::platform::HeadlessWindow* window = platform.mainWindow();
        auto* pages = form->AdvPageControl1;
        for (int i = 0; i < pages->PageCount(); ++i) {
            const int tab = pages->Pages(i)->TabIndex();
            if (tab >= 0) {
                // Click the tab as the user would (the page control lies at -2 in the window).
                const sk::drawing::Rect r = pages->tabRect(tab);
                window->click({pages->Left() + r.left + r.width / 2, pages->Top() + r.top + r.height / 2});
            }
            sk::ui::Application::instance().paintPending();
            const auto file = folder / ("page-" + std::to_string(i + 1) + ".png");
            if (!window->savePng(file)) {
                std::fprintf(stderr, "could not write %s\n", file.c_str());
                status = 1;
            } else {
                std::printf("%s\n", file.c_str());
            }
        }
        if (!writeSettingsStates(folder)) {
            std::fprintf(stderr, "could not write the state matrices into %s\n", folder.c_str());
            status = 1;
        }
        for (const auto& box : platform.messageBoxes())
            std::fprintf(stderr, "message box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());
    }
    sk::platform::setCurrentPlatform(nullptr);
    return status;
}
