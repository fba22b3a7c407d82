#pragma once

#include "sign/Reading.h"
#include "web/Promotion.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}

// The main window: a name, a birth date from three lists, Find, and Open of a saved reading.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens a fresh main window and shows it modelessly (start-up and Back).
    static MainWindow *showFresh();

    // Brings one of the two overlapping offers of the promotional strip to the front.
    void bringToFront(Promotion::Offer offer);

    // Open's work once a path is chosen, for the Open button and a path given at start: an empty
    // path does nothing; a path not ending in "zod" or a file that is not a saved reading gets
    // "Please Check The File."; otherwise the saved reading is shown as Find would show it.
    void openReading(const QString &path);

public slots:
    // The reading of the name and date the window shows, handed to the result window.
    void find();
    // Asks for a saved reading and shows it.
    void open();
    void about();

protected:
    // A close that is not the hand-over to the result window is the user's exit.
    void closeEvent(QCloseEvent *event) override;

private:
    void setStandardKeys();
    void fillDateLists();
    bool validateName();
    // Puts the reading's name and date into the window and returns the reading as the window then
    // shows it; nothing when the lists cannot show its date.
    std::optional<Reading> showInWindow(const Reading &reading);
    void handOver(const Reading &reading);

    std::unique_ptr<Ui::MainWindow> ui;
    bool handingOver = false;
};
