#pragma once

#include "catalogue/catalogue.h"
#include "shell/handbook_window.h"
#include "table/element_finder.h"

#include <QPointer>
#include <array>

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

    std::array<FieldBox *, 16> m_text{}; // Text1 ... Text14 by number; Text15 is m_origin
    FieldMemo *m_origin = nullptr;       // Text15
    FieldBox *m_symbol = nullptr;        // txtFru1
    FieldBox *m_subscript = nullptr;     // txtFru2
    std::array<FieldBox *, catalogue::kCellCount> m_states{}; // Pakape1 ... Pakape6
    std::array<FieldBox *, catalogue::kCellCount> m_oxides{}; // Apz1 ... Apz6
    QLabel *m_boilingCaption = nullptr;                       // Label6
    QLabel *m_meltingCaption = nullptr;                       // Label7
    ModificationPicker *m_picker = nullptr;
    std::array<DesignButton *, 120> m_elementButtons{};
    // The element the panel shows; modifications apply only to their own element.
    const catalogue::ElementRecord *m_shown = nullptr;
    ElementFinder m_finder;
    // The control that last held the focus here, the menu bar aside.
    QPointer<QWidget> m_lastFocus;
};

} // namespace vielnis
