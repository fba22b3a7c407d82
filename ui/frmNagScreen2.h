#pragma once

#include "ui/modTellAFriend.h"

#include <QWidget>

#include <array>
#include <memory>

class QKeyEvent;
class QLineEdit;
namespace Ui {
class frmNagScreen2;
}

// The last window of the program: an appeal to support the maker's site, the maker's catalogue
// and a refer-a-friend form. Closing it ends the program.
class frmNagScreen2 : public QWidget
{
    Q_OBJECT

public:
    explicit frmNagScreen2(QWidget *parent = nullptr);
    ~frmNagScreen2() override;

    // Loads a fresh window and shows it centred and modeless, above the others.
    static frmNagScreen2 *showLoaded();

    // Which of the four support appeals Form_Load drew.
    int supportIndex() const { return drawnAppeal; }

public slots:
    void cmdSubmit_Click();
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();

protected:
    // The blank refusal of the two address boxes.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Form_Unload: this window going away is the end of the program.
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    // The form's boxes in the order of the form's fields.
    std::array<QWidget *, modTellAFriend::fields.size()> formBoxes() const;
    void setUpFormBoxes();
    void txtEmail_KeyPress(int &KeyAscii);
    void txtFriendEmail_KeyPress(int &KeyAscii);
    void refuseBlank(QLineEdit *box, int &KeyAscii);
    bool keyIsRefused(QObject *box, QKeyEvent *event);

    std::unique_ptr<Ui::frmNagScreen2> ui;
    int drawnAppeal = 0;
};
