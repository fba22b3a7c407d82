#pragma once

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
namespace Ui {
class frmMayanAnimalMoonSignResult;
}

// The result window: the sign's Mayan name, animal, crystal, interpretation and picture.
class frmMayanAnimalMoonSignResult : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMayanAnimalMoonSignResult(QWidget *parent = nullptr);
    ~frmMayanAnimalMoonSignResult() override;

    // The loaded result window, loading one if there is none.
    static frmMayanAnimalMoonSignResult *loaded();
    static bool isLoaded();
    // Shows the loaded window modelessly, without an owner.
    static void showLoaded();

    // lblResult(index): 0 the Mayan name, 1 the animal, 2 the crystal, 3 the interpretation.
    void setResultCaption(int index, const QString &caption);
    QStringList resultCaptions() const;
    void setAnimalPicture(const QPixmap &picture);

public slots:
    void cmdBack_Click();
    void mnuBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void Label13_Click();
    void cmdPrint_Click();
    void mnuPrint_Click();
    void mnuAbout_Click();

protected:
    // Form_Unload: a close that is not Back's hand-over is the user's exit.
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::frmMayanAnimalMoonSignResult> ui;
    std::array<QLabel *, 4> lblResult;
    bool handingOver = false;
};
