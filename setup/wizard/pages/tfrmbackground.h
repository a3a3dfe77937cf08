#pragma once
// The full-screen navy backdrop with the product title; the wizard's main window.
#include <QLabel>
#include <QWidget>

namespace wizard::pages {

class TfrmBackground : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBackground(QWidget* parent = nullptr);

    QWidget* panTitle;
    QLabel* lbTitle;

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace wizard::pages
