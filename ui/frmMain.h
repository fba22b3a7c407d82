#pragma once

#include <QMainWindow>

#include <memory>

class LinkLabel;
namespace Ui {
class frmMain;
}

// The main window: a name, a birth date from three lists, Find, and Open of a saved reading.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Loads a fresh main window and shows it modelessly (start-up and Back).
    static frmMain *showFresh();

    // The two offers of the promotional strip, for the start-up draw.
    LinkLabel *lblCobrand() const;
    LinkLabel *lblFullBrand() const;

    // Open's work once a path is chosen, for the Open button and a path given at start: an empty
    // path does nothing; a path not ending in "zod" or a file that is not a saved reading gets
    // "Please Check The File."; otherwise the saved name and date are restored and Find runs.
    void openReading(const QString &path);

public slots:
    void cmdProceed_Click();
    void mnuFind_Click();
    void mnuExit_Click();
    void cmdOpen_Click();
    void mnuAbout_Click();

protected:
    // Form_Unload: a close that is not Find's hand-over is the user's exit.
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    bool ValidateName();
    bool restoreReading(const QString &path);

    std::unique_ptr<Ui::frmMain> ui;
    bool handingOver = false;
};
