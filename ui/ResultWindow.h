#pragma once

#include "sign/Reading.h"

#include <QMainWindow>

#include <memory>

class QLabel;
namespace Ui {
class ResultWindow;
}

// The result window: the sign's Mayan name, animal, crystal, interpretation and picture.
class ResultWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ResultWindow(QWidget *parent = nullptr);
    ~ResultWindow() override;

    // Shows the reading in the open result window, opening one if there is none, modelessly and
    // without an owner.
    static ResultWindow *showReading(const Reading &reading);

    // The reading the window shows; Print hands it to the report window.
    const Reading &shownReading() const { return reading; }

public slots:
    // Back to a fresh main window.
    void back();
    // The report window of the reading shown.
    void print();
    void about();

protected:
    // A close that is not Back's hand-over is the user's exit.
    void closeEvent(QCloseEvent *event) override;

private:
    void display(const Reading &shown);
    // The sign's picture, drawn for the scale of the screen the window is on.
    void showPicture();
    void setCaption(QLabel *label, const QString &caption);

    std::unique_ptr<Ui::ResultWindow> ui;
    Reading reading;
    bool handingOver = false;
};
