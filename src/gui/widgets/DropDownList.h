#pragma once
// The program's drop-down list. A screen reader reads it by its caption and its choice together
// ("Mark column, E: Term Mark, combo box"), and hears each choice the teacher makes from the
// keyboard, followed by what the choice brought about (sayAfterChoice).
//
// Qt names a plain drop-down list on Linux by its choice and gives its caption as its label; a
// screen reader then says the caption alone, and says nothing when the choice changes.
#include <QComboBox>

namespace tq::ui {

class DropDownList : public QComboBox {
    Q_OBJECT

public:
    explicit DropDownList(QWidget* parent = nullptr);

    // "Caption, choice": the caption is the list's accessible name when it has one, or else the
    // words of the caption it is the buddy of; the choice is the text shown (or the placeholder).
    QString spokenName() const;

private:
    void choiceMade();
};

// Words about what the teacher's latest choice in a drop-down list of `inWindow`'s window brought
// about ("5 marks change, …"): said once, right after the choice, in the same notification. With
// no choice being said they are said at once.
void sayAfterChoice(QWidget* inWindow, const QString& words);

} // namespace tq::ui
