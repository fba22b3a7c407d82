#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// What the program is, with links to the maker's home page and the fully-branded offer.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

    // Loads a fresh About window and shows it modally over the opener; returns when it closes.
    static void showModal(QWidget *opener);

public slots:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

private:
    std::unique_ptr<Ui::frmAbout> ui;
};
