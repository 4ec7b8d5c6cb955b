#pragma once

#include <QObject>

class QMenu;

namespace vielnis {

// Keeps a menu of the menu bar open when the press of the Alt key that
// opened it (Alt+K) reaches it after it is open. An Alt press in an open
// menu closes it, as it should when a person presses Alt again; but while a
// screen reader listens, Qt holds each key back until the accessibility
// registry has seen it, and when the registry answers late the held Alt
// press is replayed after the chord's letter has already opened the menu.
// A press of an Alt key that is still down from before the menu opened is
// that late press; after Alt has been let go, the next press counts.
class MenuAltKey : public QObject {
    Q_OBJECT
public:
    // Lives as long as the menu.
    explicit MenuAltKey(QMenu *menu);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_altDownSinceBeforeShown = false;
};

} // namespace vielnis
