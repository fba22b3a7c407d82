#pragma once

#include "ui/Referral.h"

#include <QWidget>

#include <array>
#include <memory>

class QKeyEvent;
namespace Ui {
class ExitAppealWindow;
}

// The last window of the program: an appeal to support the maker's site, the maker's catalogue
// and a refer-a-friend form. Closing it ends the program.
class ExitAppealWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ExitAppealWindow(QWidget *parent = nullptr);
    ~ExitAppealWindow() override;

    // Opens a fresh window and shows it centred and modeless, above the others.
    static ExitAppealWindow *showFresh();

    // Closes every window and ends the event loop. Safe to enter again from a close it
    // triggered: no window is closed twice.
    static void endProgram();
    // True while endProgram() closes the windows: closes then are the end, not a user's exit.
    static bool isEnding();

    // Which of the four support appeals the window drew.
    int appealIndex() const { return drawnAppeal; }

public slots:
    // The refer-a-friend form's Submit.
    void submit();

protected:
    // The address boxes refuse a blank.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // This window going away is the end of the program.
    void closeEvent(QCloseEvent *event) override;

private:
    void drawAppeal();
    // The form's boxes in the order of the form's fields.
    std::array<QWidget *, Referral::fields.size()> formBoxes() const;
    void setUpFormBoxes();
    void visitSite();
    bool refusesKey(QObject *box, const QKeyEvent *event);

    std::unique_ptr<Ui::ExitAppealWindow> ui;
    int drawnAppeal = 0;
};
