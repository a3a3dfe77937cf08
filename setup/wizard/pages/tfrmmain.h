#pragma once
// The welcome page and the base of every page: a picture at the left, the text area Memo1,
// the rule panHR and the buttons btnBack, btnNext and btnCancel. Pages are made once and kept;
// the window that shows them forwards the buttons to the wizard.
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "setup/wizard/core/texts.h"
#include "setup/wizard/core/wizard.h"

namespace wizard::pages {

class TfrmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMain(Wizard& wizard, QWidget* parent = nullptr);

    // The page's window caption.
    QString caption() const { return caption_; }
    // The page has come to the front (shown, or returned to with Back): show the model's state.
    virtual void activated() {}

    QLabel* picture;
    QPlainTextEdit* Memo1;
    QFrame* panHR;
    QPushButton* btnBack;
    QPushButton* btnNext;
    QPushButton* btnCancel;

    static constexpr int pageWidth = 600;
    static constexpr int pageHeight = 400;
    // Left edge and width of the area right of the picture.
    static constexpr int contentLeft = 160;
    static constexpr int contentWidth = pageWidth - contentLeft - 12;

protected:
    // Sets the caption, the text area's lines and the buttons' texts.
    void setTexts(const std::string& caption, const Lines& lines, const ButtonTexts& buttons);

    Wizard& wizard_;

private:
    QString caption_;
};

}  // namespace wizard::pages
