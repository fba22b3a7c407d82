#pragma once

#include <QComboBox>

// A drop-down list that makes its popup when the popup is first wanted. QComboBox hands every new
// font on to its popup (a list view in a window of its own), making the popup to do so even while
// nobody has opened it; a window that gives its lists their fonts after it is made would pay for
// three popups at every start. So a new font that comes before the box is polished or measured
// changes only the box; the popup, made later, takes the box's font then, as a child window that
// follows its font.
class DropDownList : public QComboBox
{
    Q_OBJECT

public:
    explicit DropDownList(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    // QComboBox keeps its measures until a font change clears them: once it has measured, every
    // font change goes its way.
    mutable bool measured = false;
};
