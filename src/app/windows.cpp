#include "app/windows.h"

#include "pages/about_window.h"
#include "pages/authors_window.h"
#include "pages/biography_window.h"
#include "pages/help_window.h"
#include "pages/table_legend_window.h"
#include "series/acid_series_window.h"
#include "series/metal_series_window.h"
#include "series/nonmetal_series_window.h"
#include "shell/start_window.h"
#include "shell/window_set.h"
#include "solubility/solubility_legend_window.h"
#include "solubility/solubility_window.h"
#include "table/table_window.h"

namespace vielnis {

namespace {

template <typename Window> HandbookWindow *make(WindowSet &windows) {
    return new Window(windows);
}

struct Registration {
    WindowId id;
    WindowFactory factory;
};

} // namespace

void registerWindows(WindowSet &windows) {
    const Registration registrations[] = {
        {WindowId::Form1, make<StartWindow>},
        {WindowId::Form2, make<TableWindow>},
        {WindowId::Form3, make<series::MetalSeriesWindow>},
        {WindowId::Form4, make<AuthorsWindow>},
        {WindowId::Form5, make<series::NonmetalSeriesWindow>},
        {WindowId::Form6, make<TableLegendWindow>},
        {WindowId::Form7, make<BiographyWindow>},
        {WindowId::Form8, make<series::AcidSeriesWindow>},
        {WindowId::Form9, make<SolubilityWindow>},
        {WindowId::Form10, make<SolubilityLegendWindow>},
        {WindowId::Form11, make<HelpWindow>},
        {WindowId::Form12, make<AboutWindow>},
    };
    for (const Registration &registration : registrations)
        windows.setFactory(registration.id, registration.factory);
}

} // namespace vielnis
