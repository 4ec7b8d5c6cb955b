#pragma once

#include <QHash>
#include <QLabel>
#include <QLineEdit>

#include <optional>

namespace vielnis {

// A one-line text field of the details panel: its own background and text
// colour, a sunken edge, read-only unless made editable.
class FieldBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldBox(QWidget *parent = nullptr, bool sunkenEdge = true);

    // The font the field's texts are designed in. A text that this font would
    // not show whole is drawn a little tighter or smaller, that text only.
    void setDesignFont(const QFont &font);

    // Writes the text; writing what is shown already changes nothing.
    void setText(const QString &text);

    void setBackground(const QColor &colour);
    QColor background() const { return palette().color(QPalette::Base); }
    void setTextColour(const QColor &colour);
    QColor textColour() const { return palette().color(QPalette::Text); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void fitText();

    bool m_sunkenEdge;
    std::optional<QFont> m_designFont; // at the design's size
    qreal m_zoom = 1.0;                // the window's zoom, as last laid out
    int m_line = 0;                    // the width of the text line, for a field of m_lineSize
    QSize m_lineSize{};                // the size m_line was measured for
    QHash<QString, int> m_widths;      // texts shown so far, by their width in the design font
};

// The multi-line field of the details panel: words wrap at the edge, no
// scroll bar, read-only; the text can be selected and copied.
class FieldMemo : public QLabel {
    Q_OBJECT
public:
    explicit FieldMemo(QWidget *parent = nullptr);

    // Writes the text; writing what is shown already changes nothing.
    // Screen readers are told of every change.
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    // A label offers a menu only over links; the field offers what a
    // read-only text field does.
    void contextMenuEvent(QContextMenuEvent *event) override;
};

void setFieldColours(QWidget *field, const QColor &background, const QColor &text);

} // namespace vielnis
