#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutWindow;
}

// What the program is, with links to the maker's home page and the fully-branded offer.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);
    ~AboutWindow() override;

    // Opens a fresh About window modally over the opener; returns when it closes (in a web page
    // at once).
    static void showModal(QWidget *opener);

private:
    std::unique_ptr<Ui::AboutWindow> ui;
};
