#pragma once

#include "catalogue/catalogue.h"
#include "shell/handbook_window.h"
#include "table/element_finder.h"

#include <QList>
#include <QPointer>
#include <array>
#include <vector>

class QKeyEvent;
class QLabel;
class QFrame;
class QPrinter;

namespace vielnis {

class DesignButton;
class FieldBox;
class FieldMemo;
class ModificationPicker;

// Form2, the periodic table: 114 element buttons, the details panel that an
// element click fills, the modification picker, the menus and buttons.
class TableWindow : public HandbookWindow {
    Q_OBJECT
public:
    // The one-line fields of the details panel that the record fills, each
    // numbered as its design name Textn says (Text15 is the name's origin,
    // a field of its own kind).
    enum class Field {
        Name = 1,          // Text1
        State,             // Text2
        Mass,              // Text3
        Boiling,           // Text4
        Melting,           // Text5
        Density,           // Text6
        Body,              // Text7
        Colour,            // Text8
        Radius,            // Text9
        Discovery,         // Text10
        Electronegativity, // Text11
        Crust,             // Text12
        Configuration,     // Text13
        Number,            // Text14
    };
    static constexpr std::size_t kFieldCount = 14;

    explicit TableWindow(WindowSet &windows);

    // Empties the details panel and locks the picker.
    void ClearDetails();
    // Makes the picker choosable.
    void EnablePicker();
    // Empties the modification-dependent fields and restores their rows.
    void ResetModificationFields();

    // The clock of what is typed to find an element (tests drive their own).
    void setTypingClock(ElementFinder::Clock clock);
    // What Ctrl+C copies: the shown element and its simple substance, one
    // "caption: value" line per field that shows something; empty while the
    // panel is empty.
    QString shownAsText() const;
    // Prints the periodic table on one page under the window's title.
    void printTable(QPrinter &printer) const;
    // Clicks the element's button and gives it the keyboard focus, as a click
    // with the mouse does.
    void selectElement(const catalogue::ElementRecord &record);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Coming back from a page, the focus is where it was.
    bool event(QEvent *event) override;

private:
    FieldBox *field(Field which) const { return m_fields[std::size_t(which) - 1]; }
    QLabel *caption(Field which) const { return m_fieldCaptions[std::size_t(which) - 1]; }
    // The button of the element, or nullptr for a record not in the catalogue.
    DesignButton *buttonOf(const catalogue::ElementRecord &record) const;
    // The element button next to the given one in the arrow's direction.
    DesignButton *neighbour(const DesignButton *from, int key) const;

    void buildGrid();
    void buildLabels();
    void buildDetails();
    void buildMenus();
    void buildButtons();
    void setTabOrderOfControls();

    // The element-click protocol for one record.
    void showElement(const catalogue::ElementRecord &record);
    // Runs on every change of the picker's value.
    void dispatchModification();

    // Keys typed on the window: finding an element, Ctrl+C.
    void setUpKeys();
    bool windowKey(QKeyEvent *event, QWidget *target);

    FieldBox *makeField(const char *name, const struct Twips &rect, const QColor &background);

    std::array<FieldBox *, kFieldCount> m_fields{};           // by Field
    std::array<QLabel *, kFieldCount> m_fieldCaptions{};      // by Field
    FieldMemo *m_origin = nullptr;                            // Text15
    QLabel *m_originCaption = nullptr;                        // Label47
    FieldBox *m_symbol = nullptr;                             // txtFru1
    FieldBox *m_subscript = nullptr;                          // txtFru2
    QLabel *m_formulaCaption = nullptr;                       // Label45
    std::array<FieldBox *, catalogue::kCellCount> m_states{}; // Pakape1 ... Pakape6
    std::array<FieldBox *, catalogue::kCellCount> m_oxides{}; // Apz1 ... Apz6
    QLabel *m_statesCaption = nullptr;                        // Label9
    QLabel *m_oxidesCaption = nullptr;                        // Label43
    ModificationPicker *m_picker = nullptr;                   // Combo1
    QLabel *m_pickerCaption = nullptr;                        // Label44
    // One button per catalogue record, in the catalogue's order.
    std::vector<DesignButton *> m_elementButtons;
    // The period and group labels around the grid, which a print shows too.
    QList<QLabel *> m_gridLabels;
    DesignButton *m_legend = nullptr; // Apz
    // The element the panel shows; modifications apply only to their own element.
    const catalogue::ElementRecord *m_shown = nullptr;
    ElementFinder m_finder;
    // The control that last held the focus here, the menu bar aside.
    QPointer<QWidget> m_lastFocus;
};

} // namespace vielnis
