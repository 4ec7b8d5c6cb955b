#include "table/element_finder.h"

#include "catalogue/element_table.h"

#include <QElapsedTimer>
#include <memory>
#include <vector>

namespace vielnis {

namespace {

using catalogue::ElementRecord;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Lower case without diacritics: "Ūdeņradis" becomes "udenradis".
QString folded(const QString &text) {
    QString plain;
    for (const QChar ch : text.normalized(QString::NormalizationForm_D))
        if (ch.category() != QChar::Mark_NonSpacing)
            plain += ch;
    return plain.toCaseFolded();
}

// The names of the table's elements, folded, in the table's order.
const std::vector<QString> &foldedNames() {
    static const std::vector<QString> names = [] {
        std::vector<QString> all;
        for (const ElementRecord &record : catalogue::elementTable())
            all.push_back(folded(qs(record.name)));
        return all;
    }();
    return names;
}

} // namespace

ElementFinder::ElementFinder(Clock clock) : m_clock(std::move(clock)) {
    if (!m_clock) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        m_clock = [timer] { return timer->elapsed(); };
    }
}

bool ElementFinder::takes(QChar character) {
    return character.isLetterOrNumber();
}

bool ElementFinder::paused() const {
    return m_clock() - m_lastKey >= kPauseMs;
}

QString ElementFinder::typed() const {
    return paused() ? QString() : m_typed;
}

const ElementRecord *ElementFinder::type(QChar character) {
    if (paused())
        m_typed.clear();
    m_typed += character;
    m_lastKey = m_clock();
    return find(m_typed);
}

bool ElementFinder::takeBack() {
    if (typed().isEmpty())
        return false;
    m_typed.chop(1);
    m_lastKey = m_clock();
    return true;
}

bool ElementFinder::clear() {
    if (typed().isEmpty())
        return false;
    m_typed.clear();
    return true;
}

const ElementRecord *ElementFinder::find(const QString &text) {
    if (text.isEmpty())
        return nullptr;
    const auto elements = catalogue::elementTable();
    bool digits = true;
    for (const QChar ch : text)
        digits = digits && ch.isDigit();
    if (digits) {
        bool ok = false;
        const int number = text.toInt(&ok);
        for (const ElementRecord &record : elements)
            if (ok && record.number == number)
                return &record;
        return nullptr;
    }
    for (const ElementRecord &record : elements)
        if (qs(record.symbol).compare(text, Qt::CaseInsensitive) == 0)
            return &record;
    const QString beginning = folded(text);
    const std::vector<QString> &names = foldedNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i].startsWith(beginning))
            return &elements[i];
    return nullptr;
}

} // namespace vielnis
