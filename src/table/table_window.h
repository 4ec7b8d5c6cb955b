#pragma once

#include "catalogue/catalogue.h"
#include "shell/handbook_window.h"

#include <QPointer>
#include <array>

class QLabel;
class QFrame;

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
    // The control that last held the focus here, the menu bar aside.
    QPointer<QWidget> m_lastFocus;
};

} // namespace vielnis
