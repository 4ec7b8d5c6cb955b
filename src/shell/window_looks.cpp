#include "shell/window_looks.h"

#include "shell/shared_texts.h"

#include <array>

namespace vielnis {

namespace {

using pictures::Picture;
using enum WindowId;

constexpr Picture kNoPicture = Picture::Tick; // unused when the icon kind says so

// One row per window.
const std::array<WindowLook, kWindowCount> kLooks = {{
    {Form1, texts::kProgramTitle, 9690, 4200, true, Picture::Bubbles, WindowIcon::Picture,
     Picture::FlaskAtom, false, std::nullopt, "Command2", "Command1", 9360},
    {Form2, "Ķīmisko elementu periodiskā tabula", 11640, 7470, true, Picture::BubblesLarge,
     WindowIcon::Picture, Picture::TableSilhouette, true, BackButton{"CmdPreview", Form1},
     "Command1", "cmd_end", 11280},
    {Form3, "Metālu aktivitātes rinda", 10815, 2640, false, Picture::Bubbles, WindowIcon::Picture,
     Picture::ArrowBlueSquares, true, BackButton{"CmdExit", Form1}, "Command1", "Command2", 10440},
    {Form4, texts::kAuthors, 4890, 4305, true, Picture::Bubbles, WindowIcon::ToolkitDefault,
     kNoPicture, false, BackButton{"Command1", Form2}, "Command2", "Command3", 4560},
    {Form5, "Nemetālu elektronegativitātes rinda", 10815, 2640, true, Picture::Bubbles,
     WindowIcon::Picture, Picture::ArrowGreenSquares, false, BackButton{"CmdExit", Form1},
     "Command1", "Command2", 10440},
    {Form6, texts::kLegend, 8805, 5490, true, Picture::Bubbles, WindowIcon::Picture,
     Picture::TableSilhouetteSmall, false, BackButton{"Command1", Form2}, "Command2", "Command3",
     8400},
    {Form7, texts::kBiography, 7080, 7260, true, Picture::Bubbles, WindowIcon::Picture,
     Picture::Portrait, false, BackButton{"Command1", Form2}, "Command2", "Command3", 6720},
    {Form8, "Skābju aktivitātes rinda", 10815, 2370, true, Picture::Bubbles, WindowIcon::Picture,
     Picture::ArrowWhiteSquares, false, BackButton{"CmdExit", Form1}, "Command1", "Command2",
     10440},
    {Form9, "Vielu šķīdība ūdenī", 9705, 6825, true, Picture::Bubbles, WindowIcon::Picture,
     Picture::Beaker, true, BackButton{"Command1", Form1}, "Command3", "Command4", 9360},
    {Form10, texts::kLegend, 6360, 3825, true, Picture::Bubbles, WindowIcon::Picture,
     Picture::Beaker, false, BackButton{"Command1", Form9}, "Command2", "Command3", 6000},
    {Form11, texts::kHelp, 6675, 7335, true, Picture::BubblesLarge, WindowIcon::None, kNoPicture,
     false, BackButton{"Command1", Form2}, "Command2", "Command3", 6360},
    {Form12, texts::kAbout, 6000, 4155, true, Picture::Bubbles, WindowIcon::Picture,
     Picture::QuestionMark, false, BackButton{"cmd_back", Form1}, "Command2", "Command3", 5640},
}};

} // namespace

const WindowLook &lookOf(WindowId id) {
    return kLooks[index(id)];
}

} // namespace vielnis
