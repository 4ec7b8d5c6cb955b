#pragma once

#include "catalogue/element_record.h"

#include <QString>
#include <functional>

namespace vielnis {

// Finds an element from what is typed on the periodic table window, as list
// views find an entry: characters typed within about a second of each other
// build up one text, which names an element by its symbol in any letter case
// ("fe"), by its atomic number ("26") or by the beginning of its Latvian name,
// with or without diacritics ("dzel", "udenr", "ūdeņr").
class ElementFinder {
public:
    // Milliseconds from any fixed point; tests drive their own.
    using Clock = std::function<qint64()>;
    // A pause this long starts a new text.
    static constexpr qint64 kPauseMs = 1000;

    // Without a clock the finder keeps the time itself.
    explicit ElementFinder(Clock clock = {});

    // Whether the character is one the finder takes: a letter or a digit.
    static bool takes(QChar character);

    // Adds a typed character; returns the element the text now names, or
    // nullptr if it names none.
    const catalogue::ElementRecord *type(QChar character);
    // Backspace: takes the last character back. False if nothing was typed,
    // so the key is not the finder's.
    bool takeBack();
    // Escape: forgets what was typed. False if nothing was typed.
    bool clear();

    // What has been typed, empty once the pause has passed.
    QString typed() const;
    // The element that typed() names, or nullptr.
    const catalogue::ElementRecord *match() const { return find(typed()); }

    // The element a text names: its symbol in any letter case, its atomic
    // number, or the beginning of its name (the first in the table's order),
    // diacritics and letter case aside.
    static const catalogue::ElementRecord *find(const QString &text);

private:
    bool paused() const;

    Clock m_clock;
    QString m_typed;
    qint64 m_lastKey = 0;
};

} // namespace vielnis
