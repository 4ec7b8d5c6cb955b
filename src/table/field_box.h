#pragma once

#include <QLabel>
#include <QLineEdit>

namespace vielnis {

// A one-line text field of the details panel: its own background and text
// colour, a sunken edge, read-only unless made editable.
class FieldBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldBox(QWidget *parent = nullptr, bool sunkenEdge = true);

    // Writes the text; writing what is shown already changes nothing.
    void setText(const QString &text) {
        if (text != QLineEdit::text())
            QLineEdit::setText(text);
    }

    void setBackground(const QColor &colour);
    QColor background() const { return palette().color(QPalette::Base); }
    void setTextColour(const QColor &colour);
    QColor textColour() const { return palette().color(QPalette::Text); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_sunkenEdge;
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
