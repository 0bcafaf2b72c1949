#pragma once

#include <QLabel>

// A label that is never shorter than its text needs. QLabel measures a line by the font that
// draws it; Devanagari is drawn by a fallback font whose line is shorter than the program
// font's, while its vowel signs reach above that line's ascent. A FittedLabel takes the
// program font's full line for each line of text, and room for ink beyond the line.
class FittedLabel : public QLabel {
    Q_OBJECT
public:
    explicit FittedLabel(const QString& text = {}, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Given a label that does not wrap, returns the height its text needs: the larger of the
    // program font's lines (its height, and its line spacing between lines) and the lines as
    // the drawing fonts lay them out, with twice as much again as the ink reaches beyond a
    // line (the label centres its text). Margins are included; a wrapping label, a picture or
    // no text gives 0.
    static int NeededHeight(const QLabel& label);
};
